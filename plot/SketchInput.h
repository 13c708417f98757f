// The values the principle sketch is drawn from: the run's horn and enclosure, the named
// controls at the time of drawing, and the rear-chamber-2 size kept between drawings.
#pragma once

#include <array>

#include "FormState.h"
#include "Simulation.h"
#include "SimulationInput.h"

namespace plot {

// Lengths in m, areas in m² of the modelled system (already multiplied by PositionFactor
// where the run multiplies them). Control fields carry the control names.
struct SketchInput {
    // From the run.
    int PositionFactor = 1;
    double L = 1;            // horn length
    double AT = 0, AM = 0;   // throat and mouth area
    double xT1 = 0, xT2 = 0; // driver positions
    int iT1 = 0, iT2 = 1, iAK = 1, iET = 1;
    double Sd = 0, Sd2 = 0; // cone areas of all driver-1 and all driver-2 units
    double VVK = 0, LVK = 0, VRK = 0, LRK = 0, ABR = 0, LBR = 0, VRK2 = 0;
    double AAT = 0, LAT = 0, AKFace = 0, AKDepth = 0, xAK = 0;
    double AET = 0, LET = 0, xET = 0;
    // The contour row of slot ColourSlot: A_k at k·L/100.
    std::array<double, 101> ContourArea{};

    // Controls read while drawing.
    double EditLvk = 0; // the number EditLvk now holds
    int CBTyp = 0;      // 0 front-loaded, otherwise rear-loaded
    int RGTreiber2 = 0; // 0 "Without"
    bool CBRK2 = false;
    bool CBMundGeschl = false;
    bool CBAK = false, CBAKSkizzeOben = true;
    bool CBET = false, CBETSkizzeOben = true;
    bool CBT2SkizzeOben = false;
    bool CBumdrehen = false;

    // Kept between drawings (0 at start): the result of the last drawing that computed them.
    double RK2Face = 0, RK2Depth = 0;
};

// Fills a SketchInput from the run's input set and result, the contour row of the slot to
// draw, the current controls and the kept rear-chamber-2 size.
SketchInput MakeSketchInput(const engine::SimulationInput& run,
                            const engine::SimulationResult& result,
                            const std::array<double, 101>& contourArea,
                            const model::FormState& controls, double RK2Face, double RK2Depth);

} // namespace plot
