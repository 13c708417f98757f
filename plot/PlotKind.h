// The seven plot windows and what sets each of them apart.
#pragma once

#include <array>
#include <string>

namespace plot {

// One value per plot window, in the order of the window table.
enum class PlotKind { SPL, Zel, Ausl, SPLmax, Pmax, Znorm, Phia };

inline constexpr int PlotKindCount = 7;
inline constexpr std::array<PlotKind, PlotKindCount> AllPlotKinds{
    PlotKind::SPL,  PlotKind::Zel,   PlotKind::Ausl, PlotKind::SPLmax,
    PlotKind::Pmax, PlotKind::Znorm, PlotKind::Phia};

constexpr int IndexOf(PlotKind kind) {
    return static_cast<int>(kind);
}

// Row of the axes tab that gives the value range: 0..5, or -1 for the phase window, whose
// range is fixed at -180 … +180 degrees.
int AxisRowOf(PlotKind kind);

// Horizontal bands of the grid: 10, or 8 in the phase window (45 degrees each).
int BandCount(PlotKind kind);

// Number of value labels: 6 (Label1 … Label6), or 5 in the phase window.
int ValueLabelCount(PlotKind kind);

// Short name of the window: "SPL", "Zel", "Ausl", "SPLmax", "Pmax", "Znorm", "Phia"; the
// picture export names its files after it.
std::string PlotName(PlotKind kind);

// Window caption. Before the first curve drawing the start captions ("Cone amplitude [mm]",
// "Pmax in W"); once curves were drawn the amplitude and power windows name the driver they
// show ("Cone1 amplitude [mm]" / "Cone2 amplitude [mm]", "Pmax1 [W]" / "Pmax2 [W]").
// `driver2` is CBAmplTreiber2 for the amplitude window and CBPmaxTreiber2 for the power
// window; the other windows ignore both arguments.
std::string PlotCaption(PlotKind kind, bool curvesDrawn = false, bool driver2 = false);

} // namespace plot
