// Project file (*.vmx): the main window's inputs and window placement as INI sections.
#pragma once

#include "FormState.h"

#include <string>

namespace files {

// The load and save actions of a project file. Each call opens the file, works on it and
// releases it; nothing is kept between calls. Values are stored as the controls' texts,
// unchanged; checking them is the input check's job after a load.
class ProjectFile {
public:
    // Writes every key of every section in the fixed writing order into the file at `path`,
    // keeping whatever else the file holds. The whole file is replaced atomically. Returns
    // "" on success, otherwise an error text naming the file (the old file is then intact).
    static std::string SaveValues(const std::string& path, const model::FormState& form);

    // Section "Lautsprecher" into the driver-1 controls. A missing or unreadable file, section
    // or key gives the defaults. Returns false if no file could be read (defaults applied).
    static bool LoadDriver1Values(const std::string& path, model::FormState& form);

    // Everything else (driver 2, voltage, horn, placement, extra tunnel, crossover, axes,
    // window placement) in the fixed reading order, whose defaults refer to controls that
    // are already filled: run after LoadDriver1Values. Returns false if no file was read.
    static bool LoadOtherValues(const std::string& path, model::FormState& form);

    // Section "Lautsprecher" of any project file into the driver-2 controls, with driver 2's
    // own defaults. Returns false if no file could be read (defaults applied).
    static bool LoadDriver2Values(const std::string& path, model::FormState& form);
};

} // namespace files
