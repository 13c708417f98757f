// Tests of the INI reader and writer: matching, value rules, in-place writes, robustness, saving.
#include "IniFile.h"
#include "TempFolder.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace files {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

// Windows-1252 bytes of a text written as UTF-8 in this source.
std::string cp1252(const std::string& utf8) {
    return engine::Utf8ToWindows1252(utf8);
}

IniFile fromBytes(const std::string& bytes) {
    IniFile ini;
    ini.setContent(bytes);
    return ini;
}

struct ReadCase {
    const char* name;
    std::string file; // Windows-1252 bytes
    const char* section;
    const char* key;
    const char* expected;
};

TEST(IniFileRead, MatchingAndValueRules) {
    const ReadCase cases[] = {
        {"plain", "[Horn]\r\nKontur=3\r\n", "Horn", "Kontur", "3"},
        {"section and key in other case", "[HORN]\r\nkontur=3\r\n", "horn", "KONTUR", "3"},
        {"umlaut folded", cp1252("[Horn]\r\nHALSFLÄCHE=50\r\n"), "Horn", "Halsfläche", "50"},
        {"umlaut in UTF-8 does not match",
         "[Horn]\r\nHalsfl\xC3\xA4"
         "che=50\r\n",
         "Horn", "Halsfläche", "default"},
        {"LF line ends", "[Horn]\nKontur=3\nTyp=2\n", "Horn", "Typ", "2"},
        {"blanks around key and value", "  [ Horn ]  \r\n  Kontur  =  3 \t\r\n", "Horn", "Kontur",
         "3"},
        {"inner blanks kept", "[Horn]\r\nInfo=  a  b  \r\n", "Horn", "Info", "a  b"},
        {"double quotes removed", "[Horn]\r\nInfo=\"  a  \"\r\n", "Horn", "Info", "  a  "},
        {"single quotes removed", "[Horn]\r\nInfo='a'\r\n", "Horn", "Info", "a"},
        {"one pair only", "[Horn]\r\nInfo=\"\"a\"\"\r\n", "Horn", "Info", "\"a\""},
        {"unmatched quotes kept", "[Horn]\r\nInfo=\"a'\r\n", "Horn", "Info", "\"a'"},
        {"single quote character kept", "[Horn]\r\nInfo=\"\r\n", "Horn", "Info", "\""},
        {"empty value is not the default", "[Horn]\r\nInfo=\r\n", "Horn", "Info", ""},
        {"equals sign in value", "[Horn]\r\nInfo=a=b\r\n", "Horn", "Info", "a=b"},
        {"line without equals is no entry", "[Horn]\r\nInfo\r\n", "Horn", "Info", "default"},
        {"first of two keys wins", "[Horn]\r\nInfo=1\r\ninfo=2\r\n", "Horn", "Info", "1"},
        {"only the first of two sections", "[Horn]\r\nA=1\r\n[horn]\r\nInfo=2\r\n", "Horn", "Info",
         "default"},
        {"key of another section", "[Horn]\r\nA=1\r\n[ET]\r\nInfo=2\r\n", "Horn", "Info",
         "default"},
        {"entry before any section", "Info=1\r\n[Horn]\r\n", "Horn", "Info", "default"},
        {"header without bracket is no header", "[Horn]\r\n[ET\r\nInfo=2\r\n", "Horn", "Info", "2"},
        {"byte order mark before first header", "\xEF\xBB\xBF[Horn]\r\nInfo=2\r\n", "Horn", "Info",
         "2"},
        {"Windows-1252 value to UTF-8", "[Horn]\r\nInfo=\x80 \xB0\r\n", "Horn", "Info", "€ °"},
        {"value cut at NUL", std::string("[Horn]\r\nInfo=ab\0cd\r\n", 20), "Horn", "Info", "ab"},
        {"last line without line break", "[Horn]\r\nInfo=7", "Horn", "Info", "7"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fromBytes(c.file).readString(c.section, c.key, "default"), c.expected);
    }
}

