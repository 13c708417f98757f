// Everything a plot window shows, as plain data: the input of the painting functions.
#pragma once

#include <array>
#include <optional>

#include <QColor>

#include "AxisScaling.h"
#include "FormState.h"
#include "PlotKind.h"
#include "ResultRows.h"

namespace plot {

// SlotColour: black, red, green (0, 128, 0) and blue for slots 0 to 3.
std::array<QColor, SlotCount> DefaultSlotColours();

// The system's button-face colour, the background of the windows and the strip.
QColor DefaultButtonFace();

// A slot holds a run when the frequency of its point 0 lies above 0.01 Hz.
bool SlotFilled(const engine::ResultRows& rows);

// Pen width of the curves from the text of OptionGrid row 2, read as an integer; below 0
// reads as 0 (the thinnest line).
int LineWidthOf(const std::string& text);

struct PlotInput {
    PlotKind kind = PlotKind::SPL;

    std::array<engine::ResultRows, SlotCount> rows{};
    std::array<double, SlotCount> FmaxEff{};
    std::array<bool, SlotCount> filled{}; // slots whose curves are drawn
    std::array<QColor, SlotCount> SlotColour = DefaultSlotColours();
    int lineWidth = 1;

    // Axis limits of the last labelling; row 7 is the frequency axis.
    std::array<double, AxisRowCount> AxisMin{};
    std::array<double, AxisRowCount> AxisMax{};
    bool CBAmplTreiber2 = false; // the amplitude window shows driver 2
    bool CBPmaxTreiber2 = false; // the power window shows driver 2

    // False until the first grid drawing: the plot area and the strip show only the window
    // colour, as after start-up.
    bool gridDrawn = false;
    // Texts of the value labels; none before the first labelling (the start texts are shown).
    std::optional<ValueLabels> valueLabels;
    // Whether a resize has placed the middle labels after the bottom label (PlotLayout).
    bool labelsFollowBottom = false;

    QColor buttonFace = DefaultButtonFace();
};

// The input of one window after DrawGraphs: the limits and labels of `labelling`, the slots
// that are filled, the line width and the driver-2 choices of `form`.
PlotInput MakePlotInput(PlotKind kind, const AxisLabelling& labelling, const SlotRows& rows,
                        const std::array<double, SlotCount>& FmaxEff, const model::FormState& form);

// The whole of DrawGraphs without the painting: AchsenBeschriften over `form` and the slots
// 0..ColourSlot, then the input of each of the seven windows (indexed by IndexOf(kind)).
struct DrawGraphsData {
    AxisLabelling labelling;
    std::array<PlotInput, PlotKindCount> plots;
};
DrawGraphsData PrepareDrawGraphs(const model::FormState& form, const SlotRows& rows,
                                 const std::array<double, SlotCount>& FmaxEff, int ColourSlot);

// The input of one window after "Delete all plots": empty grids on the frequency axis of
// the last labelling, value labels unchanged (pass those the window shows).
PlotInput ClearedPlotInput(PlotKind kind, const std::array<double, AxisRowCount>& AxisMin,
                           const std::array<double, AxisRowCount>& AxisMax,
                           const std::optional<ValueLabels>& valueLabels);

} // namespace plot
