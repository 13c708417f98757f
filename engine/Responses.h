// Response quantities of one solved frequency point and its line of the response table.
#pragma once

#include <array>
#include <string>

#include "ComplexMath.h"
#include "DriverParameters.h"
#include "Enclosure.h"
#include "NetworkElements.h"
#include "ResultRows.h"
#include "SimulationInput.h"

namespace engine {

// Level written for a pressure of exactly zero (20·log10(0) has no value): far below any
// audible or plotted level, but a finite number.
inline constexpr double SilentLevel = -200.0;

// Derives SPL, Phi_a, Zel, x1, x2, Pmax, SPLmax, Pmax2 (driver 2 present only; otherwise the
// row keeps its value), Zreal and Zimag of point i from the solution x into `rows`.
void ComputeResponses(const SimulationInput& input, const DriverParameters& drivers,
                      const Enclosure& enclosure, double mouthArea99, double omega,
                      const std::array<Complex, loop::Count>& x, int i, ResultRows& rows);

// The line of point i in data.txt (without CR LF): eleven TAB-separated fields, driver 2's
// two fields empty unless driver 2 is present.
std::string DataTableLine(const ResultRows& rows, int i, bool driver2Present);

} // namespace engine
