// Tests of the project file: writing order, round trip, defaults and the edge cases of loading.
//
// Golden and sample files live in tests/files/data/:
//   startup.vmx          SaveValues of the start-up FormState into a new file (golden);
//   legacy.vmx           hand-written older project: lower-case names, "C1", "Volt=n", a
//                        negative top, an unknown section and key (sample, Windows-1252);
//   legacy-resaved.vmx   SaveValues of the start-up FormState over legacy.vmx (golden);
//   utf8.vmx             a project converted to UTF-8 (sample).
// To regenerate the golden files after an intended change of the format, run
//   VELMORA_UPDATE_GOLDEN=1 ./files_tests --gtest_filter='ProjectFileGolden.*'
// in the build folder, then review the difference with git diff before committing.
#include "ProjectFile.h"
#include "TempFolder.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace files {
namespace {

using model::FormState;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

const std::string DataFolder = FILES_TEST_DATA;

std::string cp1252(const std::string& utf8) {
    return engine::Utf8ToWindows1252(utf8);
}

bool updatingGolden() {
    return std::getenv("VELMORA_UPDATE_GOLDEN") != nullptr;
}

// Section names and the keys of each, in file order.
std::vector<std::pair<std::string, std::vector<std::string>>> layout(const std::string& bytes) {
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;
    std::istringstream in(engine::Windows1252ToUtf8(bytes));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            sections.push_back({line.substr(1, line.size() - 2), {}});
        else if (line.find('=') != std::string::npos && !sections.empty())
            sections.back().second.push_back(line.substr(0, line.find('=')));
    }
    return sections;
}

// A form in which every stored control differs from its start-up value and from its
// load default, so that a value read from a wrong key or control would show.
FormState variedForm() {
    FormState form;
    std::string FormState::*texts[] = {
        &FormState::EditRdc,   &FormState::Editfs,     &FormState::EditQes,
        &FormState::EditQms,   &FormState::EditVas,    &FormState::EditPmax,
        &FormState::EditSd,    &FormState::EditZ1k,    &FormState::EditZ10k,
        &FormState::EditXmax,  &FormState::EditLSInfo, &FormState::EditUe,
        &FormState::EditRdc2,  &FormState::Editfs2,    &FormState::EditQes2,
        &FormState::EditQms2,  &FormState::EditVas2,   &FormState::EditPmax2,
        &FormState::EditSd2,   &FormState::EditZ1k2,   &FormState::EditZ10k2,
        &FormState::EditXmax2, &FormState::EditStk2,   &FormState::EditLSInfo2,
        &FormState::EditInfo,  &FormState::EditAh,     &FormState::Editl1,
        &FormState::EditBeta1, &FormState::EditBeta2,  &FormState::EditH,
        &FormState::EditB,     &FormState::EditdL,     &FormState::EditxT1,
        &FormState::EditVvk,   &FormState::EditLvk,    &FormState::EditBvk,
        &FormState::EditVrk,   &FormState::EditLrk,    &FormState::EditBrk,
        &FormState::EditAbr,   &FormState::Editfbr,    &FormState::EditBbr,
        &FormState::EditVAK,   &FormState::EditAAT,    &FormState::EditfAK,
        &FormState::EditBAK,   &FormState::EditxAK,    &FormState::EditVrk2,
        &FormState::EditxT2,   &FormState::EditdL2,    &FormState::EditAET,
        &FormState::EditLET,   &FormState::EditBET,    &FormState::EditxET,
        &FormState::EditdLET,  &FormState::EditAbst,
    };
    int n = 0;
    for (auto text : texts)
        form.*text = "1" + std::to_string(++n) + ".5";
    form.EditStk = "3"; // read back as an integer
    form.EditStk2 = "2.5";
    form.EditLSInfo = "Tieftöner № 1 (20 €)"; // "№" has no Windows-1252 byte: stored as "?"
    form.EditInfo = "Hörner, \"lang\" ";
    form.RGTreiber2 = 1;
    form.CBumdrehen = true;
    form.CBT2SkizzeOben = true;
    form.CBKontur = 6;
    form.CBTyp = -1; // no selection survives as 0
    form.CBPosi = 4;
    form.CBMundGeschl = true;
    form.CBAK = true;
    form.CBAKSkizzeOben = false;
    form.CBRK2 = true;
    form.CBET = true;
    form.CBETSkizzeOben = false;
    form.CBohneFW = true;
    for (int column = 1; column <= 14; ++column) {
        for (int row = 1; row <= 3; ++row)
            form.FWGrid[column][row] = std::to_string(column * 10 + row);
    }
    for (int row = 0; row < 9; ++row) {
        form.MinMaxGrid[0][row] = "-" + std::to_string(row);
        form.MinMaxGrid[1][row] = std::to_string(row * 100);
        form.CheckListAuto[row] = row % 2 == 0;
    }
    form.CBAmplTreiber2 = true;
    form.CBPmaxTreiber2 = true;
    form.OptionGrid = {"169", "101", "2"};
    int k = 0;
    for (auto& [name, window] : form.windows) {
        ++k;
        window = {-10 * k, 7 * k, 200 + k, 300 + k, k % 3};
    }
    form.windows["Main"] = {-3, 4, 0, 0, 0}; // size and state are not stored
    return form;
}

