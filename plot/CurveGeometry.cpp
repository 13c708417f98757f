// Mapping the result rows of a slot onto the pixels of a plot image.
#include "CurveGeometry.h"

#include <cmath>

namespace plot {

int LastDrawnPoint(const engine::ResultRows& rows, double FmaxEff) {
    constexpr int lastPoint = 168;
    for (int r = 1; r < lastPoint; ++r)
        if (rows.f[r] > FmaxEff)
            return r;
    return lastPoint;
}

std::vector<int> SlotsToDraw(const PlotInput& input) {
    std::vector<int> order;
    for (int p = SlotCount - 1; p >= 0; --p)
        if (input.filled[p])
            order.push_back(p);
    return order;
}

namespace {

// The value range of the window: lo and hi of its axis row, or the fixed phase range.
struct ValueRange {
    double lo;
    double hi;
};

ValueRange valueRange(const PlotInput& input) {
    const int row = AxisRowOf(input.kind);
    if (row < 0)
        return {-180, 180};
    return {input.AxisMin[row], input.AxisMax[row]};
}

// The row the window draws (for the radiation impedance: the real part).
Quantity quantityOf(const PlotInput& input) {
    using R = engine::ResultRows;
    switch (input.kind) {
    case PlotKind::SPL:
        return &R::SPL;
    case PlotKind::Zel:
        return &R::Zel;
    case PlotKind::Ausl:
        return input.CBAmplTreiber2 ? &R::x2 : &R::x1;
    case PlotKind::SPLmax:
        return &R::SPLmax;
    case PlotKind::Pmax:
        return input.CBPmaxTreiber2 ? &R::Pmax2 : &R::Pmax;
    case PlotKind::Znorm:
        return &R::Zreal;
    case PlotKind::Phia:
        break;
    }
    return &R::Phi_a;
}

} // namespace

bool CurvesDrawable(const PlotInput& input) {
    const double fmin = input.AxisMin[7];
    const double fmax = input.AxisMax[7];
    if (!(std::isfinite(fmin) && std::isfinite(fmax) && fmin > 0 && fmax > fmin))
        return false;
    const ValueRange range = valueRange(input);
    const double width = range.hi - range.lo;
    return std::isfinite(width) && width != 0;
}

std::vector<CurveSegment> SlotCurve(const PlotInput& input, int slot, int W, int H) {
    std::vector<CurveSegment> segments;
    if (slot < 0 || slot >= SlotCount || !input.filled[slot] || !CurvesDrawable(input))
        return segments;
    const engine::ResultRows& rows = input.rows[slot];
    const double fmin = input.AxisMin[7];
    const double fmax = input.AxisMax[7];
    const ValueRange range = valueRange(input);
    const bool phase = input.kind == PlotKind::Phia;
    const auto pixelOf = [&](int i, Quantity q) {
        const double v = (rows.*q)[i];
        return PlotPixel(fx(rows.f[i], fmin, fmax), phase ? fyPhase(v) : fy(v, range.lo, range.hi),
                         W, H);
    };
    const auto add = [&](int r, Quantity q, bool imaginary) {
        const std::optional<Pixel> a = pixelOf(r - 1, q);
        const std::optional<Pixel> b = pixelOf(r, q);
        if (a && b)
            segments.push_back({*a, *b, imaginary});
    };
    const Quantity quantity = quantityOf(input);
    const int last = LastDrawnPoint(rows, input.FmaxEff[slot]);
    for (int r = 1; r <= last; ++r) {
        add(r, quantity, false);
        if (input.kind == PlotKind::Znorm && r % 2 == 0)
            add(r, &engine::ResultRows::Zimag, true);
    }
    return segments;
}

} // namespace plot
