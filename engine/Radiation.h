// Radiation of a rigid circular piston in an infinite baffle: impedance, placement weight and
// on-axis pressure, as the model uses them for every opening.
#pragma once

#include <complex>

#include "SpecialFunctions.h"

namespace engine {

using Complex = std::complex<double>;

// Acoustic radiation impedance [Pa·s/m³] of a piston of radius a [m] and area A [m²] at wave
// number k: (ρc/A)·(1 − Jinc(2ka)) + j·(ρc/A)·StruveH1(2ka)/ka.
Complex RadiationImpedance(double a, double A, double k,
                           SeriesEvaluation evaluation = SeriesEvaluation::Tabled);

// Placement weight of an opening of radius a at angular frequency ω: for "Free" and "Floor"
// (placement index 0 or 1) 0.5 + 0.3·(ka)^4/((ka)^4 + 1), rising from 0.5 to 0.8; 1 otherwise.
double SpaceFactor(double a, double omega, int placementIndex);

// On-axis pressure [Pa] at distance r [m] of a piston of area A driven by the volume velocity
// q, with weight w: sin((√(A/π + r²) − r)·k/2)·(−j·2ρcw)·q/A. No propagation phase.
Complex PistonPressure(double w, Complex q, double A, double r, double k);

} // namespace engine
