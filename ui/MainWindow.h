// The main window (TMainForm): the input pages, the menu, Start, progress and colour slots.
#pragma once

#include <QMainWindow>
#include <QSet>
#include <memory>
#include <string>
#include <vector>

#include "MainWindowState.h"
#include "Notice.h"
#include "Windows.h"

class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace ui {

class ColourSwatch;
class DesktopViewer;
class FileDialogs;
class FileMenuActions;
class LivePreview;
class HtmlExportAction;
class FormBinding;
class MessageBoxes;
class PlotWindow;

// Holds no values of its own: the inputs, the check outcome, the colour slots and the
// folders live in a model::MainWindowState; the widgets show it. Every control carries the
// name of the form as its object name.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Message boxes, file dialogs and the desktop's viewers are reached only through these.
    MainWindow(MessageBoxes& boxes, FileDialogs& dialogs, DesktopViewer& viewer,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The other windows of the set; called once, before the window is first shown.
    void attachWindows(const Windows& windows);
    const Windows& windows() const { return m_windows; }
    model::MainWindowState& state() { return m_state; }
    const FormBinding& binding() const { return *m_binding; }
    FileMenuActions& fileMenu() const { return *m_fileMenu; }
    LivePreview& livePreview() const { return *m_livePreview; }
    HtmlExportAction& htmlExport() const { return *m_htmlExport; }

    // The actions of the main window.
    void Translate();
    // The input check on screen: takes in the widgets, checks, shows the rewritten texts,
    // looks, enabled states and hints, then the messages in order, moving the focus.
    void CheckVariables();
    // One run into the current colour slot (the tables, the report, the notices).
    void Simulate();
    // Simulate for the live preview (LivePreview): the same run and drawing, but the colour
    // slot stays and no notice of the run is shown; Start shows them.
    void simulateLive();
    void DrawEvoImages();
    void ClearValues();
    void NewGrids();
    void DrawGraphs();
    void DrawSketch();

    // The Start button: a run when the inputs are checked and valid, otherwise the check.
    // Widgets edited since the last check (F9 with the focus still in a box) are checked
    // first, so that a run never reads an unchecked text.
    void start();
    // True when a widget shows a value that the model has not taken in.
    bool formEdited() const;
    // Writes the project to ProjectFileName; false, after a message, when that failed.
    bool saveProject();
    // The model's inputs into the widgets and its stored window places onto the windows
    // (after a project was loaded).
    void showForm();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBottomStrip(QWidget* client);
    void connectControls();
    void connectMenu();
    void formShow();
    void placeWindows();
    void focusControl(const std::string& name);
    void onFocusChanged(QWidget* old, QWidget* now);
    void selectColourSlot(int slot);
    void clearPlots();
    // A plot window was resized on the screen: redraw while BtnRefresh is enabled.
    void FormResize(PlotWindow* window);
    void showOptions();
    void showAllPlots();
    void showNotices(const std::vector<engine::Notice>& notices);
    void captureWindowGeometry();
    void applyWindowGeometry();
    void closeOtherWindows();

    MessageBoxes& m_boxes;
    model::MainWindowState m_state;
    Windows m_windows;
    std::unique_ptr<FormBinding> m_binding;
    FileMenuActions* m_fileMenu = nullptr; // a child object
    LivePreview* m_livePreview = nullptr; // a child object
    HtmlExportAction* m_htmlExport = nullptr; // a child object

    QTabWidget* m_pages = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_start = nullptr;
    QToolButton* m_clear = nullptr;
    QPushButton* m_refresh = nullptr;
    std::vector<ColourSwatch*> m_swatches;
    // Controls whose losing the focus runs the input check.
    QSet<QWidget*> m_checkOnLeave;

    bool m_shown = false;
    bool m_checking = false;
    bool m_checkPending = false;
    bool m_running = false;
    bool m_starting = false; // the check of Start runs no live preview
    bool m_quietRun = false; // a live-preview run: no notices, the slot stays
};

} // namespace ui
