// Automatic and manual axis ranges, the helpers behind them and the value labels.
#include <gtest/gtest.h>

#include <cmath>

#include "AxisScaling.h"
#include "FormState.h"
#include "PlotTestRows.h"

namespace {

using engine::ResultRows;
using plot::AchsenBeschriften;
using plot::PlotKind;

// The ranges are round numbers built from powers of ten and small factors; a relative
// 1e-12 allows for the rounding of pow and of the products, nothing more.
constexpr double RoundingTolerance = 1e-12;

struct NiceCase {
    double x;
    double expected;
};

TEST(NiceCeiling, StepsOfEachDecade) {
    const NiceCase cases[] = {{0.37, 0.4}, {12, 15},   {51, 75},   {100, 100},       {1, 1},
                              {1.01, 1.5}, {2.2, 2.5}, {2.9, 3},   {3.7, 4},         {4.5, 5},
                              {7.5, 7.5},  {7.6, 10},  {9.99, 10}, {0.0021, 0.0025}, {0, 0},
                              {-2, -3},    {1e5, 1e5}};
    for (const NiceCase& c : cases)
        EXPECT_NEAR(plot::NiceCeiling(c.x), c.expected, std::fabs(c.expected) * RoundingTolerance)
            << "x = " << c.x;
}

TEST(SlotExtremes, CoverSlotsUpToKAndAllStoredPoints) {
    plot::SlotRows slotRows = plottest::ClearedSlots();
    slotRows[0] = plottest::FlatRun(50);
    slotRows[0].SPL[10] = 97.3;
    slotRows[0].SPL[169] = 99; // beyond the run's last point, still stored
    slotRows[2] = plottest::FlatRun(50);
    slotRows[2].SPL[3] = 120;
    slotRows[2].SPL[4] = 20;
    slotRows[0].SPL[5] = 30;

    EXPECT_DOUBLE_EQ(plot::SlotMaximum(slotRows, &ResultRows::SPL, 0), 99);
    EXPECT_DOUBLE_EQ(plot::SlotMaximum(slotRows, &ResultRows::SPL, 1), 99);
    EXPECT_DOUBLE_EQ(plot::SlotMaximum(slotRows, &ResultRows::SPL, 2), 120);
    EXPECT_DOUBLE_EQ(plot::SlotMaximum(slotRows, &ResultRows::SPL, 3), 120);
    // Cleared rows lie at -1e10: they set the minimum of the level row.
    EXPECT_DOUBLE_EQ(plot::SlotMinimum(slotRows, &ResultRows::SPL, 0), -1e10);
    EXPECT_DOUBLE_EQ(plot::SlotMinimum(slotRows, &ResultRows::Zimag, 3), 0);
}

struct EngCase {
    double value;
    const char* text;
};

TEST(FormatEngineering, PrefixesAndLimits) {
    const EngCase cases[] = {
        {20000, "20k"},    {1500, "1.5k"},  {50, "50"},         {0.002, "2m"}, {0, "0"},
        {-1500, "-1.5k"},  {1000, "1k"},    {10, "10"},         {2e6, "2M"},   {3e-7, "300n"},
        {1e-12, "0.001n"}, {5e12, "5000G"}, {12345, "12.345k"}, {0.5, "500m"}};
    for (const EngCase& c : cases)
        EXPECT_EQ(plot::FormatEngineering(c.value, "0.###"), c.text) << c.value;
}

// The default axes tab (every cell "0", every item checked) over four cleared slots; the
// tests write one run into slot 0 and set the few values they are about.
class AxisRanges : public ::testing::Test {
protected:
    model::FormState form;
    plot::SlotRows slotRows = plottest::ClearedSlots();

