// The crossover element arrays the run uses, and their normalisation from the grid cells.
#pragma once

#include <array>

#include "FormState.h"

namespace model {

// Values of positions 1..14 (index 0 unused): R [Ω], L [H], 1/C [1/F]; 0 for an absent part,
// except that an empty shunt position (2, 4, 6, 10, 12, 14) gets R = 10⁹ × the number in
// EditRdc, an open branch.
struct CrossoverElements {
    std::array<double, 15> ElementR{};
    std::array<double, 15> ElementL{};
    std::array<double, 15> ElementInvC{};
    bool operator==(const CrossoverElements&) const = default;
};

// True for the shunt positions of the two ladders.
bool IsShuntPosition(int position);

// Reads every cell of FWGrid ("," accepted, empty or no number → 0), writes R, C and L back
// in general format (an empty cell for 0) and returns the element arrays.
CrossoverElements NormaliseCrossover(FormState& state);

} // namespace model
