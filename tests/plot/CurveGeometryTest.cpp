// Curve segments of the colour slots: order, end at FmaxEff, mapping and the dashed part.
#include <gtest/gtest.h>

#include "CurveGeometry.h"
#include "PlotTestRows.h"

namespace {

using plot::PlotKind;

constexpr int W = 349;
constexpr int H = 175;

// An input after a labelling: 10 … 20000 Hz and the given value range on every row.
plot::PlotInput flatInput(PlotKind kind, double lo = 0, double hi = 100) {
    plot::PlotInput in;
    in.kind = kind;
    for (auto& r : in.rows)
        r = plottest::ClearedRows();
    in.AxisMin.fill(lo);
    in.AxisMax.fill(hi);
    in.AxisMin[7] = 10;
    in.AxisMax[7] = 20000;
    in.gridDrawn = true;
    return in;
}

TEST(LastDrawnPoint, FirstPointAboveFmaxEffOr168) {
    const engine::ResultRows run = plottest::FlatRun(); // 10 Hz … 20 kHz, 169 points
    int firstAbove1k = 1;
    while (run.f[firstAbove1k] <= 1000)
        ++firstAbove1k;
    EXPECT_EQ(plot::LastDrawnPoint(run, 1000), firstAbove1k);
    EXPECT_EQ(plot::LastDrawnPoint(run, 20000), 168);
    EXPECT_EQ(plot::LastDrawnPoint(run, 1e9), 168);
    EXPECT_EQ(plot::LastDrawnPoint(run, 5), 1);        // point 1 is always drawn
    EXPECT_EQ(plot::LastDrawnPoint(run, run.f[1]), 2); // "exceeds", not "reaches"
}

TEST(SlotsToDraw, BlackLastAndEmptySlotsLeftOut) {
    plot::PlotInput in = flatInput(PlotKind::SPL);
    in.filled = {true, true, true, true};
    EXPECT_EQ(plot::SlotsToDraw(in), (std::vector<int>{3, 2, 1, 0}));
    in.filled = {true, false, true, false};
    EXPECT_EQ(plot::SlotsToDraw(in), (std::vector<int>{2, 0}));
    in.filled = {};
    EXPECT_TRUE(plot::SlotsToDraw(in).empty());
}

TEST(SlotCurve, SegmentsJoinThePixelsOfConsecutivePoints) {
    plot::PlotInput in = flatInput(PlotKind::SPL, 60, 110);
    in.rows[1] = plottest::FlatRun();
    for (int i = 0; i < 169; ++i)
        in.rows[1].SPL[i] = 60 + 0.3 * i;
    in.filled[1] = true;
    in.FmaxEff[1] = 20000;
    const std::vector<plot::CurveSegment> segments = plot::SlotCurve(in, 1, W, H);
    ASSERT_EQ(segments.size(), 168u);
    for (int r : {1, 50, 168}) {
        const plot::CurveSegment& s = segments[r - 1];
        const auto pixel = [&](int i) {
            return *plot::PlotPixel(plot::fx(in.rows[1].f[i], 10, 20000),
                                    plot::fy(in.rows[1].SPL[i], 60, 110), W, H);
        };
        EXPECT_EQ(s.from, pixel(r - 1)) << r;
        EXPECT_EQ(s.to, pixel(r)) << r;
        EXPECT_FALSE(s.imaginary);
    }
    // Slot 1 is the only filled one: the others give nothing, whatever their rows hold.
    in.rows[2] = in.rows[1];
    EXPECT_TRUE(plot::SlotCurve(in, 2, W, H).empty());
}

TEST(SlotCurve, EndsAtTheFirstPointAboveFmaxEff) {
    plot::PlotInput in = flatInput(PlotKind::Zel);
    in.rows[0] = plottest::FlatRun();
    in.filled[0] = true;
    in.FmaxEff[0] = 1000;
    const int last = plot::LastDrawnPoint(in.rows[0], 1000);
    const std::vector<plot::CurveSegment> segments = plot::SlotCurve(in, 0, W, H);
    ASSERT_EQ(static_cast<int>(segments.size()), last);
    const int endX = plot::PlotPixel(plot::fx(in.rows[0].f[last], 10, 20000), 0, W, H)->x;
    EXPECT_EQ(segments.back().to.x, endX);
    EXPECT_LT(endX, W * 0.65); // 1 kHz lies at 0.606 of the width
}

TEST(SlotCurve, RadiationImpedanceHasADashedImaginaryPart) {
    plot::PlotInput in = flatInput(PlotKind::Znorm, -4, 6);
    in.rows[3] = plottest::FlatRun();
    in.filled[3] = true;
    in.FmaxEff[3] = 20000;
    const std::vector<plot::CurveSegment> segments = plot::SlotCurve(in, 3, W, H);
    int real = 0;
    int imaginary = 0;
    for (const plot::CurveSegment& s : segments)
        (s.imaginary ? imaginary : real)++;
    EXPECT_EQ(real, 168);
    EXPECT_EQ(imaginary, 84); // r = 2, 4, … 168
    // After the real segment of r = 2 comes the imaginary one from point 1 to point 2.
    ASSERT_GE(segments.size(), 3u);
    EXPECT_FALSE(segments[0].imaginary);
    EXPECT_FALSE(segments[1].imaginary);
    EXPECT_TRUE(segments[2].imaginary);
    EXPECT_EQ(segments[2].from.x, segments[0].to.x);
    EXPECT_EQ(segments[2].to.x, segments[1].to.x);
    EXPECT_EQ(segments[2].from.y, plot::PlotPixel(0, plot::fy(0.5, -4, 6), W, H)->y);
}

TEST(SlotCurve, DriverChoiceOfAmplitudeAndPowerWindows) {
    for (PlotKind kind : {PlotKind::Ausl, PlotKind::Pmax}) {
        plot::PlotInput in = flatInput(kind, 0, 40);
        in.rows[0] = plottest::FlatRun();
        in.filled[0] = true;
        in.FmaxEff[0] = 20000;
        const double driver1 = kind == PlotKind::Ausl ? 0.5 : 20;
        const double driver2 = kind == PlotKind::Ausl ? 0.25 : 10;
        const int y1 = plot::PlotPixel(0, plot::fy(driver1, 0, 40), W, H)->y;
        const int y2 = plot::PlotPixel(0, plot::fy(driver2, 0, 40), W, H)->y;
        ASSERT_NE(y1, y2);
        EXPECT_EQ(plot::SlotCurve(in, 0, W, H)[5].to.y, y1);
        in.CBAmplTreiber2 = in.CBPmaxTreiber2 = true;
        EXPECT_EQ(plot::SlotCurve(in, 0, W, H)[5].to.y, y2);
    }
}

TEST(SlotCurve, UnusableRangesAndValuesDrawNothing) {
    plot::PlotInput in = flatInput(PlotKind::Zel, 0, 0); // all impedances 0: no width
    in.rows[0] = plottest::FlatRun();
    in.filled[0] = true;
    in.FmaxEff[0] = 20000;
    EXPECT_FALSE(plot::CurvesDrawable(in));
    EXPECT_TRUE(plot::SlotCurve(in, 0, W, H).empty());

    in.AxisMax[1] = 10;
    in.rows[0].Zel[10] = std::nan("");
    const std::vector<plot::CurveSegment> segments = plot::SlotCurve(in, 0, W, H);
    EXPECT_EQ(segments.size(), 166u); // the two segments touching point 10 are left out

    in.AxisMin[7] = 0; // a frequency axis from 0 Hz
    EXPECT_TRUE(plot::SlotCurve(in, 0, W, H).empty());
}

TEST(SlotCurve, PhaseUsesTheFixedRange) {
    plot::PlotInput in = flatInput(PlotKind::Phia, 0, 0); // value rows play no part
    in.rows[0] = plottest::FlatRun();
    in.filled[0] = true;
    in.FmaxEff[0] = 20000;
    const std::vector<plot::CurveSegment> segments = plot::SlotCurve(in, 0, W, H);
    ASSERT_EQ(segments.size(), 168u);
    EXPECT_EQ(segments[0].from.y, 65); // trunc(175 · (180 − 45) / 360) = trunc(65.625)
}

} // namespace
