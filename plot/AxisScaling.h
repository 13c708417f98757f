// Axis ranges and value labels of the plot windows (AchsenBeschriften) and their helpers.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "FormState.h"
#include "PlotKind.h"
#include "ResultRows.h"

namespace plot {

inline constexpr int SlotCount = 4;
inline constexpr int AxisRowCount = 9;

// The result rows of the four colour slots, indexed by slot.
using SlotRows = std::array<engine::ResultRows, SlotCount>;

// One quantity of the result rows, e.g. &engine::ResultRows::SPL.
using Quantity = std::array<double, engine::MaxPoints> engine::ResultRows::*;

// A round value not below x for an axis end: c·s with c = 10^floor(log10 x) and s the first
// of 1, 1.5, 2, 2.5, 3, 4, 5, 7.5, 10 with x/c ≤ s. x ≤ 0 gives 1.5·x; a value that is no
// finite number is returned as it is. 0.37 → 0.4, 12 → 15, 51 → 75, 100 → 100.
double NiceCeiling(double x);

// Largest (smallest) of all 170 stored values of `quantity` in slots 0..k, starting from the
// first value of slot 0. k is limited to 0..3. Values beyond a run's last point take part;
// cleared rows hold -1e10 so that they never raise a maximum.
double SlotMaximum(const SlotRows& slotRows, Quantity quantity, int k);
double SlotMinimum(const SlotRows& slotRows, Quantity quantity, int k);

// Value with an engineering prefix: the group g = floor(log10|v| / 3), limited to -3 … 3,
// picks "n", "u", "m", "", "k", "M", "G", and |v| / 10^(3g) is formatted with the picture
// `mask`, a "-" in front for v < 0. 0 gives "0". With "0.###": 20000 → "20k", 1500 → "1.5k",
// 0.002 → "2m".
std::string FormatEngineering(double value, std::string_view mask);

// Texts of the value labels, index 0 = Label1 (bottom edge) … 5 = Label6 (top edge). The
// phase window uses indices 0..4; its index 5 stays empty.
using ValueLabels = std::array<std::string, 6>;

// Labels of a window for the range lo … hi: Label1 = lo, Label2 … Label5 = lo + 0.2·j·(hi − lo),
// Label6 = hi, in the window's format (general format; "0.####" for the cone amplitude,
// "0.###" for the radiation impedance). The phase window always gets "-180" … "180".
ValueLabels ValueLabelTexts(PlotKind kind, double lo, double hi);

// What the labels show before the first labelling: "60" … "110", or "-180" … "180".
ValueLabels StartValueLabels(PlotKind kind);

// Outcome of one AchsenBeschriften.
struct AxisLabelling {
    std::array<double, AxisRowCount> AxisMin{};
    std::array<double, AxisRowCount> AxisMax{};
    // The items of CheckListAuto afterwards: a row whose minimum is not below its maximum is
    // checked (and so is a frequency axis whose minimum is not above 0). The caller shows
    // these states in the check list; the grid cells themselves are not rewritten.
    std::array<bool, AxisRowCount> CheckListAuto{};
    std::array<ValueLabels, PlotKindCount> labels; // indexed by IndexOf(kind)
};

// Reads rows 0..8 of the grid, computes the automatic ranges of the checked rows 0..5 from
// slots 0..ColourSlot, sets row 7 to 10 … 20000 Hz when checked, and gives the value labels
// of the seven windows. Rows 6 and 8 keep what the grid says.
AxisLabelling
AchsenBeschriften(const std::array<std::array<std::string, AxisRowCount>, 2>& MinMaxGrid,
                  const std::array<bool, AxisRowCount>& CheckListAuto, const SlotRows& slotRows,
                  int ColourSlot);
AxisLabelling AchsenBeschriften(const model::FormState& form, const SlotRows& slotRows,
                                int ColourSlot);

} // namespace plot
