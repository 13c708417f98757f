// Everything the network stamps need at one frequency point: element impedances, couplings,
// attachment points and presence flags.
#pragma once

#include <array>

#include "ComplexMath.h"

namespace engine {

struct NetworkElements {
    // Electrical side: ladder impedances Z[1..12] (index 0 unused), voice coils, couplings.
    std::array<Complex, 13> Z{};
    Complex ZE1, ZE2;
    double Ue = 0;
    double coupling1 = 0; // BxL/Sd
    double coupling2 = 0; // σ2·BxL2/Sd2
    // Acoustic side (impedance analogy, Pa·s/m³).
    Complex Zm1Acoustic;  // Zm1/Sd²
    Complex Zm2Acoustic;  // Zm2/Sd2²
    std::array<Complex, 100> Zs_h{};
    std::array<Complex, 100> Zc_h{};
    Complex Zs_VK, Zc_VK, Zs_RK, Zc_RK, Zs_BR, Zc_BR;
    Complex Zs_AT, Zc_AK, Zs_ET, Zc_RK2;
    Complex Zr_M, Zr_BR, Zr_ET, Zr_T2;
    // Attachment points and presence.
    int iT1 = 0, iT2 = 1, iAK = 1, iET = 1;
    bool driver2Present = false;
    bool absorberPresent = false;
    bool extraTunnelPresent = false;
    bool mouthClosed = false;
};

// Index of each unknown of the 262-loop network.
namespace loop {
inline constexpr int Count = 262;
inline constexpr int Coil1 = 4;
inline constexpr int Cone1 = 5;
inline constexpr int FrontChamberFirst = 6;
inline constexpr int FrontChamberLast = 55;
inline constexpr int HornFirst = 56; // segment n is HornFirst + n
inline constexpr int Mouth = 155;
inline constexpr int Absorber = 156;
inline constexpr int Shunt10 = 157;
inline constexpr int Shunt12 = 158;
inline constexpr int Coil2 = 159;
inline constexpr int Cone2 = 160;
inline constexpr int RearChamberFirst = 161;
inline constexpr int RearChamberLast = 210;
inline constexpr int PortFirst = 211;
inline constexpr int PortOpening = 260;
inline constexpr int ExtraTunnel = 261;
} // namespace loop

} // namespace engine
