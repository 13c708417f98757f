// Input sets for the engine tests: the form's start-up values read the way a run reads them.
#pragma once

#include <cmath>
#include <functional>

#include "CrossoverElements.h"
#include "FormState.h"
#include "SimulationInput.h"
#include "SimulationInputBuilder.h"

namespace enginetest {

// The start-up form, changed by `edit`, with the crossover normalised as the input check does
// it and then read into the input set of a run.
inline engine::SimulationInput FormInput(
    const std::function<void(model::FormState&)>& edit = [](model::FormState&) {}) {
    model::FormState state;
    edit(state);
    const model::CrossoverElements elements = model::NormaliseCrossover(state);
    return model::BuildSimulationInput(state, elements);
}

// |a − b| ≤ tolerance·|b|: for values whose magnitude is not known in advance.
inline bool RelativelyNear(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance * std::fabs(b);
}

} // namespace enginetest
