// Electrical side of one frequency point: the two crossover ladders, the lossy voice coils and
// the electro-acoustic couplings.
#pragma once

#include "DriverParameters.h"
#include "NetworkElements.h"
#include "SimulationInput.h"

namespace engine {

// Ladder impedances Z1..Z12, coil impedances ZE = Rdc + KL·f^nL·(1 + j√3) and the couplings
// BxL/Sd, σ2·BxL2/Sd2 at frequency f [Hz], ω = 2πf.
void ComputeElectricalElements(const SimulationInput& input, const DriverParameters& drivers,
                               double f, double omega, NetworkElements& e);

} // namespace engine
