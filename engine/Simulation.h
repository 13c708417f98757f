// One simulation run: from the input set to the results of one colour slot.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Contour.h"
#include "DriverParameters.h"
#include "Enclosure.h"
#include "Notice.h"
#include "ResultRows.h"
#include "SimulationInput.h"
#include "SpecialFunctions.h"

namespace engine {

enum class SolverKind {
    Reference, // dense elimination over all 262 columns
    Fast,      // the same elimination on the non-zero structure only
};

struct SimulationOptions {
    SolverKind solver = SolverKind::Fast;
    bool buildTables = true;                 // contour.txt and data.txt content
    std::function<void(int)> progress;       // 10 … 90 during the sweep
    SeriesEvaluation series = SeriesEvaluation::Tabled;
};

struct SimulationResult {
    // Set when the inputs would divide by zero or give no number: nothing was computed,
    // `notices` holds the reason, and no table must be written.
    bool refused = false;

    DriverParameters drivers;
    Contour contour;
    Enclosure enclosure;

    double fmin = 10, fmax = 20000;
    bool rangeForcedAutomatic = false; // a manual range with min ≥ max was taken as automatic
    double FmaxEff = 0;                // the slot's upper frequency limit [Hz]
    int pointCount = 0;                // points computed (at most 169)
    ResultRows rows;                   // the slot's rows after the run

    std::vector<std::string> memo1;    // driver lines of the parameter report
    std::vector<std::string> memo2;    // rTraktrix, LAT, VHorn, LBR, Vtot
    std::vector<Notice> notices;       // in the order they arise
    std::string correctedEditH;        // non-empty: the new text of EditH (tractrix)

    std::string contourTable;          // contour.txt bytes: Windows-1252, CR LF
    std::string dataTable;             // data.txt bytes
};

// The reason a run cannot start with these inputs (a division by zero or a root of a
// negative number ahead), or "" when it can.
std::string RefusalReason(const SimulationInput& input);

// Runs the whole sweep. `previousSlot` is what the slot held before: rows that the run does
// not write (Pmax2 without driver 2, points beyond the run) keep those values.
SimulationResult Simulate(const SimulationInput& input, const ResultRows& previousSlot = {},
                          const SimulationOptions& options = {});

} // namespace engine
