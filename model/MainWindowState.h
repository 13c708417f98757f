// Everything the main window holds besides its widgets: inputs, check outcome, slots, folders.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "FormState.h"
#include "InputCheck.h"
#include "ResultRows.h"
#include "Simulation.h"

namespace model {

inline constexpr int SlotCount = 4;
inline constexpr int ContourGridPoints = 101;

// SlotColour as 0xRRGGBB: black, red, green (0, 128, 0) and blue for slots 0 to 3.
inline constexpr std::array<std::uint32_t, SlotCount> DefaultSlotColour{0x000000, 0xFF0000,
                                                                        0x008000, 0x0000FF};

// The results a colour slot keeps between runs.
struct SlotResults {
    engine::ResultRows rows;
    double FmaxEff = 0;
    std::array<double, ContourGridPoints> ContourX{};
    std::array<double, ContourGridPoints> ContourArea{};
};

// The main window's model: the values of the input controls, what the last input check
// decided, the four colour slots and the folder and file names. The window copies its
// widgets into `form` before a check or a run and shows `form` again afterwards.
class MainWindowState {
public:
    MainWindowState();

    FormState form;
    CheckResult lastCheck;
    bool InputsValid = false;
    bool ProjectSaved = true;

    int ColourSlot = 0;
    // Drawing colour of each slot; every run sets it to DefaultSlotColour.
    std::array<std::uint32_t, SlotCount> SlotColour = DefaultSlotColour;
    std::array<SlotResults, SlotCount> slotResults;
    std::array<double, 9> AxisMin{};
    std::array<double, 9> AxisMax{};

    std::string ProgramFolder;
    std::string DocumentsFolder;
    std::string DataFolder;
    std::string ProjectFileName;
    std::string DriverFileName;

    // CheckVariables over `form`: rewrites its texts, keeps the result and the element
    // arrays, sets InputsValid and clears ProjectSaved.
    const CheckResult& checkVariables();

    // One run over `form` with the element arrays of the last check, into slot ColourSlot.
    // Stores the slot's rows, FmaxEff and contour, applies the tractrix correction of EditH
    // and re-checks item 8 of CheckListAuto when the manual range was unusable. Writes no
    // file and does not advance the slot. A refused run changes nothing.
    engine::SimulationResult simulate(const std::function<void(int)>& progress = {});
    // The same with the solver and the other options of the caller (the command line).
    engine::SimulationResult simulate(const engine::SimulationOptions& options);

    // (ColourSlot + 1) mod 4.
    void advanceColourSlot();

    // ClearValues: empties the rows of every slot (point 0 at 0 Hz marks a slot empty; the
    // level, impedance, driver-1 amplitude, maximum level and driver-1 power rows at -1e10,
    // the radiation impedance and phase at 0, the contour areas at 0).
    void clearValues();

    // True when slot `slot` holds a run.
    bool slotFilled(int slot) const;

    // `folder` joined with `name` by "/".
    static std::string joinPath(const std::string& folder, const std::string& name);
};

} // namespace model
