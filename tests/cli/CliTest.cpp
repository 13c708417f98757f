// Runs the real velmora-sim binary on small projects and checks its files and exit statuses.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifdef VELMORA_WITH_PICTURES
#include <QColor>
#include <QImage>
#endif

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("velmora-cli-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    Outcome sim(const std::string& args) {
        const fs::path out = m_dir / "stdout.txt";
        const fs::path err = m_dir / "stderr.txt";
        const std::string command = std::string(VELMORA_SIM) + " " + args + " >" + out.string() +
                                    " 2>" + err.string();
        const int raw = std::system(command.c_str());
        Outcome o;
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.out = readFile(out);
        o.err = readFile(err);
        return o;
    }

    // A project: the start-up save with some lines replaced ("key=value" → "key=new").
    fs::path project(const std::string& name,
                     const std::vector<std::pair<std::string, std::string>>& replacements) {
        const fs::path path = m_dir / name;
        EXPECT_EQ(sim("new " + path.string()).status, 0);
        std::string bytes = readFile(path);
        for (const auto& [from, to] : replacements) {
            const size_t at = bytes.find("\r\n" + from + "\r\n");
            EXPECT_NE(at, std::string::npos) << from;
            if (at != std::string::npos)
                bytes.replace(at + 2, from.size(), to);
        }
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path m_dir;
};

TEST_F(CliTest, HelpDocumentsCommandsAndExitStatuses) {
    const Outcome o = sim("--help");
    EXPECT_EQ(o.status, 0);
    for (const char* text : {"run", "check", "new", "Exit status", "3 the input check", "4 the run"})
        EXPECT_NE(o.out.find(text), std::string::npos) << text;
}

TEST_F(CliTest, BadArgumentsAndUnreadablePathsGiveStatus2) {
    EXPECT_EQ(sim("").status, 2);
    EXPECT_EQ(sim("frobnicate").status, 2);
    EXPECT_EQ(sim("run").status, 2); // no --out
    EXPECT_EQ(sim("run " + (m_dir / "missing.vmx").string() + " --out " + m_dir.string()).status, 2);
    EXPECT_EQ(sim("run " + m_dir.string() + " --out " + (m_dir / "o").string()).status, 2);
    EXPECT_EQ(sim("check").status, 2);
    EXPECT_EQ(sim("new " + (m_dir / "no" / "such" / "folder" / "x.vmx").string()).status, 2);
    const Outcome solver = sim("run --out " + m_dir.string() + " --solver magic");
    EXPECT_EQ(solver.status, 2);
    EXPECT_NE(solver.err.find("magic"), std::string::npos);
}

TEST_F(CliTest, CheckPrintsEveryControlThenMessagesThenValidity) {
    const fs::path p = project("p.vmx", {{"Gleichstromwiderstand=8", "Gleichstromwiderstand=6,5"}});
    const Outcome o = sim("check " + p.string());
    ASSERT_EQ(o.status, 0);
    for (const char* line :
         {"EditRdc=6.5\n", "CBKontur=0\n", "CBAK=0\n", "FWGrid[3,1]=\n", "MinMaxGrid[0,8]=0\n",
          "CheckListAuto[8]=1\n", "OptionGrid[1,0]=100\n", "RGTreiber2=0\n"})
        EXPECT_NE(o.out.find(line), std::string::npos) << line;
    EXPECT_EQ(o.out.substr(o.out.size() - 14), "InputsValid=1\n");
}

TEST_F(CliTest, RunWritesTablesWithBackupAndReport) {
    const fs::path p = project("p.vmx", {});
    const fs::path out = m_dir / "out";
    ASSERT_EQ(sim("run " + p.string() + " --out " + out.string()).status, 0);
    const std::string data = readFile(out / "data.txt");
    EXPECT_EQ(data.rfind("f\tSPL\tZel\tx1\tSPLmax\tPmax\tZreal\tZimag\tx2\tPmax2\tPhi_a\r\n", 0), 0u);
    EXPECT_EQ(readFile(out / "contour.txt").rfind("x [m]\tA [cm\xB2]", 0), 0u);
    const std::string report = readFile(out / "report.txt");
    EXPECT_NE(report.find("Cms = 1.058 mm/N\r\n"), std::string::npos);
    EXPECT_NE(report.find("Vtot = "), std::string::npos);
    EXPECT_FALSE(fs::exists(out / "data.bak"));
    ASSERT_EQ(sim("run " + p.string() + " --out " + out.string()).status, 0);
    EXPECT_EQ(readFile(out / "data.bak"), data);
}

