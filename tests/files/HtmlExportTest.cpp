// Tests of the HTML export page: its pieces, the picture references, the escaping of the
// inserted texts, the single-byte encoding and the export folder name.
//
// Golden file in tests/files/data/:
//   export-page.html   HtmlExport::page of the texts of goldenTexts() below (golden).
// To regenerate it after an intended change of the page, run
//   VELMORA_UPDATE_GOLDEN=1 ./files_tests --gtest_filter='HtmlExportGolden.*'
// in the build folder, then review the difference with git diff before committing.
#include "HtmlExport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sys/stat.h>

namespace files {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

// The English texts of a fresh program.
HtmlExport::Texts englishTexts() {
    HtmlExport::Texts t;
    t.info = "Test horn";
    t.dateTime = "12/11/26 16:02:08";
    t.projectFileName = "/home/user/Documents/new.vmx";
    t.sketch = "Priciple Sketch";
    t.spl = "SPL [dB]";
    t.zel = "Zel in Ohms";
    t.ausl = "Cone1 amplitude [mm]";
    t.pmax = "Pmax1 [W]";
    t.splmax = "SPLmax in dB";
    t.phia = "Acoustic Phase in degrees";
    t.znorm = "Acoustic impedance in front of the cone";
    t.param = "Misc";
    t.inputHint = "Data Input";
    t.driverHint = "Driver";
    t.hornCaption = "Horn";
    t.crossoverHint = "Crossover";
    t.axesHint = "Axes";
    return t;
}

std::vector<std::string> linesOf(const std::string& page) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = page.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(page.substr(start, end - start));
    if (start < page.size())
        lines.push_back(page.substr(start));
    return lines;
}

TEST(HtmlExportGolden, PageOfTheEnglishTextsMatchesTheGoldenFile) {
    const std::string page = HtmlExport::page(englishTexts(), "report-Files");
    const std::string golden = std::string(FILES_TEST_DATA) + "/export-page.html";
    if (std::getenv("VELMORA_UPDATE_GOLDEN"))
        writeBytes(golden, page);
    EXPECT_EQ(page, readBytes(golden));
}

TEST(HtmlExportPage, EveryLineEndsWithCrLfAndTheTwoOpenPiecesJoinTheirSuccessors) {
    const std::string page = HtmlExport::page(englishTexts(), "report-Files");
    ASSERT_GE(page.size(), 2u);
    EXPECT_EQ(page.substr(page.size() - 2), "\r\n");
    // No line end other than CR LF.
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '\n') {
            EXPECT_TRUE(i > 0 && page[i - 1] == '\r') << "bare LF at " << i;
        }
        if (page[i] == '\r') {
            EXPECT_TRUE(i + 1 < page.size() && page[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    const std::vector<std::string> lines = linesOf(page);
    EXPECT_EQ(lines.front(), "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    EXPECT_EQ(lines.back(), "<br></div></body></html>");
    // Pieces 14 and 15: the sketch caption on the line of its span.
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "<big><span style=\"font-weight: bold;\">Priciple Sketch<br></span></big>"),
              lines.end());
    // Pieces 17 and 18, twice: the quote of piece 18 closes the style attribute.
    const std::string table = "<table style=\"text-align: center; font-family: MS Sans Serif; "
                              "margin-left: auto; margin-right: auto;\"border=\"0\" "
                              "cellpadding=\"2\" cellspacing=\"2\">";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), table), 2);
    EXPECT_NE(page.find("charset=ISO-8859-1"), std::string::npos);
}

TEST(HtmlExportPage, ThirteenPictureReferencesStartWithTheFolderName) {
    const std::string page = HtmlExport::page(englishTexts(), "report-Files");
    const std::regex src("src=\"([^\"]*)\"");
    std::vector<std::string> sources;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), src);
         it != std::sregex_iterator(); ++it)
        sources.push_back((*it)[1]);
    std::vector<std::string> expected;
    for (std::string_view file : HtmlExport::pictureFiles())
        expected.push_back("report-Files/" + std::string(file));
    // The page shows the pictures in the order they are written: the sketch, the three
    // pairs, the radiation impedance and the parameters, then the four pages.
    EXPECT_EQ(sources, expected);
}