    plot::AxisLabelling label(int colourSlot = 0) {
        return AchsenBeschriften(form, slotRows, colourSlot);
    }
};

struct LevelCase {
    double maximum;
    double splLow, splHigh;       // row 0
    double splmaxLow, splmaxHigh; // row 3, the same maximum
};

TEST_F(AxisRanges, LevelRowsSpanFiftyDecibels) {
    const LevelCase cases[] = {{97.3, 60, 110, 50, 100},
                               {100.0, 70, 120, 60, 110},
                               // trunc cuts toward zero: -0.5 → 0 and -1.5 → -1
                               {-25, -50, 0, -60, -10}};
    for (const LevelCase& c : cases) {
        slotRows[0] = plottest::FlatRun();
        slotRows[0].SPL.fill(c.maximum - 20);
        slotRows[0].SPL[40] = c.maximum;
        slotRows[0].SPLmax.fill(c.maximum - 20);
        slotRows[0].SPLmax[7] = c.maximum;
        const plot::AxisLabelling l = label();
        EXPECT_DOUBLE_EQ(l.AxisMin[0], c.splLow) << c.maximum;
        EXPECT_DOUBLE_EQ(l.AxisMax[0], c.splHigh) << c.maximum;
        EXPECT_DOUBLE_EQ(l.AxisMin[3], c.splmaxLow) << c.maximum;
        EXPECT_DOUBLE_EQ(l.AxisMax[3], c.splmaxHigh) << c.maximum;
    }
}

TEST_F(AxisRanges, CeilingRowsStartAtZeroAndFollowDriverOne) {
    slotRows[0] = plottest::FlatRun();
    slotRows[0].Zel.fill(4);
    slotRows[0].x1.fill(0.1);
    slotRows[0].Pmax.fill(1);
    slotRows[0].Zel[20] = 51;
    slotRows[0].x1[30] = 0.37;
    slotRows[0].x2.fill(9); // driver 2 never sets the amplitude range
    slotRows[0].Pmax[2] = 12;
    slotRows[0].Pmax2.fill(900);
    form.CBAmplTreiber2 = true;
    form.CBPmaxTreiber2 = true;
    const plot::AxisLabelling l = label();
    EXPECT_DOUBLE_EQ(l.AxisMin[1], 0);
    EXPECT_NEAR(l.AxisMax[1], 75, 75 * RoundingTolerance);
    EXPECT_DOUBLE_EQ(l.AxisMin[2], 0);
    EXPECT_NEAR(l.AxisMax[2], 0.4, 0.4 * RoundingTolerance);
    EXPECT_DOUBLE_EQ(l.AxisMin[4], 0);
    EXPECT_NEAR(l.AxisMax[4], 15, 15 * RoundingTolerance);
}

TEST_F(AxisRanges, RadiationImpedanceRowFromBothParts) {
    slotRows[0] = plottest::FlatRun();
    for (int i = 0; i < 169; ++i) {
        slotRows[0].Zreal[i] = -3.2 + 4.3 * i / 168; // -3.2 … 1.1
        slotRows[0].Zimag[i] = 2.2 * i / 168;        // 0 … 2.2
    }
    const plot::AxisLabelling l = label();
    EXPECT_NEAR(l.AxisMax[5], 6, 6 * RoundingTolerance);
    EXPECT_NEAR(l.AxisMin[5], -4, 4 * RoundingTolerance);
    EXPECT_EQ(l.labels[plot::IndexOf(PlotKind::Znorm)],
              (plot::ValueLabels{"-4", "-2", "0", "2", "4", "6"}));
}

TEST_F(AxisRanges, RangesComeFromSlotsUpToTheCurrentOne) {
    slotRows[0] = plottest::FlatRun(); // 80 dB
    slotRows[2] = plottest::FlatRun();
    slotRows[2].SPL[1] = 101;
    EXPECT_DOUBLE_EQ(label(0).AxisMax[0], 100); // 10·trunc(8 + 2)
    EXPECT_DOUBLE_EQ(label(1).AxisMax[0], 100);
    EXPECT_DOUBLE_EQ(label(2).AxisMax[0], 120); // 10·trunc(10.1 + 2)
}

TEST_F(AxisRanges, ManualRowsAndTheirFallback) {
    slotRows[0] = plottest::FlatRun();
    struct Case {
        const char* low;
        const char* high;
        bool checkedAfter;
        double lo, hi;
    };
    const Case cases[] = {
        {"40", "120", false, 40, 120},     // kept as entered
        {"120", "40", true, 50, 100},      // minimum not below maximum: automatic again
        {"95,5", "130", false, 95.5, 130}, // the comma reads as a point
        {"", "x", true, 50, 100},          // neither is a number: both 0
    };
    for (const Case& c : cases) {
        form.CheckListAuto[0] = false;
        form.MinMaxGrid[0][0] = c.low;
        form.MinMaxGrid[1][0] = c.high;
        const plot::AxisLabelling l = label();
        EXPECT_EQ(l.CheckListAuto[0], c.checkedAfter) << c.low << " / " << c.high;
        EXPECT_DOUBLE_EQ(l.AxisMin[0], c.lo) << c.low << " / " << c.high;
        EXPECT_DOUBLE_EQ(l.AxisMax[0], c.hi) << c.low << " / " << c.high;
    }
}

TEST_F(AxisRanges, FrequencyAxis) {
    slotRows[0] = plottest::FlatRun();
    EXPECT_DOUBLE_EQ(label().AxisMin[7], 10);
    EXPECT_DOUBLE_EQ(label().AxisMax[7], 20000);

    form.CheckListAuto[7] = false;
    form.MinMaxGrid[0][7] = "20";
    form.MinMaxGrid[1][7] = "2000";
    plot::AxisLabelling l = label();
    EXPECT_FALSE(l.CheckListAuto[7]);
    EXPECT_DOUBLE_EQ(l.AxisMin[7], 20);
    EXPECT_DOUBLE_EQ(l.AxisMax[7], 2000);

    // A logarithmic axis from -5 Hz cannot be drawn: taken as automatic and re-checked.
    form.MinMaxGrid[0][7] = "-5";
    l = label();
    EXPECT_TRUE(l.CheckListAuto[7]);
    EXPECT_DOUBLE_EQ(l.AxisMin[7], 10);
    EXPECT_DOUBLE_EQ(l.AxisMax[7], 20000);
}

TEST_F(AxisRanges, RowsSixAndEightAreReadOnly) {
    form.MinMaxGrid[0][6] = "3";
    form.MinMaxGrid[1][6] = "1";
    form.MinMaxGrid[0][8] = "30";
    form.MinMaxGrid[1][8] = "300";
    const plot::AxisLabelling l = label();
    EXPECT_DOUBLE_EQ(l.AxisMin[6], 3);
    EXPECT_DOUBLE_EQ(l.AxisMax[6], 1);
    EXPECT_DOUBLE_EQ(l.AxisMin[8], 30);
    EXPECT_DOUBLE_EQ(l.AxisMax[8], 300);
}

TEST(ValueLabels, FormatsOfTheWindows) {
    using L = plot::ValueLabels;
    EXPECT_EQ(plot::ValueLabelTexts(PlotKind::SPL, 60, 110),
              (L{"60", "70", "80", "90", "100", "110"}));
    EXPECT_EQ(plot::ValueLabelTexts(PlotKind::Zel, 0, 15), (L{"0", "3", "6", "9", "12", "15"}));
    EXPECT_EQ(plot::ValueLabelTexts(PlotKind::Ausl, 0, 0.0125),
              (L{"0", "0.0025", "0.005", "0.0075", "0.01", "0.0125"}));
    EXPECT_EQ(plot::ValueLabelTexts(PlotKind::Pmax, 0, 0.75),
              (L{"0", "0.15", "0.3", "0.45", "0.6", "0.75"}));
    EXPECT_EQ(plot::ValueLabelTexts(PlotKind::Znorm, -0.01, 0.015),
              (L{"-0.01", "-0.005", "0", "0.005", "0.01", "0.015"}));
    EXPECT_EQ(plot::ValueLabelTexts(PlotKind::Phia, 3, 4),
              (L{"-180", "-90", "0", "90", "180", ""}));
    EXPECT_EQ(plot::StartValueLabels(PlotKind::SPLmax), (L{"60", "70", "80", "90", "100", "110"}));
    EXPECT_EQ(plot::StartValueLabels(PlotKind::Phia), (L{"-180", "-90", "0", "90", "180", ""}));
}

} // namespace
