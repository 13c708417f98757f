// The file menu: new, open, save, save as, the driver take-over, the viewers and F1.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "FormFields.h"
#include "IniFile.h"
#include "ProjectFile.h"
#include "QtFileDialogs.h"
#include "RadioGroup.h"
#include "StartedProgram.h"
#include "StringGrid.h"

namespace {

using Answer = ui::MessageBoxes::Answer;
const QString SaveAsTitle = QStringLiteral("Datei speichern unter ...");
const QString Question = QStringLiteral("Save current file?");

void trigger(const StartedProgram& program, const char* action) {
    QAction* a = program.main().findChild<QAction*>(QLatin1String(action));
    QVERIFY2(a && a->isEnabled(), action);
    a->trigger();
    QCoreApplication::processEvents();
}

QString makeFolder(const StartedProgram& program, const QString& name) {
    const QString folder = program.home() + "/" + name;
    QDir().mkpath(folder);
    return folder;
}

// A project written by the project file layer from the start-up values changed by `change`.
QString writeProject(const QString& path,
                     const std::function<void(model::FormState&)>& change = {}) {
    model::FormState form;
    if (change)
        change(form);
    const std::string error = files::ProjectFile::SaveValues(path.toStdString(), form);
    if (!error.empty())
        qWarning("%s", error.c_str());
    return path;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString aktuell(const StartedProgram& program) {
    files::IniFile ini;
    ini.load((program.dataFolder() + "/Velmora.ini").toStdString());
    return QString::fromStdString(ini.readString("Verzeichnis", "Aktuell", "<missing>"));
}

QString caption(const QString& project) {
    return QStringLiteral("Velmora  ") + project;
}

// Every input control as "name=value", for comparing whole forms.
QStringList controls(const model::FormState& form) {
    QStringList out;
    for (const auto& [name, value] : model::FormFields::List(form))
        out << QString::fromStdString(name + "=" + value);
    return out;
}

// Puts the focus into a grid cell and types over it.
void typeIntoGrid(const StartedProgram& program, int column, int row, const QString& text) {
    auto* pages = program.main().findChild<QTabWidget*>("DE");
    pages->setCurrentWidget(program.main().binding().widget("FWTab"));
    auto* grid = program.control<ui::StringGrid>("FWGrid");
    grid->focusCell(column, row);
    QCoreApplication::processEvents();
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// Edits one box so that the project counts as changed (the check clears ProjectSaved).
void changeSomething(const StartedProgram& program, const char* edit = "EditQms",
                     const QString& text = "0.8") {
    program.type(edit, text);
    program.leave();
    QVERIFY(!program.state().ProjectSaved);
}

} // namespace

class FileMenuTest : public QObject {
    Q_OBJECT
private slots:
    void saveRightAfterStartUpShowsSaveAs();
    void saveOfAFileThatCannotBeSavedInPlaceShowsSaveAs_data();
    void saveOfAFileThatCannotBeSavedInPlaceShowsSaveAs();
    void newAfterAChangeAsksOnceAndKeepsTheInputs();
    void cancelledOrFailedSaveKeepsTheChanges_data();
    void cancelledOrFailedSaveKeepsTheChanges();
    void failedSaveNamesTheFileAndLeavesTheOldProject();
    void openEditSaveOpenGivesBackEveryInput();
    void openOfAProjectFromTheCommandLineTool();
    void dialogFoldersFollowTheRememberedFolder();
    void driver2TakesSectionLautsprecherOfAnyProject();
    void viewersAndF1HandTheirFileToTheDesktop();
    void qtSaveDialogRefusesReadOnlyAndAsksBeforeReplacing();
};

void FileMenuTest::saveRightAfterStartUpShowsSaveAs() {
    StartedProgram program;
    const QString documents = QString::fromStdString(program.state().DocumentsFolder);
    trigger(program, "DateiSpeichern");
    QCOMPARE(program.dialogs.shown.size(), 1);
    const AnsweringDialogs::Shown& shown = program.dialogs.shown[0];
    QVERIFY(shown.save);
    QCOMPARE(shown.request.title, SaveAsTitle);
    QCOMPARE(shown.request.folder, documents); // nothing remembered yet
    QCOMPARE(shown.request.fileName, QStringLiteral("new.vmx"));
    QCOMPARE(shown.request.filter, QStringLiteral("VMX-Datei (*.vmx)"));
    QCOMPARE(shown.request.defaultSuffix, QStringLiteral("vmx"));
    QVERIFY(shown.request.confirmOverwrite);
    QVERIFY(shown.request.refuseReadOnly);
    // Cancelled: nothing written, nothing renamed.
    QCOMPARE(program.main().windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(QString::fromStdString(program.state().ProjectFileName), documents + "/new.vmx");
    QVERIFY(!QFile::exists(documents + "/new.vmx"));

    const QString folder = makeFolder(program, "projects");
    const QString path = folder + "/horn.vmx";
    program.dialogs.answers = {path};
    changeSomething(program);
    trigger(program, "DateiSpeichern");
    QVERIFY(bytesOf(path).contains("mechanische G"));
    QCOMPARE(program.main().windowTitle(), caption(path));
    QCOMPARE(aktuell(program), folder + "/");
    QVERIFY(program.state().ProjectSaved);

    // The project has a name now: Save writes it without a dialog.
    program.type("EditInfo", "Second state");
    trigger(program, "DateiSpeichern");
    QCOMPARE(program.dialogs.shown.size(), 2);
    QVERIFY(bytesOf(path).contains("Second state"));
    QVERIFY(program.boxes.shown.isEmpty());
}

void FileMenuTest::saveOfAFileThatCannotBeSavedInPlaceShowsSaveAs_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("marked read-only") << "read-only";
    QTest::newRow("deleted meanwhile") << "missing";
}

void FileMenuTest::saveOfAFileThatCannotBeSavedInPlaceShowsSaveAs() {
    QFETCH(QString, how);
    StartedProgram program;
    const QString path = makeFolder(program, "p") + "/locked.vmx";
    program.dialogs.answers = {path};
    trigger(program, "DateiSpeichernUnter");
    QVERIFY(QFile::exists(path));
    if (how == "read-only") {
        // No write bit at all: the mark holds for every user (root may write the file, but
        // the program must not treat it as writable).
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
    } else {
        QVERIFY(QFile::remove(path));
    }
    const QByteArray before = bytesOf(path);
    changeSomething(program);
    trigger(program, "DateiSpeichern");
    QCOMPARE(program.dialogs.titles(), (QStringList{SaveAsTitle, SaveAsTitle}));
    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(bytesOf(path), before); // left alone: the dialog was cancelled
    QVERIFY(!program.state().ProjectSaved);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void FileMenuTest::newAfterAChangeAsksOnceAndKeepsTheInputs() {
    StartedProgram program;
    const QString path = writeProject(makeFolder(program, "p") + "/a.vmx");
    program.dialogs.answers = {path};
    trigger(program, "DateiOeffnen");
    QVERIFY(program.boxes.shown.isEmpty()); // nothing changed since start-up
    QCOMPARE(program.main().windowTitle(), caption(path));

    changeSomething(program);
    program.boxes.answers = {Answer::No};
    trigger(program, "DateiNeu");
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].caption, QStringLiteral("Notice"));
    QCOMPARE(program.boxes.shown[0].text, Question);
    QVERIFY(program.boxes.shown[0].question);
    QCOMPARE(program.edit("EditQms")->text(), QStringLiteral("0.8"));
    const QString newFile = QString::fromStdString(program.state().DocumentsFolder) + "/new.vmx";
    QCOMPARE(QString::fromStdString(program.state().ProjectFileName), newFile);
    QCOMPARE(program.main().windowTitle(), caption(newFile));
    QVERIFY(!program.state().ProjectSaved);
    QVERIFY(!bytesOf(path).contains("0.8"));

    // The next Save goes to save as: the project is new.vmx again.
    trigger(program, "DateiSpeichern");
    QCOMPARE(program.dialogs.titles(), (QStringList{"Open project", SaveAsTitle}));
}

// Yes to "Save current file?" and then a save that does not happen: Open and closing stop,
// so that the changes are not lost; New goes on (it keeps the inputs anyway).
void FileMenuTest::cancelledOrFailedSaveKeepsTheChanges_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("saveFails");
    QTest::newRow("open, save as cancelled") << "open" << false;
    QTest::newRow("open, save failed") << "open" << true;
    QTest::newRow("close, save as cancelled") << "close" << false;
    QTest::newRow("close, save failed") << "close" << true;
    QTest::newRow("new, save as cancelled") << "new" << false;
}

