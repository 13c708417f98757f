// Project file (*.vmx): the main window's inputs and window placement as INI sections.
#include "ProjectFile.h"

#include "IniFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace files {

namespace {

using model::FormState;
using Text = std::string FormState::*;

// Item counts of the combo boxes stored as item index + 1.
constexpr int ContourItems = 7;
constexpr int TypeItems = 2;
constexpr int PlacementItems = 5;

// The twelve controls of one driver in the key order of section "Lautsprecher".
struct DriverControls {
    Text rdc, fs, qes, qms, vas, pmax, sd, z1k, z10k, xmax, count, info;
};

constexpr DriverControls Driver1{&FormState::EditRdc,  &FormState::Editfs,  &FormState::EditQes,
                                 &FormState::EditQms,  &FormState::EditVas, &FormState::EditPmax,
                                 &FormState::EditSd,   &FormState::EditZ1k, &FormState::EditZ10k,
                                 &FormState::EditXmax, &FormState::EditStk, &FormState::EditLSInfo};

constexpr DriverControls Driver2{
    &FormState::EditRdc2,  &FormState::Editfs2,   &FormState::EditQes2, &FormState::EditQms2,
    &FormState::EditVas2,  &FormState::EditPmax2, &FormState::EditSd2,  &FormState::EditZ1k2,
    &FormState::EditZ10k2, &FormState::EditXmax2, &FormState::EditStk2, &FormState::EditLSInfo2};

// Key of crossover cell (column 1..14, row 1..3); four cells have names of their own.
std::string crossoverKey(int column, int row) {
    if (column == 1 && row == 2)
        return "C Hochpass";
    if (column == 2 && row == 3)
        return "L Hochpass";
    if (column == 3 && row == 3)
        return "L Tiefpass";
    if (column == 4 && row == 2)
        return "C Tiefpass";
    return std::string(1, "RCL"[row - 1]) + std::to_string(column);
}

// Window prefixes in the order of writing and of reading, with the Left/Top defaults.
constexpr std::array<const char*, 9> WindowsWritten = {"Area", "Ausl",   "Param", "Phia", "Pmax",
                                                       "SPL",  "SPLmax", "Znorm", "Zel"};
struct WindowDefault {
    const char* prefix;
    int left;
    int top;
};
constexpr std::array<WindowDefault, 9> WindowsRead = {{{"Phia", 380, 0},
                                                       {"Area", 520, 140},
                                                       {"Ausl", 400, 20},
                                                       {"Param", 0, 360},
                                                       {"Pmax", 420, 40},
                                                       {"SPL", 440, 60},
                                                       {"SPLmax", 460, 80},
                                                       {"Znorm", 500, 120},
                                                       {"Zel", 480, 100}}};
// Window states in the written order, with their defaults (0 normal, 1 minimised).
struct StateDefault {
    const char* prefix;
    int state;
};
constexpr std::array<StateDefault, 8> WindowStates = {{{"Zel", 0},
                                                       {"SPL", 0},
                                                       {"Area", 0},
                                                       {"Ausl", 1},
                                                       {"Pmax", 1},
                                                       {"SPLmax", 1},
                                                       {"Znorm", 1},
                                                       {"Phia", 1}}};

model::WindowGeometry geometryOf(const FormState& form, const std::string& prefix) {
    const auto it = form.windows.find(prefix);
    return it == form.windows.end() ? model::WindowGeometry{} : it->second;
}

// Item index from a stored value v (item v - 1); outside the list: no selection.
int comboIndex(int stored, int items) {
    const int index = stored - 1;
    return index >= 0 && index < items ? index : -1;
}

// Opens `path` for reading; true if a file was read.
bool openForReading(IniFile& ini, const std::string& path) {
    const bool failed = !ini.load(path).empty();
    std::error_code error;
    return !failed && std::filesystem::is_regular_file(path, error);
}

// Section "Lautsprecher" into one driver's controls; each default that names a control
// takes the text that control has just received.
void readDriver(const IniFile& ini, FormState& form, const DriverControls& c) {
    const char* s = "Lautsprecher";
    form.*c.rdc = ini.readString(s, "Gleichstromwiderstand", "8");
    form.*c.fs = ini.readString(s, "Freiluftresonanzfrequenz", "100");
    form.*c.qes = ini.readString(s, "elektrische Güte", "0.71");
    form.*c.qms = ini.readString(s, "mechanische Güte", "0.71");
    form.*c.vas = ini.readString(s, "Äquivalentvolumen", "60");
    form.*c.pmax = ini.readString(s, "el. Belastbarkeit", "100");
    form.*c.sd = ini.readString(s, "Membranfläche", "200");
    form.*c.z1k = ini.readString(s, "Impedanz bei 1kHz", form.*c.rdc);
    form.*c.z10k = ini.readString(s, "Impedanz bei 10kHz", form.*c.rdc);
    form.*c.xmax = ini.readString(s, "lineare Auslenkung", "2");
    form.*c.count = std::to_string(ini.readInteger(s, "Anzahl der Chassis", 1));
    form.*c.info = ini.readString(s, "LSInfo", "");
}

} // namespace