FormState loadProject(const std::string& path, FormState form = FormState()) {
    ProjectFile::LoadDriver1Values(path, form);
    ProjectFile::LoadOtherValues(path, form);
    return form;
}

class ProjectFileTest : public ::testing::Test {
protected:
    TempFolder folder;

    // Writes a project file from UTF-8 text stored as Windows-1252.
    std::string project(const std::string& utf8, const std::string& name = "p.vmx") {
        const std::string path = folder.file(name);
        writeBytes(path, cp1252(utf8));
        return path;
    }
};

TEST_F(ProjectFileTest, StartUpSaveHasNineSectionsInOrderWithKonturFirstInHorn) {
    const std::string path = folder.file("new.vmx");
    ASSERT_EQ(ProjectFile::SaveValues(path, FormState()), "");
    const auto sections = layout(readBytes(path));
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"Lautsprecher", 12},   {"Treiber2", 15},    {"Spannung", 1},
        {"Horn", 32},           {"Raumposition", 2}, {"ET", 7},
        {"Frequenzweiche", 43}, {"Achsen", 32},      {"Plotoptionen", 46}};
    ASSERT_EQ(sections.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(sections[i].first, expected[i].first);
        EXPECT_EQ(sections[i].second.size(), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(sections[3].second.front(), "Kontur");
    EXPECT_EQ(sections[3].second[1], "Info");
    EXPECT_EQ(sections[4].second, (std::vector<std::string>{"Position", "Abstand"}));
    const std::vector<std::string> crossoverStart = {
        "Ignorieren", "R1",         "C Hochpass", "L1",         "R2", "C2", "L Hochpass", "R3",
        "C3",         "L Tiefpass", "R4",         "C Tiefpass", "L4", "R5", "C5"};
    EXPECT_EQ(std::vector<std::string>(sections[6].second.begin(), sections[6].second.begin() + 15),
              crossoverStart);
    EXPECT_EQ(sections[7].second[0], "auto 1");
    EXPECT_EQ(sections[7].second[2], "max 1");
    EXPECT_EQ(sections[8].second[0], "AreaLeft");
    EXPECT_EQ(sections[8].second[36], "MainLeft");
    EXPECT_EQ(sections[8].second[38], "ZelWS");
    EXPECT_EQ(sections[8].second[45], "PhiaWS");
    // The umlaut keys are single Windows-1252 bytes.
    EXPECT_NE(readBytes(path).find("\r\nHalsfl\xE4"
                                   "che=50\r\n"),
              std::string::npos);
}

TEST_F(ProjectFileTest, RoundTripKeepsEveryValueAndTheBytes) {
    const FormState form = variedForm();
    const std::string first = folder.file("first.vmx");
    const std::string second = folder.file("second.vmx");
    ASSERT_EQ(ProjectFile::SaveValues(first, form), "");
    FormState loaded = loadProject(first);

    FormState expected = form;
    expected.EditLSInfo = "Tieftöner ? 1 (20 €)";
    expected.CBTyp = -1;
    expected.windows["Param"].state = FormState().windows.at("Param").state; // not stored
    EXPECT_TRUE(loaded == expected);
    EXPECT_EQ(loaded.EditInfo, form.EditInfo);
    EXPECT_EQ(loaded.EditStk2, "2.5");
    EXPECT_EQ(loaded.FWGrid, form.FWGrid);
    EXPECT_EQ(loaded.windows.at("SPL").top, form.windows.at("SPL").top);

    ASSERT_EQ(ProjectFile::SaveValues(second, loaded), "");
    EXPECT_EQ(readBytes(second), readBytes(first));
    // Saving the same state over the file again changes nothing.
    ASSERT_EQ(ProjectFile::SaveValues(first, loaded), "");
    EXPECT_EQ(readBytes(second), readBytes(first));
}

TEST_F(ProjectFileTest, FileWithOnlyDriverSectionLoadsTheDefaultChains) {
    const std::string path = project("[Lautsprecher]\r\n"
                                     "Gleichstromwiderstand=6\r\n"
                                     "Äquivalentvolumen=45\r\n"
                                     "Membranfläche=330\r\n"
                                     "LSInfo=Bass\r\n");
    FormState start;
    start.windows["SPL"].height = 333;
    const FormState form = loadProject(path, start);

    EXPECT_EQ(form.EditRdc, "6");
    EXPECT_EQ(form.Editfs, "100");
    EXPECT_EQ(form.EditQes, "0.71");
    EXPECT_EQ(form.EditZ1k, "6"); // the impedances default to the resistance just read
    EXPECT_EQ(form.EditZ10k, "6");
    EXPECT_EQ(form.EditStk, "1");
    // Driver 2 is a copy of driver 1.
    const std::pair<std::string, std::string> copies[] = {
        {form.EditRdc2, form.EditRdc},   {form.Editfs2, form.Editfs},
        {form.EditQes2, form.EditQes},   {form.EditQms2, form.EditQms},
        {form.EditVas2, form.EditVas},   {form.EditPmax2, form.EditPmax},
        {form.EditSd2, form.EditSd},     {form.EditZ1k2, form.EditZ1k},
        {form.EditZ10k2, form.EditZ10k}, {form.EditXmax2, form.EditXmax},
        {form.EditStk2, form.EditStk},   {form.EditLSInfo2, form.EditLSInfo}};
    for (const auto& [driver2, driver1] : copies)
        EXPECT_EQ(driver2, driver1);
    EXPECT_EQ(form.EditLSInfo2, "Bass");
    EXPECT_EQ(form.RGTreiber2, 0);
    EXPECT_EQ(form.EditUe, "2.83");
    EXPECT_EQ(form.CBKontur, 0);
    EXPECT_EQ(form.CBTyp, 0);
    EXPECT_EQ(form.CBPosi, 0);
    EXPECT_EQ(form.EditAbst, "1");
    EXPECT_EQ(form.EditAh, "330"); // throat area and mouth height take the cone area
    EXPECT_EQ(form.EditH, "330");
    EXPECT_EQ(form.EditVrk, "45"); // rear chamber takes the equivalent volume
    EXPECT_EQ(form.Editl1, "0");
    EXPECT_EQ(form.EditB, "1");
    EXPECT_EQ(form.EditBrk, "500");
    EXPECT_EQ(form.EditVrk2, "20");
    EXPECT_TRUE(form.CBAKSkizzeOben);
    EXPECT_FALSE(form.CBRK2);
    EXPECT_EQ(form.EditLET, "0.01");
    EXPECT_EQ(form.EditAET, "10");
    EXPECT_TRUE(form.CBETSkizzeOben);
    EXPECT_EQ(form.FWGrid[1][1], "");
    EXPECT_EQ(form.MinMaxGrid[0][4], "1");
    EXPECT_EQ(form.MinMaxGrid[1][8], "2");
    EXPECT_TRUE(form.CheckListAuto[8]);
    EXPECT_EQ(form.OptionGrid, (std::array<std::string, 3>{"100", "51", "1"}));
    EXPECT_EQ(form.windows.at("Area").left, 520);
    EXPECT_EQ(form.windows.at("Area").top, 140);
    EXPECT_EQ(form.windows.at("Param").top, 360);
    EXPECT_EQ(form.windows.at("SPL").height, 333); // missing size keeps the current size
    EXPECT_EQ(form.windows.at("Zel").state, 0);
    EXPECT_EQ(form.windows.at("Phia").state, 1);
}

TEST_F(ProjectFileTest, MissingFileOrFolderLoadsAllDefaults) {
    for (const std::string& path : {folder.file("missing.vmx"), folder.path().string()}) {
        SCOPED_TRACE(path);
        FormState form = variedForm();
        EXPECT_FALSE(ProjectFile::LoadDriver1Values(path, form));
        EXPECT_FALSE(ProjectFile::LoadOtherValues(path, form));
        EXPECT_EQ(form.EditRdc, "8");
        EXPECT_EQ(form.Editfs, "100");
        EXPECT_EQ(form.EditZ1k, "8");
        EXPECT_EQ(form.EditSd, "200");
        EXPECT_EQ(form.EditAh, "200");
        EXPECT_EQ(form.EditVrk, "60");
        EXPECT_EQ(form.EditRdc2, "8");
        EXPECT_EQ(form.EditInfo, "");
        EXPECT_EQ(form.CBKontur, 0);
        EXPECT_EQ(form.windows.at("SPL").top, 60);
    }
}

TEST_F(ProjectFileTest, VoltageRule) {
    const std::pair<std::string, std::string> cases[] = {
        {"Volt=n\r\n", "2.83"},   {"Volt=\r\n", "2.83"}, {"Volt=0\r\n", "2.83"},
        {"Volt= 0 \r\n", "2.83"}, {"", "2.83"},          {"Volt=12\r\n", "12"},
        {"Volt=0.0\r\n", "0.0"},  {"Volt=N\r\n", "N"},   {"volt=4\r\n", "4"}};
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        FormState form;
        ProjectFile::LoadOtherValues(project("[Spannung]\r\n" + line), form);
        EXPECT_EQ(form.EditUe, expected);
    }
}

