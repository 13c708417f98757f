// Gathering of the sketch's values from a run and the named controls.
#include "SketchInput.h"

#include "NumberFormat.h"

namespace plot {

SketchInput MakeSketchInput(const engine::SimulationInput& run,
                            const engine::SimulationResult& result,
                            const std::array<double, 101>& contourArea,
                            const model::FormState& controls, double RK2Face, double RK2Depth) {
    const engine::Enclosure& e = result.enclosure;
    SketchInput in;
    in.PositionFactor = run.PositionFactor;
    in.L = run.L;
    in.AT = run.AT;
    in.AM = run.AM;
    in.xT1 = run.xT1;
    in.xT2 = run.xT2;
    in.iT1 = e.iT1;
    in.iT2 = e.iT2;
    in.iAK = e.iAK;
    in.iET = e.iET;
    in.Sd = result.drivers.driver1.data.Sd;
    in.Sd2 = result.drivers.driver2.data.Sd;
    in.VVK = e.VVK;
    in.LVK = e.LVK;
    in.VRK = e.VRK;
    in.LRK = e.LRK;
    in.ABR = e.ABR;
    in.LBR = e.LBR;
    in.VRK2 = e.VRK2;
    in.AAT = e.AAT;
    in.LAT = e.LAT;
    in.AKFace = e.AKFace;
    in.AKDepth = e.AKDepth;
    in.xAK = e.xAK;
    in.AET = e.AET;
    in.LET = e.LET;
    in.xET = e.xET;
    in.ContourArea = contourArea;

    in.EditLvk = engine::ParseGridNumber(controls.EditLvk);
    in.CBTyp = controls.CBTyp;
    in.RGTreiber2 = controls.RGTreiber2;
    in.CBRK2 = controls.CBRK2;
    in.CBMundGeschl = controls.CBMundGeschl;
    in.CBAK = controls.CBAK;
    in.CBAKSkizzeOben = controls.CBAKSkizzeOben;
    in.CBET = controls.CBET;
    in.CBETSkizzeOben = controls.CBETSkizzeOben;
    in.CBT2SkizzeOben = controls.CBT2SkizzeOben;
    in.CBumdrehen = controls.CBumdrehen;

    in.RK2Face = RK2Face;
    in.RK2Depth = RK2Depth;
    return in;
}

} // namespace plot
