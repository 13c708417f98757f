// The input check on screen, Start and F9, the report, closing and the colour-slot option.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "ColourSwatch.h"
#include "IniFile.h"
#include "OptionsDialog.h"
#include "ParamForm.h"
#include "PlotWindow.h"
#include "RadioGroup.h"
#include "StartedProgram.h"
#include "StringGrid.h"

namespace {

bool looksActive(QWidget* box) {
    return box->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Base);
}

bool looksInactive(QWidget* box) {
    return box->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
}

// Answers the next modal dialog once it is up: sets the option and presses a button.
void answerOptionsDialog(bool colourChange, const char* button) {
    QTimer::singleShot(0, [colourChange, button] {
        auto* dialog = qobject_cast<ui::OptionsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QCheckBox*>("CBFarbeWechseln")->setChecked(colourChange);
        dialog->findChild<QPushButton*>(button)->click();
    });
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void tabGoesDownTheColumnOfDriverOne();
    void commaInHornLengthBecomesPoint();
    void lettersInQesGiveMessageAndFocusBack();
    void positionBeyondHornLengthMakesStartCheckAgain();
    void clicksSwitchTheLooksOfDependentBoxes_data();
    void clicksSwitchTheLooksOfDependentBoxes();
    void crossoverCellIsCheckedWhenLeavingTheGrid();
    void f9RunsWritesTablesAndFillsReport();
    void deleteAllPlotsEmptiesTheSlots();
    void f9ChecksAnEditStillInProgressBeforeRunning();
    void runShowsNoticesAndCorrectsMouthHeight();
    void closeAsksToSaveOnlyAfterAnEdit();
    void cancelKeepsWindowOpenAndYesSaves();
    void colourSlotStaysWhenOptionIsOff();
};

void MainWindowTest::tabGoesDownTheColumnOfDriverOne() {
    StartedProgram program;
    QVERIFY(program.active());
    program.type("EditXmax", "2");
    program.leave();
    QCOMPARE(QApplication::focusWidget(), program.edit("EditStk"));
    // Driver 2's column, from its open button down.
    program.leave();
    QCOMPARE(QApplication::focusWidget(), program.main().binding().widget("BtnTreiber2Oeffnen"));
    program.leave();
    QCOMPARE(QApplication::focusWidget(), program.edit("EditLSInfo2"));
}

void MainWindowTest::commaInHornLengthBecomesPoint() {
    StartedProgram program;
    QVERIFY(program.active());
    program.type("Editl1", "0,5");
    program.leave();
    QCOMPARE(program.edit("Editl1")->text(), QStringLiteral("0.5"));
    QCOMPARE(QString::fromStdString(program.state().form.Editl1), QStringLiteral("0.5"));
    QVERIFY(program.boxes.shown.isEmpty());
    QVERIFY(!program.state().ProjectSaved);
}

void MainWindowTest::lettersInQesGiveMessageAndFocusBack() {
    StartedProgram program;
    QVERIFY(program.active());
    program.type("EditQes", "abc");
    program.leave();
    QCOMPARE(program.edit("EditQes")->text(), QStringLiteral("0"));
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].caption, QString());
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("Input Electrical Q-factor not allowed!"));
    QCOMPARE(QApplication::focusWidget(), program.edit("EditQes"));
    // Letters in a damping value become 0 without a word.
    program.boxes.clear();
    program.type("EditBeta1", "abc");
    program.leave();
    QCOMPARE(program.edit("EditBeta1")->text(), QStringLiteral("0"));
}

void MainWindowTest::positionBeyondHornLengthMakesStartCheckAgain() {
    StartedProgram program;
    QVERIFY(program.active());
    const QString message = QStringLiteral("Input Position driver1 not allowed!");
    program.type("EditxT1", "-5");
    program.leave();
    QCOMPARE(program.edit("EditxT1")->text(), QStringLiteral("5"));
    QCOMPARE(program.boxes.texts(), QStringList{message});
    QVERIFY(!program.state().InputsValid);

    program.boxes.clear();
    program.control<QPushButton>("ButtonStart")->click();
    QCOMPARE(program.boxes.texts(), QStringList{message});
    QVERIFY(!QFile::exists(program.dataFolder() + "/data.txt"));
    QCOMPARE(program.control<QProgressBar>("ProgressBar1")->value(), 0);
    QCOMPARE(program.state().ColourSlot, 0);
}