TEST_F(ProjectFileTest, ComboAndRadioIndices) {
    struct Case {
        std::string lines;
        int contour, type, placement, group;
    };
    const Case cases[] = {
        {"[Horn]\r\nKontur=3\r\n", 2, 0, 0, 0},
        {"[Horn]\r\nKontur=0\r\n", -1, 0, 0, 0},
        {"[Horn]\r\nKontur=7\r\nTyp=2\r\n[Raumposition]\r\nPosition=5\r\n", 6, 1, 4, 0},
        {"[Horn]\r\nKontur=8\r\nTyp=3\r\n[Raumposition]\r\nPosition=6\r\n", -1, -1, -1, 0},
        {"[Horn]\r\nKontur=-1\r\nTyp=0\r\n[Raumposition]\r\nPosition=0\r\n", -1, -1, -1, 0},
        {"[Horn]\r\nKontur=zwei\r\nTyp=2.0\r\n", 0, 0, 0, 0},
        {"[Horn]\r\nKontur=0x3\r\n", 2, 0, 0, 0},
        {"[Treiber2]\r\nGroupIndex=1\r\n", 0, 0, 0, 1},
        {"[Treiber2]\r\nGroupIndex=2\r\n", 0, 0, 0, 2},
        {"[Treiber2]\r\nGroupIndex=5\r\n", 0, 0, 0, 2},
        {"[Treiber2]\r\nGroupIndex=-3\r\n", 0, 0, 0, -1},
        {"[Treiber2]\r\nGroupIndex=x\r\n", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        FormState form;
        ProjectFile::LoadOtherValues(project(c.lines), form);
        EXPECT_EQ(form.CBKontur, c.contour);
        EXPECT_EQ(form.CBTyp, c.type);
        EXPECT_EQ(form.CBPosi, c.placement);
        EXPECT_EQ(form.RGTreiber2, c.group);
    }
}

TEST_F(ProjectFileTest, DriverCounts) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // file lines, EditStk, EditStk2
        {"[Lautsprecher]\r\nAnzahl der Chassis=2.5\r\n[Treiber2]\r\nStk2=2.5\r\n", "1", "2.5"},
        {"[Lautsprecher]\r\nAnzahl der Chassis=2\r\n", "2", "2"},
        {"[Lautsprecher]\r\nAnzahl der Chassis=$10\r\n", "16", "16"},
        {"[Lautsprecher]\r\nAnzahl der Chassis=\r\n[Treiber2]\r\nStk2=\r\n", "1", ""},
        {"[Lautsprecher]\r\nAnzahl der Chassis=-2\r\n", "-2", "-2"},
    };
    for (const auto& [lines, count1, count2] : cases) {
        SCOPED_TRACE(lines);
        const FormState form = loadProject(project(lines));
        EXPECT_EQ(form.EditStk, count1);
        EXPECT_EQ(form.EditStk2, count2);
    }
}

