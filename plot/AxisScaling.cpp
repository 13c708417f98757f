// Automatic and manual axis ranges, value labels and engineering number texts.
#include "AxisScaling.h"

#include <algorithm>
#include <cmath>

#include "NumberFormat.h"

namespace plot {

double NiceCeiling(double x) {
    if (!std::isfinite(x))
        return x;
    if (x <= 0)
        return 1.5 * x;
    const double c = std::pow(10.0, std::floor(std::log10(x)));
    const double m = x / c;
    constexpr std::array<double, 9> steps{1, 1.5, 2, 2.5, 3, 4, 5, 7.5, 10};
    for (double s : steps)
        if (m <= s)
            return c * s;
    return c * 10; // m a hair above 10 through rounding of c
}

namespace {

int clampSlot(int k) {
    return std::clamp(k, 0, SlotCount - 1);
}

template <typename Better>
double slotExtreme(const SlotRows& slotRows, Quantity quantity, int k, Better better) {
    double result = (slotRows[0].*quantity)[0];
    for (int s = 0; s <= clampSlot(k); ++s)
        for (double v : slotRows[s].*quantity)
            if (better(v, result))
                result = v;
    return result;
}

} // namespace

double SlotMaximum(const SlotRows& slotRows, Quantity quantity, int k) {
    return slotExtreme(slotRows, quantity, k, [](double v, double m) { return v > m; });
}

double SlotMinimum(const SlotRows& slotRows, Quantity quantity, int k) {
    return slotExtreme(slotRows, quantity, k, [](double v, double m) { return v < m; });
}

std::string FormatEngineering(double value, std::string_view mask) {
    if (value == 0 || !std::isfinite(value))
        return "0";
    static constexpr std::array<const char*, 7> prefixes{"n", "u", "m", "", "k", "M", "G"};
    const double magnitude = std::fabs(value);
    const int group = std::clamp(static_cast<int>(std::floor(std::log10(magnitude) / 3)), -3, 3);
    std::string text =
        engine::FormatPicture(magnitude / std::pow(10.0, 3 * group), mask) + prefixes[group + 3];
    return value < 0 ? "-" + text : text;
}

namespace {

std::string labelText(PlotKind kind, double v) {
    switch (kind) {
    case PlotKind::Ausl:
        return engine::FormatPicture(v, "0.####");
    case PlotKind::Znorm:
        return engine::FormatPicture(v, "0.###");
    default:
        return engine::FormatGeneral(v);
    }
}

ValueLabels phaseLabels() {
    return {"-180", "-90", "0", "90", "180", ""};
}

} // namespace

ValueLabels ValueLabelTexts(PlotKind kind, double lo, double hi) {
    if (kind == PlotKind::Phia)
        return phaseLabels();
    ValueLabels labels;
    labels[0] = labelText(kind, lo);
    for (int j = 1; j <= 4; ++j)
        labels[j] = labelText(kind, lo + 0.2 * j * (hi - lo));
    labels[5] = labelText(kind, hi);
    return labels;
}

ValueLabels StartValueLabels(PlotKind kind) {
    if (kind == PlotKind::Phia)
        return phaseLabels();
    return {"60", "70", "80", "90", "100", "110"};
}

AxisLabelling
AchsenBeschriften(const std::array<std::array<std::string, AxisRowCount>, 2>& MinMaxGrid,
                  const std::array<bool, AxisRowCount>& CheckListAuto, const SlotRows& slotRows,
                  int ColourSlot) {
    AxisLabelling out;
    out.CheckListAuto = CheckListAuto;
    for (int i = 0; i < AxisRowCount; ++i) {
        out.AxisMin[i] = engine::ParseGridNumber(MinMaxGrid[0][i]);
        out.AxisMax[i] = engine::ParseGridNumber(MinMaxGrid[1][i]);
        if (out.AxisMin[i] >= out.AxisMax[i])
            out.CheckListAuto[i] = true;
    }
    // A logarithmic axis cannot start at or below 0 Hz: such a manual range is taken as
    // automatic, as one whose minimum is not below its maximum.
    if (out.AxisMin[7] <= 0)
        out.CheckListAuto[7] = true;

    const int k = clampSlot(ColourSlot);
    auto& lo = out.AxisMin;
    auto& hi = out.AxisMax;
    const auto& automatic = out.CheckListAuto;
    using R = engine::ResultRows;
    if (automatic[0]) {
        hi[0] = 10 * std::trunc(0.1 * SlotMaximum(slotRows, &R::SPL, k) + 2);
        lo[0] = hi[0] - 50;
    }
    if (automatic[1]) {
        hi[1] = NiceCeiling(SlotMaximum(slotRows, &R::Zel, k));
        lo[1] = 0;
    }
    if (automatic[2]) {
        hi[2] = NiceCeiling(SlotMaximum(slotRows, &R::x1, k));
        lo[2] = 0;
    }
    if (automatic[3]) {
        hi[3] = 10 * std::trunc(0.1 * SlotMaximum(slotRows, &R::SPLmax, k) + 1);
        lo[3] = hi[3] - 50;
    }
    if (automatic[4]) {
        hi[4] = NiceCeiling(SlotMaximum(slotRows, &R::Pmax, k));
        lo[4] = 0;
    }
    if (automatic[5]) {
        double top = 0;
        for (double v :
             {SlotMaximum(slotRows, &R::Zreal, k), SlotMaximum(slotRows, &R::Zimag, k),
              SlotMinimum(slotRows, &R::Zreal, k), SlotMinimum(slotRows, &R::Zimag, k)}) {
            const double candidate = 1.5 * NiceCeiling(std::fabs(v));
            if (candidate > top)
                top = candidate;
        }
        hi[5] = top;
        lo[5] = -2.0 * top / 3.0; // -(2/3)·AxisMax, exact for the round values of NiceCeiling
    }
    if (automatic[7]) {
        lo[7] = 10;
        hi[7] = 20000;
    }
    for (PlotKind kind : AllPlotKinds) {
        const int row = AxisRowOf(kind);
        out.labels[IndexOf(kind)] =
            row < 0 ? ValueLabelTexts(kind, 0, 0) : ValueLabelTexts(kind, lo[row], hi[row]);
    }
    return out;
}

AxisLabelling AchsenBeschriften(const model::FormState& form, const SlotRows& slotRows,
                                int ColourSlot) {
    return AchsenBeschriften(form.MinMaxGrid, form.CheckListAuto, slotRows, ColourSlot);
}

} // namespace plot
