// Start-up values of the main window's input controls.
#include "FormState.h"

namespace model {

namespace {

// Hints the English texts give to the edit boxes; the check's messages quote them.
const std::map<std::string, std::string>& startHints() {
    static const std::map<std::string, std::string> hints = {
        {"EditRdc", "Voice coil DC-resistance"},
        {"Editfs", "Free air resonance"},
        {"EditQes", "Electrical Q-factor"},
        {"EditQms", "Mechanical Q-factor"},
        {"EditVas", "Equivalent volume"},
        {"EditPmax", "Power handling"},
        {"EditSd", "Cone area"},
        {"EditZ1k", "El. impedance @ 1 kHz"},
        {"EditZ10k", "El. impedance @ 10 kHz"},
        {"EditXmax", "Linear excursion"},
        {"EditStk", "Number driver 1"},
        {"EditStk2", "Number driver 2"},
        {"EditUe", "Input voltage"},
        {"EditLSInfo", "Info Driver"},
        // Driver 2 takes driver 1's hints at start-up, the count keeps its own.
        {"EditRdc2", "Voice coil DC-resistance"},
        {"Editfs2", "Free air resonance"},
        {"EditQes2", "Electrical Q-factor"},
        {"EditQms2", "Mechanical Q-factor"},
        {"EditVas2", "Equivalent volume"},
        {"EditPmax2", "Power handling"},
        {"EditSd2", "Cone area"},
        {"EditZ1k2", "El. impedance @ 1 kHz"},
        {"EditZ10k2", "El. impedance @ 10 kHz"},
        {"EditXmax2", "Linear excursion"},
        {"EditLSInfo2", "Info Driver"},
        {"EditAh", "Throat area"},
        {"Editl1", "Horn length"},
        {"EditH", "Mouth height"},
        {"EditB", "Mouth width"},
        {"EditBeta1", "Damping at throat"},
        {"EditBeta2", "Damping at mouth"},
        {"EditVvk", "Volume of front chamber"},
        {"EditLvk", "Length of front chamber"},
        {"EditBvk", "Damping of front chamber"},
        {"EditxT1", "Position driver1"},
        {"EditVrk", "Volume of rear chamber"},
        {"EditLrk", "Length of rear chamber"},
        {"EditBrk", "Damping of rear chamber"},
        {"EditAbr", "Area of bassreflex port"},
        {"Editfbr", "Bassreflex frequency of rear chamber"},
        {"EditBbr", "Damping of bassreflex port"},
        {"EditVAK", "Volume of absorber chamber"},
        {"EditAAT", "Area of absorber chamber tunnel"},
        {"EditfAK", "Resonance frequency of absorber chamber"},
        {"EditBAK", "Damping of absorber chamber"},
        {"EditxAK", "Position absorber chamber"},
        {"EditVrk2", "Volume of rear chamber 2"},
        {"EditxT2", "Position driver2"},
        {"EditAET", "Area of extra tunnel"},
        {"EditLET", "Length of extra tunnel"},
        {"EditBET", "Damping of extra tunnel"},
        {"EditxET", "Position extra tunnel"},
        {"EditAbst", "Distance mic->horn mouth"},
        {"EditdL", "Difference length"},
        {"EditdL2", "Difference length"},
        {"EditInfo", "Project info"},
    };
    return hints;
}

} // namespace

FormState::FormState() {
    // Driver 1: the form's values.
    EditRdc = "8";
    Editfs = "50";
    EditQes = "0.71";
    EditQms = "0.71";
    EditVas = "60";
    EditPmax = "100";
    EditSd = "200";
    EditZ1k = "8";
    EditZ10k = "8";
    EditXmax = "2";
    EditStk = "1";
    EditUe = "2.83";
    // Driver 2 starts as a copy of driver 1.
    EditRdc2 = EditRdc;
    Editfs2 = Editfs;
    EditQes2 = EditQes;
    EditQms2 = EditQms;
    EditVas2 = EditVas;
    EditPmax2 = EditPmax;
    EditSd2 = EditSd;
    EditZ1k2 = EditZ1k;
    EditZ10k2 = EditZ10k;
    EditXmax2 = EditXmax;
    EditStk2 = EditStk;

    // A front-loaded parabolic horn from 50 cm² to a 20 cm × 10 cm mouth, 1.2 m long, with
    // a closed 20 l rear chamber 0.1 m deep and no port.
    EditAh = "50";
    Editl1 = "1.2";
    EditBeta1 = "0";
    EditBeta2 = "0";
    EditH = "20";
    EditB = "10";
    EditdL = "0";
    EditxT1 = "0";
    EditVvk = "0";
    EditLvk = "0";
    EditBvk = "0";
    EditVrk = "20";
    EditLrk = "0.1";
    EditBrk = "500";
    EditAbr = "0";
    Editfbr = "0";
    EditBbr = "0";
    EditVAK = "0";
    EditAAT = "0";
    EditfAK = "0";
    EditBAK = "0";
    EditxAK = "0";
    EditVrk2 = "20";
    EditxT2 = "0";
    EditdL2 = "0";
    EditAET = "10";
    EditLET = "0.01";
    EditBET = "0";
    EditxET = "0";
    EditdLET = "0";
    EditAbst = "1";

    // Axes page after start-up: every range "0" and automatic.
    for (auto& column : MinMaxGrid)
        column.fill("0");
    CheckListAuto.fill(true);
    OptionGrid = {"100", "51", "1"};

    hints = startHints();

    // Window placement defaults (outer sizes of the design).
    const std::pair<const char*, WindowGeometry> windowDefaults[] = {
        {"Phia", {380, 0, 260, 420, 1}},  {"Area", {520, 140, 260, 420, 0}},
        {"Ausl", {400, 20, 260, 420, 1}}, {"Param", {0, 360, 250, 300, 0}},
        {"Pmax", {420, 40, 260, 420, 1}}, {"SPL", {440, 60, 260, 420, 0}},
        {"SPLmax", {460, 80, 260, 420, 1}}, {"Znorm", {500, 120, 260, 420, 1}},
        {"Zel", {480, 100, 260, 420, 0}}, {"Main", {0, 0, 0, 0, 0}},
    };
    for (const auto& [name, geometry] : windowDefaults)
        windows[name] = geometry;
}

} // namespace model