TEST_F(ProjectFileTest, WindowPlacement) {
    FormState start;
    start.windows["SPL"] = {1, 2, 250, 410, 0};
    start.windows["Zel"] = {1, 2, 251, 411, 0};
    FormState form = start;
    ProjectFile::LoadOtherValues(project("[Plotoptionen]\r\n"
                                         "SPLTop=-40\r\n"
                                         "SPLLeft=-40\r\n"
                                         "SPLWidth=abc\r\n"
                                         "ZelHeight=300\r\n"
                                         "MainTop=-5\r\n"
                                         "MainLeft=-7\r\n"
                                         "AuslWS=2\r\n"
                                         "ParamTop=-1\r\n"),
                                 form);
    EXPECT_EQ(form.windows.at("SPL").top, 0);
    EXPECT_EQ(form.windows.at("SPL").left, -40);
    EXPECT_EQ(form.windows.at("SPL").width, 410); // unreadable size keeps the current one
    EXPECT_EQ(form.windows.at("SPL").height, 250);
    EXPECT_EQ(form.windows.at("Zel").height, 300);
    EXPECT_EQ(form.windows.at("Zel").width, 411);
    EXPECT_EQ(form.windows.at("Zel").left, 480);
    EXPECT_EQ(form.windows.at("Main").top, 0);
    EXPECT_EQ(form.windows.at("Main").left, -7);
    EXPECT_EQ(form.windows.at("Ausl").state, 2);
    EXPECT_EQ(form.windows.at("SPLmax").state, 1);
    EXPECT_EQ(form.windows.at("Param").top, 0);
    EXPECT_EQ(form.windows.at("Param").left, 0);
}