TEST(IniFileRead, LongValueIsCutAt2047Characters) {
    const std::string longValue(10000, 'x');
    const IniFile ini = fromBytes("[" + std::string(10000, 's') + "]\r\n[A]\r\n" +
                                  std::string(10000, 'k') + "=1\r\nK=" + longValue + "\r\n");
    EXPECT_EQ(ini.readString("A", "K", ""), std::string(IniFile::MaxValueLength, 'x'));
    EXPECT_EQ(ini.readString("A", std::string(10000, 'K'), ""), "1");
    EXPECT_EQ(ini.readInteger("A", "K", 5), 5);
}

TEST(IniFileRead, Integers) {
    const std::pair<const char*, int> cases[] = {
        {"12", 12},
        {"-7", -7},
        {"+3", 3},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$ff", 255},
        {"-$10", -16},
        {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 99},
        {"0x100000000", 99},
        {"", 99},
        {"2.5", 99},
        {"12abc", 99},
        {"abc", 99},
        {"0x", 99},
        {"$", 99},
        {"-", 99},
        {"1 2", 99},
        {" 5 ", 5},
        {"\"5\"", 5},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        const IniFile ini = fromBytes(std::string("[S]\r\nK=") + text + "\r\n");
        EXPECT_EQ(ini.readInteger("S", "K", 99), expected);
    }
    EXPECT_EQ(fromBytes("").readInteger("S", "K", -4), -4);
}

TEST(IniFileRead, Booleans) {
    const std::tuple<const char*, bool, bool> cases[] = {
        // text, default, expected
        {"0", true, false},  {"1", false, true},    {"-3", false, true}, {"0x0", true, false},
        {"yes", true, true}, {"yes", false, false}, {"", true, true},    {"true", false, false},
    };
    for (const auto& [text, fallback, expected] : cases) {
        SCOPED_TRACE(text);
        const IniFile ini = fromBytes(std::string("[S]\r\nK=") + text + "\r\n");
        EXPECT_EQ(ini.readBool("S", "K", fallback), expected);
    }
}

TEST(IniFileWrite, ReplacesInPlaceAddsAfterLastEntryAndAppendsSections) {
    IniFile ini = fromBytes(cp1252("; a comment\n"
                                   "[horn]\n"
                                   "  kontur = 3\n"
                                   "Old=key\n"
                                   "\n"
                                   "[Unknown]\n"
                                   "Something=else\n"
                                   "[Horn]\n"
                                   "Second=section\n"));
    ini.writeInteger("Horn", "Kontur", 5);
    ini.writeString("Horn", "Halsfläche", "50");
    ini.writeString("Horn", "Info", "x");
    ini.writeString("Spannung", "Volt", "2.83");
    ini.writeBool("Spannung", "Flag", true);
    ini.writeString("Horn", "Info", "y"); // a second write of an added key
    EXPECT_EQ(ini.content(), cp1252("; a comment\r\n"
                                    "[horn]\r\n"
                                    "kontur=5\r\n"
                                    "Old=key\r\n"
                                    "Halsfläche=50\r\n"
                                    "Info=y\r\n"
                                    "\r\n"
                                    "[Unknown]\r\n"
                                    "Something=else\r\n"
                                    "[Horn]\r\n"
                                    "Second=section\r\n"
                                    "\r\n"
                                    "[Spannung]\r\n"
                                    "Volt=2.83\r\n"
                                    "Flag=1\r\n"));
    EXPECT_EQ(ini.readString("HORN", "halsfläche", ""), "50");
    EXPECT_EQ(ini.readInteger("Horn", "Kontur", 0), 5);
}

TEST(IniFileWrite, SectionWithoutEntriesAndFileWithoutFinalLineBreak) {
    IniFile empty = fromBytes("[A]\r\n[B]\r\nX=1");
    empty.writeString("A", "K", "v");
    empty.writeString("B", "Y", "2");
    EXPECT_EQ(empty.content(), "[A]\r\nK=v\r\n[B]\r\nX=1\r\nY=2\r\n");

    IniFile fresh;
    fresh.writeString("S", "K", "v");
    EXPECT_EQ(fresh.content(), "[S]\r\nK=v\r\n");
}

