// The curves of the colour slots as pixel segments: drawing order, end point and mapping.
#pragma once

#include <vector>

#include "PlotInput.h"
#include "PlotMapping.h"

namespace plot {

// One straight piece of a curve, from one point's pixel to the next one's.
struct CurveSegment {
    Pixel from;
    Pixel to;
    bool imaginary = false; // the dashed imaginary part of the radiation impedance
    bool operator==(const CurveSegment&) const = default;
};

// Last point drawn of a slot: the first k ≥ 1 with f_k > FmaxEff, or 168.
int LastDrawnPoint(const engine::ResultRows& rows, double FmaxEff);

// Slots in drawing order: the filled ones of 3, 2, 1, 0, so that black ends on top.
std::vector<int> SlotsToDraw(const PlotInput& input);

// Whether the window's ranges allow curves: a usable frequency axis and a value range of
// finite, non-zero width (an automatic range over rows that are all 0 has none; the grid is
// drawn, the curves are left out).
bool CurvesDrawable(const PlotInput& input);

// The segments of slot `slot` in an image of W × H pixels, in drawing order: point r − 1 to
// point r for r = 1 .. LastDrawnPoint. The radiation impedance window gives the real part's
// segment of every r and, for even r, the imaginary part's segment after it. A point whose
// value maps to no finite pixel breaks the curve. Empty for an empty slot or when
// CurvesDrawable is false.
std::vector<CurveSegment> SlotCurve(const PlotInput& input, int slot, int W, int H);

} // namespace plot
