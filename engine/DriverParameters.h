// Electro-mechanical quantities of both drivers derived from their Thiele/Small data.
#pragma once

#include <string>
#include <vector>

#include "SimulationInput.h"

namespace engine {

// One driver in the model: Cms = Vas/(κ·Sd²), Mms = 1/(4π²fs²Cms), Rms = 1/(2π·fs·Cms·Qms),
// BxL = √(2π·fs·Rdc·Mms/Qes); the voice coil is Rdc + 2·X(f)·e^(j60°) with X(f) = KL·f^nL
// fitted through the magnitudes at 1 kHz and 10 kHz.
struct DriverModel {
    DriverInput data;
    double Cms = 0, Mms = 0, Rms = 0, BxL = 0;
    double KL = 0, nL = 1;
};

struct DriverParameters {
    DriverModel driver1;
    DriverModel driver2; // inert (1e6·Rdc, 1e-6·fs) when driver 2 is "Without"
    double a2 = 0;       // radius of a circle of driver 2's cone area [m]
};

// Driver 2 choice, both drivers' quantities and the voice-coil models, in that order.
DriverParameters DeriveDriverParameters(const SimulationInput& input);

// KL and nL of the voice-coil model from Rdc, Z1k, Z10k; KL = 0, nL = 1 unless both
// impedances exceed Rdc.
void VoiceCoilModel(double Rdc, double Z1k, double Z10k, double& KL, double& nL);

// The driver lines of the parameter report (one real driver each).
std::vector<std::string> DriverReportLines(const SimulationInput& input,
                                           const DriverParameters& drivers);

} // namespace engine