void FileMenuTest::cancelledOrFailedSaveKeepsTheChanges() {
    QFETCH(QString, operation);
    QFETCH(bool, saveFails);
    StartedProgram program;
    QVERIFY(program.active());
    const QString other = writeProject(makeFolder(program, "p") + "/other.vmx",
                                       [](model::FormState& f) { f.EditQms = "0.3"; });
    changeSomething(program);
    // A path through a regular file cannot be written, not even by root.
    QFile blocker(program.home() + "/blocker");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = program.home() + "/blocker/x.vmx";
    program.boxes.answers = {Answer::Yes};
    // "" cancels the save-as dialog; `other` is what Open would open.
    program.dialogs.answers = {saveFails ? unwritable : QString(), other};

    if (operation == "open") {
        trigger(program, "DateiOeffnen");
        QCOMPARE(program.dialogs.titles(), QStringList{SaveAsTitle}); // no open dialog
    } else if (operation == "close") {
        QVERIFY(!program.main().close());
        QVERIFY(program.main().isVisible());
    } else {
        trigger(program, "DateiNeu");
        QCOMPARE(QString::fromStdString(program.state().ProjectFileName),
                 QString::fromStdString(program.state().DocumentsFolder) + "/new.vmx");
    }
    QCOMPARE(program.edit("EditQms")->text(), QStringLiteral("0.8"));
    QCOMPARE(QString::fromStdString(program.state().form.EditQms), QStringLiteral("0.8"));
    QVERIFY(!program.state().ProjectSaved);
    const QStringList texts = program.boxes.texts();
    QCOMPARE(texts.first(), Question);
    if (saveFails) {
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[1].contains(unwritable), qPrintable(texts[1]));
    } else {
        QCOMPARE(texts.size(), 1);
    }
}

