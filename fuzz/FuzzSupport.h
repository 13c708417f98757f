// Helpers of the fuzz targets: failing loudly, a scratch file per process, field names.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace robust {

// Ends the process with a message when an invariant does not hold; libFuzzer reports the
// abort as a crash and keeps the input.
inline void Require(bool holds, std::string_view what, std::string_view detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %.*s\n  %.*s\n", static_cast<int>(what.size()),
                 what.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// A file of this process under /dev/shm (memory) when it exists, else in the temporary
// folder, removed when the process ends; the project loaders read from a path, so each input
// goes through such a file.
class ScratchFile {
public:
    explicit ScratchFile(const char* name) {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path folder =
            fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        m_path = (folder / ("velmora-fuzz-" + std::to_string(::getpid()) + "-" + name)).string();
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Edit boxes that carry free text; the input check leaves them as typed.
inline bool IsFreeText(std::string_view name) {
    return name == "EditLSInfo" || name == "EditLSInfo2" || name == "EditInfo";
}

} // namespace robust