TEST(IniFileWrite, WrittenValuesReadBackUnchanged) {
    const std::pair<const char*, const char*> cases[] = {
        // value written, value read
        {"8", "8"},
        {"Hörner € °", "Hörner € °"},
        {"  leading", "  leading"},
        {"trailing  ", "trailing  "},
        {"'single'", "'single'"},
        {"\"double\"", "\"double\""},
        {"\"", "\""},
        {"a=b", "a=b"},
        {"", ""},
        {"two\r\nlines", "two  lines"}, // a value cannot span lines: no key can be smuggled in
        {"x\n[Lautsprecher]", "x [Lautsprecher]"},
    };
    IniFile ini;
    for (const auto& [written, expected] : cases) {
        ini.writeString("S", "K", written);
        const IniFile reread = fromBytes(ini.content());
        SCOPED_TRACE(written);
        EXPECT_EQ(ini.readString("S", "K", "default"), expected);
        EXPECT_EQ(reread.readString("S", "K", "default"), expected);
        EXPECT_EQ(reread.readString("Lautsprecher", "K", "none"), "none");
    }
    ini.writeString("S", "K", "ä");
    EXPECT_EQ(ini.content(), "[S]\r\nK=\xE4\r\n");
}

class IniFileOnDisk : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(IniFileOnDisk, MissingFileReadsEmptyWithoutError) {
    IniFile ini;
    EXPECT_EQ(ini.load(folder.file("missing.ini")), "");
    EXPECT_EQ(ini.content(), "");
    EXPECT_EQ(ini.load(folder.file("no/such/folder/x.ini")), "");
}

TEST_F(IniFileOnDisk, FolderReadsEmptyWithError) {
    IniFile ini;
    ini.setContent("[S]\r\nK=1\r\n");
    const std::string error = ini.load(folder.path().string());
    EXPECT_NE(error.find(folder.path().string()), std::string::npos) << error;
    EXPECT_EQ(ini.readString("S", "K", "default"), "default");
}

TEST_F(IniFileOnDisk, BinaryJunkAndTruncatedFileLoadWithoutHarm) {
    // Deterministic junk over all byte values, rich in the characters the reader looks for.
    std::string junk;
    unsigned state = 12345;
    for (int i = 0; i < (1 << 20); ++i) {
        state = state * 1103515245u + 12345u;
        const unsigned byte = (state >> 16) & 0xFF;
        junk.push_back(byte < 14 ? "[]=\n\r\"' \t\0;$0x"[byte] : static_cast<char>(byte));
    }
    junk += "\n[Horn]\nKontur=4\n";
    writeBytes(folder.file("junk.ini"), junk);
    IniFile ini;
    EXPECT_EQ(ini.load(folder.file("junk.ini")), "");
    EXPECT_EQ(ini.readInteger("Horn", "Kontur", 0), 4);
    ini.writeString("Horn", "Kontur", "5");
    EXPECT_EQ(ini.save(folder.file("junk.ini")), "");
    IniFile again;
    again.load(folder.file("junk.ini"));
    EXPECT_EQ(again.readInteger("Horn", "Kontur", 0), 5);

    writeBytes(folder.file("cut.ini"), "[Horn]\r\nKontur=3\r\nInf");
    ini.load(folder.file("cut.ini"));
    EXPECT_EQ(ini.readInteger("Horn", "Kontur", 0), 3);
    EXPECT_EQ(ini.readString("Horn", "Inf", "default"), "default");
}