void FileMenuTest::failedSaveNamesTheFileAndLeavesTheOldProject() {
    StartedProgram program;
    const QString folder = makeFolder(program, "p");
    const QString project = folder + "/kept.vmx";
    program.dialogs.answers = {project};
    trigger(program, "DateiSpeichernUnter");
    const QByteArray saved = bytesOf(project);
    QVERIFY(!saved.isEmpty());

    changeSomething(program);
    QFile blocker(program.home() + "/blocker");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = program.home() + "/blocker/sub/new.vmx";
    program.dialogs.answers = {unwritable};
    trigger(program, "DateiSpeichernUnter");
    QCOMPARE(program.boxes.shown.size(), 1);
    QVERIFY2(program.boxes.shown[0].text.contains(unwritable),
             qPrintable(program.boxes.shown[0].text));
    QVERIFY(!program.state().ProjectSaved);
    QCOMPARE(program.main().windowTitle(), caption(project));
    QCOMPARE(aktuell(program), folder + "/");
    QCOMPARE(bytesOf(project), saved);
    QVERIFY(!QFile::exists(unwritable));
}

void FileMenuTest::openEditSaveOpenGivesBackEveryInput() {
    StartedProgram program;
    QVERIFY(program.active());
    const QString path =
        writeProject(makeFolder(program, "p") + "/round.vmx", [](model::FormState& f) {
            f.EditInfo = "Round trip";
            f.Editl1 = "1.8";
            f.FWGrid[2][2] = "10";
        });
    program.dialogs.answers = {path};
    trigger(program, "DateiOeffnen");
    QCOMPARE(program.edit("Editl1")->text(), QStringLiteral("1.8"));
    QVERIFY(program.state().ProjectSaved);

    // Edits of every kind of control.
    program.type("EditRdc", "6,5");
    program.leave();
    program.type("EditLSInfo2", "Woofer ");
    QTest::sendKeyEvent(QTest::Click, program.edit("EditLSInfo2"), Qt::Key_Adiaeresis,
                        QStringLiteral("ä"), Qt::NoModifier);
    program.leave();
    program.control<QCheckBox>("CBAK")->click();
    auto* profile = program.control<QComboBox>("CBKontur");
    profile->setFocus();
    profile->setCurrentIndex(3);
    program.leave();
    typeIntoGrid(program, 3, 3, "0,33");
    program.control<QCheckBox>("CBohneFW")->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(program.boxes.shown.isEmpty());
    trigger(program, "DateiSpeichern");
    QCOMPARE(program.dialogs.shown.size(), 1); // saved in place
    QVERIFY(program.state().ProjectSaved);
    const QStringList saved = controls(program.state().form);
    QVERIFY(saved.contains("EditRdc=6.5"));
    QVERIFY(saved.contains("FWGrid[3,3]=0.33"));
    QVERIFY(saved.contains("CBKontur=3"));

    // A change that is not saved, then the project again.
    changeSomething(program, "Editfs", "33");
    program.boxes.answers = {Answer::No};
    program.dialogs.answers = {path};
    trigger(program, "DateiOeffnen");
    QCOMPARE(controls(program.state().form), saved);
    QVERIFY(!program.main().formEdited()); // the widgets show it too
    QCOMPARE(program.edit("Editfs")->text(), QStringLiteral("50"));
    QCOMPARE(program.edit("EditLSInfo2")->text(), QStringLiteral("Woofer ä"));
    QVERIFY(program.state().ProjectSaved);
}

