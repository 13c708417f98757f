// Writing the contour list and the response table with the .bak rule.
#include "TableFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace engine {

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace

std::string WriteTableWithBackup(const std::string& folder, const std::string& name,
                                 const std::string& bytes) {
    namespace fs = std::filesystem;
    const fs::path dir(folder);
    const fs::path txt = dir / (name + ".txt");
    const fs::path bak = dir / (name + ".bak");
    std::error_code ec;
    fs::remove(bak, ec);
    fs::rename(txt, bak, ec);
    fs::remove(txt, ec);
    if (writeFile(txt, bytes) || writeFile(txt, bytes))
        return "";
    return "Could not write " + txt.string();
}

std::string WriteRunTables(const std::string& folder, const std::string& contourTable,
                           const std::string& dataTable) {
    std::string errors = WriteTableWithBackup(folder, "contour", contourTable);
    std::string dataError = WriteTableWithBackup(folder, "data", dataTable);
    if (!dataError.empty())
        errors += (errors.empty() ? "" : "\n") + dataError;
    return errors;
}

} // namespace engine
