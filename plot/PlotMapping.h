// From values to fractions of the plot area and from fractions to pixels.
#pragma once

#include <optional>
#include <utility>

namespace plot {

// Fraction of the width from the left: log10(f / fmin) / log10(fmax / fmin).
double fx(double f, double fmin, double fmax);

// Fraction of the height from the top for a value row: (hi - v) / (hi - lo).
double fy(double v, double lo, double hi);

// Fraction of the height from the top for a phase in degrees: (180 - phi) / 360.
double fyPhase(double phi);

struct Pixel {
    int x = 0;
    int y = 0;
    bool operator==(const Pixel&) const = default;
};

// The pixel of PlotMoveTo / PlotLineTo: (trunc(W·fx), trunc(H·fy)), cut toward zero. Far
// outside the image the products are limited to ±1e9 so that they stay integers; fractions
// that are no finite number give no pixel.
std::optional<Pixel> PlotPixel(double fx, double fy, int W, int H);

struct PointF {
    double x = 0;
    double y = 0;
};

// The part of the segment a–b inside the box [left, right] × [top, bottom], or nothing when
// it misses the box. Lines that leave the image far away are shortened to their visible
// part before they reach the painter, whose rasteriser works with limited coordinates.
std::optional<std::pair<PointF, PointF>> ClipSegment(PointF a, PointF b, double left, double top,
                                                     double right, double bottom);

} // namespace plot
