// Start-up of the window set: folders, files, window set and placement, the English texts.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "AboutBox.h"
#include "EnglishTexts.h"
#include "ParamForm.h"
#include "PlotWindow.h"
#include "RadioGroup.h"
#include "SketchWindow.h"
#include "StartedProgram.h"
#include "Translator.h"

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesDataFolderAndEmptyContourList();
    void dataFolderThatCannotBeCreatedIsReported();
    void everyControlOfTheModelHasItsWidget();
    void everyEnglishTextIsInPlace();
    void noControlIsLeftWithoutText();
    void windowSetHasItsCaptionsSizesAndPlaces();
};

void StartupTest::firstStartCreatesDataFolderAndEmptyContourList() {
    StartedProgram program;
    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(QString::fromStdString(program.state().DataFolder), program.dataFolder());
    QVERIFY(QFileInfo(program.dataFolder()).isDir());
    QVERIFY(!QFile::exists(program.dataFolder() + "/Velmora.ini"));
    const QFileInfo contour(program.dataFolder() + "/contour.txt");
    QVERIFY(contour.exists());
    QCOMPARE(contour.size(), 0);
    QCOMPARE(QString::fromStdString(program.state().ProjectFileName),
             program.home() + "/Documents/new.vmx");
    QVERIFY(program.state().ProjectSaved);
    QVERIFY(program.state().InputsValid);
    QVERIFY(!program.control<QToolButton>("BtnClear")->isEnabled());
    QVERIFY(!program.control<QAbstractButton>("BtnRefresh")->isEnabled());
    QCOMPARE(program.windows().about->versionLabel(), QStringLiteral("Velmora 7.0.148\n"));
}

void StartupTest::dataFolderThatCannotBeCreatedIsReported() {
    // A regular file where the data folder's parent should be.
    StartedProgram program([](const QString& home) {
        QFile blocker(home + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", (home + "/blocker/share").toLocal8Bit());
    });
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].caption, QStringLiteral("Notice"));
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("Error 0xA1"));
    // Start-up went on.
    QVERIFY(program.main().isVisible());
    QCOMPARE(program.control<QComboBox>("CBPosi")->currentText(), QStringLiteral("Half space"));
    qunsetenv("XDG_DATA_HOME");
}

void StartupTest::everyControlOfTheModelHasItsWidget() {
    StartedProgram program;
    const std::vector<std::string> unbound = program.main().binding().unboundNames();
    QStringList names;
    for (const std::string& name : unbound)
        names << QString::fromStdString(name);
    QVERIFY2(names.isEmpty(), qPrintable(names.join(", ")));
    for (const char* name :
         {"DE", "TreiberTab", "HornTab", "FWTab", "AchsenTab", "GroupBox7", "GroupBox6",
          "GroupBox2", "GroupBox8", "GroupBox3", "GroupBox4", "ButtonStart", "ProgressBar1",
          "BtnClear", "BtnRefresh", "Evo0Image", "Evo1Image", "Evo2Image", "Evo3Image"})
        QVERIFY2(program.main().binding().widget(name), name);
}

