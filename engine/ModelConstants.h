// Physical constants of the acoustic model.
#pragma once

#include <cmath>

namespace engine {

inline constexpr double AirDensity = 1.23;     // ρ [kg/m³]
inline constexpr double AirStiffness = 141820; // κ·P0, adiabatic bulk modulus of air [Pa]
// Every π of the model: the results depend on this rounded value.
inline constexpr double ModelPi = 3.1415927;
// c = √(κP0/ρ) ≈ 339.56 m/s.
inline const double SoundSpeed = std::sqrt(AirStiffness / AirDensity);

} // namespace engine