TEST_F(ProjectFileTest, NamedCrossoverCellsWinOverPlainKeys) {
    const std::string path = project("[Frequenzweiche]\r\n"
                                     "C1=4.7\r\n"
                                     "R1=3.3\r\n"
                                     "L2=1\r\n"
                                     "L Hochpass=0.5\r\n"
                                     "C4=9\r\n"
                                     "C Tiefpass=10\r\n"
                                     "L14=2.2\r\n"
                                     "Ignorieren=1\r\n");
    FormState form;
    ProjectFile::LoadOtherValues(path, form);
    EXPECT_EQ(form.FWGrid[1][2], ""); // "C1" is never effective, "C Hochpass" is missing
    EXPECT_EQ(form.FWGrid[1][1], "3.3");
    EXPECT_EQ(form.FWGrid[2][3], "0.5");
    EXPECT_EQ(form.FWGrid[3][3], "");
    EXPECT_EQ(form.FWGrid[4][2], "10");
    EXPECT_EQ(form.FWGrid[14][3], "2.2");
    EXPECT_TRUE(form.CBohneFW);

    // Saving over the file keeps the "C1" line and still does not make it effective.
    form.FWGrid[1][2] = "6.8";
    ASSERT_EQ(ProjectFile::SaveValues(path, form), "");
    const std::string bytes = readBytes(path);
    EXPECT_NE(bytes.find("\r\nC1=4.7\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nC Hochpass=6.8\r\n"), std::string::npos);
    FormState reloaded;
    ProjectFile::LoadOtherValues(path, reloaded);
    EXPECT_EQ(reloaded.FWGrid[1][2], "6.8");
}

