// Golden files of the contour list and the response table, and the .bak rule of the writers.
//
// The reference tables lie in tests/engine/data/<case>.contour.txt and <case>.data.txt. After
// an intended change of the results, regenerate them by running the test with the variable
// VELMORA_UPDATE_GOLDEN=1 set, for example
//     VELMORA_UPDATE_GOLDEN=1 build/tests/engine/engine_tests --gtest_filter='Golden*'
// which writes the files instead of comparing; review the diff before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "EngineTestInputs.h"
#include "ModelConstants.h"
#include "NumberFormat.h"
#include "Simulation.h"
#include "TableFiles.h"

namespace {

namespace fs = std::filesystem;
using enginetest::FormInput;
using enginetest::SetCrossover;

struct GoldenCase {
    const char* name;
    std::function<void(model::FormState&)> edit;
    bool driver2Present;
};

std::vector<GoldenCase> goldenCases() {
    return {
        {"frontloaded_defaults", [](model::FormState&) {}, false},
        {"rearloaded_tractrix_driver2_list_turnover",
         [](model::FormState& s) {
             s.CBTyp = 1;
             s.CBKontur = 6;
             s.EditAh = "200";
             s.EditH = "40";
             s.EditB = "40";
             s.Editl1 = "0.8";
             s.CBPosi = 0; // "Free": weights between 0.5 and 0.8
             s.EditAbst = "2";
             s.EditdL = "0.5";
             s.RGTreiber2 = 2;
             s.CBumdrehen = true;
             s.EditStk2 = "2";
             s.EditRdc2 = "6";
             s.Editfs2 = "35";
             s.EditQes2 = "0.4";
             s.EditQms2 = "3";
             s.EditVas2 = "80";
             s.EditSd2 = "300";
             s.EditZ1k2 = "9";
             s.EditZ10k2 = "25";
             s.EditXmax2 = "4";
             s.EditPmax2 = "60";
             s.EditxT2 = "0.5";
             s.EditdL2 = "0.3";
             s.OptionGrid[1] = "11";
         },
         true},
        {"absorber_tunnel_crossover",
         [](model::FormState& s) {
             s.CBKontur = 3;
             s.CBPosi = 1; // "Floor": PF 2
             s.EditZ1k = "10";
             s.EditZ10k = "30";
             s.EditxT1 = "0.12";
             s.EditAbr = "50";
             s.Editfbr = "50";
             s.EditBbr = "2";
             s.CBAK = true;
             s.EditVAK = "4";
             s.EditAAT = "12";
             s.EditfAK = "120";
             s.EditBAK = "2";
             s.EditxAK = "0.6";
             s.CBET = true;
             s.EditAET = "15";
             s.EditLET = "0.05";
             s.EditxET = "0.9";
             s.EditdLET = "0.2";
             s.RGTreiber2 = 1;
             s.CBRK2 = true;
             s.EditVrk2 = "10";
             s.EditxT2 = "0.6";
             SetCrossover(s, 1, "", "", "1");
             SetCrossover(s, 2, "", "22", "");
             SetCrossover(s, 5, "6", "15", "0.4"); // trap: R, C and L in parallel
             SetCrossover(s, 7, "3", "10", "");    // series trap: three branches in parallel
             SetCrossover(s, 8, "", "", "0.2");
             SetCrossover(s, 9, "12", "", "");
             SetCrossover(s, 11, "", "4.7", "");
             SetCrossover(s, 12, "", "", "0.33");
             s.OptionGrid[0] = "60";
         },
         true},
        {"corner_conical_mouth_closed",
         [](model::FormState& s) {
             s.CBKontur = 1;
             s.CBPosi = 4;
             s.CBMundGeschl = true;
             s.EditVvk = "2";
             s.EditLvk = "0.1";
             s.EditBeta1 = "1";
             s.EditBeta2 = "3";
             s.OptionGrid[0] = "40";
             s.OptionGrid[1] = "2";
             s.CheckListAuto[8] = false;
             s.MinMaxGrid[0][8] = "20";
             s.MinMaxGrid[1][8] = "5000";
         },
         false},
    };
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool updating() {
    const char* flag = std::getenv("VELMORA_UPDATE_GOLDEN");
    return flag != nullptr && std::string(flag) == "1";
}

// The lines of a table without their CR LF; fails when a line ends otherwise.
std::vector<std::string> crlfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "last line without CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "bare LF in " << line;
        EXPECT_EQ(line.find('\r'), std::string::npos) << "bare CR in " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

class GoldenTables : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTables, ContourAndDataTables) {
    const GoldenCase& c = GetParam();
    const engine::SimulationResult r = engine::Simulate(FormInput(c.edit));
    ASSERT_FALSE(r.refused);