std::string ProjectFile::SaveValues(const std::string& path, const FormState& form) {
    IniFile ini;
    const std::string loadError = ini.load(path);
    if (!loadError.empty())
        return loadError; // never overwrite a file whose other contents could not be kept

    const char* s = "Lautsprecher";
    ini.writeString(s, "Gleichstromwiderstand", form.EditRdc);
    ini.writeString(s, "Freiluftresonanzfrequenz", form.Editfs);
    ini.writeString(s, "elektrische Güte", form.EditQes);
    ini.writeString(s, "mechanische Güte", form.EditQms);
    ini.writeString(s, "Äquivalentvolumen", form.EditVas);
    ini.writeString(s, "el. Belastbarkeit", form.EditPmax);
    ini.writeString(s, "Membranfläche", form.EditSd);
    ini.writeString(s, "Impedanz bei 1kHz", form.EditZ1k);
    ini.writeString(s, "Impedanz bei 10kHz", form.EditZ10k);
    ini.writeString(s, "lineare Auslenkung", form.EditXmax);
    ini.writeString(s, "Anzahl der Chassis", form.EditStk);
    ini.writeString(s, "LSInfo", form.EditLSInfo);

    s = "Treiber2";
    ini.writeString(s, "Rdc2", form.EditRdc2);
    ini.writeString(s, "fs2", form.Editfs2);
    ini.writeString(s, "Qes2", form.EditQes2);
    ini.writeString(s, "Qms2", form.EditQms2);
    ini.writeString(s, "Vas2", form.EditVas2);
    ini.writeString(s, "Pmax2", form.EditPmax2);
    ini.writeString(s, "Sd2", form.EditSd2);
    ini.writeString(s, "Z1k2", form.EditZ1k2);
    ini.writeString(s, "Z10k2", form.EditZ10k2);
    ini.writeString(s, "Xmax2", form.EditXmax2);
    ini.writeString(s, "Stk2", form.EditStk2);
    ini.writeString(s, "LSInfo2", form.EditLSInfo2);
    ini.writeInteger(s, "GroupIndex", form.RGTreiber2);
    ini.writeBool(s, "Umdrehen", form.CBumdrehen);
    ini.writeBool(s, "SkizzeOben", form.CBT2SkizzeOben);

    ini.writeString("Spannung", "Volt", form.EditUe);

    s = "Horn";
    ini.writeInteger(s, "Kontur", form.CBKontur + 1);
    ini.writeInteger("Raumposition", "Position", form.CBPosi + 1);
    ini.writeString("Raumposition", "Abstand", form.EditAbst);
    ini.writeString(s, "Info", form.EditInfo);
    ini.writeInteger(s, "Typ", form.CBTyp + 1);
    ini.writeString(s, "Rückkammervolumen", form.EditVrk);
    ini.writeString(s, "Lrk", form.EditLrk);
    ini.writeString(s, "Brk", form.EditBrk);
    ini.writeString(s, "fbr", form.Editfbr);
    ini.writeString(s, "Abr", form.EditAbr);
    ini.writeString(s, "Bbr", form.EditBbr);
    ini.writeString(s, "Vorkammervolumen", form.EditVvk);
    ini.writeString(s, "Lvk", form.EditLvk);
    ini.writeString(s, "Bvk", form.EditBvk);
    ini.writeString(s, "SP", form.EditxT1);
    ini.writeBool(s, "AK", form.CBAK);
    ini.writeString(s, "AKP", form.EditxAK);
    ini.writeString(s, "Vab", form.EditVAK);
    ini.writeString(s, "fab", form.EditfAK);
    ini.writeString(s, "Aab", form.EditAAT);
    ini.writeString(s, "Bab", form.EditBAK);
    ini.writeBool(s, "AKSkizzeOben", form.CBAKSkizzeOben);
    ini.writeString(s, "Halsfläche", form.EditAh);
    ini.writeString(s, "Hornlänge", form.Editl1);
    ini.writeString(s, "betha1", form.EditBeta1);
    ini.writeString(s, "betha2", form.EditBeta2);
    ini.writeString(s, "Mundhöhe", form.EditH);
    ini.writeString(s, "Mundbreite", form.EditB);
    ini.writeString(s, "Differenzlänge", form.EditdL);
    ini.writeBool(s, "MundGeschl", form.CBMundGeschl);
    ini.writeBool(s, "RK2", form.CBRK2);
    ini.writeString(s, "Vrk2", form.EditVrk2);
    ini.writeString(s, "dL2", form.EditdL2);
    ini.writeString(s, "TP2", form.EditxT2);

    s = "ET";
    ini.writeBool(s, "ET", form.CBET);
    ini.writeString(s, "xET", form.EditxET);
    ini.writeString(s, "LET", form.EditLET);
    ini.writeString(s, "dLET", form.EditdLET);
    ini.writeString(s, "AET", form.EditAET);
    ini.writeString(s, "BET", form.EditBET);
    ini.writeBool(s, "SkizzeOben", form.CBETSkizzeOben);

    s = "Frequenzweiche";
    ini.writeBool(s, "Ignorieren", form.CBohneFW);
    for (int column = 1; column <= 14; ++column) {
        for (int row = 1; row <= 3; ++row)
            ini.writeString(s, crossoverKey(column, row), form.FWGrid[column][row]);
    }

    s = "Achsen";
    for (int i = 1; i <= 9; ++i) {
        const std::string n = std::to_string(i);
        ini.writeBool(s, "auto " + n, form.CheckListAuto[i - 1]);
        ini.writeString(s, "min " + n, form.MinMaxGrid[0][i - 1]);
        ini.writeString(s, "max " + n, form.MinMaxGrid[1][i - 1]);
    }
    ini.writeBool(s, "CBAmplTreiber2", form.CBAmplTreiber2);
    ini.writeBool(s, "CBPmaxTreiber2", form.CBPmaxTreiber2);
    ini.writeString(s, "fAufl", form.OptionGrid[0]);
    ini.writeString(s, "KAufl", form.OptionGrid[1]);
    ini.writeString(s, "LDicke", form.OptionGrid[2]);

    s = "Plotoptionen";
    for (const char* prefix : WindowsWritten) {
        const std::string p = prefix;
        const model::WindowGeometry g = geometryOf(form, p);
        ini.writeInteger(s, p + "Left", g.left);
        ini.writeInteger(s, p + "Top", g.top);
        ini.writeInteger(s, p + "Height", g.height);
        ini.writeInteger(s, p + "Width", g.width);
    }
    const model::WindowGeometry main = geometryOf(form, "Main");
    ini.writeInteger(s, "MainLeft", main.left);
    ini.writeInteger(s, "MainTop", main.top);
    for (const StateDefault& state : WindowStates) {
        const std::string p = state.prefix;
        ini.writeInteger(s, p + "WS", geometryOf(form, p).state);
    }

    return ini.save(path);
}