TEST_F(IniFileOnDisk, LargeFileIsReadInOnePass) {
    // 100 MB: a long first section, a block of empty lines, and the sections asked for at the
    // end. Every lookup scans the file at most once, so this stays linear in the file size.
    std::string bytes = "[Big]\r\n";
    const std::string line = "SomeKey=" + std::string(40, 'v') + "\r\n";
    while (bytes.size() < 80'000'000)
        bytes += line;
    bytes.append(20'000'000, '\n');
    bytes += "[Horn]\r\nKontur=6\r\n[ET]\r\nLET=0.5\r\n";
    writeBytes(folder.file("big.ini"), bytes);
    IniFile ini;
    EXPECT_EQ(ini.load(folder.file("big.ini")), "");
    EXPECT_EQ(ini.readInteger("Horn", "Kontur", 0), 6);
    EXPECT_EQ(ini.readString("ET", "LET", ""), "0.5");
    EXPECT_EQ(ini.readString("Big", "SomeKey", ""), std::string(40, 'v'));
    EXPECT_EQ(ini.readString("Missing", "Key", "default"), "default");
    ini.writeString("Horn", "Kontur", "2");
    EXPECT_EQ(ini.content().size(), bytes.size() + 20'000'000); // empty lines now end in CR LF
}

TEST_F(IniFileOnDisk, SaveReplacesFileAndKeepsItsPermissions) {
    const std::string path = folder.file("p.ini");
    writeBytes(path, "[S]\nK=1\n");
    ::chmod(path.c_str(), 0640);
    IniFile ini;
    ASSERT_EQ(ini.load(path), "");
    ini.writeString("S", "K", "2");
    EXPECT_EQ(ini.save(path), "");
    EXPECT_EQ(readBytes(path), "[S]\r\nK=2\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    // No temporary file is left beside it.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(IniFileOnDisk, SaveThroughSymbolicLinkWritesTheTarget) {
    const std::string target = folder.file("target.ini");
    const std::string link = folder.file("link.ini");
    writeBytes(target, "[S]\r\nK=1\r\n");
    std::filesystem::create_symlink(target, link);
    IniFile ini;
    ini.load(link);
    ini.writeString("S", "K", "2");
    EXPECT_EQ(ini.save(link), "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(target), "[S]\r\nK=2\r\n");
}

TEST_F(IniFileOnDisk, SaveFailuresNameTheFileAndLeaveItIntact) {
    IniFile ini;
    ini.writeString("S", "K", "new");

    // A path through a regular file cannot be created (the tests may run as root, so
    // permissions alone would not stop the write).
    writeBytes(folder.file("file-as-dir"), "x");
    const std::string throughFile = folder.file("file-as-dir") + "/p.ini";
    std::string error = ini.save(throughFile);
    EXPECT_NE(error.find(throughFile), std::string::npos) << error;

    // A device is never replaced.
    error = ini.save("/dev/full");
    EXPECT_NE(error.find("/dev/full"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));

    // A folder is never replaced.
    std::filesystem::create_directory(folder.file("sub"));
    error = ini.save(folder.file("sub"));
    EXPECT_NE(error.find(folder.file("sub")), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("sub")));

    // A read-only file stays as it is.
    const std::string readOnly = folder.file("read-only.ini");
    writeBytes(readOnly, "[S]\r\nK=old\r\n");
    ::chmod(readOnly.c_str(), 0444);
    error = ini.save(readOnly);
    EXPECT_NE(error.find(readOnly), std::string::npos) << error;
    EXPECT_EQ(readBytes(readOnly), "[S]\r\nK=old\r\n");
}

TEST_F(IniFileOnDisk, MediumFullDuringSaveLeavesOldFile) {
    // A file size limit makes the write fail part-way, as a full medium would.
    const std::string path = folder.file("p.ini");
    writeBytes(path, "[S]\r\nK=old\r\n");
    IniFile ini;
    ini.load(path);
    ini.writeString("S", "K", std::string(2000, 'n'));
    ini.writeString("S", "L", std::string(2000, 'n'));

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = ini.save(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(readBytes(path), "[S]\r\nK=old\r\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1); // the temporary file is gone
}

} // namespace
} // namespace files