void FileMenuTest::openOfAProjectFromTheCommandLineTool() {
    StartedProgram program;
    const QStringList startUp = controls(program.state().form);
    const QString path = makeFolder(program, "cli") + "/fresh.vmx";
    QProcess sim;
    sim.start(QStringLiteral(VELMORA_SIM), {"new", path});
    QVERIFY(sim.waitForFinished(60000));
    QCOMPARE(sim.exitCode(), 0);

    changeSomething(program);
    program.boxes.answers = {Answer::No};
    program.dialogs.answers = {path};
    trigger(program, "DateiOeffnen");
    QCOMPARE(program.boxes.texts(), QStringList{Question}); // the check found nothing
    QVERIFY(program.state().InputsValid);
    QVERIFY(program.state().ProjectSaved);
    QCOMPARE(program.main().windowTitle(), caption(path));
    QCOMPARE(QString::fromStdString(program.state().DriverFileName), path);
    // The tool saves the start-up state of the form: the window shows it again.
    QCOMPARE(controls(program.state().form), startUp);
    QCOMPARE(program.edit("EditQms")->text(), QStringLiteral("0.71"));
}

// "Aktuell": open project and save as write the project's folder, open driver2 the driver
// file's, open driver1 nothing; every dialog starts there.
void FileMenuTest::dialogFoldersFollowTheRememberedFolder() {
    StartedProgram program;
    const QString projects = makeFolder(program, "projects");
    const QString drivers = makeFolder(program, "drivers");
    const QString project = writeProject(projects + "/box.vmx");
    const QString driver = writeProject(drivers + "/driver.vmx", [](model::FormState& f) {
        f.EditRdc = "4";
        f.EditLSInfo = "Tweeter";
    });
    program.dialogs.answers = {project, driver, project, driver};
    trigger(program, "DateiOeffnen");
    QCOMPARE(aktuell(program), projects + "/");

    // The button on the driver page triggers the menu entry.
    program.control<QPushButton>("BtnTreiber1Oeffnen")->click();
    QCoreApplication::processEvents();
    QCOMPARE(program.edit("EditRdc")->text(), QStringLiteral("4"));
    QCOMPARE(program.edit("EditLSInfo")->text(), QStringLiteral("Tweeter"));
    QCOMPARE(program.edit("EditRdc2")->text(), QStringLiteral("8"));
    QCOMPARE(QString::fromStdString(program.state().DriverFileName), driver);
    QCOMPARE(QString::fromStdString(program.state().ProjectFileName), project);
    QCOMPARE(aktuell(program), projects + "/");
    QVERIFY(!program.state().ProjectSaved);

    program.boxes.answers = {Answer::No};
    trigger(program, "DateiOeffnen");
    trigger(program, "Treiber2Oeffnen");
    QCOMPARE(aktuell(program), drivers + "/");
    program.dialogs.answers = {};
    program.boxes.answers = {Answer::No};
    trigger(program, "DateiOeffnen");

    QStringList folders;
    for (const AnsweringDialogs::Shown& shown : program.dialogs.shown)
        folders << shown.request.title + " in " + shown.request.folder;
    QCOMPARE(folders,
             (QStringList{
                 "Open project in " + QString::fromStdString(program.state().DocumentsFolder),
                 "Open driver1 in " + projects + "/",
                 "Open project in " + projects + "/",
                 "Open driver2 in " + projects + "/",
                 "Open project in " + drivers + "/",
             }));
    for (const AnsweringDialogs::Shown& shown : program.dialogs.shown) {
        QVERIFY(!shown.save);
        QCOMPARE(shown.request.filter, QStringLiteral("*.vmx (*.vmx)"));
        QCOMPARE(shown.request.defaultSuffix, QStringLiteral("vmx"));
    }
}

