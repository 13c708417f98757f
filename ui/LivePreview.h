// The option "Update plots while editing": curves that follow every edit that passes the check.
#pragma once

#include <QObject>

class QAction;

namespace ui {

class MainWindow;

// Owns the option's checkable Extras menu entry `LiveUpdate1`; the options dialog shows the
// same option as `CBLiveUpdate`. Both read and write one settings key, "Optionen"/"LiveUpdate"
// (default off, so that without it the program behaves as it always did).
//
// While the option is on, every input check that passes (InputsValid) runs the main window's
// simulateLive: the run of Start into the current colour slot, with the tables written, the
// parameter report, DrawGraphs and DrawSketch, but the colour slot is not advanced and no
// notice of the run is shown. Notices ("Too few frequency points", "LBR would be negative!",
// a failed table write, the sketch's notices) would otherwise come up on every edit; they
// are shown when the user presses Start, which behaves exactly as without the option. The
// input check's own messages are shown as always.
class LivePreview : public QObject {
    Q_OBJECT
public:
    // Adds the menu entry to `main`'s Extras menu, after "Show all plots".
    explicit LivePreview(MainWindow& main);

    // The setting as the settings file holds it now.
    bool enabled() const;
    // Writes the setting and shows it in the menu entry.
    void setEnabled(bool on);
    QAction* action() const { return m_action; }

    // The start-up steps are done (the data folder and the grids are set): checks from now
    // on may run, and the menu entry shows the setting.
    void startupDone();
    // After every input check: runs when the option is on, start-up is done and the check
    // passed.
    void checkDone();

private:
    void showSetting();

    MainWindow& m_main;
    QAction* m_action = nullptr;
    bool m_ready = false;
};

} // namespace ui