TEST_F(CliTest, BothSolversWriteTheSameTables) {
    const fs::path p = project("p.vmx", {{"GroupIndex=0", "GroupIndex=1"}, {"AK=0", "AK=1"},
                                         {"Vab=0", "Vab=5"}, {"fab=0", "fab=90"}});
    ASSERT_EQ(sim("run " + p.string() + " --out " + (m_dir / "a").string()).status, 0);
    ASSERT_EQ(sim("run " + p.string() + " --out " + (m_dir / "b").string() + " --solver reference")
                  .status,
              0);
    EXPECT_EQ(readFile(m_dir / "a" / "data.txt"), readFile(m_dir / "b" / "data.txt"));
}

TEST_F(CliTest, RefusedCheckGivesStatus3WithItsMessages) {
    // Driver 1 beyond the end of a 1.2 m horn.
    const fs::path p = project("p.vmx", {{"SP=0", "SP=2"}});
    const Outcome o = sim("run " + p.string() + " --out " + (m_dir / "out").string());
    EXPECT_EQ(o.status, 3);
    EXPECT_NE(o.err.find("Input Position driver1 not allowed!"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_dir / "out" / "data.txt"));
}

TEST_F(CliTest, RunRefusingADivisionByZeroGivesStatus4AndNoTables) {
    // A zero Qes is reported by the check without blocking; the run must refuse it.
    const fs::path p = project("p.vmx", {{"elektrische G\xFCte=0.71", "elektrische G\xFCte=0"}});
    const Outcome o = sim("run " + p.string() + " --out " + (m_dir / "out").string());
    EXPECT_EQ(o.status, 4);
    EXPECT_NE(o.err.find("Qes"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_dir / "out" / "data.txt"));
}

TEST_F(CliTest, ManualSimulationRangeIsUsedOnTheFirstRun) {
    const fs::path p =
        project("p.vmx", {{"auto 9=1", "auto 9=0"}, {"min 9=0", "min 9=100"}, {"max 9=0", "max 9=1000"}});
    ASSERT_EQ(sim("run " + p.string() + " --out " + (m_dir / "out").string()).status, 0);
    const std::string data = readFile(m_dir / "out" / "data.txt");
    const size_t third = data.find("\r\n", data.find("\r\n") + 2) + 2;
    EXPECT_EQ(data.substr(third, 7), "100.00\t");
}

TEST_F(CliTest, JunkProjectsLoadDefaultsWithoutCrashing) {
    const std::string cases[] = {
        std::string("\0\xff\xfe[[[=\n=\r\n[Horn\nKontur=abc\n", 24),
        "[Horn]\r\nKontur=99\r\nHornl\xE4nge=-5\r\n",
        std::string(20000, 'x') + "\r\n[Achsen]\r\nfAufl=1e99\r\n",
    };
    int index = 0;
    for (const std::string& bytes : cases) {
        const fs::path p = m_dir / ("junk" + std::to_string(index++) + ".vmx");
        std::ofstream(p, std::ios::binary) << bytes;
        const Outcome o = sim("run " + p.string() + " --out " + (m_dir / "out").string());
        EXPECT_TRUE(o.status == 0 || o.status == 3 || o.status == 4) << index << ": " << o.err;
        EXPECT_EQ(sim("check " + p.string()).status, 0) << index;
    }
}

TEST_F(CliTest, SetChangesControlsBeforeTheCheck) {
    const fs::path p = project("p.vmx", {});
    const fs::path a = m_dir / "a";
    const fs::path b = m_dir / "b";
    ASSERT_EQ(sim("run " + p.string() + " --set Editl1=0,8 --set CBKontur=2 --out " + a.string()).status, 0);
    // The same change made in the project file itself.
    const fs::path edited = project("q.vmx", {{"Hornl\xE4nge=1.2", "Hornl\xE4nge=0.8"}, {"Kontur=1", "Kontur=3"}});
    ASSERT_EQ(sim("run " + edited.string() + " --out " + b.string()).status, 0);
    EXPECT_EQ(readFile(a / "data.txt"), readFile(b / "data.txt"));
    EXPECT_EQ(sim("run --set NoSuchControl=1 --out " + a.string()).status, 2);
    EXPECT_EQ(sim("run --set CBAK=yes --out " + a.string()).status, 2);
}

