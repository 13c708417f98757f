// Fuzz target: the whole road of a project file, "load bytes -> CheckVariables -> run".
// The frequency points are capped to 12 and the contour points to 64 so that one input runs
// in milliseconds. Invariant (RunInvariants.h): no crash, no hang, no NaN or infinity in any
// result row or table line, every refused run explained by a notice, and the rows the run
// does not write keep what the slot held.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FormState.h"
#include "FuzzSupport.h"
#include "InputCheck.h"
#include "NumberFormat.h"
#include "ProjectFile.h"
#include "RunInvariants.h"
#include "Simulation.h"
#include "SimulationInputBuilder.h"

namespace {

constexpr int MaxFrequencyPoints = 12;
constexpr int MaxContourPoints = 64;

// The option cell after the check (an integer text) lowered to `cap`.
void capOption(std::string& cell, int cap) {
    const int value = static_cast<int>(engine::ParseGridNumber(cell));
    cell = std::to_string(std::min(value, cap));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static robust::ScratchFile file("pipeline.vmx");
    robust::WriteBytes(file.path(), std::string_view(reinterpret_cast<const char*>(data), size));

    model::FormState state;
    files::ProjectFile::LoadDriver1Values(file.path(), state);
    files::ProjectFile::LoadOtherValues(file.path(), state);
    const model::CheckResult check = model::CheckVariables(state);
    if (!check.InputsValid)
        return 0; // the Start button runs the check again instead
    capOption(state.OptionGrid[0], MaxFrequencyPoints);
    capOption(state.OptionGrid[1], MaxContourPoints);

    const engine::SimulationInput input = model::BuildSimulationInput(state, check.elements);
    static const engine::ResultRows previous = robust::FilledSlot(7.25);
    const engine::SimulationResult result = engine::Simulate(input, previous);
    const std::string violation = robust::RunViolation(result);
    robust::Require(violation.empty(), "a run keeps its promises", violation);
    const std::string overwritten = robust::SlotViolation(result, previous, input.driver2Mode > 0);
    robust::Require(overwritten.empty(), "a run leaves the rest of its slot", overwritten);
    return 0;
}
