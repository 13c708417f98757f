// The inputs of the seven plot windows taken from the main window's model.
#pragma once

#include <array>

#include <QColor>

#include "MainWindowState.h"
#include "PlotInput.h"

namespace plot {

SlotRows SlotRowsOf(const model::MainWindowState& state);
std::array<double, SlotCount> FmaxEffOf(const model::MainWindowState& state);
// SlotColour of the model as colours.
std::array<QColor, SlotCount> SlotColoursOf(const model::MainWindowState& state);

// DrawGraphs over the model: AchsenBeschriften with the axes tab of `form` over the slots
// 0..ColourSlot, then the input of each window with the slots' rows, FmaxEff and colours.
// `form` is the axes tab as the window shows it, which may be newer than `state.form`.
DrawGraphsData PrepareDrawGraphs(const model::MainWindowState& state, const model::FormState& form);

// What a window shows before the first drawing: the window colour in the plot area and the
// strip, and the start texts of the value labels.
PlotInput StartPlotInput(PlotKind kind);

} // namespace plot
