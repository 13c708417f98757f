// Pen moves and lines of the principle sketch.
#include "SketchPrimitives.h"

namespace plot {

void SketchPrimitives::moveTo(int x, int y) {
    items.push_back({SketchPrimitive::Kind::MoveTo, x, y, SketchColour::Black, 1});
}

void SketchPrimitives::lineTo(int x, int y, SketchColour colour, int penWidth) {
    items.push_back({SketchPrimitive::Kind::LineTo, x, y, colour, penWidth});
}

std::vector<SketchSegment> SketchPrimitives::segments() const {
    std::vector<SketchSegment> out;
    int penX = 0, penY = 0;
    for (const SketchPrimitive& p : items) {
        if (p.kind == SketchPrimitive::Kind::LineTo)
            out.push_back({penX, penY, p.x, p.y, p.colour, p.width});
        penX = p.x;
        penY = p.y;
    }
    return out;
}

} // namespace plot
