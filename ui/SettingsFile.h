// The per-user settings file Velmora.ini in DataFolder, opened for each use.
#pragma once

#include <string>

namespace ui {

// Sections "Verzeichnis" (folders of the file dialogs) and "Optionen". Each call reads the
// file afresh; a missing file or key reads as the default; a failed write is not reported.
class SettingsFile {
public:
    explicit SettingsFile(std::string dataFolder);

    std::string path() const;

    // "Optionen"/"CBFarbeWechseln": advance the colour slot after a run; default true.
    bool colourChange() const;
    void setColourChange(bool on) const;

    // "Optionen"/"LiveUpdate": re-run and redraw after every passing input check; default
    // false (the plots then change only on Start).
    bool liveUpdate() const;
    void setLiveUpdate(bool on) const;

    // "Verzeichnis"/`key` ("Aktuell", "html"), a folder; `fallback` when missing.
    std::string folder(const std::string& key, const std::string& fallback) const;
    void setFolder(const std::string& key, const std::string& folder) const;

private:
    std::string m_dataFolder;
};

} // namespace ui