void MainWindowTest::clicksSwitchTheLooksOfDependentBoxes_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("dependent");
    QTest::addColumn<bool>("active");
    QTest::newRow("driver 2 from list") << "RGTreiber2" << 2 << "EditRdc2" << true;
    QTest::newRow("driver 2 as driver 1") << "RGTreiber2" << 1 << "EditRdc2" << false;
    QTest::newRow("driver 2 at all") << "RGTreiber2" << 1 << "EditxT2" << true;
    QTest::newRow("absorber chamber") << "CBAK" << -1 << "EditVAK" << true;
    QTest::newRow("extra tunnel") << "CBET" << -1 << "EditAET" << true;
}

void MainWindowTest::clicksSwitchTheLooksOfDependentBoxes() {
    QFETCH(QString, clicked);
    QFETCH(int, item);
    QFETCH(QString, dependent);
    QFETCH(bool, active);
    StartedProgram program;
    QVERIFY(program.active());
    QWidget* box = program.main().binding().widget(dependent);
    QVERIFY(looksInactive(box));
    QWidget* control = program.main().binding().widget(clicked);
    if (auto* group = qobject_cast<ui::RadioGroup*>(control))
        // On the round mark, where a user clicks.
        QTest::mouseClick(group->itemButton(item), Qt::LeftButton, {},
                          QPoint(8, group->itemButton(item)->height() / 2));
    else
        qobject_cast<QCheckBox*>(control)->click();
    QCoreApplication::processEvents();
    QCOMPARE(looksActive(box), active);
    QCOMPARE(looksInactive(box), !active);
    QVERIFY(!program.state().ProjectSaved);
}

void MainWindowTest::crossoverCellIsCheckedWhenLeavingTheGrid() {
    StartedProgram program;
    QVERIFY(program.active());
    auto* grid = program.control<ui::StringGrid>("FWGrid");
    auto* pages = program.main().findChild<QTabWidget*>("DE");
    pages->setCurrentWidget(program.main().binding().widget("FWTab"));
    grid->focusCell(2, 2); // C of position 2
    for (const QChar c : QStringLiteral("4,7"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    program.control<QCheckBox>("CBohneFW")->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QCOMPARE(grid->cell(2, 2), QStringLiteral("4.7"));
    // 1/C for 4.7 µF; relative tolerance for the one division.
    const double invC = program.state().lastCheck.elements.ElementInvC[2];
    QVERIFY(std::abs(invC * 4.7e-6 - 1) < 1e-12);
    QVERIFY(program.boxes.shown.isEmpty());
}

void MainWindowTest::f9RunsWritesTablesAndFillsReport() {
    StartedProgram program;
    QVERIFY(program.active());
    auto* progress = program.control<QProgressBar>("ProgressBar1");
    auto* start = program.control<QPushButton>("ButtonStart");
    QList<int> positions;
    bool startDisabledDuringRun = true;
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
        positions << value;
        startDisabledDuringRun = startDisabledDuringRun && !start->isEnabled();
    });
    program.type("Editl1", "1,2");
    program.pressF9();

    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(program.edit("Editl1")->text(), QStringLiteral("1.2"));
    // Default project: FmaxEff = 10·c/L = 10 · 339.56 m/s / 1.2 m ≈ 2829.7 Hz. The grid
    // f_i = 10 Hz · 2000^(i/99) first exceeds it at i = 74, so 75 points are written after
    // the two header lines.
    QCOMPARE(countLines(program.dataFolder() + "/data.txt"), 2 + 75);
    // Contour list: header and ContourPoints = 51 lines.
    QCOMPARE(countLines(program.dataFolder() + "/contour.txt"), 1 + 51);
    // The empty list of the start-up is kept as the backup.
    QVERIFY(QFile::exists(program.dataFolder() + "/contour.bak"));

    // 10 at the start, 10 + 80·i/100 for the 75 points (up to 69), then 100 and 0 around
    // the drawing.
    QVERIFY(positions.size() > 3);
    QCOMPARE(positions.first(), 10);
    QCOMPARE(positions.mid(positions.size() - 3), (QList<int>{69, 100, 0}));
    for (int i = 1; i + 2 < positions.size(); ++i)
        QVERIFY(positions[i] >= positions[i - 1] && positions[i] <= 90);
    QVERIFY(startDisabledDuringRun);
    QVERIFY(start->isEnabled());

    const ui::ParamForm* misc = program.windows().param;
    const QStringList memo1 = misc->memo1()->toPlainText().split('\n');
    QCOMPARE(memo1.size(), 6);
    QCOMPARE(memo1[0], QStringLiteral("Cms = 1.058 mm/N"));
    QVERIFY(misc->memo2()->toPlainText().contains("VHorn = "));
    QCOMPARE(misc->height(), 14 * 6 + 15);

    QVERIFY(program.control<QAbstractButton>("BtnClear")->isEnabled());
    QVERIFY(program.control<QAbstractButton>("BtnRefresh")->isEnabled());
    QCOMPARE(program.state().ColourSlot, 1);
    QVERIFY(program.control<ui::ColourSwatch>("Evo1Image")->isSelected());
    QVERIFY(!program.control<ui::ColourSwatch>("Evo0Image")->isSelected());
    QVERIFY(program.state().slotFilled(0));

    // A second run keeps the first run's tables as backups.
    program.pressF9();
    QCOMPARE(countLines(program.dataFolder() + "/data.bak"), 2 + 75);
    QCOMPARE(program.state().ColourSlot, 2);
}