    // The layout, checked on every run whatever the reference holds.
    const std::vector<std::string> contour = crlfLines(r.contourTable);
    ASSERT_FALSE(contour.empty());
    EXPECT_EQ(contour[0], "x [m]\tA [cm\xB2]\tH [cm]\tr [cm]"); // "²" as the byte 0xB2
    for (size_t i = 1; i < contour.size(); ++i)
        EXPECT_EQ(fieldsOf(contour[i]).size(), 4u) << contour[i];
    const std::vector<std::string> data = crlfLines(r.dataTable);
    ASSERT_EQ(static_cast<int>(data.size()), 2 + r.pointCount);
    EXPECT_EQ(data[0], "f\tSPL\tZel\tx1\tSPLmax\tPmax\tZreal\tZimag\tx2\tPmax2\tPhi_a");
    EXPECT_EQ(data[1], "[Hz]\t[dB]\t[Ohm]\t[mm]\t[dB]\t[W]\t\t\t[mm]\t[W]\t[\xB0]"); // 0xB0
    for (size_t i = 2; i < data.size(); ++i) {
        const std::vector<std::string> f = fieldsOf(data[i]);
        ASSERT_EQ(f.size(), 11u) << data[i];
        EXPECT_EQ(f[8].empty(), !c.driver2Present) << data[i];
        EXPECT_EQ(f[9].empty(), !c.driver2Present) << data[i];
        // The frequency column is the grid itself.
        EXPECT_EQ(f[0], engine::FormatPicture(r.rows.f[i - 2], "0.00")) << i;
        EXPECT_EQ(f[3].size(), f[3][0] == '-' ? 9u : 8u) << f[3]; // d.ddE±dd
    }

    const fs::path folder(VELMORA_TEST_DATA);
    const fs::path contourFile = folder / (std::string(c.name) + ".contour.txt");
    const fs::path dataFile = folder / (std::string(c.name) + ".data.txt");
    if (updating()) {
        fs::create_directories(folder);
        writeBytes(contourFile, r.contourTable);
        writeBytes(dataFile, r.dataTable);
        GTEST_SKIP() << "golden files written: " << contourFile << ", " << dataFile;
    }
    ASSERT_TRUE(fs::exists(contourFile)) << contourFile << " (set VELMORA_UPDATE_GOLDEN=1)";
    ASSERT_TRUE(fs::exists(dataFile)) << dataFile << " (set VELMORA_UPDATE_GOLDEN=1)";
    EXPECT_EQ(r.contourTable, readBytes(contourFile)) << c.name;
    EXPECT_EQ(r.dataTable, readBytes(dataFile)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTables, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& p) {
                             return std::string(p.param.name);
                         });

// A fresh folder under the system's temporary folder, removed again at the end.
class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : m_path(fs::temp_directory_path() /
                 ("velmora-enginetest-" + name + "-" + std::to_string(std::random_device()()))) {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

TEST(TableFiles, TwoWritesKeepTheFirstAsBak) {
    TempFolder dir("bak");
    const std::string folder = dir.path().string();
    EXPECT_EQ(engine::WriteTableWithBackup(folder, "contour", "first\r\n"), "");
    EXPECT_EQ(readBytes(dir.path() / "contour.txt"), "first\r\n");
    EXPECT_FALSE(fs::exists(dir.path() / "contour.bak"));
    EXPECT_EQ(engine::WriteTableWithBackup(folder, "contour", "second\r\n\xB2"), "");
    EXPECT_EQ(readBytes(dir.path() / "contour.txt"), "second\r\n\xB2"); // bytes as given
    EXPECT_EQ(readBytes(dir.path() / "contour.bak"), "first\r\n");
    EXPECT_EQ(engine::WriteTableWithBackup(folder, "contour", "third"), "");
    EXPECT_EQ(readBytes(dir.path() / "contour.bak"), "second\r\n\xB2");
    EXPECT_EQ(readBytes(dir.path() / "contour.txt"), "third");
}

TEST(TableFiles, RunTablesWrittenWithTheirBackups) {
    TempFolder dir("run");
    const engine::SimulationResult first = engine::Simulate(FormInput());
    const engine::SimulationResult second =
        engine::Simulate(FormInput([](model::FormState& s) { s.CBKontur = 2; }));
    const std::string folder = dir.path().string();
    EXPECT_EQ(engine::WriteRunTables(folder, first.contourTable, first.dataTable), "");
    EXPECT_EQ(engine::WriteRunTables(folder, second.contourTable, second.dataTable), "");
    EXPECT_EQ(readBytes(dir.path() / "contour.txt"), second.contourTable);
    EXPECT_EQ(readBytes(dir.path() / "data.txt"), second.dataTable);
    EXPECT_EQ(readBytes(dir.path() / "contour.bak"), first.contourTable);
    EXPECT_EQ(readBytes(dir.path() / "data.bak"), first.dataTable);
}

TEST(TableFiles, MissingFolderIsReported) {
    TempFolder dir("missing");
    const std::string folder = (dir.path() / "no" / "such").string();
    const std::string reason = engine::WriteRunTables(folder, "a", "b");
    EXPECT_NE(reason.find("contour.txt"), std::string::npos) << reason;
    EXPECT_NE(reason.find("data.txt"), std::string::npos) << reason;
    EXPECT_FALSE(fs::exists(folder));
}

} // namespace
