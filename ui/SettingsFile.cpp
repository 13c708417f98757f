// The per-user settings file Velmora.ini in DataFolder, opened for each use.
#include "SettingsFile.h"

#include <utility>

#include "IniFile.h"
#include "MainWindowState.h"

namespace ui {

namespace {

const char* const OptionsSection = "Optionen";
const char* const FoldersSection = "Verzeichnis";

} // namespace

SettingsFile::SettingsFile(std::string dataFolder) : m_dataFolder(std::move(dataFolder)) {}

std::string SettingsFile::path() const {
    return model::MainWindowState::joinPath(m_dataFolder, "Velmora.ini");
}

bool SettingsFile::colourChange() const {
    files::IniFile ini;
    ini.load(path());
    return ini.readBool(OptionsSection, "CBFarbeWechseln", true);
}

void SettingsFile::setColourChange(bool on) const {
    files::IniFile ini;
    // A file that exists but cannot be read is left alone rather than replaced.
    if (!ini.load(path()).empty())
        return;
    ini.writeBool(OptionsSection, "CBFarbeWechseln", on);
    ini.save(path());
}

bool SettingsFile::liveUpdate() const {
    files::IniFile ini;
    ini.load(path());
    return ini.readBool(OptionsSection, "LiveUpdate", false);
}

void SettingsFile::setLiveUpdate(bool on) const {
    files::IniFile ini;
    if (!ini.load(path()).empty())
        return;
    ini.writeBool(OptionsSection, "LiveUpdate", on);
    ini.save(path());
}

std::string SettingsFile::folder(const std::string& key, const std::string& fallback) const {
    files::IniFile ini;
    ini.load(path());
    return ini.readString(FoldersSection, key, fallback);
}

void SettingsFile::setFolder(const std::string& key, const std::string& folder) const {
    files::IniFile ini;
    if (!ini.load(path()).empty())
        return;
    ini.writeString(FoldersSection, key, folder);
    ini.save(path());
}

} // namespace ui
