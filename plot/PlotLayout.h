// Positions of the controls of a plot window's client area and the size snapping on resize.
#pragma once

#include <array>

#include "PlotKind.h"

namespace plot {

inline constexpr int DesignClientWidth = 412;
inline constexpr int DesignClientHeight = 233;

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Where the controls of one plot window lie for a client area of the given size.
struct PlotLayout {
    PixelRect image; // Image1: the plot area
    PixelRect strip; // xAxis: the strip with the frequency labels
    PixelRect title; // Label18: "Frequency [Hz]"
    // Label1 (bottom edge) … Label6 (top edge); the phase window uses the first five.
    std::array<PixelRect, 6> valueLabels{};
    int valueLabelCount = 6;
    // x offset of the image in the strip: image left − strip left (8).
    int stripOffset() const { return image.left - strip.left; }
};

// The layout follows the anchors of the design: the image grows with the client area, the
// strip, the bottom label and the title keep their distance from the bottom edge, the title
// stays centred. `labelsFollowBottom` tells whether a resize has placed the middle labels
// after the bottom label (FormResize while redrawing is possible); otherwise they keep the
// relative height of their design position. At the design size with `labelsFollowBottom`
// false the design positions come out.
PlotLayout LayoutPlotWindow(PlotKind kind, int clientWidth, int clientHeight,
                            bool labelsFollowBottom = false);

// Tops of the value labels after FormResize: with B the top of Label1 and H the image
// height, trunc(B − 0.2·j·H) for Label2 … Label5 and B − H for Label6; in the phase window
// trunc(B − 0.25·j·H) for Label2 … Label4 and B − H for Label5. Index 0 is B itself.
std::array<int, 6> FollowingLabelTops(PlotKind kind, int bottomLabelTop, int imageHeight);

// FormResize snapping of one window dimension: (length + 10) div 20 · 20.
// 433 → 440, 247 → 240.
int SnapWindowLength(int length);

} // namespace plot