void MainWindowTest::deleteAllPlotsEmptiesTheSlots() {
    StartedProgram program;
    QVERIFY(program.active());
    program.pressF9();
    program.pressF9();
    QVERIFY(program.state().slotFilled(1));
    program.control<QAbstractButton>("BtnClear")->click();
    QCOMPARE(program.state().ColourSlot, 0);
    QVERIFY(program.control<ui::ColourSwatch>("Evo0Image")->isSelected());
    QVERIFY(!program.control<ui::ColourSwatch>("Evo2Image")->isSelected());
    QVERIFY(!program.control<QAbstractButton>("BtnRefresh")->isEnabled());
    for (int slot = 0; slot < model::SlotCount; ++slot)
        QVERIFY(!program.state().slotFilled(slot));
}

// F9 while the focus is still in the edited box: the check runs first, and a value it
// rejects keeps the run from starting.
void MainWindowTest::f9ChecksAnEditStillInProgressBeforeRunning() {
    StartedProgram program;
    QVERIFY(program.active());
    program.type("EditxT1", "1");
    program.leave();
    QVERIFY(program.state().InputsValid);
    program.type("Editl1", "0,6"); // now shorter than the position of driver 1
    program.pressF9();
    QCOMPARE(program.edit("Editl1")->text(), QStringLiteral("0.6"));
    QCOMPARE(program.boxes.texts(), QStringList{"Input Position driver1 not allowed!"});
    QVERIFY(!QFile::exists(program.dataFolder() + "/data.txt"));
    QCOMPARE(program.state().ColourSlot, 0);
}

