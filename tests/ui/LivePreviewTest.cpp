// The live preview option and the project named on the command line at start-up.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>

#include "IniFile.h"
#include "OptionsDialog.h"
#include "PlotWindow.h"
#include "ProgramStart.h"
#include "ProjectFile.h"
#include "StartedProgram.h"

namespace {

QAction* liveAction(const StartedProgram& program) {
    return program.main().findChild<QAction*>(QStringLiteral("LiveUpdate1"));
}

QString dataTable(const StartedProgram& program) {
    return program.dataFolder() + "/data.txt";
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "Optionen"/"LiveUpdate" as the settings file holds it; "?" when missing.
std::string liveKey(const StartedProgram& program) {
    files::IniFile ini;
    ini.load((program.dataFolder() + "/Velmora.ini").toStdString());
    return ini.readString("Optionen", "LiveUpdate", "?");
}

// Largest level difference between two slots' SPL rows over the points both hold.
double largestSplChange(const engine::ResultRows& a, const engine::ResultRows& b) {
    double largest = 0;
    for (int i = 0; i < engine::MaxPoints && a.f[i] > 0 && b.f[i] > 0; ++i)
        largest = std::max(largest, std::abs(a.SPL[i] - b.SPL[i]));
    return largest;
}

// Answers the next options dialog once it is up: `inspect` sees it first, then it is
// closed with `button`.
void answerOptionsDialog(const std::function<void(ui::OptionsDialog&)>& inspect,
                         const char* button) {
    QTimer::singleShot(0, [inspect, button] {
        auto* dialog = qobject_cast<ui::OptionsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        inspect(*dialog);
        dialog->findChild<QPushButton*>(button)->click();
    });
}

} // namespace

class LivePreviewTest : public QObject {
    Q_OBJECT
private slots:
    void nothingRunsWhileTheOptionIsOff();
    void leavingTheHornLengthRedrawsTheCurrentSlotWithoutAdvancing();
    void noticesOfTheRunComeOnlyFromStart();
    void optionsDialogAndMenuEntryShareOneSetting();
    void projectOnTheCommandLineIsOpenedAfterStartUp();
    void unusableProjectOnTheCommandLineIsNamedOnce_data();
    void unusableProjectOnTheCommandLineIsNamedOnce();
};

void LivePreviewTest::nothingRunsWhileTheOptionIsOff() {
    StartedProgram program;
    QVERIFY(program.active());
    QAction* live = liveAction(program);
    QVERIFY(live && live->isCheckable());
    QVERIFY(!live->isChecked());
    program.type("Editl1", "1.5");
    program.leave();
    // The check took the edit in and passed, but it ran nothing.
    QCOMPARE(program.state().form.Editl1, std::string("1.5"));
    QVERIFY(program.state().InputsValid);
    QVERIFY(!program.state().slotFilled(0));
    QVERIFY(!QFile::exists(dataTable(program)));
    QVERIFY(!program.control<QPushButton>("BtnRefresh")->isEnabled());
    QVERIFY(program.boxes.shown.isEmpty());
}

void LivePreviewTest::leavingTheHornLengthRedrawsTheCurrentSlotWithoutAdvancing() {
    StartedProgram program;
    QVERIFY(program.active());
    liveAction(program)->trigger();
    QCOMPARE(liveKey(program), std::string("1"));

    // Start keeps its run in slot 0 and makes slot 1 the current one.
    program.pressF9();
    QCOMPARE(program.state().ColourSlot, 1);
    program.boxes.clear();
    const engine::ResultRows started = program.state().slotResults[0].rows;
    const QByteArray startedTable = bytesOf(dataTable(program));

    program.type("Editl1", "1.5");
    program.leave();
    QCOMPARE(program.state().ColourSlot, 1);
    QVERIFY(program.state().slotFilled(1));
    const engine::ResultRows first = program.state().slotResults[1].rows;
    // 1.2 m to 1.5 m moves the horn's resonances: levels change by dB, far above 0.1 dB.
    QVERIFY(largestSplChange(first, started) > 0.1);
    // Slot 0 is not touched: the same numbers, not only close ones.
    QVERIFY(program.state().slotResults[0].rows.SPL == started.SPL);
    const QByteArray firstTable = bytesOf(dataTable(program));
    QVERIFY(!firstTable.isEmpty() && firstTable != startedTable);
    QCOMPARE(bytesOf(program.dataFolder() + "/data.bak"), startedTable);
    // The SPL window draws the new curve of slot 1 beside Start's curve of slot 0.
    const plot::PlotInput drawn = program.windows().spl->plotInput();
    QVERIFY(drawn.filled[0] && drawn.filled[1]);
    QVERIFY(drawn.rows[1].SPL == first.SPL);

    program.type("Editl1", "2");
    program.leave();
    QCOMPARE(program.state().ColourSlot, 1);
    const engine::ResultRows second = program.state().slotResults[1].rows;
    QVERIFY(largestSplChange(second, first) > 0.1);
    QVERIFY(bytesOf(dataTable(program)) != firstTable);
    QCOMPARE(bytesOf(program.dataFolder() + "/data.bak"), firstTable);

    // The live runs showed nothing, whatever Start shows for these inputs.
    QVERIFY2(program.boxes.shown.isEmpty(), qPrintable(program.boxes.texts().join(" | ")));

    // Start still runs into the current slot and then advances it. Same inputs, same road:
    // the rows are identical to the live run's.
    const QByteArray secondTable = bytesOf(dataTable(program));
    program.pressF9();
    QCOMPARE(program.state().ColourSlot, 2);
    QVERIFY(program.state().slotResults[1].rows.SPL == second.SPL);
    QCOMPARE(bytesOf(dataTable(program)), secondTable);
}

void LivePreviewTest::noticesOfTheRunComeOnlyFromStart() {
    StartedProgram program;
    QVERIFY(program.active());
    liveAction(program)->trigger();
    // A 1 cm² port tuned to 500 Hz would need a negative length: every run says so.
    program.type("EditAbr", "1");
    program.leave();
    program.type("Editfbr", "500");
    program.leave();
    QVERIFY(program.state().slotFilled(0));
    QVERIFY2(program.boxes.shown.isEmpty(), qPrintable(program.boxes.texts().join(" | ")));

    program.pressF9();
    // Start shows the run's notices (and the sketch's, which depend on the drawing).
    QVERIFY2(program.boxes.texts().contains("LBR would be negative!"),
             qPrintable(program.boxes.texts().join(" | ")));
    QCOMPARE(program.state().ColourSlot, 1);
}

void LivePreviewTest::optionsDialogAndMenuEntryShareOneSetting() {
    StartedProgram program;
    QVERIFY(program.active());
    QAction* options = program.main().findChild<QAction*>("Optionen1");
    QAction* live = liveAction(program);

    // Off in the form; checked and confirmed, it is on in the file and the menu.
    answerOptionsDialog(
        [](ui::OptionsDialog& dialog) {
            QVERIFY(!dialog.liveUpdate());
            dialog.findChild<QCheckBox*>("CBLiveUpdate")->setChecked(true);
        },
        "BtnOK");
    options->trigger();
    QCOMPARE(liveKey(program), std::string("1"));
    QVERIFY(live->isChecked());

    // Switched off in the menu, the dialog shows it off; Cancel leaves it so.
    live->trigger();
    QCOMPARE(liveKey(program), std::string("0"));
    QVERIFY(!live->isChecked());
    answerOptionsDialog(
        [](ui::OptionsDialog& dialog) {
            QVERIFY(!dialog.liveUpdate());
            dialog.findChild<QCheckBox*>("CBLiveUpdate")->setChecked(true);
        },
        "BtnAbbrechen");
    options->trigger();
    QCOMPARE(liveKey(program), std::string("0"));
    QVERIFY(!live->isChecked());
}

// The start of velmora FILE.vmx through the function main calls, with the test doubles.
void LivePreviewTest::projectOnTheCommandLineIsOpenedAfterStartUp() {
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"})
        qunsetenv(name);
    const QString project = home.path() + "/long horn.vmx";
    model::FormState saved;
    saved.Editl1 = "2.5";
    saved.EditInfo = "from the command line";
    QCOMPARE(files::ProjectFile::SaveValues(project.toStdString(), saved), std::string());

    AnsweringBoxes boxes;
    AnsweringDialogs dialogs;
    RecordingViewer viewer;
    ui::WindowSet windows(boxes, dialogs, viewer);
    ui::startProgram(windows, boxes, {project});

    const model::MainWindowState& state = windows.main().state();
    QVERIFY(boxes.shown.isEmpty());
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(state.form.Editl1, std::string("2.5"));
    QCOMPARE(state.form.EditInfo, std::string("from the command line"));
    QCOMPARE(qobject_cast<QLineEdit*>(windows.main().binding().widget("Editl1"))->text(),
             QStringLiteral("2.5"));
    // The start-up steps ran first (their grids are there), then Open's own steps.
    QCOMPARE(state.form.OptionGrid[0], std::string("100"));
    QVERIFY(state.InputsValid);
    QVERIFY(state.ProjectSaved);
    QCOMPARE(QString::fromStdString(state.ProjectFileName), project);
    QCOMPARE(QString::fromStdString(state.DriverFileName), project);
    QCOMPARE(windows.main().windowTitle(), QStringLiteral("Velmora  ") + project);
    files::IniFile ini;
    ini.load(model::MainWindowState::joinPath(state.DataFolder, "Velmora.ini"));
    QCOMPARE(QString::fromStdString(ini.readString("Verzeichnis", "Aktuell", "?")),
             home.path() + "/");
    // No run: the slots stay empty until Start.
    QVERIFY(!state.slotFilled(0));
}

void LivePreviewTest::unusableProjectOnTheCommandLineIsNamedOnce_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");
    QTest::newRow("missing") << "missing.vmx"
                             << "Project file not found:\n";
    QTest::newRow("a folder") << "folder.vmx"
                              << "Project file cannot be read:\n";
}