TEST_F(ProjectFileTest, KeysMatchRegardlessOfCaseButUmlautsMustBeWindows1252) {
    FormState lower = loadProject(project("[lautsprecher]\r\nmembranfläche=250\r\n"
                                          "[HORN]\r\nhalsfläche=33\r\nMUNDHÖHE=44\r\n"));
    EXPECT_EQ(lower.EditSd, "250");
    EXPECT_EQ(lower.EditAh, "33");
    EXPECT_EQ(lower.EditH, "44");

    const FormState utf8 = loadProject(DataFolder + "/utf8.vmx");
    EXPECT_EQ(utf8.EditRdc, "4");  // plain ASCII keys are found
    EXPECT_EQ(utf8.EditVas, "60"); // "Äquivalentvolumen" does not match: default
    EXPECT_EQ(utf8.EditSd, "200"); // "Membranfläche": default
    EXPECT_EQ(utf8.CBKontur, 1);
    EXPECT_EQ(utf8.EditAh, "200"); // "Halsfläche": default, the cone area
    EXPECT_EQ(utf8.EditH, "200");  // "Mundhöhe": default, the cone area
    EXPECT_EQ(utf8.EditVrk, "60"); // "Rückkammervolumen": default, the equivalent volume
    EXPECT_EQ(utf8.Editl1, "0");   // "Hornlänge": default
    EXPECT_EQ(utf8.EditB, "12");
    // Values are read as Windows-1252, so UTF-8 text arrives as two characters per umlaut.
    EXPECT_EQ(utf8.EditInfo, engine::Windows1252ToUtf8("Gr\xC3\xB6\xC3\x9F"
                                                       "e"));
}

TEST_F(ProjectFileTest, DriverTwoTakesTheDriverSectionWithItsOwnDefaults) {
    const std::string path = project("[Lautsprecher]\r\n"
                                     "Gleichstromwiderstand=5.6\r\n"
                                     "Freiluftresonanzfrequenz=33\r\n"
                                     "Anzahl der Chassis=2.5\r\n"
                                     "[Treiber2]\r\n"
                                     "Rdc2=99\r\nZ1k2=98\r\nfs2=97\r\n");
    FormState form = variedForm();
    const FormState before = form;
    EXPECT_TRUE(ProjectFile::LoadDriver2Values(path, form));
    EXPECT_EQ(form.EditRdc2, "5.6");
    EXPECT_EQ(form.Editfs2, "33");
    EXPECT_EQ(form.EditZ1k2, "5.6"); // this driver's own resistance, not driver 1's
    EXPECT_EQ(form.EditZ10k2, "5.6");
    EXPECT_EQ(form.EditQes2, "0.71");
    EXPECT_EQ(form.EditVas2, "60");
    EXPECT_EQ(form.EditSd2, "200");
    EXPECT_EQ(form.EditXmax2, "2");
    EXPECT_EQ(form.EditStk2, "1");
    EXPECT_EQ(form.EditLSInfo2, "");
    // Driver 1, the driver-2 choice and the rest stay as they were.
    FormState rest = form;
    rest.EditRdc2 = before.EditRdc2;
    rest.Editfs2 = before.Editfs2;
    rest.EditQes2 = before.EditQes2;
    rest.EditQms2 = before.EditQms2;
    rest.EditVas2 = before.EditVas2;
    rest.EditPmax2 = before.EditPmax2;
    rest.EditSd2 = before.EditSd2;
    rest.EditZ1k2 = before.EditZ1k2;
    rest.EditZ10k2 = before.EditZ10k2;
    rest.EditXmax2 = before.EditXmax2;
    rest.EditStk2 = before.EditStk2;
    rest.EditLSInfo2 = before.EditLSInfo2;
    EXPECT_TRUE(rest == before);
}

TEST_F(ProjectFileTest, DamagedFilesLoadWithoutHarm) {
    // Truncated in the middle of a key of section Horn: what stands before is read.
    std::string bytes = readBytes(DataFolder + "/startup.vmx");
    ASSERT_FALSE(bytes.empty());
    const std::size_t cut = bytes.find("Hornl");
    ASSERT_NE(cut, std::string::npos);
    writeBytes(folder.file("cut.vmx"), bytes.substr(0, cut + 3));
    FormState start;
    start.EditAh = "x";
    const FormState cutForm = loadProject(folder.file("cut.vmx"), start);
    EXPECT_EQ(cutForm.EditAh, "50");
    EXPECT_EQ(cutForm.Editl1, "0");
    EXPECT_EQ(cutForm.windows.at("SPL").top, 60);

    // Junk bytes: no crash, everything read is text.
    std::string junk;
    for (int i = 0; i < 200000; ++i)
        junk.push_back(static_cast<char>((i * 7919) % 251));
    writeBytes(folder.file("junk.vmx"), junk);
    FormState junkForm;
    EXPECT_TRUE(ProjectFile::LoadDriver1Values(folder.file("junk.vmx"), junkForm));
    EXPECT_TRUE(ProjectFile::LoadOtherValues(folder.file("junk.vmx"), junkForm));
    EXPECT_EQ(junkForm.EditRdc, "8");

    // A 10 000-character info line is cut to 2047 characters.
    const std::string longInfo(10000, 'i');
    FormState longForm;
    ProjectFile::LoadOtherValues(project("[Horn]\r\nInfo=" + longInfo + "\r\nKontur=2\r\n"),
                                 longForm);
    EXPECT_EQ(longForm.EditInfo, std::string(2047, 'i'));
    EXPECT_EQ(longForm.CBKontur, 1);
}

