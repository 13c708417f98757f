// Plot window layout after the design anchors, and the FormResize rules.
#include "PlotLayout.h"

#include <cmath>
#include <cstdint>

namespace plot {

namespace {

constexpr int LabelLeft = 5;
constexpr int LabelWidth = 32;
constexpr int LabelHeight = 13;

// Rounded a·b / c, as the window system scales the position of a control that is anchored
// to neither of two opposite edges.
int mulDiv(int a, int b, int c) {
    if (c == 0)
        return a;
    return static_cast<int>(std::lround(static_cast<double>(std::int64_t(a) * b) / c));
}

// Design tops of the value labels, Label1 first.
std::array<int, 6> designTops(PlotKind kind) {
    if (kind == PlotKind::Phia)
        return {179, 135, 92, 48, 4, 0};
    return {179, 144, 109, 74, 39, 4};
}

} // namespace

std::array<int, 6> FollowingLabelTops(PlotKind kind, int bottomLabelTop, int imageHeight) {
    // The factors are written out rather than computed as step·j: 0.2·3 is a hair above
    // 0.6 and would move a label one pixel up when B − 0.6·H is a whole number.
    static constexpr std::array<double, 4> plotFactors{0.2, 0.4, 0.6, 0.8};
    static constexpr std::array<double, 3> phaseFactors{0.25, 0.5, 0.75};
    const double B = bottomLabelTop;
    const double H = imageHeight;
    std::array<int, 6> tops{};
    tops[0] = bottomLabelTop;
    int j = 1;
    const auto place = [&](double factor) {
        tops[j++] = static_cast<int>(std::trunc(B - factor * H));
    };
    if (kind == PlotKind::Phia)
        for (double factor : phaseFactors)
            place(factor);
    else
        for (double factor : plotFactors)
            place(factor);
    tops[j] = bottomLabelTop - imageHeight;
    return tops;
}

PlotLayout LayoutPlotWindow(PlotKind kind, int clientWidth, int clientHeight,
                            bool labelsFollowBottom) {
    const int dW = clientWidth - DesignClientWidth;
    const int dH = clientHeight - DesignClientHeight;
    PlotLayout layout;
    layout.image = {48, 10, 349 + dW, 175 + dH};
    layout.strip = {40, 196 + dH, 374 + dW, 13};
    constexpr int titleWidth = 99;
    const int titleCentre = 172 + titleWidth / 2;
    layout.title = {mulDiv(titleCentre, clientWidth, DesignClientWidth) - titleWidth / 2, 212 + dH,
                    titleWidth, 16};
    layout.valueLabelCount = ValueLabelCount(kind);

    const int last = layout.valueLabelCount - 1; // the top label, anchored to the top
    const std::array<int, 6> design = designTops(kind);
    std::array<int, 6> tops = design;
    tops[0] = design[0] + dH;
    if (labelsFollowBottom) {
        tops = FollowingLabelTops(kind, tops[0], layout.image.height);
    } else {
        for (int j = 1; j < last; ++j)
            tops[j] = mulDiv(design[j] + LabelHeight / 2, clientHeight, DesignClientHeight) -
                      LabelHeight / 2;
    }
    for (int j = 0; j <= last; ++j)
        layout.valueLabels[j] = {LabelLeft, tops[j], LabelWidth, LabelHeight};
    return layout;
}

int SnapWindowLength(int length) {
    return (length + 10) / 20 * 20;
}

} // namespace plot
