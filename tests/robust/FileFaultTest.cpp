// File faults: project files that are folders, junk, 100 MB long or hold a 10 000-character
// line, saves that cannot be written, and tables that cannot be written. Tests run as root,
// whom permission bits do not stop, so the faults are made with paths that nobody can write:
// a path through a regular file, /dev/full, and a file size limit (RLIMIT_FSIZE) that makes a
// write fail the way a full disk does.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "FormState.h"
#include "ProjectFile.h"
#include "SimCommand.h"
#include "TableFiles.h"

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::set<std::string> entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// While it lives, no file of this process may grow beyond `bytes`: a write past the limit
// fails with EFBIG, as one on a full disk fails with ENOSPC (SIGXFSZ is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = SIG_DFL;
};

struct Command {
    int status = -1;
    std::string out;
    std::string err;
};

class FileFaults : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("velmora-robust-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        writeBytes(m_dir / "plain.txt", "a regular file, not a folder\n");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // The start-up project as velmora-sim new saves it.
    fs::path startProject(const std::string& name) {
        const fs::path path = m_dir / name;
        EXPECT_EQ(files::ProjectFile::SaveValues(path.string(), model::FormState()), "");
        return path;
    }

    static Command sim(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        Command c;
        c.status = cli::RunCommandLine(args, out, err);
        c.out = out.str();
        c.err = err.str();
        return c;
    }

    // The form after opening `path` (driver 1, then the rest), and whether a file was read.
    static model::FormState open(const fs::path& path, bool& read) {
        model::FormState form;
        read = files::ProjectFile::LoadDriver1Values(path.string(), form);
        read = files::ProjectFile::LoadOtherValues(path.string(), form) && read;
        return form;
    }

    fs::path m_dir;
};

// --- project files that are not what they should be ---------------------------------------

