// Grid lines of a plot image and the frequency labels of its strip.
#include "PlotGrid.h"

#include <algorithm>
#include <cmath>

#include "AxisScaling.h"

namespace plot {

namespace {

// trunc toward zero, limited so that a nearly empty range cannot overflow an int.
int toPixel(double position) {
    constexpr double limit = 1e9;
    return static_cast<int>(std::trunc(std::clamp(position, -limit, limit)));
}

} // namespace

bool FrequencyRangeUsable(double fmin, double fmax) {
    return std::isfinite(fmin) && std::isfinite(fmax) && fmin > 0 && fmax > fmin;
}

PlotGridGeometry ComputePlotGrid(int W, int H, double fmin, double fmax, int bands,
                                 int stripOffset) {
    PlotGridGeometry grid;
    for (int i = 1; i < bands; ++i)
        grid.horizontalYs.push_back(H * i / bands);
    if (!FrequencyRangeUsable(fmin, fmax))
        return grid;

    const double s = W / std::log10(fmax / fmin); // pixels per decade
    const int lastDecade = static_cast<int>(std::floor(std::log10(fmax)));
    for (int d = static_cast<int>(std::floor(std::log10(fmin))); d <= lastDecade; ++d) {
        for (int j = 1; j <= 10; ++j) {
            const double v = std::pow(10.0, d) * j;
            const double position = std::log10(v / fmin) * s;
            grid.verticalXs.push_back(toPixel(position));
            if (j == 2 || j == 5 || j == 10)
                grid.labels.push_back({FormatEngineering(v, "0.###"), position + stripOffset});
        }
    }
    grid.labels.push_back({FormatEngineering(fmin, "0.###"), double(stripOffset)});
    grid.labels.push_back({FormatEngineering(fmax, "0.###"), double(stripOffset + W)});
    return grid;
}

int StripLabelLeft(double anchor, int textWidth) {
    return toPixel(anchor - textWidth / 2);
}

} // namespace plot
