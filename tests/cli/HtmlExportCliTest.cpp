// Runs velmora-sim run … --html and --pictures without a display: the page, its thirteen
// JPEG pictures at their sizes, Skizze.png, failures, and the user's data left alone.
#include "JpegDecoder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using files::test::DecodeJpeg;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Width and height from a PNG's header chunk (big-endian at bytes 16 and 20).
std::pair<int, int> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return {0, 0};
    auto at = [&bytes](std::size_t i) {
        return (static_cast<unsigned char>(bytes[i]) << 24) |
               (static_cast<unsigned char>(bytes[i + 1]) << 16) |
               (static_cast<unsigned char>(bytes[i + 2]) << 8) |
               static_cast<unsigned char>(bytes[i + 3]);
    };
    return {static_cast<int>(at(16)), static_cast<int>(at(20))};
}

class HtmlExportCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("velmora-html-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "home");
        fs::create_directories(m_dir / "runtime");
        fs::permissions(m_dir / "runtime", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // The binary without a display and without a platform choice, in a home of its own.
    int sim(const std::string& args) {
        const std::string command =
            "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME "
            "-u XDG_CONFIG_HOME HOME=" +
            (m_dir / "home").string() + " XDG_RUNTIME_DIR=" + (m_dir / "runtime").string() + " " +
            VELMORA_SIM + " " + args + " >" + (m_dir / "stdout.txt").string() + " 2>" +
            (m_dir / "stderr.txt").string();
        const int raw = std::system(command.c_str());
        m_err = readFile(m_dir / "stderr.txt");
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    fs::path m_dir;
    std::string m_err;
};

const std::string Example = std::string(VELMORA_EXAMPLES) + "/frontloaded.vmx";

TEST_F(HtmlExportCliTest, WritesThePageAndThirteenPicturesAtTheirSizes) {
    const fs::path page = m_dir / "out" / "report.html";
    ASSERT_EQ(sim("run " + Example + " --html " + page.string()), 0) << m_err;
    EXPECT_EQ(m_err, "");

    struct Picture {
        const char* file;
        int width, height;
    };
    // The parameter window keeps its size: 14 pixels per driver line (6) plus 15.
    const Picture pictures[] = {
        {"Skizze.jpg", 421, 260},     {"SPL.jpg", 421, 260},     {"Zel.jpg", 421, 260},
        {"Ausl.jpg", 421, 260},       {"Pmax.jpg", 421, 260},    {"SPLmax.jpg", 421, 260},
        {"Phia.jpg", 421, 260},       {"Znorm.jpg", 421, 260},   {"Param.jpg", 292, 99},
        {"TreiberTab.jpg", 500, 340}, {"HornTab.jpg", 530, 340}, {"FWTab.jpg", 530, 340},
        {"AchsenTab.jpg", 530, 340}};
    const fs::path folder = m_dir / "out" / "report-Files";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 13);
    for (const Picture& p : pictures) {
        const auto decoded = DecodeJpeg(readFile(folder / p.file));
        EXPECT_EQ(decoded.width, p.width) << p.file;
        EXPECT_EQ(decoded.height, p.height) << p.file;
    }

    const std::string html = readFile(page);
    for (const Picture& p : pictures)
        EXPECT_NE(html.find("src=\"report-Files/" + std::string(p.file) + "\""), std::string::npos)
            << p.file;
    EXPECT_NE(html.find("<title>Exponential front-loaded horn with a ported rear chamber</title>"),
              std::string::npos);
    EXPECT_NE(html.find("\r\n</big></big>" + fs::absolute(Example).string() + "<br><br>\r\n"),
              std::string::npos);
    // After the run the amplitude window names driver 1.
    EXPECT_NE(html.find("<td>Cone1 amplitude [mm]</td>"), std::string::npos);
    // The user's data folder was not used.
    EXPECT_FALSE(fs::exists(m_dir / "home" / ".local" / "share" / "Velmora"));
}

// Together with --html: the picture export's Qt application ends before the export's begins.
TEST_F(HtmlExportCliTest, PicturesIncludeTheSketchWindowAndGoWithTheExport) {
    const fs::path pictures = m_dir / "pictures";
    const fs::path page = m_dir / "report.html";
    ASSERT_EQ(
        sim("run " + Example + " --pictures " + pictures.string() + " --html " + page.string()), 0)
        << m_err;
    EXPECT_TRUE(fs::exists(page));
    EXPECT_TRUE(fs::exists(m_dir / "report-Files" / "AchsenTab.jpg"));
    const std::string sketch = readFile(pictures / "Skizze.png");
    EXPECT_EQ(pngSize(sketch), std::make_pair(412, 233));
    EXPECT_EQ(pngSize(readFile(pictures / "SPL.png")), std::make_pair(412, 233));
}

TEST_F(HtmlExportCliTest, FailuresNameTheFileAndGiveStatus2) {
    // A file where the picture folder should go: the first picture cannot be written.
    std::ofstream(m_dir / "report-Files") << "x";
    EXPECT_EQ(sim("run " + Example + " --html " + (m_dir / "report.html").string()), 2);
    EXPECT_NE(m_err.find((m_dir / "report-Files" / "Skizze.jpg").string()), std::string::npos)
        << m_err;
    EXPECT_FALSE(fs::exists(m_dir / "report.html"));

    // A folder where the page should go.
    fs::create_directories(m_dir / "taken.html");
    EXPECT_EQ(sim("run " + Example + " --html " + (m_dir / "taken.html").string()), 2);
    EXPECT_NE(m_err.find((m_dir / "taken.html").string()), std::string::npos) << m_err;

    // --sweep makes one table per value; an export of which would be unclear.
    EXPECT_EQ(sim("run " + Example + " --out " + m_dir.string() + " --sweep Editl1=1:2:2 --html " +
                  (m_dir / "s.html").string()),
              2);
}

TEST_F(HtmlExportCliTest, InputsTheCheckRefusesGiveStatus3AndNoPage) {
    const fs::path page = m_dir / "report.html";
    EXPECT_EQ(sim("run " + Example + " --set EditxT1=5 --html " + page.string()), 3);
    EXPECT_FALSE(fs::exists(page));
}

} // namespace
