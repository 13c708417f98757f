// Acoustic element impedances of one frequency point: suspensions, horn segments, chamber
// and port segments, absorber, rear chamber 2, extra tunnel and the radiation of the openings.
#pragma once

#include "Contour.h"
#include "DriverParameters.h"
#include "Enclosure.h"
#include "NetworkElements.h"
#include "SimulationInput.h"
#include "SpecialFunctions.h"

namespace engine {

// Fills the acoustic part of `e` at angular frequency ω (order: suspensions, radiation,
// damping resistances, segment impedances). A chamber of volume V and length ℓ is a duct
// of 50 segments with mass 0.02·ρℓ²/V each and joints of V/50; every damping β becomes the
// resistance β·(length/area)·ω/628.
void ComputeAcousticElements(const SimulationInput& input, const DriverParameters& drivers,
                             const Contour& contour, const Enclosure& enclosure, double omega,
                             NetworkElements& e,
                             SeriesEvaluation series = SeriesEvaluation::Tabled);

} // namespace engine
