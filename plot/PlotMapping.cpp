// Value-to-fraction mappings, the pixel rule of the curve drawing and segment clipping.
#include "PlotMapping.h"

#include <algorithm>
#include <cmath>

namespace plot {

double fx(double f, double fmin, double fmax) {
    return std::log10(f / fmin) / std::log10(fmax / fmin);
}

double fy(double v, double lo, double hi) {
    return (hi - v) / (hi - lo);
}

double fyPhase(double phi) {
    return (180 - phi) / 360;
}

std::optional<Pixel> PlotPixel(double fx, double fy, int W, int H) {
    const double x = W * fx;
    const double y = H * fy;
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    constexpr double limit = 1e9;
    return Pixel{static_cast<int>(std::trunc(std::clamp(x, -limit, limit))),
                 static_cast<int>(std::trunc(std::clamp(y, -limit, limit)))};
}

std::optional<std::pair<PointF, PointF>> ClipSegment(PointF a, PointF b, double left, double top,
                                                     double right, double bottom) {
    // Liang–Barsky: the segment is a + t·(b − a), t in [0, 1].
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0;
    double t1 = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0)
            return q >= 0; // parallel to this edge: inside or out entirely
        const double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!edge(-dx, a.x - left) || !edge(dx, right - a.x) || !edge(-dy, a.y - top) ||
        !edge(dy, bottom - a.y))
        return std::nullopt;
    return std::pair{PointF{a.x + t0 * dx, a.y + t0 * dy}, PointF{a.x + t1 * dx, a.y + t1 * dy}};
}

} // namespace plot
