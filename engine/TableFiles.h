// Writing the contour list and the response table into a folder, keeping the previous run's
// files as .bak.
#pragma once

#include <string>

namespace engine {

// Writes `bytes` to folder/name.txt: deletes name.bak, renames name.txt to name.bak, deletes
// name.txt, creates it (a second attempt when the first fails) and writes. Returns "" on
// success, otherwise a one-line reason naming the file.
std::string WriteTableWithBackup(const std::string& folder, const std::string& name,
                                 const std::string& bytes);

// Both tables of a run: "contour" then "data". Returns the reasons of the files that could
// not be written, joined by line breaks ("" when both were written).
std::string WriteRunTables(const std::string& folder, const std::string& contourTable,
                           const std::string& dataTable);

} // namespace engine
