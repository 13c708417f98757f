// The drawing of the principle sketch as a list of pen moves and lines, free of any canvas.
#pragma once

#include <vector>

namespace plot {

enum class SketchColour { Black, White };

// One step of the pen. MoveTo only sets the pen position; LineTo draws from the pen
// position to (x, y) with `colour` and `width` and leaves the pen there. White lines erase
// what lies beneath them (the wall over an opening).
struct SketchPrimitive {
    enum class Kind { MoveTo, LineTo };
    Kind kind = Kind::MoveTo;
    int x = 0, y = 0; // pixels, origin top left, y downwards
    SketchColour colour = SketchColour::Black;
    int width = 1;
    bool operator==(const SketchPrimitive&) const = default;
};

// One drawn line of the list, with the start taken from the preceding pen position.
struct SketchSegment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    SketchColour colour = SketchColour::Black;
    int width = 1;
    bool operator==(const SketchSegment&) const = default;
};

// The picture on a white surface of width × height pixels, drawn in list order.
struct SketchPrimitives {
    int width = 0, height = 0;
    std::vector<SketchPrimitive> items;

    void moveTo(int x, int y);
    void lineTo(int x, int y, SketchColour colour, int penWidth);
    // The lines in drawing order (a line before any move starts at (0, 0)).
    std::vector<SketchSegment> segments() const;
};

} // namespace plot
