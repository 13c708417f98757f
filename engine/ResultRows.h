// Result rows of one colour slot: one entry per frequency point.
#pragma once

#include <array>

namespace engine {

inline constexpr int MaxPoints = 170; // storage per row; a run fills at most 169

struct ResultRows {
    std::array<double, MaxPoints> f{};      // [Hz]
    std::array<double, MaxPoints> SPL{};    // [dB]
    std::array<double, MaxPoints> Zel{};    // [Ω]
    std::array<double, MaxPoints> x1{};     // [mm]
    std::array<double, MaxPoints> x2{};     // [mm]
    std::array<double, MaxPoints> SPLmax{}; // [dB]
    std::array<double, MaxPoints> Pmax{};   // [W]
    std::array<double, MaxPoints> Pmax2{};  // [W]
    std::array<double, MaxPoints> Zreal{};  // normalised, [-]
    std::array<double, MaxPoints> Zimag{};  // normalised, [-]
    std::array<double, MaxPoints> Phi_a{};  // [degrees]
};

} // namespace engine