TEST_F(CliTest, SweepWritesOneTablePerValueEqualToSeparateRuns) {
    const fs::path p = project("p.vmx", {});
    const fs::path sweep = m_dir / "sweep";
    ASSERT_EQ(sim("run " + p.string() + " --sweep Editl1=0.6:1.8:3 --out " + sweep.string()).status, 0);
    const char* values[] = {"0.6", "1.2", "1.8"};
    std::string combined;
    for (int k = 0; k < 3; ++k) {
        const fs::path single = m_dir / ("single" + std::to_string(k));
        ASSERT_EQ(sim("run " + p.string() + " --set Editl1=" + values[k] + " --out " + single.string()).status, 0);
        const fs::path folder = sweep / ("0" + std::to_string(k + 1) + "_Editl1=" + values[k]);
        const std::string data = readFile(single / "data.txt");
        EXPECT_EQ(readFile(folder / "data.txt"), data) << values[k];
        // The combined table: the value, then each response line of that run.
        size_t line = data.find("\r\n", data.find("\r\n") + 2) + 2;
        while (line < data.size()) {
            const size_t end = data.find("\r\n", line);
            combined += std::string(values[k]) + "\t" + data.substr(line, end + 2 - line);
            line = end + 2;
        }
    }
    const std::string table = readFile(sweep / "sweep.txt");
    EXPECT_EQ(table.substr(table.find("\r\n") + 2), combined);
    EXPECT_EQ(sim("run --sweep Editl1=log:0:1:3 --out " + sweep.string()).status, 2);
    EXPECT_EQ(sim("run --sweep Editl1=1:2 --out " + sweep.string()).status, 2);
}

TEST_F(CliTest, FormatPrintsTheResponseRows) {
    const Outcome csv = sim("run --format csv");
    ASSERT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out.rfind("f,SPL,Zel,x1,SPLmax,Pmax,Zreal,Zimag,x2,Pmax2,Phi_a\n10,", 0), 0u);
    EXPECT_NE(csv.out.find(",,,"), std::string::npos); // driver 2 absent: two empty fields
    const Outcome tsv = sim("run --format tsv --set RGTreiber2=1");
    ASSERT_EQ(tsv.status, 0);
    EXPECT_EQ(tsv.out.find("\t\t"), std::string::npos);
    const Outcome json = sim("run --format json");
    ASSERT_EQ(json.status, 0);
    EXPECT_EQ(json.out.rfind("{\"FmaxEff\": ", 0), 0u);
    EXPECT_NE(json.out.find("\"f\": 10, \"SPL\": "), std::string::npos);
    EXPECT_EQ(json.out.find("\"x2\""), std::string::npos);
    EXPECT_EQ(sim("run --format xml").status, 2);
}

#ifdef VELMORA_WITH_PICTURES
// One response row of --format tsv: frequency and sound pressure level.
struct LevelPoint {
    double f = 0;
    double SPL = 0;
};

std::vector<LevelPoint> levelRows(const std::string& tsv) {
    std::vector<LevelPoint> rows;
    std::istringstream lines(tsv);
    std::string line;
    std::getline(lines, line); // header
    while (std::getline(lines, line)) {
        LevelPoint p;
        if (std::sscanf(line.c_str(), "%lf\t%lf", &p.f, &p.SPL) == 2)
            rows.push_back(p);
    }
    return rows;
}

// The SPL window's automatic range after runs whose points are `runs`: the top is
// 10·trunc(0.1·M + 2) for the highest level M, the bottom 50 dB lower. The stored rows
// beyond a run hold -1e10 in a fresh program and do not count.
double levelAxisTop(const std::vector<std::vector<LevelPoint>>& runs) {
    double M = -1e10;
    for (const auto& run : runs)
        for (const LevelPoint& p : run)
            M = std::max(M, p.SPL);
    return 10 * std::trunc(0.1 * M + 2);
}

// Client-area pixel of a point in SPL.png: the plot area lies at (48, 10), 349 × 175, the
// frequency axis spans 10 … 20000 Hz; (trunc(W·fx), trunc(H·fy)) as the drawing rounds.
QPoint levelPixel(const LevelPoint& p, double top) {
    const double fx = std::log10(p.f / 10) / std::log10(20000.0 / 10);
    const double fy = (top - p.SPL) / 50;
    return {48 + static_cast<int>(std::trunc(349 * fx)),
            10 + static_cast<int>(std::trunc(175 * fy))};
}

bool insidePlotArea(QPoint p) {
    return p.x() > 48 && p.x() < 48 + 348 && p.y() > 10 && p.y() < 10 + 174;
}

const char* const PictureFiles[] = {"SPL.png",  "Zel.png",   "Ausl.png", "SPLmax.png",
                                    "Pmax.png", "Znorm.png", "Phia.png"};

