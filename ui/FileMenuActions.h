// The file menu of the main window: new, open, the driver loads, save, save as, the viewers.
#pragma once

#include <QObject>
#include <QString>

namespace ui {

class DesktopViewer;
class FileDialogs;
class MainWindow;
class MessageBoxes;

// The handlers of the menu entries DateiNeu, DateiOeffnen, Treiber1Oeffnen, Treiber2Oeffnen,
// DateiSpeichern, DateiSpeichernUnter, Konturlisten1, Frequenzgnge1 and Handbuch. They work
// on the main window's model; the dialog folder is "Aktuell" of section "Verzeichnis" in the
// settings file (open and save as write it, open driver2 too).
class FileMenuActions : public QObject {
    Q_OBJECT
public:
    // Connects the menu entries of `main`, which must already have its menu.
    FileMenuActions(MainWindow& main, MessageBoxes& boxes, FileDialogs& dialogs,
                    DesktopViewer& viewer);

    // ProjectFileName back to new.vmx in the documents folder; the inputs, the results and
    // ProjectSaved stay. A changed project is offered for saving first.
    void newProject();
    // Asks for a project and loads it into every input. A changed project is offered for
    // saving first; when that save is cancelled or fails, nothing is opened. False when no
    // project was opened.
    bool openProject();
    // Open's work once `path` is chosen: BtnRefresh disabled, `path` made the project and
    // driver file and shown in the caption, every input loaded and checked, the folder
    // remembered. A name that does not exist loads the defaults, as in the dialog.
    void loadProject(const QString& path);
    // Section "Lautsprecher" of a chosen project into driver 1's or driver 2's inputs.
    void openDriver1();
    void openDriver2();
    // Writes the project to ProjectFileName, or asks for a name (save as) while that is
    // new.vmx, read-only or missing. True when the project was written.
    bool save();
    // Asks for a name and writes the project there. True when the project was written.
    bool saveAs();

    // True when the inputs differ from the last open or save.
    bool projectChanged() const;
    // "Save current file?" with Yes and No. True when the caller may go on: after No, or
    // after Yes and a successful save.
    bool offerToSave();

    void showContourList();
    void showResponses();
    void showManual();

private:
    void connectMenu();
    void showCaption();
    // Widgets into the model, so that a load keeps what it does not read.
    void takeInWidgets();
    QString documentsNewFile() const;
    QString dialogFolder() const;
    void rememberFolder(const QString& path) const;

    MainWindow& m_main;
    MessageBoxes& m_boxes;
    FileDialogs& m_dialogs;
    DesktopViewer& m_viewer;
};

} // namespace ui
