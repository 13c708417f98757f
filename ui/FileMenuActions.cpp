// The file menu of the main window: new, open, the driver loads, save, save as, the viewers.
#include "FileMenuActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>

#include "DesktopViewer.h"
#include "FileAttributes.h"
#include "FileDialogs.h"
#include "FormBinding.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "ProjectFile.h"
#include "SettingsFile.h"

namespace ui {

namespace {

const char* const FolderKey = "Aktuell";
const QString ProjectFilter = QStringLiteral("*.vmx (*.vmx)");
const QString SaveFilter = QStringLiteral("VMX-Datei (*.vmx)");
const QString Suffix = QStringLiteral("vmx");

std::string utf8(const QString& text) {
    return text.toStdString();
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

FileMenuActions::FileMenuActions(MainWindow& main, MessageBoxes& boxes, FileDialogs& dialogs,
                                 DesktopViewer& viewer)
    : QObject(&main), m_main(main), m_boxes(boxes), m_dialogs(dialogs), m_viewer(viewer) {
    connectMenu();
}

void FileMenuActions::connectMenu() {
    auto on = [this](const char* name, auto handler) {
        if (auto* action = m_main.findChild<QAction*>(QLatin1String(name)))
            connect(action, &QAction::triggered, this, handler);
    };
    on("DateiNeu", [this] { newProject(); });
    on("DateiOeffnen", [this] { openProject(); });
    on("Treiber1Oeffnen", [this] { openDriver1(); });
    on("Treiber2Oeffnen", [this] { openDriver2(); });
    on("DateiSpeichern", [this] { save(); });
    on("DateiSpeichernUnter", [this] { saveAs(); });
    on("Konturlisten1", [this] { showContourList(); });
    on("Frequenzgnge1", [this] { showResponses(); });
    on("Handbuch", [this] { showManual(); });
}

// ---------------------------------------------------------------------------------------
// The project

bool FileMenuActions::projectChanged() const {
    // An edit of a box that the input check does not watch counts as well.
    return !m_main.state().ProjectSaved || m_main.formEdited();
}

bool FileMenuActions::offerToSave() {
    const MessageBoxes::Answer answer =
        m_boxes.askYesNo(&m_main, QStringLiteral("Notice"), QStringLiteral("Save current file?"));
    return answer != MessageBoxes::Answer::Yes || save();
}

void FileMenuActions::newProject() {
    // New loses nothing (the inputs stay), so it goes on whatever became of the save.
    if (projectChanged())
        offerToSave();
    m_main.state().ProjectFileName = utf8(documentsNewFile());
    showCaption();
}

bool FileMenuActions::openProject() {
    // Open replaces every input: after a save that was cancelled or failed it stops, so that
    // the changes are still there.
    if (projectChanged() && !offerToSave())
        return false;
    // The main window repaints after the message box before the dialog comes up.
    QCoreApplication::processEvents();
    FileDialogs::Request request;
    request.title = QStringLiteral("Open project");
    request.folder = dialogFolder();
    request.filter = ProjectFilter;
    request.defaultSuffix = Suffix;
    const QString chosen = m_dialogs.openFileName(&m_main, request);
    if (chosen.isEmpty())
        return false;
    loadProject(chosen);
    return true;
}

void FileMenuActions::loadProject(const QString& chosen) {
    if (auto* refresh = m_main.findChild<QPushButton*>(QStringLiteral("BtnRefresh")))
        refresh->setEnabled(false);
    model::MainWindowState& state = m_main.state();
    state.ProjectFileName = utf8(chosen);
    state.DriverFileName = utf8(chosen);
    showCaption();
    takeInWidgets();
    files::ProjectFile::LoadDriver1Values(state.ProjectFileName, state.form);
    files::ProjectFile::LoadOtherValues(state.ProjectFileName, state.form);
    m_main.showForm();
    m_main.CheckVariables();
    state.ProjectSaved = true;
    rememberFolder(chosen);
}

bool FileMenuActions::save() {
    const QString path = qs(m_main.state().ProjectFileName);
    // The start-up name, a file marked read-only and a file that is not there (any more)
    // go to save as.
    if (path == documentsNewFile() || !QFileInfo::exists(path) || FileAttributes::isReadOnly(path))
        return saveAs();
    return m_main.saveProject();
}

bool FileMenuActions::saveAs() {
    FileDialogs::Request request;
    request.title = QStringLiteral("Datei speichern unter ...");
    request.folder = dialogFolder();
    request.fileName = QFileInfo(qs(m_main.state().ProjectFileName)).fileName();
    request.filter = SaveFilter;
    request.defaultSuffix = Suffix;
    request.confirmOverwrite = true;
    request.refuseReadOnly = true;
    QCoreApplication::processEvents();
    const QString chosen = m_dialogs.saveFileName(&m_main, request);
    if (chosen.isEmpty())
        return false;
    m_main.state().ProjectFileName = utf8(chosen);
    // A failed save has shown its message; the caption and the folder stay as they were.
    if (!m_main.saveProject())
        return false;
    showCaption();
    rememberFolder(chosen);
    return true;
}

// ---------------------------------------------------------------------------------------
// Driver data of another project

void FileMenuActions::openDriver1() {
    FileDialogs::Request request;
    request.title = QStringLiteral("Open driver1");
    request.folder = dialogFolder();
    request.filter = ProjectFilter;
    request.defaultSuffix = Suffix;
    const QString chosen = m_dialogs.openFileName(&m_main, request);
    if (chosen.isEmpty())
        return;
    model::MainWindowState& state = m_main.state();
    state.DriverFileName = utf8(chosen);
    takeInWidgets();
    files::ProjectFile::LoadDriver1Values(state.DriverFileName, state.form);
    m_main.binding().show(state.form);
    // The folder of a driver-1 file is not remembered.
    m_main.CheckVariables();
}

void FileMenuActions::openDriver2() {
    FileDialogs::Request request;
    request.title = QStringLiteral("Open driver2");
    request.folder = dialogFolder();
    request.filter = ProjectFilter;
    request.defaultSuffix = Suffix;
    const QString chosen = m_dialogs.openFileName(&m_main, request);
    if (chosen.isEmpty())
        return;
    model::MainWindowState& state = m_main.state();
    state.DriverFileName = utf8(chosen);
    takeInWidgets();
    files::ProjectFile::LoadDriver2Values(state.DriverFileName, state.form);
    m_main.binding().show(state.form);
    rememberFolder(chosen);
    m_main.CheckVariables();
}

// ---------------------------------------------------------------------------------------
// Viewers

void FileMenuActions::showContourList() {
    m_viewer.open(qs(model::MainWindowState::joinPath(m_main.state().DataFolder, "contour.txt")));
}

void FileMenuActions::showResponses() {
    m_viewer.open(qs(model::MainWindowState::joinPath(m_main.state().DataFolder, "data.txt")));
}

void FileMenuActions::showManual() {
    m_viewer.open(
        qs(model::MainWindowState::joinPath(m_main.state().ProgramFolder, "Velmora7Manual.pdf")));
}

// ---------------------------------------------------------------------------------------

void FileMenuActions::showCaption() {
    m_main.setWindowTitle(QStringLiteral("Velmora  ") + qs(m_main.state().ProjectFileName));
}

void FileMenuActions::takeInWidgets() {
    m_main.binding().collect(m_main.state().form);
}

QString FileMenuActions::documentsNewFile() const {
    return qs(model::MainWindowState::joinPath(m_main.state().DocumentsFolder, "new.vmx"));
}

QString FileMenuActions::dialogFolder() const {
    const model::MainWindowState& state = m_main.state();
    return qs(SettingsFile(state.DataFolder).folder(FolderKey, state.DocumentsFolder));
}

void FileMenuActions::rememberFolder(const QString& path) const {
    SettingsFile(m_main.state().DataFolder)
        .setFolder(FolderKey, utf8(FileAttributes::folderOf(path)));
}

} // namespace ui