// Every row of the text table shows its text after start-up, except the hints that the
// first input check rewrites for a front-loaded horn.
void StartupTest::everyEnglishTextIsInPlace() {
    StartedProgram program;
    const QHash<QString, QString> rewrittenByCheck = {
        {"EditAbst", "Distance mic -> hornmouth"},
        {"EditdL", "Difference bassreflex port - hornmouth"},
        {"EditdL2", "Difference cone 2 - hornmouth"},
    };
    const auto resolve = [&](const QString& target) { return program.windows().find(target); };
    QStringList wrong;
    for (const ui::TextRow& row : ui::EnglishTexts()) {
        const QString target = QString::fromLatin1(row.target);
        QString expected = QString::fromUtf8(row.text);
        if (row.property == ui::TextProperty::Hint && rewrittenByCheck.contains(target))
            expected = rewrittenByCheck[target];
        if (row.property == ui::TextProperty::ShownItem) {
            ui::TextRow item = row;
            item.property = ui::TextProperty::Item;
            expected = ui::Translator::read(item, resolve).value_or(QString());
        }
        const std::optional<QString> shown = ui::Translator::read(row, resolve);
        if (!shown || *shown != expected)
            wrong << QStringLiteral("%1 (%2, %3): '%4' instead of '%5'")
                         .arg(target)
                         .arg(static_cast<int>(row.property))
                         .arg(row.index)
                         .arg(shown.value_or("<missing>"), expected);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
    // Texts derived from the table after it was applied.
    QCOMPARE(program.edit("EditRdc2")->toolTip(), QStringLiteral("Voice coil DC-resistance"));
    QCOMPARE(program.edit("EditStk2")->toolTip(), QStringLiteral("Number driver 2"));
    QCOMPARE(program.control<QComboBox>("CBKontur")->currentText(), QStringLiteral("Parabolic"));
    QCOMPARE(program.control<QComboBox>("CBPosi")->currentText(), QStringLiteral("Half space"));
    QCOMPARE(program.control<QLabel>("Label31")->text(), QStringLiteral("ßFC"));
}

// Catches a control whose text the table forgot: the pages are built without the texts that
// Translate sets.
void StartupTest::noControlIsLeftWithoutText() {
    StartedProgram program;
    QWidget* client = program.main().centralWidget();
    QStringList empty;
    for (QLabel* label : client->findChildren<QLabel*>())
        if (label->pixmap().isNull() && label->text().isEmpty())
            empty << label->objectName();
    for (QAbstractButton* button : client->findChildren<QAbstractButton*>())
        if (button->icon().isNull() && button->text().isEmpty() &&
            !qobject_cast<QAbstractItemView*>(button->parentWidget()) &&
            !qobject_cast<QTabBar*>(button->parentWidget()))
            empty << button->objectName();
    for (QGroupBox* box : client->findChildren<QGroupBox*>())
        if (box->title().isEmpty())
            empty << box->objectName();
    for (QComboBox* combo : client->findChildren<QComboBox*>())
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemText(i).isEmpty())
                empty << QStringLiteral("%1[%2]").arg(combo->objectName()).arg(i);
    for (QListWidget* list : client->findChildren<QListWidget*>())
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().isEmpty())
                empty << QStringLiteral("%1[%2]").arg(list->objectName()).arg(i);
    auto* pages = client->findChild<QTabWidget*>("DE");
    for (int i = 0; i < pages->count(); ++i)
        if (pages->tabText(i).isEmpty() || pages->tabToolTip(i).isEmpty())
            empty << pages->widget(i)->objectName();
    for (QAction* menu : program.main().menuBar()->actions())
        for (QAction* action : menu->menu()->actions())
            if (!action->isSeparator() && action->text().isEmpty())
                empty << action->objectName();
    for (QWidget* window : program.windows().all())
        if (window->windowTitle().isEmpty())
            empty << window->objectName();
    QVERIFY2(empty.isEmpty(), qPrintable(empty.join(", ")));
}

void StartupTest::windowSetHasItsCaptionsSizesAndPlaces() {
    StartedProgram program;
    const ui::Windows& w = program.windows();
    QCOMPARE(w.main->windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(w.main->centralWidget()->size(), QSize(559, 425));
    QCOMPARE(w.main->minimumSize(), w.main->maximumSize());
    const QStringList captions = {"Velmora",
                                  "Misc",
                                  "Info",
                                  "Cone amplitude [mm]",
                                  "Pmax in W",
                                  "Zel in Ohms",
                                  "Acoustic impedance in front of the cone",
                                  "SPL [dB]",
                                  "Priciple Sketch",
                                  "Options",
                                  "SPLmax in dB",
                                  "Acoustic Phase in degrees"};
    const std::vector<QWidget*> all = w.all();
    QCOMPARE(static_cast<int>(all.size()), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(all[static_cast<size_t>(i)]->windowTitle(), captions[i]);
    for (ui::PlotWindow* plot : w.plotsInClosingOrder())
        QCOMPARE(plot->size(), QSize(412, 233));
    QCOMPARE(w.skizze->size(), QSize(412, 233));

    const QRect main = w.main->frameGeometry();
    QCOMPARE(main.topLeft(), QPoint(0, 0));
    QCOMPARE(w.param->frameGeometry().topLeft(), QPoint(0, main.height() + 2));
    const QRect spl = w.spl->frameGeometry();
    QCOMPARE(spl.topLeft(), QPoint(main.width() + 2, 0));
    QCOMPARE(w.zel->frameGeometry().topLeft(), QPoint(spl.left(), spl.height() + 2));
    QCOMPARE(w.skizze->frameGeometry().topLeft(),
             QPoint(spl.left(), spl.height() + w.zel->frameGeometry().height() + 4));
    QVERIFY(w.phia->isMinimized());
}

#include "StartupTest.moc"

QObject* makeStartupTest() {
    return new StartupTest;
}
