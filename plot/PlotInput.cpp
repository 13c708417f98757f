// Building the plot inputs of the seven windows from the model.
#include "PlotInput.h"

#include <cmath>

#include "NumberFormat.h"

namespace plot {

std::array<QColor, SlotCount> DefaultSlotColours() {
    return {QColor(0, 0, 0), QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255)};
}

QColor DefaultButtonFace() {
    return QColor(240, 240, 240);
}

bool SlotFilled(const engine::ResultRows& rows) {
    return rows.f[0] > 0.01;
}

int LineWidthOf(const std::string& text) {
    const double v = std::trunc(engine::ParseGridNumber(text));
    if (!(v > 0))
        return 0;
    return v > 1000 ? 1000 : static_cast<int>(v);
}

PlotInput MakePlotInput(PlotKind kind, const AxisLabelling& labelling, const SlotRows& rows,
                        const std::array<double, SlotCount>& FmaxEff,
                        const model::FormState& form) {
    PlotInput in;
    in.kind = kind;
    in.rows = rows;
    in.FmaxEff = FmaxEff;
    for (int s = 0; s < SlotCount; ++s)
        in.filled[s] = SlotFilled(rows[s]);
    in.lineWidth = LineWidthOf(form.OptionGrid[2]);
    in.AxisMin = labelling.AxisMin;
    in.AxisMax = labelling.AxisMax;
    in.CBAmplTreiber2 = form.CBAmplTreiber2;
    in.CBPmaxTreiber2 = form.CBPmaxTreiber2;
    in.gridDrawn = true;
    in.valueLabels = labelling.labels[IndexOf(kind)];
    return in;
}

DrawGraphsData PrepareDrawGraphs(const model::FormState& form, const SlotRows& rows,
                                 const std::array<double, SlotCount>& FmaxEff, int ColourSlot) {
    DrawGraphsData data;
    data.labelling = AchsenBeschriften(form, rows, ColourSlot);
    for (PlotKind kind : AllPlotKinds)
        data.plots[IndexOf(kind)] = MakePlotInput(kind, data.labelling, rows, FmaxEff, form);
    return data;
}

PlotInput ClearedPlotInput(PlotKind kind, const std::array<double, AxisRowCount>& AxisMin,
                           const std::array<double, AxisRowCount>& AxisMax,
                           const std::optional<ValueLabels>& valueLabels) {
    PlotInput in;
    in.kind = kind;
    in.AxisMin = AxisMin;
    in.AxisMax = AxisMax;
    in.gridDrawn = true;
    in.valueLabels = valueLabels;
    return in;
}

} // namespace plot
