// Mappings, the pixel rule, grid and strip geometry, window layout and size snapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "PlotGrid.h"
#include "PlotLayout.h"
#include "PlotMapping.h"

namespace {

using plot::PlotKind;

// Fractions are ratios of logarithms or of differences of exact inputs; 1e-12 covers their
// rounding.
constexpr double FractionTolerance = 1e-12;

TEST(Mappings, EndsAndMiddleOfEachAxis) {
    EXPECT_NEAR(plot::fx(10, 10, 20000), 0, FractionTolerance);
    EXPECT_NEAR(plot::fx(20000, 10, 20000), 1, FractionTolerance);
    EXPECT_NEAR(plot::fx(std::sqrt(10 * 20000.0), 10, 20000), 0.5, FractionTolerance);
    EXPECT_NEAR(plot::fx(5, 10, 20000), -std::log10(2.0) / std::log10(2000.0), FractionTolerance);
    EXPECT_NEAR(plot::fy(110, 60, 110), 0, FractionTolerance);
    EXPECT_NEAR(plot::fy(60, 60, 110), 1, FractionTolerance);
    EXPECT_NEAR(plot::fy(97.3, 60, 110), 0.254, FractionTolerance);
    EXPECT_NEAR(plot::fy(130, 60, 110), -0.4, FractionTolerance); // above the range: above 0
    EXPECT_NEAR(plot::fyPhase(180), 0, FractionTolerance);
    EXPECT_NEAR(plot::fyPhase(-180), 1, FractionTolerance);
    EXPECT_NEAR(plot::fyPhase(0), 0.5, FractionTolerance);
    EXPECT_NEAR(plot::fyPhase(90), 0.25, FractionTolerance);
}

struct PixelCase {
    double fx, fy;
    int x, y;
};

TEST(PlotPixel, TruncatesTowardZero) {
    const PixelCase cases[] = {
        {0.5, 0.5, 174, 87}, // 174.5, 87.5
        {0, 0, 0, 0},
        {1, 1, 349, 175},
        {-0.001, -0.004, 0, 0},                 // -0.349, -0.7: toward zero, not down
        {-0.01, 1.5, -3, 262},                  // -3.49, 262.5
        {1e12, -1e12, 1000000000, -1000000000}, // limited, still integers
    };
    for (const PixelCase& c : cases) {
        const auto p = plot::PlotPixel(c.fx, c.fy, 349, 175);
        ASSERT_TRUE(p.has_value()) << c.fx << ", " << c.fy;
        EXPECT_EQ(*p, (plot::Pixel{c.x, c.y})) << c.fx << ", " << c.fy;
    }
    EXPECT_FALSE(plot::PlotPixel(std::nan(""), 0.5, 349, 175).has_value());
    EXPECT_FALSE(plot::PlotPixel(0.5, -INFINITY, 349, 175).has_value());
}

TEST(ClipSegment, KeepsTheLineAndCutsItAtTheBox) {
    // From inside the box straight up far beyond its top edge.
    const auto up = plot::ClipSegment({10, 50}, {10, -1e9}, -5, -5, 105, 105);
    ASSERT_TRUE(up.has_value());
    EXPECT_NEAR(up->first.y, 50, 1e-9);
    EXPECT_NEAR(up->second.x, 10, 1e-9);
    EXPECT_NEAR(up->second.y, -5, 1e-6); // t·1e9 rounded: well below a pixel
    // A diagonal through the box from far outside keeps its slope.
    const auto diagonal = plot::ClipSegment({-1000, -1000}, {1000, 1000}, 0, 0, 100, 100);
    ASSERT_TRUE(diagonal.has_value());
    EXPECT_NEAR(diagonal->first.x, 0, 1e-9);
    EXPECT_NEAR(diagonal->first.y, 0, 1e-9);
    EXPECT_NEAR(diagonal->second.x, 100, 1e-9);
    EXPECT_NEAR(diagonal->second.y, 100, 1e-9);
    EXPECT_FALSE(plot::ClipSegment({-10, -10}, {-10, 500}, 0, 0, 100, 100).has_value());
}

// Labels whose anchor lies on the strip of the design layout (374 wide), in grid order.
std::vector<std::string> visibleLabels(const plot::PlotGridGeometry& grid) {
    std::vector<std::string> out;
    std::set<std::string> seen;
    for (const plot::StripLabel& l : grid.labels)
        if (l.anchor >= 0 && l.anchor <= 374 && seen.insert(l.text).second)
            out.push_back(l.text);
    return out;
}

TEST(PlotGrid, AutomaticFrequencyAxis) {
    const plot::PlotGridGeometry grid = plot::ComputePlotGrid(349, 175, 10, 20000, 10, 8);
    EXPECT_EQ(grid.horizontalYs, (std::vector<int>{17, 35, 52, 70, 87, 105, 122, 140, 157}));
    // Decades 1 … 4, ten lines each; the first of them is 10 Hz at the left edge.
    ASSERT_EQ(grid.verticalXs.size(), 40u);
    EXPECT_EQ(grid.verticalXs[0], 0);
    const double s = 349 / std::log10(2000.0);
    EXPECT_EQ(grid.verticalXs[1], int(std::log10(2.0) * s)); // 20 Hz
    EXPECT_EQ(grid.verticalXs[10], int(s));                  // 100 Hz, one decade on
    std::vector<std::string> labels = visibleLabels(grid);
    std::sort(labels.begin(), labels.end());
    std::vector<std::string> expected{"10", "20", "50", "100", "200", "500",
                                      "1k", "2k", "5k", "10k", "20k"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(labels, expected);
    // fmin and fmax come last, centred on the image's left and right edges.
    ASSERT_GE(grid.labels.size(), 2u);
    EXPECT_EQ(grid.labels[grid.labels.size() - 2].text, "10");
    EXPECT_DOUBLE_EQ(grid.labels[grid.labels.size() - 2].anchor, 8);
    EXPECT_EQ(grid.labels.back().text, "20k");
    EXPECT_DOUBLE_EQ(grid.labels.back().anchor, 8 + 349);
}

TEST(PlotGrid, ManualFrequencyAxis) {
    const plot::PlotGridGeometry grid = plot::ComputePlotGrid(349, 175, 20, 2000, 10, 8);
    EXPECT_EQ(grid.verticalXs.size(), 30u); // decades 1 to 3
    EXPECT_EQ(visibleLabels(grid),
              (std::vector<std::string>{"20", "50", "100", "200", "500", "1k", "2k"}));
    const double s = 349 / std::log10(100.0);
    for (const plot::StripLabel& l : grid.labels) {
        if (l.text == "50") { // log10(50 / 20) decades from the left edge; rounding only
            EXPECT_NEAR(l.anchor, std::log10(2.5) * s + 8, 1e-9);
        }
    }
}

TEST(PlotGrid, PhaseBandsAndUnusableRange) {
    const plot::PlotGridGeometry phase = plot::ComputePlotGrid(349, 175, 10, 20000, 8, 8);
    EXPECT_EQ(phase.horizontalYs, (std::vector<int>{21, 43, 65, 87, 109, 131, 153}));
    for (auto [fmin, fmax] : {std::pair{0.0, 0.0}, {-5.0, 100.0}, {100.0, 100.0}}) {
        const plot::PlotGridGeometry g = plot::ComputePlotGrid(349, 175, fmin, fmax, 10, 8);
        EXPECT_EQ(g.horizontalYs.size(), 9u);
        EXPECT_TRUE(g.verticalXs.empty());
        EXPECT_TRUE(g.labels.empty());
    }
    EXPECT_EQ(plot::StripLabelLeft(100.7, 15), 93); // 100.7 − 7 cut toward zero
    EXPECT_EQ(plot::StripLabelLeft(8, 14), 1);
}

TEST(PlotLayout, DesignPositions) {
    const plot::PlotLayout spl = plot::LayoutPlotWindow(PlotKind::SPL, 412, 233);
    EXPECT_EQ(spl.image, (plot::PixelRect{48, 10, 349, 175}));
    EXPECT_EQ(spl.strip, (plot::PixelRect{40, 196, 374, 13}));
    EXPECT_EQ(spl.title, (plot::PixelRect{172, 212, 99, 16}));
    EXPECT_EQ(spl.stripOffset(), 8);
    ASSERT_EQ(spl.valueLabelCount, 6);
    const int splTops[] = {179, 144, 109, 74, 39, 4};
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(spl.valueLabels[j], (plot::PixelRect{5, splTops[j], 32, 13})) << j;

    const plot::PlotLayout phia = plot::LayoutPlotWindow(PlotKind::Phia, 412, 233);
    ASSERT_EQ(phia.valueLabelCount, 5);
    const int phiaTops[] = {179, 135, 92, 48, 4};
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(phia.valueLabels[j].top, phiaTops[j]) << j;
}

TEST(PlotLayout, ResizedWindowAndFollowingLabels) {
    // 40 pixels wider and higher: the image grows, the bottom row of controls moves down.
    const plot::PlotLayout l = plot::LayoutPlotWindow(PlotKind::SPL, 452, 273, true);
    EXPECT_EQ(l.image, (plot::PixelRect{48, 10, 389, 215}));
    EXPECT_EQ(l.strip, (plot::PixelRect{40, 236, 414, 13}));
    EXPECT_EQ(l.title.top, 252);
    const int tops[] = {219, 176, 133, 90, 47, 4}; // trunc(219 − 0.2·j·215)
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(l.valueLabels[j].top, tops[j]) << j;

    EXPECT_EQ(plot::FollowingLabelTops(PlotKind::SPL, 179, 175),
              (std::array<int, 6>{179, 144, 109, 74, 39, 4}));
    EXPECT_EQ(plot::FollowingLabelTops(PlotKind::Phia, 179, 175),
              (std::array<int, 6>{179, 135, 91, 47, 4, 0}));
}

TEST(FormResize, SnapsToMultiplesOfTwenty) {
    const std::pair<int, int> cases[] = {{433, 440}, {247, 240}, {430, 440}, {429, 420},
                                         {440, 440}, {300, 300}, {209, 200}, {210, 220}};
    for (auto [length, snapped] : cases)
        EXPECT_EQ(plot::SnapWindowLength(length), snapped) << length;
}

} // namespace
