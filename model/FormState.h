// The values of every input control of the main window, without any widget.
#pragma once

#include <array>
#include <map>
#include <string>

namespace model {

// Position, size and window state of one window as the project file stores them.
struct WindowGeometry {
    int left = 0;
    int top = 0;
    int height = 0;
    int width = 0;
    int state = 0; // 0 normal, 1 minimised, 2 maximised
    bool operator==(const WindowGeometry&) const = default;
};

// Current value of every input control: the text of each edit box (UTF-8, exactly as typed),
// the check state of each check box, the item index of each combo box and radio group (-1 for
// no selection) and the cells of the three grids. Field names are the control names.
// Constructing a FormState gives the start-up values of the form.
struct FormState {
    FormState();

    // Driver 1 ("Driver" page).
    std::string EditRdc, Editfs, EditQes, EditQms, EditVas, EditPmax, EditSd, EditZ1k, EditZ10k,
        EditXmax, EditStk, EditLSInfo, EditUe;
    // Driver 2.
    std::string EditRdc2, Editfs2, EditQes2, EditQms2, EditVas2, EditPmax2, EditSd2, EditZ1k2,
        EditZ10k2, EditXmax2, EditStk2, EditLSInfo2;
    int RGTreiber2 = 0; // 0 "Without", 1 "As driver 1", 2 "Values from list"
    bool CBumdrehen = false;
    bool CBT2SkizzeOben = false;

    // Horn page.
    int CBKontur = 0; // profile 0..6
    int CBTyp = 0;    // 0 front-loaded, 1 rear-loaded
    std::string EditInfo;
    std::string EditAh, Editl1, EditBeta1, EditBeta2, EditH, EditB, EditdL, EditxT1;
    bool CBMundGeschl = false;
    std::string EditVvk, EditLvk, EditBvk, EditVrk, EditLrk, EditBrk, EditAbr, Editfbr, EditBbr;
    bool CBAK = false;
    bool CBAKSkizzeOben = true;
    std::string EditVAK, EditAAT, EditfAK, EditBAK, EditxAK;
    bool CBRK2 = false;
    std::string EditVrk2, EditxT2, EditdL2;
    bool CBET = false;
    bool CBETSkizzeOben = true;
    std::string EditAET, EditLET, EditBET, EditxET, EditdLET;
    int CBPosi = 2; // placement, 2 = "Half space"
    std::string EditAbst;

    // Crossover page: FWGrid[column][row], columns 1..14 positions, rows 1..3 R [Ohm],
    // C [uF], L [mH]; row 0 and column 0 are the fixed labels and stay empty here.
    std::array<std::array<std::string, 4>, 15> FWGrid;
    bool CBohneFW = false;

    // Axes page: MinMaxGrid[column][row], column 0 minimum, column 1 maximum, rows 0..8.
    std::array<std::array<std::string, 9>, 2> MinMaxGrid;
    std::array<bool, 9> CheckListAuto{};
    bool CBAmplTreiber2 = false;
    bool CBPmaxTreiber2 = false;
    // OptionGrid column 1: row 0 frequency points, row 1 contour points, row 2 line width.
    std::array<std::string, 3> OptionGrid;

    // Hints of the edit boxes that the input check names in its messages, keyed by control
    // name. The distance fields' hints change with the horn type.
    std::map<std::string, std::string> hints;

    // Window geometry of section "Plotoptionen", keyed by the window prefix ("SPL", "Zel",
    // "Area", …, "Main").
    std::map<std::string, WindowGeometry> windows;

    bool operator==(const FormState&) const = default;
};

} // namespace model
