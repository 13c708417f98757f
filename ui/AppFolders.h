// Where the program, the user's documents and the per-user data live.
#pragma once

#include <string>

namespace ui {

// ProgramFolder is the executable's folder; DocumentsFolder the user's documents folder;
// DataFolder the per-user data folder followed by "/Velmora". Both of the latter fall back to
// ProgramFolder when the system names none. Paths carry no trailing separator.
struct AppFolders {
    std::string ProgramFolder;
    std::string DocumentsFolder;
    std::string DataFolder;

    static std::string programFolder();
    // Documents and data folders as the system names them today.
    static AppFolders locate();
    // Creates `folder` with the folders above it; false when it does not exist afterwards.
    static bool ensureFolder(const std::string& folder);
};

} // namespace ui
