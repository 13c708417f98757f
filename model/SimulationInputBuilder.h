// Reads the input set of a run from the values of the input controls.
#pragma once

#include "CrossoverElements.h"
#include "FormState.h"
#include "SimulationInput.h"

namespace model {

// PositionFactor of the placement box: 1 for "Free", "Half space" and no selection, 2 for
// "Floor" and "Floor + wall", 4 for "Corner".
int PositionFactorOf(int placementIndex);

// Every field in SI units with the mirror scaling, in the order the run reads them: drivers,
// horn, chambers and branches, options and range. Numbers are read as the grid cells are
// (a text that is no number reads as 0; the input check has normalised them before a run).
engine::SimulationInput BuildSimulationInput(const FormState& state,
                                             const CrossoverElements& elements);

} // namespace model