TEST_F(ProjectFileTest, FailedSaveNamesTheFileAndKeepsTheOldOne) {
    writeBytes(folder.file("file-as-dir"), "x");
    const std::string impossible = folder.file("file-as-dir") + "/p.vmx";
    std::string error = ProjectFile::SaveValues(impossible, FormState());
    EXPECT_NE(error.find(impossible), std::string::npos) << error;

    const std::string readOnly = project("[Lautsprecher]\r\nGleichstromwiderstand=4\r\n");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    error = ProjectFile::SaveValues(readOnly, FormState());
    EXPECT_NE(error.find(readOnly), std::string::npos) << error;
    EXPECT_EQ(readBytes(readOnly), "[Lautsprecher]\r\nGleichstromwiderstand=4\r\n");

    error = ProjectFile::SaveValues(folder.path().string(), FormState());
    EXPECT_NE(error.find(folder.path().string()), std::string::npos) << error;
}

// Golden files: see the comment at the top of this file for how to regenerate them.
class ProjectFileGolden : public ProjectFileTest {
protected:
    void expectGolden(const std::string& actual, const std::string& name) {
        const std::string path = DataFolder + "/" + name;
        if (updatingGolden()) {
            writeBytes(path, actual);
            return;
        }
        EXPECT_EQ(actual, readBytes(path)) << "differs from " << path;
    }
};

TEST_F(ProjectFileGolden, StartUpSave) {
    const std::string path = folder.file("new.vmx");
    ASSERT_EQ(ProjectFile::SaveValues(path, FormState()), "");
    expectGolden(readBytes(path), "startup.vmx");
}

TEST_F(ProjectFileGolden, LegacyFileLoadsAndKeepsItsOtherLinesOnSave) {
    const std::string path = folder.file("legacy.vmx");
    writeBytes(path, readBytes(DataFolder + "/legacy.vmx"));
    const FormState form = loadProject(path);
    EXPECT_EQ(form.EditRdc, "6.4");
    EXPECT_EQ(form.Editfs, "42");
    EXPECT_EQ(form.EditQes, "0.4");
    EXPECT_EQ(form.EditZ1k, "6.4");
    EXPECT_EQ(form.EditStk, "2");
    EXPECT_EQ(form.EditLSInfo, "  Old driver  ");
    EXPECT_EQ(form.CBKontur, 2);
    EXPECT_EQ(form.EditAh, "80");
    EXPECT_EQ(form.EditH, "320");
    EXPECT_EQ(form.Editl1, "2.4");
    EXPECT_EQ(form.FWGrid[1][1], "3.3");
    EXPECT_EQ(form.FWGrid[1][2], "");
    EXPECT_EQ(form.EditUe, "2.83");
    EXPECT_EQ(form.windows.at("SPL").top, 0);
    EXPECT_EQ(form.windows.at("SPL").left, -40);

    ASSERT_EQ(ProjectFile::SaveValues(path, FormState()), "");
    const std::string saved = readBytes(path);
    for (const char* kept :
         {"; Saved by an older version\r\n", "\r\nKorrekturdatei=c:\\old\\k.txt\r\n",
          "\r\nC1=4.7\r\n", "\r\n[Eigene]\r\nNotiz=bleibt\r\n",
          "\r\n[lautsprecher]\r\ngleichstromwiderstand=8\r\n", "\r\nkontur=1\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
    expectGolden(saved, "legacy-resaved.vmx");
}

} // namespace
} // namespace files