void FileMenuTest::driver2TakesSectionLautsprecherOfAnyProject() {
    StartedProgram program;
    QVERIFY(program.active());
    const QString folder = makeFolder(program, "d");
    // Only a DC resistance in "Lautsprecher".
    const QString bare = folder + "/bare.vmx";
    files::IniFile ini;
    ini.writeString("Lautsprecher", "Gleichstromwiderstand", "6");
    QVERIFY(ini.save(bare.toStdString()).empty());
    // Driver 2 of this project differs from its driver 1.
    const QString full = writeProject(folder + "/full.vmx", [](model::FormState& f) {
        f.EditRdc = "5";
        f.Editfs = "40";
        f.EditRdc2 = "7";
        f.Editfs2 = "90";
    });

    program.type("EditZ1k", "9");
    program.leave();
    auto* choice = program.control<ui::RadioGroup>("RGTreiber2");
    QTest::mouseClick(choice->itemButton(2), Qt::LeftButton, {},
                      QPoint(8, choice->itemButton(2)->height() / 2));
    QCoreApplication::processEvents();
    QCOMPARE(program.state().form.RGTreiber2, 2);
    const std::string projectName = program.state().ProjectFileName;
    const QString title = program.main().windowTitle();

    program.dialogs.answers = {bare};
    program.control<QPushButton>("BtnTreiber2Oeffnen")->click();
    QCoreApplication::processEvents();
    QCOMPARE(program.dialogs.titles(), QStringList{"Open driver2"});
    QCOMPARE(program.edit("EditRdc2")->text(), QStringLiteral("6"));
    QCOMPARE(program.edit("EditZ1k2")->text(), QStringLiteral("6"));
    QCOMPARE(program.edit("EditZ10k2")->text(), QStringLiteral("6"));
    QCOMPARE(program.edit("Editfs2")->text(), QStringLiteral("100"));
    QCOMPARE(program.edit("EditStk2")->text(), QStringLiteral("1"));
    QCOMPARE(program.edit("EditZ1k")->text(), QStringLiteral("9")); // driver 1 untouched
    QCOMPARE(QString::fromStdString(program.state().form.EditZ1k2), QStringLiteral("6"));
    QCOMPARE(program.state().form.RGTreiber2, 2);
    QCOMPARE(program.state().ProjectFileName, projectName);
    QCOMPARE(program.main().windowTitle(), title);
    QCOMPARE(QString::fromStdString(program.state().DriverFileName), bare);
    QCOMPARE(aktuell(program), folder + "/");
    QVERIFY(!program.state().ProjectSaved);
    QVERIFY(program.boxes.shown.isEmpty());

    program.dialogs.answers = {full};
    trigger(program, "Treiber2Oeffnen");
    QCOMPARE(program.edit("EditRdc2")->text(), QStringLiteral("5"));
    QCOMPARE(program.edit("Editfs2")->text(), QStringLiteral("40"));
    QCOMPARE(program.edit("EditZ1k2")->text(), QStringLiteral("8")); // as the file wrote it
    QCOMPARE(program.edit("EditRdc")->text(), QStringLiteral("8"));

    // Cancelled: nothing changes.
    const QStringList before = controls(program.state().form);
    trigger(program, "Treiber2Oeffnen");
    QCOMPARE(controls(program.state().form), before);
}

