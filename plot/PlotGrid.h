// Geometry of the empty plot grid and of the frequency labels on the strip (DrawPlotGrid).
#pragma once

#include <string>
#include <vector>

namespace plot {

// A frequency label of the strip: its text and the x position in the strip that the text is
// centred on.
struct StripLabel {
    std::string text;
    double anchor = 0;
};

struct PlotGridGeometry {
    std::vector<int> horizontalYs; // y = H·i / bands for i = 1 .. bands − 1
    std::vector<int> verticalXs;   // one line per frequency 10^d·j; may lie outside 0..W
    // 2, 5 and 10 times each decade in grid order, then fmin at x = o and fmax at x = o + W.
    std::vector<StripLabel> labels;
};

// The image is W × H; the strip starts `stripOffset` pixels left of the image (8 in the design
// layout). A frequency range that cannot be drawn logarithmically (fmin ≤ 0, fmax ≤ fmin,
// not finite) gives the horizontal lines only.
PlotGridGeometry ComputePlotGrid(int W, int H, double fmin, double fmax, int bands,
                                 int stripOffset);

// Left edge of a label of width `textWidth` centred on `anchor`: trunc(anchor − w div 2).
int StripLabelLeft(double anchor, int textWidth);

// True when the frequency axis fmin … fmax can be drawn.
bool FrequencyRangeUsable(double fmin, double fmax);

} // namespace plot