// Tractrix with a throat of 200 cm², mouth 40 cm × 40 cm and 0.1 m length cannot reach the
// mouth: the run tells so and writes the reachable height into EditH.
void MainWindowTest::runShowsNoticesAndCorrectsMouthHeight() {
    StartedProgram program;
    QVERIFY(program.active());
    for (const auto& [name, text] : {std::pair{"EditAh", "200"}, std::pair{"EditH", "40"},
                                     std::pair{"EditB", "40"}, std::pair{"Editl1", "0.1"}}) {
        program.type(name, text);
        program.leave();
    }
    auto* profile = program.control<QComboBox>("CBKontur");
    profile->setFocus();
    profile->setCurrentIndex(6);
    program.leave();
    QVERIFY(program.boxes.shown.isEmpty());
    QVERIFY(program.state().InputsValid);
    program.control<QPushButton>("ButtonStart")->click();

    QCOMPARE(program.boxes.shown.size(), 1);
    QVERIFY(program.boxes.shown[0].text.contains("Traktrix"));
    const QString height = program.edit("EditH")->text();
    QVERIFY2(height.toDouble() > 0 && height.toDouble() < 40, qPrintable(height));
    QCOMPARE(QString::fromStdString(program.state().form.EditH), height);
    QVERIFY(!program.main().formEdited());
    QVERIFY(program.windows().param->memo2()->toPlainText().startsWith("rTraktrix = "));
}

void MainWindowTest::closeAsksToSaveOnlyAfterAnEdit() {
    {
        StartedProgram program;
        QVERIFY(program.main().close());
        QVERIFY(program.boxes.shown.isEmpty());
        QVERIFY(!program.main().isVisible());
        QVERIFY(program.windows().spl->isHidden());
    }
    StartedProgram program;
    QVERIFY(program.active());
    program.type("EditQms", "0.8");
    program.leave();
    program.boxes.answers = {ui::MessageBoxes::Answer::No};
    QVERIFY(program.main().close());
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].caption, QStringLiteral("Notice"));
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("Save current file?"));
    QVERIFY(program.boxes.shown[0].question);
    QVERIFY(!QFile::exists(QString::fromStdString(program.state().ProjectFileName)));
}

void MainWindowTest::cancelKeepsWindowOpenAndYesSaves() {
    StartedProgram program;
    QVERIFY(program.active());
    program.pressF9();
    // An edit of a box that the check does not watch still counts as a change.
    program.type("EditInfo", "Test horn");
    program.boxes.answers = {ui::MessageBoxes::Answer::Cancel, ui::MessageBoxes::Answer::Yes};
    QVERIFY(!program.main().close());
    QVERIFY(program.main().isVisible());
    QVERIFY(program.control<QAbstractButton>("BtnRefresh")->isEnabled());

    // Yes saves as the menu entry "Save" does: the project is still new.vmx, so the
    // save-as dialog asks for the name.
    const QString chosen = program.home() + "/closing.vmx";
    program.dialogs.answers = {chosen};
    QVERIFY(program.main().close());
    QCOMPARE(program.boxes.shown.size(), 2);
    QCOMPARE(program.dialogs.titles(), QStringList{"Datei speichern unter ..."});
    QCOMPARE(QString::fromStdString(program.state().ProjectFileName), chosen);
    QFile saved(chosen);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("Test horn"));
}

void MainWindowTest::colourSlotStaysWhenOptionIsOff() {
    StartedProgram program;
    QVERIFY(program.active());
    auto* options = program.main().findChild<QAction*>("Optionen1");
    // Cancel leaves the setting alone (no settings file is written).
    answerOptionsDialog(false, "BtnAbbrechen");
    options->trigger();
    QVERIFY(!QFile::exists(program.dataFolder() + "/Velmora.ini"));

    answerOptionsDialog(false, "BtnOK");
    options->trigger();
    files::IniFile ini;
    QCOMPARE(
        QString::fromStdString(ini.load((program.dataFolder() + "/Velmora.ini").toStdString())),
        QString());
    QCOMPARE(ini.readString("Optionen", "CBFarbeWechseln", "?"), std::string("0"));

    program.pressF9();
    program.pressF9();
    QCOMPARE(program.state().ColourSlot, 0);
    QVERIFY(program.control<ui::ColourSwatch>("Evo0Image")->isSelected());

    // The dialog shows the stored setting the next time.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ui::OptionsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog && !dialog->colourChange());
        dialog->reject();
    });
    options->trigger();
}

#include "MainWindowTest.moc"

QObject* makeMainWindowTest() {
    return new MainWindowTest;
}