TEST(HtmlExportPage, HeadingsAndCaptionsStandInTheirPieces) {
    const std::vector<std::string> lines =
        linesOf(HtmlExport::page(englishTexts(), "report-Files"));
    for (const char* expected :
         {"<title>Test horn</title>", "<big><big>Velmora Project Test horn<br>",
          "</big></big>/home/user/Documents/new.vmx<br><br>", "12/11/26 16:02:08<br></div>",
          "<td>SPL [dB]</td>", "<td>Zel in Ohms</td>", "<td>Cone1 amplitude [mm]</td>",
          "<td>Pmax1 [W]</td>", "<td>SPLmax in dB</td>", "<td>Acoustic Phase in degrees</td>",
          "<td>Acoustic impedance in front of the cone</td>", "<td>Misc</td>", "Data Input<br><br>",
          "Driver<br>", "Horn<br>", "Crossover<br>", "Axes<br>"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

// Mended fault: the texts used to be inserted as they are, so a project info could add
// markup or script to the page.
TEST(HtmlExportPage, InsertedTextsAreEscaped) {
    HtmlExport::Texts t = englishTexts();
    t.info = "<script>alert(\"x\")</script> Bass & Co";
    t.projectFileName = "/tmp/a&b/<x>.vmx";
    t.spl = "SPL <b>";
    t.axesHint = "\"Axes\"";
    const std::string page = HtmlExport::page(t, "r&d-Files");
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    const std::string info = "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; Bass &amp; Co";
    EXPECT_NE(page.find("<title>" + info + "</title>"), std::string::npos);
    EXPECT_NE(page.find("Velmora Project " + info + "<br>"), std::string::npos);
    EXPECT_NE(page.find("</big></big>/tmp/a&amp;b/&lt;x&gt;.vmx<br><br>"), std::string::npos);
    EXPECT_NE(page.find("<td>SPL &lt;b&gt;</td>"), std::string::npos);
    EXPECT_NE(page.find("&quot;Axes&quot;<br>"), std::string::npos);
    EXPECT_NE(page.find("src=\"r&amp;d-Files/Skizze.jpg\""), std::string::npos);
}

TEST(HtmlExportPage, TextsAreWrittenAsWindows1252WithReferencesForOtherCharacters) {
    struct Case {
        std::string utf8, written;
    };
    const Case cases[] = {
        {"Horn \xC3\xA9t\xC3\xA9", "Horn \xE9t\xE9"}, // é is byte E9
        {"\xE2\x82\xAC 100", "\x80 100"},             // € is byte 80 in Windows-1252
        {"\xE4\xB8\xAD", "&#20013;"},                 // 中 has no byte
        {"\xF0\x9F\x94\x8A", "&#128266;"},            // 🔊 neither
        {"a?b", "a?b"},                               // a question mark stays one
        {"\xFF\xFE", "\xFF\xFE"},                     // bytes that are no UTF-8 stay
    };
    for (const Case& c : cases)
        EXPECT_EQ(HtmlExport::escape(c.utf8), c.written) << c.utf8;
}

TEST(HtmlExportPage, FolderCharactersThatWouldEndThePathArePercentEncoded) {
    const std::string page = HtmlExport::page(englishTexts(), "No#1 50%?-Files");
    EXPECT_NE(page.find("src=\"No%231 50%25%3F-Files/SPL.jpg\""), std::string::npos);
}

TEST(HtmlExportFolder, LastFiveCharactersGiveWayToFiles) {
    struct Case {
        std::string file, folder, name;
    };
    const Case cases[] = {
        {"/r/report.html", "/r/report-Files", "report-Files"},
        // Five characters whatever they are: a four-letter extension loses a letter.
        {"/r/report.htm", "/r/repor-Files", "repor-Files"},
        {"/home/u/my project.html", "/home/u/my project-Files", "my project-Files"},
        // The cut never reaches into the folder of the page.
        {"/r/a.x", "/r/-Files", "-Files"},
        {"report.html", "report-Files", "report-Files"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HtmlExport::exportFolder(c.file), c.folder) << c.file;
        EXPECT_EQ(HtmlExport::lastComponent(HtmlExport::exportFolder(c.file)), c.name) << c.file;
    }
}

TEST(HtmlExportWrite, WritesThePageAndReplacesAnOldOne) {
    TempFolder folder;
    const std::string path = folder.file("report.html");
    writeBytes(path, std::string(100000, 'x'));
    ASSERT_EQ(HtmlExport::write(path, englishTexts(), "report-Files"), "");
    EXPECT_EQ(readBytes(path), HtmlExport::page(englishTexts(), "report-Files"));
}

// Mended fault: a page that could not be created used to go unnoticed.
TEST(HtmlExportWrite, AFileThatCannotBeCreatedIsNamedInTheError) {
    TempFolder folder;
    const std::string missing = folder.file("no-such-folder/report.html");
    const std::string error = HtmlExport::write(missing, englishTexts(), "report-Files");
    EXPECT_NE(error.find(missing), std::string::npos) << error;

    // A folder in the place of the file.
    std::filesystem::create_directory(folder.file("taken.html"));
    const std::string taken = folder.file("taken.html");
    const std::string error2 = HtmlExport::write(taken, englishTexts(), "report-Files");
    EXPECT_NE(error2.find(taken), std::string::npos) << error2;
}

} // namespace
} // namespace files
