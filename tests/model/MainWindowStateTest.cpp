// The colour slots of the main window's model: runs into the current slot, the slot advance,
// the slot colours and ClearValues.
#include <gtest/gtest.h>

#include <algorithm>

#include "MainWindowState.h"

namespace {

constexpr double Cleared = -1e10;

// A program state after start-up whose inputs passed the check.
model::MainWindowState checkedState(const std::string& hornLength = "1.2") {
    model::MainWindowState state;
    state.form.Editl1 = hornLength;
    state.checkVariables();
    EXPECT_TRUE(state.InputsValid);
    return state;
}

TEST(ColourSlots, RunsFillOnlyTheirSlotAndTheSlotCyclesThroughFour) {
    model::MainWindowState state = checkedState();
    EXPECT_EQ(state.ColourSlot, 0);
    for (int s = 0; s < model::SlotCount; ++s)
        EXPECT_FALSE(state.slotFilled(s)) << s;

    // Different horn lengths give different FmaxEff = 10·c/L and so different lengths.
    const std::string lengths[] = {"1.2", "0.6", "2.4", "0.9"};
    std::array<int, model::SlotCount> points{};
    for (int run = 0; run < model::SlotCount; ++run) {
        state.form.Editl1 = lengths[run];
        state.checkVariables();
        state.SlotColour.fill(0x123456); // a run puts the four colours back
        const engine::SimulationResult result = state.simulate();
        ASSERT_FALSE(result.refused);
        points[run] = result.pointCount;
        EXPECT_EQ(state.SlotColour, model::DefaultSlotColour);
        for (int s = 0; s < model::SlotCount; ++s)
            EXPECT_EQ(state.slotFilled(s), s <= run) << "run " << run << ", slot " << s;
        state.advanceColourSlot();
    }
    EXPECT_EQ(state.ColourSlot, 0); // the fifth run would overwrite black

    for (int s = 0; s < model::SlotCount; ++s) {
        const model::SlotResults& slot = state.slotResults[s];
        ASSERT_GE(points[s], 2);
        ASSERT_LT(points[s], engine::MaxPoints);
        // The last point is the first one above the slot's own limit.
        EXPECT_GT(slot.rows.f[points[s] - 1], slot.FmaxEff) << s;
        EXPECT_LE(slot.rows.f[points[s] - 2], slot.FmaxEff) << s;
        // Beyond the run the rows keep what clearing left, so that they never raise an axis
        // maximum.
        for (int i = points[s]; i < engine::MaxPoints; ++i) {
            ASSERT_EQ(slot.rows.SPL[i], Cleared) << s << ", " << i;
            ASSERT_EQ(slot.rows.Zel[i], Cleared) << s << ", " << i;
            ASSERT_EQ(slot.rows.Pmax[i], Cleared) << s << ", " << i;
        }
    }
    EXPECT_NE(points[0], points[1]);
}

TEST(ColourSlots, ARunIntoAChosenSlotLeavesTheOthers) {
    model::MainWindowState state = checkedState();
    state.simulate();
    const engine::ResultRows black = state.slotResults[0].rows;
    state.ColourSlot = 2; // the green swatch
    state.form.Editl1 = "0.6";
    state.checkVariables();
    state.simulate();
    EXPECT_TRUE(state.slotFilled(2));
    EXPECT_FALSE(state.slotFilled(1));
    EXPECT_FALSE(state.slotFilled(3));
    EXPECT_EQ(state.slotResults[0].rows.SPL, black.SPL);
    EXPECT_EQ(state.slotResults[0].rows.f, black.f);
}

TEST(ColourSlots, ClearValuesEmptiesTheRowsItNamesAndKeepsTheOthers) {
    model::MainWindowState state = checkedState();
    state.form.RGTreiber2 = 1; // driver 2 as driver 1: its rows are written
    state.checkVariables();
    for (int s = 0; s < 2; ++s) {
        state.simulate();
        state.advanceColourSlot();
    }
    const model::SlotResults before = state.slotResults[1];
    ASSERT_GT(before.rows.x2[5], 0);
    state.clearValues();
    for (int s = 0; s < model::SlotCount; ++s) {
        const model::SlotResults& slot = state.slotResults[s];
        EXPECT_FALSE(state.slotFilled(s));
        EXPECT_EQ(slot.rows.f[0], 0);
        for (const auto* row :
             {&slot.rows.SPL, &slot.rows.x1, &slot.rows.Zel, &slot.rows.SPLmax, &slot.rows.Pmax})
            EXPECT_TRUE(
                std::all_of(row->begin(), row->end(), [](double v) { return v == Cleared; }));
        for (const auto* row : {&slot.rows.Zreal, &slot.rows.Zimag, &slot.rows.Phi_a})
            EXPECT_TRUE(std::all_of(row->begin(), row->end(), [](double v) { return v == 0; }));
        EXPECT_TRUE(std::all_of(slot.ContourArea.begin(), slot.ContourArea.end(),
                                [](double v) { return v == 0; }));
    }
    // Driver 2's rows, the frequencies after point 0 and ContourX stay.
    const model::SlotResults& after = state.slotResults[1];
    EXPECT_EQ(after.rows.x2, before.rows.x2);
    EXPECT_EQ(after.rows.Pmax2, before.rows.Pmax2);
    EXPECT_TRUE(
        std::equal(after.rows.f.begin() + 1, after.rows.f.end(), before.rows.f.begin() + 1));
    EXPECT_EQ(after.ContourX, before.ContourX);
    // Clearing does not choose the slot; "Delete all plots" does that itself.
    EXPECT_EQ(state.ColourSlot, 2);
}

} // namespace