TEST_F(CliTest, PicturesShowTheRunWhereTheMappingPutsIt) {
    const fs::path pictures = m_dir / "pictures";
    const Outcome o = sim("run --format tsv --pictures " + pictures.string());
    ASSERT_EQ(o.status, 0) << o.err;
    for (const char* file : PictureFiles) {
        const QImage picture(QString::fromStdString((pictures / file).string()));
        ASSERT_FALSE(picture.isNull()) << file;
        EXPECT_EQ(picture.size(), QSize(412, 233)) << file;
    }
    const std::vector<LevelPoint> run = levelRows(o.out);
    ASSERT_GT(run.size(), 10u);
    const double top = levelAxisTop({run});
    const QImage spl(QString::fromStdString((pictures / "SPL.png").string()));
    int onCurve = 0;
    for (const LevelPoint& p : run) {
        const QPoint pixel = levelPixel(p, top);
        if (!insidePlotArea(pixel))
            continue;
        EXPECT_EQ(spl.pixelColor(pixel), QColor(0, 0, 0)) << p.f << " Hz";
        ++onCurve;
    }
    EXPECT_GT(onCurve, static_cast<int>(run.size()) / 2);
}

TEST_F(CliTest, SeveralProjectsAreDrawnOverlaidInTheirSlots) {
    // Horn lengths 2.4 m and 0.6 m end at FmaxEff = 10·c/L ≈ 1415 Hz and 5659 Hz.
    const fs::path black = project("black.vmx", {{"Hornl\xE4nge=1.2", "Hornl\xE4nge=2.4"}});
    const fs::path red = project("red.vmx", {{"Hornl\xE4nge=1.2", "Hornl\xE4nge=0.6"}});
    const Outcome alone[] = {
        sim("run " + black.string() + " --format tsv"),
        sim("run " + red.string() + " --format tsv --out " + (m_dir / "red").string())};
    ASSERT_EQ(alone[0].status, 0);
    ASSERT_EQ(alone[1].status, 0);
    const std::vector<LevelPoint> runs[] = {levelRows(alone[0].out), levelRows(alone[1].out)};

    const fs::path pictures = m_dir / "pictures";
    const fs::path out = m_dir / "both";
    const Outcome both = sim("run " + black.string() + " " + red.string() + " --out " +
                             out.string() + " --pictures " + pictures.string() + " --format tsv");
    ASSERT_EQ(both.status, 0) << both.err;
    // The tables are those of the last run.
    EXPECT_EQ(readFile(out / "data.txt"), readFile(m_dir / "red" / "data.txt"));
    EXPECT_EQ(both.out, alone[1].out);

    const QImage spl(QString::fromStdString((pictures / "SPL.png").string()));
    const double top = levelAxisTop({runs[0], runs[1]});
    const double blackEnd = runs[0].back().f;
    int redAlone = 0;
    for (const LevelPoint& p : runs[1]) {
        const QPoint pixel = levelPixel(p, top);
        if (p.f > 1.1 * blackEnd && insidePlotArea(pixel)) {
            EXPECT_EQ(spl.pixelColor(pixel), QColor(255, 0, 0)) << p.f << " Hz";
            ++redAlone;
        }
    }
    EXPECT_GT(redAlone, 5);
    // Black is drawn last, over red.
    for (const LevelPoint& p : runs[0]) {
        if (const QPoint pixel = levelPixel(p, top); insidePlotArea(pixel)) {
            EXPECT_EQ(spl.pixelColor(pixel), QColor(0, 0, 0)) << p.f << " Hz";
        }
    }
}

TEST_F(CliTest, PicturesRefuseBadRequestsAndWriteNothingForARefusedProject) {
    const fs::path p = project("p.vmx", {});
    const fs::path refused = project("refused.vmx", {{"SP=0", "SP=2"}}); // driver beyond the horn
    const fs::path pictures = m_dir / "pictures";
    const Outcome o = sim("run " + p.string() + " " + refused.string() + " --pictures " +
                          pictures.string() + " --out " + (m_dir / "out").string());
    EXPECT_EQ(o.status, 3);
    EXPECT_FALSE(fs::exists(pictures / "SPL.png"));
    EXPECT_FALSE(fs::exists(m_dir / "out" / "data.txt"));

    const std::string five =
        p.string() + " " + p.string() + " " + p.string() + " " + p.string() + " " + p.string();
    EXPECT_EQ(sim("run " + five + " --pictures " + pictures.string()).status, 2);
    EXPECT_EQ(sim("run " + p.string() + " --sweep Editl1=1:2:2 --out " + m_dir.string() +
                  " --pictures " + pictures.string())
                  .status,
              2);
    // A picture folder that cannot be created.
    std::ofstream(m_dir / "file") << "x";
    EXPECT_EQ(sim("run --pictures " + (m_dir / "file" / "sub").string()).status, 2);
    EXPECT_NE(sim("--help").out.find("--pictures DIR"), std::string::npos);
}
#endif

} // namespace