void LivePreviewTest::unusableProjectOnTheCommandLineIsNamedOnce() {
    QFETCH(QString, name);
    QFETCH(QString, notice);
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"})
        qunsetenv(variable);
    QDir(home.path()).mkdir("folder.vmx");
    const QString project = home.path() + "/" + name;

    AnsweringBoxes boxes;
    AnsweringDialogs dialogs;
    RecordingViewer viewer;
    ui::WindowSet windows(boxes, dialogs, viewer);
    ui::startProgram(windows, boxes, {project});

    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].caption, QStringLiteral("Notice"));
    QCOMPARE(boxes.shown[0].text, notice + project);
    // The start-up state: new.vmx, the default inputs, nothing to save.
    const model::MainWindowState& state = windows.main().state();
    QCOMPARE(state.ProjectFileName,
             model::MainWindowState::joinPath(state.DocumentsFolder, "new.vmx"));
    QCOMPARE(state.form.Editl1, model::FormState().Editl1);
    QVERIFY(state.ProjectSaved);
    QCOMPARE(windows.main().windowTitle(), QStringLiteral("Velmora"));
    QVERIFY(!QFile::exists(project) || QFileInfo(project).isDir());
}

#include "LivePreviewTest.moc"

QObject* makeLivePreviewTest() {
    return new LivePreviewTest;
}
