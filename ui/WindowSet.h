// Creates and owns the twelve windows of the program, in the order of the form set.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "Windows.h"

namespace ui {

class DesktopViewer;
class FileDialogs;
class MessageBoxes;

class WindowSet {
public:
    // Main window, "Misc", about box, cone amplitude, power, impedance, radiation impedance,
    // SPL, sketch, options, maximum SPL, phase.
    // The main window shows its dialogs and documents through `boxes`, `dialogs`, `viewer`.
    WindowSet(MessageBoxes& boxes, FileDialogs& dialogs, DesktopViewer& viewer);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    const Windows& windows() const { return m_windows; }
    MainWindow& main() const { return *m_windows.main; }

    // Shows the main window (its first showing runs the start-up steps and places the
    // windows), then the other windows in their start states: SPL, impedance, sketch and
    // "Misc" normal, the other plot windows minimised.
    void show();

private:
    std::vector<std::unique_ptr<QWidget>> m_owned; // in creation order
    Windows m_windows;
};

} // namespace ui