void FileMenuTest::viewersAndF1HandTheirFileToTheDesktop() {
    StartedProgram program;
    QVERIFY(program.active());
    trigger(program, "Konturlisten1");
    trigger(program, "Frequenzgnge1");
    QTest::keyClick(&program.main(), Qt::Key_F1);
    QCOMPARE(program.viewer.opened,
             (QStringList{program.dataFolder() + "/contour.txt", program.dataFolder() + "/data.txt",
                          QCoreApplication::applicationDirPath() + "/Velmora7Manual.pdf"}));
    QVERIFY(program.boxes.shown.isEmpty()); // a missing data.txt is not reported
}

// The real dialog: a read-only file is refused with a word, an existing one is replaced only
// after the question.
void FileMenuTest::qtSaveDialogRefusesReadOnlyAndAsksBeforeReplacing() {
    QTemporaryDir folder;
    const QString locked = folder.path() + "/locked.vmx";
    const QString existing = folder.path() + "/existing.vmx";
    for (const QString& path : {locked, existing}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner));
    QStringList boxes;
    // Answers whatever box comes up over the dialog.
    std::function<void()> answerBox = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answerBox);
            return;
        }
        boxes << box->text();
        if (QAbstractButton* yes = box->button(QMessageBox::Yes))
            yes->click();
        else
            box->accept();
    };
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTimer::singleShot(0, answerBox);
        dialog->selectFile(locked);
        static_cast<QDialog*>(dialog)->accept(); // refused: the dialog stays
        QVERIFY(dialog->isVisible());
        QTimer::singleShot(0, answerBox);
        dialog->selectFile(existing);
        static_cast<QDialog*>(dialog)->accept();
    });
    ui::QtFileDialogs dialogs;
    ui::FileDialogs::Request request;
    request.title = SaveAsTitle;
    request.folder = folder.path();
    request.filter = QStringLiteral("VMX-Datei (*.vmx)");
    request.defaultSuffix = QStringLiteral("vmx");
    request.confirmOverwrite = true;
    request.refuseReadOnly = true;
    const QString chosen = dialogs.saveFileName(nullptr, request);
    QCOMPARE(chosen, existing);
    QCOMPARE(boxes.size(), 2);
    QVERIFY2(boxes[0].contains("read-only"), qPrintable(boxes[0]));
    QVERIFY2(boxes[1].contains("existing.vmx"), qPrintable(boxes[1]));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

#include "FileMenuTest.moc"

QObject* makeFileMenuTest() {
    return new FileMenuTest;
}
