// Input sets for the engine tests: the form's start-up values read the way a run reads them.
#pragma once

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Contour.h"
#include "CrossoverElements.h"
#include "CrossoverNetwork.h"
#include "DriverParameters.h"
#include "ElementImpedances.h"
#include "Enclosure.h"
#include "FormState.h"
#include "ModelConstants.h"
#include "NetworkElements.h"
#include "SimulationInput.h"
#include "SimulationInputBuilder.h"

namespace enginetest {

// The start-up form, changed by `edit`, with the crossover normalised as the input check does
// it and then read into the input set of a run.
inline engine::SimulationInput FormInput(const std::function<void(model::FormState&)>& edit =
                                             [](model::FormState&) {}) {
    model::FormState state;
    edit(state);
    const model::CrossoverElements elements = model::NormaliseCrossover(state);
    return model::BuildSimulationInput(state, elements);
}

// The stages before the sweep, run once for an input set.
struct Prepared {
    explicit Prepared(const engine::SimulationInput& in)
        : input(in), drivers(engine::DeriveDriverParameters(in)), contour(engine::BuildContour(in)),
          enclosure(engine::DeriveEnclosure(in, drivers, contour)) {}
    engine::SimulationInput input;
    engine::DriverParameters drivers;
    engine::Contour contour;
    engine::Enclosure enclosure;
};

// Every element of the network at frequency f [Hz], as the sweep computes them.
inline engine::NetworkElements ElementsAt(const Prepared& p, double f) {
    engine::NetworkElements e;
    const double omega = 2 * engine::ModelPi * f;
    engine::ComputeElectricalElements(p.input, p.drivers, f, omega, e);
    engine::ComputeAcousticElements(p.input, p.drivers, p.contour, p.enclosure, omega, e);
    return e;
}

// |a − b| ≤ tolerance·|b|: for values whose magnitude is not known in advance.
inline bool RelativelyNear(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance * std::fabs(b);
}

// Sets one crossover position of the form: R [Ω], C [µF], L [mH] as typed ("" = empty).
inline void SetCrossover(model::FormState& s, int position, const char* R, const char* C,
                         const char* L) {
    s.FWGrid[position][1] = R;
    s.FWGrid[position][2] = C;
    s.FWGrid[position][3] = L;
}

struct NamedInput {
    std::string name;
    engine::SimulationInput input;
};

// A bank of varied input sets: every profile, both horn types, every branch alone and
// together, shared and clamped attachment points, the mouth closed, the three choices of
// driver 2 with and without turn over, crossovers with the traps of positions 5 and 7-9,
// the placements with their mirror factors, dampings everywhere.
inline std::vector<NamedInput> VariedInputs() {
    using model::FormState;
    std::vector<NamedInput> bank;
    auto add = [&](const std::string& name, const std::function<void(FormState&)>& edit) {
        bank.push_back({name, FormInput(edit)});
    };
    add("defaults", [](FormState&) {});
    add("conical_rearloaded", [](FormState& s) {
        s.CBKontur = 1;
        s.CBTyp = 1;
        s.EditdL = "0.4";
    });
    add("exponential_port_free", [](FormState& s) {
        s.CBKontur = 2;
        s.EditAbr = "50";
        s.Editfbr = "45";
        s.CBPosi = 0;
        s.EditdL = "0.2";
    });
    add("hyperbolic_absorber_floor", [](FormState& s) {
        s.CBKontur = 3;
        s.CBPosi = 1;
        s.CBAK = true;
        s.EditVAK = "4";
        s.EditAAT = "12";
        s.EditfAK = "120";
        s.EditBAK = "2";
        s.EditxAK = "0.5";
    });
    add("octo_extratunnel", [](FormState& s) {
        s.CBKontur = 4;
        s.CBET = true;
        s.EditAET = "15";
        s.EditLET = "0.3";
        s.EditBET = "1";
        s.EditxET = "0.8";
        s.EditdLET = "0.1";
    });
    add("geometric_driver2_list_turnover", [](FormState& s) {
        s.CBKontur = 5;
        s.RGTreiber2 = 2;
        s.CBumdrehen = true;
        s.EditRdc2 = "6";
        s.Editfs2 = "35";
        s.EditQes2 = "0.4";
        s.EditQms2 = "3";
        s.EditVas2 = "80";
        s.EditSd2 = "300";
        s.EditZ1k2 = "9";
        s.EditZ10k2 = "25";
        s.EditxT2 = "0.7";
        s.EditdL2 = "0.3";
    });
    add("tractrix_mouth_closed", [](FormState& s) {
        s.CBKontur = 6;
        s.CBMundGeschl = true;
        s.EditxT1 = "0.3";
    });
    add("shared_point_40", [](FormState& s) {
        s.Editl1 = "1";
        s.EditxT1 = "0.4";
        s.RGTreiber2 = 1;
        s.EditxT2 = "0.4";
        s.CBAK = true;
        s.EditVAK = "3";
        s.EditAAT = "8";
        s.EditfAK = "150";
        s.EditxAK = "0.4";
        s.CBET = true;
        s.EditxET = "0.4";
    });
    add("throat_driver_absorber_at_1", [](FormState& s) {
        s.Editl1 = "1";
        s.CBAK = true;
        s.EditVAK = "3";
        s.EditAAT = "8";
        s.EditfAK = "150";
        s.EditxAK = "0.01";
    });
    add("all_at_the_mouth_closed", [](FormState& s) {
        s.CBMundGeschl = true;
        s.EditxT1 = "1.2";
        s.RGTreiber2 = 1;
        s.CBRK2 = true;
        s.EditVrk2 = "8";
        s.EditxT2 = "1.2";
        s.CBAK = true;
        s.EditVAK = "3";
        s.EditAAT = "8";
        s.EditfAK = "150";
        s.EditxAK = "1.2";
        s.CBET = true;
        s.EditxET = "1.2";
    });
    add("crossover_corner_driver2_list", [](FormState& s) {
        s.CBPosi = 4;
        s.RGTreiber2 = 2;
        s.EditRdc2 = "4";
        s.EditZ1k2 = "6";
        s.EditZ10k2 = "18";
        s.EditxT2 = "0.6";
        s.EditZ1k = "10";
        s.EditZ10k = "30";
        SetCrossover(s, 1, "", "", "1");
        SetCrossover(s, 2, "", "10", "");
        SetCrossover(s, 3, "0.5", "", "");
        SetCrossover(s, 5, "4", "20", "0.5");
        SetCrossover(s, 6, "10", "", "");
        SetCrossover(s, 7, "2", "5", "0.3");
        SetCrossover(s, 8, "", "", "0.1");
        SetCrossover(s, 10, "100", "", "");
        SetCrossover(s, 11, "", "", "2");
        SetCrossover(s, 12, "", "33", "");
    });
    add("rearloaded_driver2_as1_rc2_all_branches_free", [](FormState& s) {
        s.CBTyp = 1;
        s.CBPosi = 0;
        s.RGTreiber2 = 1;
        s.CBRK2 = true;
        s.EditVrk2 = "12";
        s.EditxT2 = "0.9";
        s.CBAK = true;
        s.EditVAK = "2";
        s.EditAAT = "5";
        s.EditfAK = "200";
        s.EditxAK = "0.6";
        s.CBET = true;
        s.EditxET = "0.3";
    });
    add("ignore_crossover_driver2_list", [](FormState& s) {
        s.CBohneFW = true;
        s.RGTreiber2 = 2;
        s.EditxT2 = "0.5";
        SetCrossover(s, 1, "", "", "1");
        SetCrossover(s, 2, "", "10", "");
    });
    add("damping_everywhere", [](FormState& s) {
        s.EditBeta1 = "0.5";
        s.EditBeta2 = "2";
        s.EditVvk = "1";
        s.EditLvk = "0.1";
        s.EditBvk = "3";
        s.EditLrk = "0.3";
        s.EditBrk = "50";
        s.EditAbr = "40";
        s.Editfbr = "40";
        s.EditBbr = "4";
        s.EditxT1 = "0.2";
    });
    return bank;
}

} // namespace enginetest
