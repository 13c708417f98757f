// Tests of the principle sketch geometry: extents and scale, driver 1 in both arrangements,
// arrows, the closed mouth, the branches on the horn wall and the notices.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "CrossoverElements.h"
#include "FormState.h"
#include "Simulation.h"
#include "SimulationInputBuilder.h"
#include "SketchGeometry.h"

namespace {

using plot::DrawSketch;
using plot::HalfSide;
using plot::SketchColour;
using plot::SketchDrawing;
using plot::SketchInput;
using plot::SketchSegment;

constexpr int W = 405, H = 225; // the design size of Im1

// Extents and sums are a handful of additions of the run's doubles.
constexpr double lengthTol = 1e-12;

// One run of a project and the sketch input of its result, as the window would build it.
SketchInput RunProject(model::FormState state, double RK2Face = 0, double RK2Depth = 0) {
    const engine::SimulationInput run =
        model::BuildSimulationInput(state, model::NormaliseCrossover(state));
    engine::SimulationOptions options;
    options.buildTables = false;
    const engine::SimulationResult result = engine::Simulate(run, {}, options);
    EXPECT_FALSE(result.refused);
    return plot::MakeSketchInput(run, result, result.contour.ContourArea, state, RK2Face, RK2Depth);
}

std::vector<SketchSegment> SegmentsOfWidth(const SketchDrawing& d, int width) {
    std::vector<SketchSegment> out;
    for (const SketchSegment& s : d.primitives.segments())
        if (s.width == width)
            out.push_back(s);
    return out;
}

// The pixel mapping of the drawing, for checking where things land.
struct Pixels {
    const SketchDrawing& d;
    const SketchInput& in;
    int px(double x) const { return int((x + d.SketchLeft) * d.SketchScale); }
    int py(double r, int s) const { return int((d.SketchMid - s * r) * d.SketchScale); }
    double w(int k) const { return HalfSide(in.ContourArea[size_t(k)], in.PositionFactor); }
    double dx() const { return in.L / 100; }
};

// Front-loaded, driver at the throat: front chamber 0.05 m, rear chamber 0.3 m, port
// 30 cm² tuned to 40 Hz.
model::FormState ThroatDriverProject() {
    model::FormState s;
    s.EditVvk = "1";
    s.EditLvk = "0.05";
    s.EditVrk = "20";
    s.EditLrk = "0.3";
    s.EditAbr = "30";
    s.Editfbr = "40";
    return s;
}

// An expanding horn, 2 m long, driver 1 in the lower wall at 0.3 m.
model::FormState SideWallProject() {
    model::FormState s = ThroatDriverProject();
    s.CBKontur = 2; // exponential
    s.Editl1 = "2";
    s.EditH = "40";
    s.EditB = "30";
    s.EditxT1 = "0.3";
    return s;
}

TEST(SketchGeometry, HalfSideIsHalfTheSideOfOneRealSquare) {
    // 0.04 m² is a 0.2 m square; four mirrored enclosures model four times the area.
    EXPECT_NEAR(HalfSide(0.04, 1), 0.1, 1e-15);
    EXPECT_NEAR(HalfSide(0.16, 4), 0.1, 1e-15);
}

TEST(SketchGeometry, LeftMarginIsPortPlusRearPlusFrontChamber) {
    const SketchInput in = RunProject(ThroatDriverProject());
    ASSERT_GT(in.LBR, 0.05);
    const SketchDrawing d = DrawSketch(in, W, H);
    EXPECT_NEAR(d.SketchLeft, in.LBR + in.LRK + in.LVK, lengthTol);
    EXPECT_NEAR(d.VKArea, in.VVK / in.LVK, 1e-15);
    EXPECT_NEAR(d.RKArea, in.VRK / in.LRK, 1e-15);
    EXPECT_TRUE(d.notices.empty());

    // The open end of the port is the leftmost thing drawn, at the image's left edge; the
    // mouth ends at the right edge, which the width limit fills.
    int minX = W, maxX = 0;
    for (const SketchSegment& s : d.primitives.segments()) {
        minX = std::min({minX, s.x1, s.x2});
        maxX = std::max({maxX, s.x1, s.x2});
    }
    EXPECT_EQ(minX, 0);
    EXPECT_GE(maxX, W - 2);
    EXPECT_LE(maxX, W - 1);
    // Width-limited: the axis sits at the vertical centre.
    EXPECT_NEAR(d.SketchMid * d.SketchScale, (H - 1) / 2, 1e-9);

    // One cone line of width 5, vertical, 2 pixels shorter at each end than the cone.
    const Pixels p{d, in};
    const auto cone = SegmentsOfWidth(d, 5);
    ASSERT_EQ(cone.size(), 1u);
    EXPECT_EQ(cone[0].x1, p.px(-in.LVK));
    EXPECT_EQ(cone[0].x2, cone[0].x1);
    const double hS = HalfSide(in.Sd, in.PositionFactor);
    // Truncating the two ends separately can move the length by one pixel.
    EXPECT_NEAR(cone[0].y2 - cone[0].y1, p.py(-hS, 1) - p.py(hS, 1) - 4, 1);
}

// The arrow of driver 1: front-loaded toward the horn (right, or up from the side wall),
// rear-loaded away from it.
TEST(SketchGeometry, Driver1ArrowDirections) {
    struct Case {
        int CBTyp;
        const char* xT1;
        int dx, dy; // sign of the shaft
    } cases[] = {{0, "0", 1, 0}, {1, "0", -1, 0}, {0, "0.3", 0, -1}, {1, "0.3", 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "CBTyp " << c.CBTyp << " xT1 " << c.xT1);
        model::FormState s = SideWallProject();
        s.CBTyp = c.CBTyp;
        s.EditxT1 = c.xT1;
        const SketchDrawing d = DrawSketch(RunProject(s), W, H);
        const auto arrow = SegmentsOfWidth(d, 3);
        ASSERT_EQ(arrow.size(), 3u); // shaft and two head lines
        const SketchSegment& shaft = arrow[0];
        auto sign = [](int v) { return (v > 0) - (v < 0); };
        EXPECT_EQ(sign(shaft.x2 - shaft.x1), c.dx);
        EXPECT_EQ(sign(shaft.y2 - shaft.y1), c.dy);
        // 8 pixels, one less when the tip crosses the image edge (truncation toward zero).
        EXPECT_NEAR(std::abs(shaft.x2 - shaft.x1) + std::abs(shaft.y2 - shaft.y1), 7.5, 0.5);
        // The head lines leave the tip backwards, one on each side of the shaft.
        for (int k : {1, 2}) {
            EXPECT_EQ(arrow[size_t(k)].x1, shaft.x2);
            EXPECT_EQ(arrow[size_t(k)].y1, shaft.y2);
            const int back = (arrow[size_t(k)].x2 - shaft.x2) * (shaft.x2 - shaft.x1) +
                             (arrow[size_t(k)].y2 - shaft.y2) * (shaft.y2 - shaft.y1);
            EXPECT_LT(back, 0);
        }
        if (c.dx != 0)
            EXPECT_EQ(arrow[1].y2 + arrow[2].y2, 2 * shaft.y2);
        else
            EXPECT_EQ(arrow[1].x2 + arrow[2].x2, 2 * shaft.x2);
    }
}

// The arrow of a rear-loaded horn points left from the cone at the throat; it must stay in
// the picture, as it is what tells the horn type.
TEST(SketchGeometry, RearLoadedHornKeepsItsArrowInTheImage) {
    model::FormState s = ThroatDriverProject();
    s.CBTyp = 1;
    const SketchInput in = RunProject(s);
    ASSERT_EQ(in.LRK, 0); // the run models no rear chamber for a rear-loaded horn
    const double quarterCone = std::sqrt(in.Sd / (64.0 * in.PositionFactor));
    struct Size {
        int width, height;
    } sizes[] = {{W, H}, {1610, 890}, {200, 60}};
    for (const Size& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        const SketchDrawing d = DrawSketch(in, size.width, size.height);
        EXPECT_TRUE(d.notices.empty());
        // At least the quarter of the cone's half side in front of the cone, more when
        // that is too few pixels for the arrow.
        EXPECT_GE(d.SketchLeft, in.LBR + in.LVK + quarterCone - lengthTol);
        const auto arrow = SegmentsOfWidth(d, 3);
        ASSERT_EQ(arrow.size(), 3u);
        EXPECT_EQ(arrow[0].x2 - arrow[0].x1, -8);
        for (const SketchSegment& line : arrow)
            EXPECT_GE(std::min(line.x1, line.x2), 1);
    }
    // A large picture has room enough from the quarter of the cone alone.
    const SketchDrawing large = DrawSketch(in, 1610, 890);
    EXPECT_NEAR(large.SketchLeft, in.LBR + in.LVK + quarterCone, lengthTol);
}

TEST(SketchGeometry, Notices) {
    // A front-loaded horn without a rear chamber length.
    model::FormState noRearLength;
    noRearLength.EditLrk = "0";
    SketchDrawing d = DrawSketch(RunProject(noRearLength), W, H);
    ASSERT_EQ(d.notices.size(), 1u);
    EXPECT_EQ(d.notices[0], (engine::Notice{"Notice", "LRC is 0!"}));
    EXPECT_NEAR(d.RKArea, d.VKArea, 0);
    // The default project runs without a notice.
    EXPECT_TRUE(DrawSketch(RunProject(model::FormState{}), W, H).notices.empty());
    d = DrawSketch(RunProject(noRearLength), W, H);
    ASSERT_EQ(d.notices.size(), 1u);
    EXPECT_EQ(d.notices[0], (engine::Notice{"Notice", "LRC is 0!"}));
    EXPECT_NEAR(d.RKArea, d.VKArea, 0);

    // The front chamber length edited to 0 after the run: the run's values are drawn.
    model::FormState s = ThroatDriverProject();
    s.EditLrk = "0";
    SketchInput in = RunProject(s);
    in.EditLvk = 0;
    d = DrawSketch(in, W, H);
    ASSERT_EQ(d.notices.size(), 2u);
    EXPECT_EQ(d.notices[0], (engine::Notice{"Notice", "LFC is 0!"}));
    EXPECT_EQ(d.notices[1], (engine::Notice{"Notice", "LRC is 0!"}));
    EXPECT_NEAR(d.VKArea, in.VVK / in.LVK, 1e-15);

    // No front chamber length at all: the chamber takes the cone's area, no notice for it.
    s.EditLvk = "0";
    d = DrawSketch(RunProject(s), W, H);
    ASSERT_EQ(d.notices.size(), 1u);
    EXPECT_EQ(d.notices[0].text, "LRC is 0!");
}

TEST(SketchGeometry, SideWallDriverLeavesAGapInTheLowerWall) {
    const SketchInput in = RunProject(SideWallProject());
    const SketchDrawing d = DrawSketch(in, W, H);
    const Pixels p{d, in};
    const double hF = HalfSide(in.VVK / in.LVK, in.PositionFactor);

    // White lines on the lower wall from half a grid step before the opening's start to half
    // a step beyond its end.
    int whiteMin = W, whiteMax = 0;
    for (const SketchSegment& s : d.primitives.segments()) {
        if (s.colour != SketchColour::White)
            continue;
        whiteMin = std::min({whiteMin, s.x1, s.x2});
        whiteMax = std::max({whiteMax, s.x1, s.x2});
        EXPECT_GT(s.y1, p.py(0, 1)); // below the axis
    }
    EXPECT_LE(whiteMin, p.px(in.xT1 - hF));
    EXPECT_GE(whiteMax, p.px(in.xT1 + hF));
    EXPECT_LT(whiteMax - whiteMin,
              p.px(in.xT1 + hF) - p.px(in.xT1 - hF) + 2 * p.dx() * d.SketchScale + 2);

    // The stack hangs below the wall: the port's end is the lowest point drawn.
    const double y3 = p.w(in.iT1) + in.LVK + in.LRK + in.LBR;
    int maxY = 0;
    for (const SketchSegment& s : d.primitives.segments())
        maxY = std::max({maxY, s.y1, s.y2});
    EXPECT_EQ(maxY, p.py(y3, -1));
    EXPECT_LE(maxY, H - 1);
    // The stack is far from the throat: only the switched-off absorber chamber's substitute
    // at xAK = 0 reaches in front of it.
    EXPECT_NEAR(d.SketchLeft, HalfSide(in.AKFace, in.PositionFactor) - in.xAK, lengthTol);

    // The cone lies across the bottom of the front chamber.
    const auto cone = SegmentsOfWidth(d, 5);
    ASSERT_EQ(cone.size(), 1u);
    EXPECT_EQ(cone[0].y1, p.py(p.w(in.iT1) + in.LVK, -1));
    EXPECT_EQ(cone[0].y2, cone[0].y1);
}

bool HasVerticalAt(const SketchDrawing& d, int x, int yTop, int yBottom) {
    for (const SketchSegment& s : d.primitives.segments())
        if (s.colour == SketchColour::Black && s.x1 == x && s.x2 == x &&
            std::min(s.y1, s.y2) <= yTop && std::max(s.y1, s.y2) >= yBottom)
            return true;
    return false;
}

TEST(SketchGeometry, ClosedMouthLine) {
    for (bool closed : {false, true}) {
        SCOPED_TRACE(closed);
        model::FormState s = ThroatDriverProject();
        s.CBMundGeschl = closed;
        const SketchInput in = RunProject(s);
        const SketchDrawing d = DrawSketch(in, W, H);
        const Pixels p{d, in};
        const double hM = HalfSide(in.AM, in.PositionFactor);
        EXPECT_EQ(HasVerticalAt(d, p.px(in.L), p.py(hM, 1), p.py(hM, -1)), closed);
    }
}

TEST(SketchGeometry, WideShortHornIsLimitedByTheHeight) {
    model::FormState s = ThroatDriverProject();
    s.Editl1 = "0.3";
    s.EditH = "100";
    s.EditB = "100";
    const SketchInput in = RunProject(s);
    const SketchDrawing d = DrawSketch(in, W, H);
    const double h2 = (H - 1) / 2;
    EXPECT_NEAR(d.SketchScale, h2 / d.SketchMid, 1e-9);
    EXPECT_LT(d.SketchScale, (W - 1) / (d.SketchLeft + in.L + d.SketchRight));
    // The mouth reaches the top and bottom of the image but not its right edge.
    const Pixels p{d, in};
    const double hM = HalfSide(in.AM, in.PositionFactor);
    // The axis is set again from the scale, one division and one multiplication away.
    EXPECT_NEAR(d.SketchMid, hM, 1e-14);
    EXPECT_EQ(p.py(hM, 1), 0);
    EXPECT_LT(p.px(in.L), W / 2);
}

// Driver 2 on the upper wall of the 2 m horn; the cone (the second width-5 line) and the
// arrow (the second group of width-3 lines).
struct Driver2Drawing {
    SketchInput in;
    SketchDrawing d;
    SketchSegment cone, shaft;
};

Driver2Drawing DrawDriver2(model::FormState s) {
    s.RGTreiber2 = 1;
    Driver2Drawing r{RunProject(s), {}, {}, {}};
    r.d = DrawSketch(r.in, W, H);
    const auto cones = SegmentsOfWidth(r.d, 5);
    const auto arrows = SegmentsOfWidth(r.d, 3);
    EXPECT_EQ(cones.size(), 2u);
    EXPECT_EQ(arrows.size(), 6u);
    if (cones.size() == 2 && arrows.size() == 6) {
        r.cone = cones[1];
        r.shaft = arrows[3];
    }
    return r;
}

TEST(SketchGeometry, Driver2ArrowFollowsHornTypeAndTurnOver) {
    struct Case {
        int CBTyp;
        bool CBumdrehen;
        bool top;
        bool intoHorn;
    } cases[] = {{0, false, true, true}, {0, true, true, false},  {1, false, true, false},
                 {1, true, true, true},  {0, false, false, true}, {1, false, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "CBTyp " << c.CBTyp << " turn " << c.CBumdrehen << " top " << c.top);
        model::FormState s = SideWallProject();
        s.CBTyp = c.CBTyp;
        s.CBumdrehen = c.CBumdrehen;
        s.CBT2SkizzeOben = c.top;
        s.EditxT2 = "1.2";
        const Driver2Drawing r = DrawDriver2(s);
        const Pixels p{r.d, r.in};
        const int axisY = p.py(0, 1);
        // Into the horn means toward the axis.
        const bool towardAxis = std::abs(r.shaft.y2 - axisY) < std::abs(r.shaft.y1 - axisY);
        EXPECT_EQ(towardAxis, c.intoHorn);
        // The arrow stands perpendicular to the cone, which follows the expanding wall.
        const double cx = r.cone.x2 - r.cone.x1, cy = r.cone.y2 - r.cone.y1;
        const double ax = r.shaft.x2 - r.shaft.x1, ay = r.shaft.y2 - r.shaft.y1;
        // Pixel truncation of an 8-pixel arrow and grid rounding of the cone ends.
        EXPECT_LT(std::fabs(cx * ax + cy * ay) / std::hypot(cx, cy) / std::hypot(ax, ay), 0.15);
        EXPECT_NE(r.cone.y1, r.cone.y2); // tilted
        EXPECT_EQ(r.shaft.x1, p.px(r.in.xT2));
    }
}

TEST(SketchGeometry, Driver2Cases) {
    model::FormState s = SideWallProject();
    s.CBT2SkizzeOben = true;

    {
        SCOPED_TRACE("C: in the middle of the horn, drawn from the opening's start on");
        s.EditxT2 = "1.2";
        const Driver2Drawing r = DrawDriver2(s);
        const Pixels p{r.d, r.in};
        const double dx = p.dx();
        const double hS2 = HalfSide(r.in.Sd2, r.in.PositionFactor);
        // cos θ ≈ 1 on this gentle slope moves the start by less than a grid step.
        const int j1 = int(std::floor((r.in.xT2 - hS2) / dx + 0.5));
        EXPECT_LT(r.cone.x1, r.cone.x2);
        EXPECT_NEAR(r.cone.x1, p.px(j1 * dx), dx * r.d.SketchScale + 1);
        EXPECT_NEAR(r.cone.y1, p.py(p.w(j1), 1), 2);
    }
    {
        SCOPED_TRACE("B: the opening starts before index 0, drawn back from its end");
        s.EditxT2 = "0.02";
        const Driver2Drawing r = DrawDriver2(s);
        const Pixels p{r.d, r.in};
        const double dx = p.dx();
        const double hS2 = HalfSide(r.in.Sd2, r.in.PositionFactor);
        ASSERT_LT(r.in.xT2 - hS2, 0);
        EXPECT_GT(r.cone.x1, r.cone.x2);
        EXPECT_LT(r.cone.x2, p.px(0));
        const double theta = std::atan((p.w(r.in.iT2 + 1) - p.w(r.in.iT2)) / dx);
        const int j2 = int(std::floor((r.in.xT2 + hS2 * std::cos(theta)) / dx + 0.5));
        EXPECT_EQ(r.cone.x1, p.px(j2 * dx));
        EXPECT_EQ(r.cone.y1, p.py(p.w(j2), 1));
    }
    {
        SCOPED_TRACE("A: a short horn the cone overhangs at both ends, centred at iT2");
        s.CBKontur = 0; // area growing linearly: a gentle slope
        s.Editl1 = "0.1";
        s.EditH = "10";
        s.EditB = "6";
        s.EditxT1 = "0";
        s.EditxT2 = "0.05";
        const Driver2Drawing r = DrawDriver2(s);
        const Pixels p{r.d, r.in};
        const double hS2 = HalfSide(r.in.Sd2, r.in.PositionFactor);
        ASSERT_LT(r.in.xT2 - hS2, 0);
        ASSERT_GT(r.in.xT2 + hS2, r.in.L);
        EXPECT_LT(r.cone.x1, r.cone.x2);
        EXPECT_NEAR((r.cone.x1 + r.cone.x2) / 2.0, p.px(r.in.xT2), 1);
        EXPECT_NEAR((r.cone.y1 + r.cone.y2) / 2.0, p.py(p.w(r.in.iT2), 1), 1);
        EXPECT_EQ(r.shaft.y1, p.py(p.w(r.in.iT2), 1));
    }
}

TEST(SketchGeometry, RearChamber2BeyondTheMouthRunsAlongTheMouthOffset) {
    model::FormState s = SideWallProject();
    s.RGTreiber2 = 1;
    s.CBRK2 = true;
    s.EditVrk2 = "60";
    s.EditxT2 = "1.9";
    const SketchInput in = RunProject(s);
    const SketchDrawing d = DrawSketch(in, W, H);
    const double PF = in.PositionFactor;
    EXPECT_NEAR(d.RK2Face, std::max(in.Sd2, std::pow(std::sqrt(PF) * in.VRK2, 2.0 / 3)), 1e-15);
    EXPECT_NEAR(d.RK2Depth, std::sqrt(d.RK2Face / PF), 1e-15);
    const Pixels p{d, in};
    const double h2 = HalfSide(d.RK2Face, in.PositionFactor);
    ASSERT_GT(in.iT2 + h2 / p.dx(), 100.5);
    // The box's last two lines: down its far side to the mouth's offset, then along it to
    // the mouth.
    const auto segs = d.primitives.segments();
    ASSERT_GE(segs.size(), 2u);
    const SketchSegment& side = segs[segs.size() - 2];
    const SketchSegment& along = segs.back();
    const int wallY = p.py(p.w(100), -1);
    EXPECT_EQ(side.x1, p.px(in.iT2 * p.dx() + h2));
    EXPECT_EQ(side.y2, wallY);
    EXPECT_EQ(along.y1, wallY);
    EXPECT_EQ(along.y2, wallY);
    EXPECT_EQ(along.x2, p.px(in.L));
    // The box reaches beyond the mouth, and the extents make room for it.
    EXPECT_GT(side.x1, p.px(in.L));
    EXPECT_LE(side.x1, W - 1);
}

TEST(SketchGeometry, NothingOfDriver2WhenWithout) {
    model::FormState s = SideWallProject();
    s.CBRK2 = true;
    s.EditxT2 = "1.2";
    s.RGTreiber2 = 0;
    const SketchInput without = RunProject(s, 0.01, 0.05);
    const SketchDrawing d = DrawSketch(without, W, H);
    EXPECT_EQ(SegmentsOfWidth(d, 5).size(), 1u); // driver 1's cone only
    EXPECT_EQ(SegmentsOfWidth(d, 3).size(), 3u);
    // The kept rear-chamber-2 size stays as it was.
    EXPECT_EQ(d.RK2Face, 0.01);
    EXPECT_EQ(d.RK2Depth, 0.05);

    // Same picture as without rear chamber 2 altogether.
    SketchInput plain = without;
    plain.CBRK2 = false;
    EXPECT_EQ(DrawSketch(plain, W, H).primitives.items, d.primitives.items);
}

TEST(SketchGeometry, AbsorberChamberMirrorsWithSketchTop) {
    model::FormState s = SideWallProject();
    s.Editl1 = "1.5";
    s.CBAK = true;
    s.EditVAK = "5";
    s.EditAAT = "20";
    s.EditfAK = "80";
    s.EditxAK = "0.5";
    SketchDrawing drawings[2];
    SketchInput in;
    for (bool top : {false, true}) {
        s.CBAKSkizzeOben = top;
        in = RunProject(s);
        ASSERT_GT(in.LAT, 0.01);
        drawings[top] = DrawSketch(in, W, H);
    }
    // The absorber's lines are the last ten: the white opening, then the chamber outline.
    const auto below = drawings[0].primitives.segments();
    const auto above = drawings[1].primitives.segments();
    ASSERT_EQ(below.size(), above.size());
    const Pixels p{drawings[0], in};
    const int axisY = p.py(0, 1);
    const double hK = HalfSide(in.AKFace, in.PositionFactor);
    const size_t n = below.size();
    for (size_t k = n - 9; k < n; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(below[k].x1, above[k].x1);
        // Truncation toward zero of the two sides differs by at most a pixel.
        EXPECT_NEAR(below[k].y2 - axisY, axisY - above[k].y2, 1);
        EXPECT_GT(below[k].y2, axisY);
    }
    // The chamber's bottom: 2·hK wide, AKDepth (= 2·hK for one enclosure) below the tunnel.
    const SketchSegment& bottom = below[n - 5];
    EXPECT_EQ(bottom.y1, bottom.y2);
    EXPECT_EQ(bottom.y2, p.py(p.w(in.iAK) + in.LAT + in.AKDepth, -1));
    EXPECT_NEAR(bottom.x2 - bottom.x1, 2 * hK * drawings[0].SketchScale, 1);
    // A gap in the lower wall around 0.5 m.
    bool erased = false;
    for (const SketchSegment& seg : below)
        erased |= seg.colour == SketchColour::White && seg.x1 <= p.px(0.5) && seg.x2 >= p.px(0.5);
    EXPECT_TRUE(erased);
}

TEST(SketchGeometry, ExtraTunnelIsAnOpenChannel) {
    model::FormState s = SideWallProject();
    s.CBET = true;
    s.EditAET = "40";
    s.EditLET = "0.3";
    s.EditxET = "1";
    s.CBETSkizzeOben = true;
    const SketchInput in = RunProject(s);
    const SketchDrawing d = DrawSketch(in, W, H);
    const Pixels p{d, in};
    const double hE = HalfSide(in.AET, in.PositionFactor);
    const int endY = p.py(p.w(in.iET) + in.LET, 1);
    // Both channel walls reach the tunnel's end; nothing closes it.
    EXPECT_TRUE(HasVerticalAt(d, p.px(in.xET - hE), endY, endY));
    EXPECT_TRUE(HasVerticalAt(d, p.px(in.xET + hE), endY, endY));
    for (const SketchSegment& seg : d.primitives.segments())
        EXPECT_FALSE(seg.y1 == endY && seg.y2 == endY && seg.x1 != seg.x2);
}

TEST(SketchGeometry, DegenerateValuesStayFinite) {
    // A zero contour (after "Delete all plots") and the default input, and a nonsense input
    // with huge or negative values: the drawing must not overflow its coordinates.
    SketchInput nonsense;
    nonsense.L = 1e-300;
    nonsense.xT1 = -5;
    nonsense.iT1 = -500;
    nonsense.LVK = -1;
    nonsense.AAT = 1e300;
    nonsense.CBAK = true;
    nonsense.CBET = true;
    nonsense.RGTreiber2 = 2;
    nonsense.CBRK2 = true;
    nonsense.Sd2 = std::numeric_limits<double>::infinity();
    for (const SketchInput& in : {SketchInput{}, nonsense}) {
        const SketchDrawing d = DrawSketch(in, W, H);
        EXPECT_LT(d.primitives.items.size(), 5000u);
        for (const auto& item : d.primitives.items) {
            EXPECT_LE(std::abs(item.x), 1000000);
            EXPECT_LE(std::abs(item.y), 1000000);
        }
    }
}

} // namespace
