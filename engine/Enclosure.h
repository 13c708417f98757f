// Chambers, bass-reflex port, rear chamber 2, absorber chamber, extra tunnel, the grid
// positions where branches join the horn, and the total volume.
#pragma once

#include <string>
#include <vector>

#include "Contour.h"
#include "DriverParameters.h"
#include "SimulationInput.h"

namespace engine {

// A switched-off or zero element keeps a substitute value that makes it acoustically
// negligible (tiny areas, huge volumes), so that every later division stays finite.
struct Enclosure {
    double VVK = 0, LVK = 0;          // front chamber [m³], [m]
    double VRK = 0, LRK = 0;          // rear chamber
    double ABR = 0, fBR = 0, LBR = 0; // port area [m²], tuning [Hz], length [m]
    double rBR = 0;
    double VRK2 = 0;                  // rear chamber 2
    bool rearChamber2Active = false;
    bool absorberActive = false;
    double VAK = 0, fAK = 0, AAT = 0, LAT = 0, xAK = 0;
    double AKFace = 0, AKDepth = 0;   // absorber chamber drawing size [m²], [m]
    bool extraTunnelActive = false;
    double AET = 0, LET = 0, rET = 0, xET = 0, dLET = 0;
    int iT1 = 0, iT2 = 1, iAK = 1, iET = 1; // grid indices into the 101 contour points
    double Abst = 1;
    double Vtot = 0;                  // one real enclosure [litres]
    bool LBRNegative = false;         // "LBR would be negative!" was raised
    bool LATNegative = false;         // "LAT would be negative!" was raised
    std::vector<std::string> reportLines; // "LAT" line (absorber active), in order written
};

// Driver grid indices: iT1 = trunc(100·xT1/L) clamped to ≤ 99, iT2 clamped to 1..99.
void DriverGridIndices(const SimulationInput& input, int& iT1, int& iT2);

// Everything above in the order front chamber, rear chamber and port, rear chamber 2,
// absorber chamber, extra tunnel, distance.
Enclosure DeriveEnclosure(const SimulationInput& input, const DriverParameters& drivers,
                          const Contour& contour);

// "VHorn", "LBR" (front-loaded with an entered port) and "Vtot" report lines.
std::vector<std::string> EnclosureReportLines(const SimulationInput& input,
                                              const Contour& contour, const Enclosure& e);

} // namespace engine
