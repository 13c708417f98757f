// The inputs of the seven plot windows taken from the main window's model.
#include "SlotPlots.h"

namespace plot {

SlotRows SlotRowsOf(const model::MainWindowState& state) {
    SlotRows rows;
    for (int s = 0; s < SlotCount; ++s)
        rows[s] = state.slotResults[s].rows;
    return rows;
}

std::array<double, SlotCount> FmaxEffOf(const model::MainWindowState& state) {
    std::array<double, SlotCount> FmaxEff{};
    for (int s = 0; s < SlotCount; ++s)
        FmaxEff[s] = state.slotResults[s].FmaxEff;
    return FmaxEff;
}

std::array<QColor, SlotCount> SlotColoursOf(const model::MainWindowState& state) {
    std::array<QColor, SlotCount> colours;
    for (int s = 0; s < SlotCount; ++s)
        colours[s] = QColor::fromRgb(static_cast<QRgb>(state.SlotColour[s]));
    return colours;
}

DrawGraphsData PrepareDrawGraphs(const model::MainWindowState& state,
                                 const model::FormState& form) {
    DrawGraphsData data =
        PrepareDrawGraphs(form, SlotRowsOf(state), FmaxEffOf(state), state.ColourSlot);
    const std::array<QColor, SlotCount> colours = SlotColoursOf(state);
    for (PlotInput& input : data.plots)
        input.SlotColour = colours;
    return data;
}

PlotInput StartPlotInput(PlotKind kind) {
    PlotInput input;
    input.kind = kind;
    return input;
}

} // namespace plot