// A folder, junk and an oversized file hold no project: opening gives the defaults of an
// empty file, the loaders say whether a file was read, and the program goes on.
TEST_F(FileFaults, UnusableProjectFilesGiveTheDefaults) {
    writeBytes(m_dir / "empty.vmx", "");
    bool read = false;
    const model::FormState defaults = open(m_dir / "empty.vmx", read);
    ASSERT_TRUE(read);

    fs::create_directory(m_dir / "folder.vmx");
    std::mt19937 random(9);
    std::string junk(64 * 1024, '\0');
    for (char& c : junk)
        c = static_cast<char>(random());
    writeBytes(m_dir / "junk.vmx", junk);
    // Beyond the reader's 256 MB limit; sparse, so it costs no disk space.
    writeBytes(m_dir / "oversized.vmx", "");
    fs::resize_file(m_dir / "oversized.vmx", std::uintmax_t{300} * 1024 * 1024);

    const struct {
        const char* name;
        bool read;
    } cases[] = {{"folder.vmx", false}, {"junk.vmx", true}, {"oversized.vmx", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const model::FormState form = open(m_dir / c.name, read);
        EXPECT_EQ(read, c.read);
        EXPECT_TRUE(form == defaults);
    }
}

TEST_F(FileFaults, CommandLineNamesAProjectThatIsAFolder) {
    fs::create_directory(m_dir / "folder.vmx");
    const std::string path = (m_dir / "folder.vmx").string();
    for (const char* command : {"check", "run"}) {
        SCOPED_TRACE(command);
        std::vector<std::string> args = {command, path};
        if (std::string(command) == "run")
            args.insert(args.end(), {"--out", (m_dir / "out").string()});
        const Command c = sim(args);
        EXPECT_EQ(c.status, cli::ExitBadArguments);
        EXPECT_NE(c.err.find(path), std::string::npos) << c.err;
    }
}

TEST_F(FileFaults, CommandLineRunsJunkAsTheDefaults) {
    std::mt19937 random(10);
    std::string junk(64 * 1024, '\0');
    for (char& c : junk)
        c = static_cast<char>(random());
    writeBytes(m_dir / "junk.vmx", junk);
    writeBytes(m_dir / "empty.vmx", "");
    const Command fromJunk = sim({"check", (m_dir / "junk.vmx").string()});
    const Command fromEmpty = sim({"check", (m_dir / "empty.vmx").string()});
    EXPECT_EQ(fromJunk.status, cli::ExitSuccess) << fromJunk.err;
    EXPECT_EQ(fromJunk.out, fromEmpty.out);

    const Command run =
        sim({"run", (m_dir / "junk.vmx").string(), "--out", (m_dir / "out").string()});
    EXPECT_EQ(run.status, cli::ExitSuccess) << run.err;
    EXPECT_TRUE(fs::is_regular_file(m_dir / "out" / "data.txt"));
}

// 100 MB of notes in front of the project: read as a whole, and the project after it counts.
TEST_F(FileFaults, HundredMegabyteProjectIsRead) {
    const std::string project = readBytes(startProject("start.vmx"));
    std::string bytes = "[Notizen]\r\n";
    const std::string line = "Zeile=" + std::string(92, 'x') + "\r\n"; // 100 bytes
    bytes.reserve(100 * 1024 * 1024 + project.size() + 64);
    while (bytes.size() < 100 * 1024 * 1024)
        bytes += line;
    std::string changed = project;
    const std::string from = "\r\nHornl\xE4nge=1.2\r\n";
    ASSERT_NE(changed.find(from), std::string::npos);
    changed.replace(changed.find(from), from.size(), "\r\nHornl\xE4nge=2.5\r\n");
    bytes += changed;
    const fs::path path = m_dir / "big.vmx";
    writeBytes(path, bytes);
    bytes.clear();
    bytes.shrink_to_fit();

    bool read = false;
    const model::FormState form = open(path, read);
    EXPECT_TRUE(read);
    EXPECT_EQ(form.Editl1, "2.5");
    EXPECT_EQ(form.EditRdc, "8");

    const Command c = sim({"check", path.string()});
    EXPECT_EQ(c.status, cli::ExitSuccess) << c.err;
    EXPECT_NE(c.out.find("\nEditl1=2.5\n"), std::string::npos);
}

// A line of 10 000 characters: a value is read up to 2047 of them; the lines around it count.
TEST_F(FileFaults, TenThousandCharacterLines) {
    std::string bytes = readBytes(startProject("start.vmx"));
    const std::string longText(10000, 'a');
    const std::string longNumber = "0.25" + std::string(9996, '0');
    const auto replace = [&](const std::string& from, const std::string& to) {
        const std::size_t at = bytes.find("\r\n" + from + "\r\n");
        ASSERT_NE(at, std::string::npos) << from;
        bytes.replace(at + 2, from.size(), to);
    };
    replace("LSInfo=", "LSInfo=" + longText);
    replace("Hornl\xE4nge=1.2", "Hornl\xE4nge=" + longNumber);
    replace("Brk=500", std::string(10000, 'k') + "=1\r\nBrk=400"); // a key of 10 000 characters
    const fs::path path = m_dir / "long.vmx";
    writeBytes(path, bytes);

    bool read = false;
    const model::FormState form = open(path, read);
    EXPECT_TRUE(read);
    EXPECT_EQ(form.EditLSInfo, longText.substr(0, 2047));
    EXPECT_EQ(form.Editl1, longNumber.substr(0, 2047));
    EXPECT_EQ(form.EditBrk, "400");

    const Command c = sim({"check", path.string()});
    EXPECT_EQ(c.status, cli::ExitSuccess) << c.err;
    EXPECT_NE(c.out.find("\nEditLSInfo=" + longText.substr(0, 2047) + "\n"), std::string::npos);
    EXPECT_NE(c.out.find("\nEditl1=0.25\n"), std::string::npos);
    EXPECT_NE(c.out.find("\nInputsValid=1\n"), std::string::npos);
}

// --- saves that cannot be written ---------------------------------------------------------

// Each way a save can fail leaves the old project byte for byte, leaves no temporary file
// behind and names the file in its error.
TEST_F(FileFaults, FailedSaveKeepsTheOldProject) {
    const fs::path old = startProject("old.vmx");
    const std::string oldBytes = readBytes(old);
    model::FormState changed;
    changed.Editl1 = "3.5";
    changed.EditLSInfo = std::string(4000, 'z'); // the new file is larger than the old

    const struct {
        const char* fault;
        fs::path path;
        bool diskFull;
    } cases[] = {
        {"a path through a regular file", m_dir / "plain.txt" / "project.vmx", false},
        {"/dev/full", "/dev/full", false},
        {"a folder as the project", m_dir, false},
        {"the disk full during the save", old, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const std::set<std::string> before = entries(m_dir);
        std::string error;
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (c.diskFull)
                limit = std::make_unique<FileSizeLimit>(oldBytes.size());
            error = files::ProjectFile::SaveValues(c.path.string(), changed);
        }
        EXPECT_NE(error.find(c.path.string()), std::string::npos) << error;
        EXPECT_EQ(readBytes(old), oldBytes);
        EXPECT_EQ(entries(m_dir), before);
    }
    EXPECT_EQ(readBytes(m_dir / "plain.txt"), "a regular file, not a folder\n");
}

TEST_F(FileFaults, CommandLineNamesAProjectItCannotSave) {
    for (const std::string& path :
         {(m_dir / "plain.txt" / "new.vmx").string(), std::string("/dev/full")}) {
        SCOPED_TRACE(path);
        const Command c = sim({"new", path});
        EXPECT_EQ(c.status, cli::ExitBadArguments);
        EXPECT_NE(c.err.find(path), std::string::npos) << c.err;
    }
}

// --- tables that cannot be written --------------------------------------------------------

TEST_F(FileFaults, UnwritableTableFolderNamesBothFiles) {
    const fs::path throughFile = m_dir / "plain.txt";
    for (const fs::path& folder : {throughFile, throughFile / "sub", fs::path("/dev/full")}) {
        SCOPED_TRACE(folder.string());
        const std::string error =
            engine::WriteRunTables(folder.string(), "contour\r\n", "data\r\n");
        EXPECT_NE(error.find((folder / "contour.txt").string()), std::string::npos) << error;
        EXPECT_NE(error.find((folder / "data.txt").string()), std::string::npos) << error;
    }
    EXPECT_EQ(readBytes(throughFile), "a regular file, not a folder\n");
}

// A full disk while the tables are written: the error names the files, and the previous
// run's tables survive as .bak, as the backup rule promises.
TEST_F(FileFaults, DiskFullWhileWritingTablesKeepsThePreviousRun) {
    const fs::path folder = m_dir / "data";
    fs::create_directory(folder);
    writeBytes(folder / "contour.txt", "old contour\r\n");
    writeBytes(folder / "data.txt", "old data\r\n");
    const std::string table(4096, '1');
    std::string error;
    {
        FileSizeLimit limit(1024);
        error = engine::WriteRunTables(folder.string(), table, table);
    }
    EXPECT_NE(error.find((folder / "contour.txt").string()), std::string::npos) << error;
    EXPECT_NE(error.find((folder / "data.txt").string()), std::string::npos) << error;
    EXPECT_EQ(readBytes(folder / "contour.bak"), "old contour\r\n");
    EXPECT_EQ(readBytes(folder / "data.bak"), "old data\r\n");
}

TEST_F(FileFaults, CommandLineNamesAnOutputFolderItCannotUse) {
    const std::string project = startProject("start.vmx").string();
    for (const std::string& out :
         {(m_dir / "plain.txt").string(), (m_dir / "plain.txt" / "sub").string(),
          std::string("/dev/full")}) {
        SCOPED_TRACE(out);
        const Command c = sim({"run", project, "--out", out});
        EXPECT_EQ(c.status, cli::ExitBadArguments);
        EXPECT_NE(c.err.find(out), std::string::npos) << c.err;
    }
}

} // namespace
