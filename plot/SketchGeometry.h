// The principle sketch of the horn as a pure step: the run's values and the named controls
// in, pen moves and lines drawn to scale out (DrawSketch with its branches on the horn wall).
#pragma once

#include <vector>

#include "Notice.h"
#include "SketchInput.h"
#include "SketchPrimitives.h"

namespace plot {

// What one drawing gives: the picture, the notices to show (in order, each modal with an OK
// button; the drawing is complete all the same), the new rear-chamber-2 size for the caller to
// keep, and the derived sketch values.
struct SketchDrawing {
    SketchPrimitives primitives;
    std::vector<engine::Notice> notices;    // "LFC is 0!", "LRC is 0!" with caption "Notice"
    double RK2Face = 0, RK2Depth = 0;       // keep these for the next drawing
    double VKArea = 0, RKArea = 0;          // front and rear chamber cross-sections [m²]
    double SketchLeft = 0, SketchRight = 0; // extents in front of the throat, beyond the mouth [m]
    double SketchMid = 0;                   // top image edge to the horn axis [m]
    double SketchScale = 0;                 // pixels per metre
};

// Half the side of a square of the real area belonging to the modelled area A:
// √(A / (4·PositionFactor)). Every width in the sketch is twice this of an area.
double HalfSide(double area, int positionFactor);

// An arrow from (x1, y1) to (x2, y2): the shaft and two 8-pixel head lines at ±0.45 rad from
// it, drawn with the given pen.
void DrawArrow(SketchPrimitives& out, int x1, int y1, int x2, int y2, SketchColour colour,
               int penWidth);

// The whole sketch on an image of width × height pixels (the surface Im1, 10 pixels smaller
// than the window's client area): horn walls, driver 1 with front chamber, rear chamber and
// port at the throat (xT1 = 0) or in the lower side wall, then the absorber chamber, the
// extra tunnel, driver 2 and rear chamber 2 on their "Sketch top" sides. Positions that fall
// outside ±10⁶ pixels (or are not numbers) are held at that limit (or 0), so degenerate
// inputs give a useless but harmless picture.
SketchDrawing DrawSketch(const SketchInput& input, int width, int height);

} // namespace plot