bool ProjectFile::LoadDriver1Values(const std::string& path, FormState& form) {
    IniFile ini;
    const bool read = openForReading(ini, path);
    readDriver(ini, form, Driver1);
    return read;
}

bool ProjectFile::LoadDriver2Values(const std::string& path, FormState& form) {
    IniFile ini;
    const bool read = openForReading(ini, path);
    readDriver(ini, form, Driver2);
    return read;
}

bool ProjectFile::LoadOtherValues(const std::string& path, FormState& form) {
    IniFile ini;
    const bool read = openForReading(ini, path);

    // Driver 2 defaults to driver 1 as it stands now.
    const char* s = "Treiber2";
    form.EditRdc2 = ini.readString(s, "Rdc2", form.EditRdc);
    form.Editfs2 = ini.readString(s, "fs2", form.Editfs);
    form.EditQes2 = ini.readString(s, "Qes2", form.EditQes);
    form.EditQms2 = ini.readString(s, "Qms2", form.EditQms);
    form.EditVas2 = ini.readString(s, "Vas2", form.EditVas);
    form.EditPmax2 = ini.readString(s, "Pmax2", form.EditPmax);
    form.EditSd2 = ini.readString(s, "Sd2", form.EditSd);
    form.EditZ1k2 = ini.readString(s, "Z1k2", form.EditZ1k);
    form.EditZ10k2 = ini.readString(s, "Z10k2", form.EditZ10k);
    form.EditXmax2 = ini.readString(s, "Xmax2", form.EditXmax);
    form.EditStk2 = ini.readString(s, "Stk2", form.EditStk);
    form.EditLSInfo2 = ini.readString(s, "LSInfo2", form.EditLSInfo);
    const int group = ini.readInteger(s, "GroupIndex", 0);
    form.RGTreiber2 = group > 2 ? 2 : group < 0 ? -1 : group;
    form.CBumdrehen = ini.readBool(s, "Umdrehen", false);
    form.CBT2SkizzeOben = ini.readBool(s, "SkizzeOben", false);

    const std::string voltageText = ini.readString("Spannung", "Volt", "2.83");
    form.EditUe =
        voltageText == "n" || voltageText.empty() || voltageText == "0" ? "2.83" : voltageText;

    s = "Horn";
    form.CBKontur = comboIndex(ini.readInteger(s, "Kontur", 1), ContourItems);
    form.CBPosi = comboIndex(ini.readInteger("Raumposition", "Position", 1), PlacementItems);
    form.EditAbst = ini.readString("Raumposition", "Abstand", "1");
    form.EditInfo = ini.readString(s, "Info", "");
    form.EditAh = ini.readString(s, "Halsfläche", form.EditSd);
    form.Editl1 = ini.readString(s, "Hornlänge", "0");
    form.EditBeta1 = ini.readString(s, "betha1", "0");
    form.EditBeta2 = ini.readString(s, "betha2", "0");
    form.EditH = ini.readString(s, "Mundhöhe", form.EditSd);
    form.EditB = ini.readString(s, "Mundbreite", "1");
    form.EditdL = ini.readString(s, "Differenzlänge", "0");
    form.CBMundGeschl = ini.readBool(s, "MundGeschl", false);
    form.CBTyp = comboIndex(ini.readInteger(s, "Typ", 1), TypeItems);
    form.EditVrk = ini.readString(s, "Rückkammervolumen", form.EditVas);
    form.EditLrk = ini.readString(s, "Lrk", "0");
    form.EditBrk = ini.readString(s, "Brk", "500");
    form.Editfbr = ini.readString(s, "fbr", "0");
    form.EditAbr = ini.readString(s, "Abr", "0");
    form.EditBbr = ini.readString(s, "Bbr", "0");
    form.EditVvk = ini.readString(s, "Vorkammervolumen", "0");
    form.EditLvk = ini.readString(s, "Lvk", "0");
    form.EditBvk = ini.readString(s, "Bvk", "0");
    form.EditxT1 = ini.readString(s, "SP", "0");
    form.CBAK = ini.readBool(s, "AK", false);
    form.EditxAK = ini.readString(s, "AKP", "0");
    form.EditVAK = ini.readString(s, "Vab", "0");
    form.EditfAK = ini.readString(s, "fab", "0");
    form.EditAAT = ini.readString(s, "Aab", "0");
    form.EditBAK = ini.readString(s, "Bab", "0");
    form.CBAKSkizzeOben = ini.readBool(s, "AKSkizzeOben", true);
    form.CBRK2 = ini.readInteger(s, "RK2", 0) != 0;
    form.EditVrk2 = ini.readString(s, "Vrk2", "20");
    form.EditdL2 = ini.readString(s, "dL2", "0");
    form.EditxT2 = ini.readString(s, "TP2", "0");

    s = "ET";
    form.CBET = ini.readBool(s, "ET", false);
    form.EditxET = ini.readString(s, "xET", "0");
    form.EditLET = ini.readString(s, "LET", "0.01");
    form.EditdLET = ini.readString(s, "dLET", "0");
    form.EditAET = ini.readString(s, "AET", "10");
    form.EditBET = ini.readString(s, "BET", "0");
    form.CBETSkizzeOben = ini.readBool(s, "SkizzeOben", true);

    // The plain keys first, then the four named cells over them: "C1", "L2", "L3" and "C4"
    // never reach the grid.
    s = "Frequenzweiche";
    form.CBohneFW = ini.readBool(s, "Ignorieren", false);
    for (int column = 1; column <= 14; ++column) {
        for (int row = 1; row <= 3; ++row) {
            const std::string key = std::string(1, "RCL"[row - 1]) + std::to_string(column);
            form.FWGrid[column][row] = ini.readString(s, key, "");
        }
    }
    form.FWGrid[1][2] = ini.readString(s, "C Hochpass", "");
    form.FWGrid[2][3] = ini.readString(s, "L Hochpass", "");
    form.FWGrid[3][3] = ini.readString(s, "L Tiefpass", "");
    form.FWGrid[4][2] = ini.readString(s, "C Tiefpass", "");

    s = "Achsen";
    for (int i = 1; i <= 9; ++i) {
        const std::string n = std::to_string(i);
        form.CheckListAuto[i - 1] = ini.readBool(s, "auto " + n, true);
        form.MinMaxGrid[0][i - 1] = ini.readString(s, "min " + n, "1");
        form.MinMaxGrid[1][i - 1] = ini.readString(s, "max " + n, "2");
    }
    form.CBAmplTreiber2 = ini.readBool(s, "CBAmplTreiber2", false);
    form.CBPmaxTreiber2 = ini.readBool(s, "CBPmaxTreiber2", false);
    form.OptionGrid[0] = ini.readString(s, "fAufl", "100");
    form.OptionGrid[1] = ini.readString(s, "KAufl", "51");
    form.OptionGrid[2] = ini.readString(s, "LDicke", "1");

    // Positions; a missing size keeps the window's current size; no window above the screen.
    s = "Plotoptionen";
    for (const WindowDefault& window : WindowsRead) {
        const std::string p = window.prefix;
        model::WindowGeometry& g = form.windows[p];
        g.left = ini.readInteger(s, p + "Left", window.left);
        g.top = std::max(0, ini.readInteger(s, p + "Top", window.top));
        g.height = ini.readInteger(s, p + "Height", g.height);
        g.width = ini.readInteger(s, p + "Width", g.width);
    }
    model::WindowGeometry& main = form.windows["Main"];
    main.left = ini.readInteger(s, "MainLeft", 0);
    main.top = std::max(0, ini.readInteger(s, "MainTop", 0));
    for (const StateDefault& state : WindowStates) {
        const std::string p = state.prefix;
        form.windows[p].state = ini.readInteger(s, p + "WS", state.state);
    }
    return read;
}

} // namespace files
