// The main window's model: check, run into the current colour slot, clearing.
#include "MainWindowState.h"

#include "SimulationInputBuilder.h"

namespace model {

MainWindowState::MainWindowState() {
    clearValues();
}

const CheckResult& MainWindowState::checkVariables() {
    lastCheck = CheckVariables(form);
    InputsValid = lastCheck.InputsValid;
    ProjectSaved = false;
    return lastCheck;
}

engine::SimulationResult MainWindowState::simulate(const std::function<void(int)>& progress) {
    engine::SimulationOptions options;
    options.solver = engine::SolverKind::Fast;
    options.progress = progress;
    return simulate(options);
}

engine::SimulationResult MainWindowState::simulate(const engine::SimulationOptions& options) {
    const engine::SimulationInput input = BuildSimulationInput(form, lastCheck.elements);
    SlotResults& slot = slotResults[static_cast<std::size_t>(ColourSlot)];
    engine::SimulationResult result = engine::Simulate(input, slot.rows, options);
    if (result.refused)
        return result;
    SlotColour = DefaultSlotColour;
    slot.rows = result.rows;
    slot.FmaxEff = result.FmaxEff;
    slot.ContourX = result.contour.ContourX;
    slot.ContourArea = result.contour.ContourArea;
    if (!result.correctedEditH.empty())
        form.EditH = result.correctedEditH;
    if (result.rangeForcedAutomatic)
        form.CheckListAuto[8] = true;
    return result;
}

void MainWindowState::advanceColourSlot() {
    ColourSlot = (ColourSlot + 1) % SlotCount;
}

void MainWindowState::clearValues() {
    for (SlotResults& slot : slotResults) {
        engine::ResultRows& r = slot.rows;
        r.f[0] = 0;
        for (int i = 0; i < engine::MaxPoints; ++i) {
            r.SPL[i] = -1e10;
            r.x1[i] = -1e10;
            r.Zel[i] = -1e10;
            r.SPLmax[i] = -1e10;
            r.Pmax[i] = -1e10;
            r.Zreal[i] = 0;
            r.Zimag[i] = 0;
            r.Phi_a[i] = 0;
        }
        slot.ContourArea.fill(0);
    }
}

bool MainWindowState::slotFilled(int slot) const {
    return slotResults[static_cast<std::size_t>(slot)].rows.f[0] > 0.01;
}

std::string MainWindowState::joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace model
