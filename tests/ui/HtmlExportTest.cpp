// The HTML export from the menu: the dialog and its folder, the thirteen pictures at their
// sizes, the page, the question, failures, and every window left as it was.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "HtmlExportAction.h"
#include "IniFile.h"
#include "JpegDecoder.h"
#include "ParamForm.h"
#include "PlotPainter.h"
#include "PlotWindow.h"
#include "SketchWindow.h"
#include "StartedProgram.h"

namespace {

using files::test::DecodedJpeg;
using files::test::DecodeJpeg;

const QStringList PictureFiles = {"Skizze.jpg",   "SPL.jpg",        "Zel.jpg",     "Ausl.jpg",
                                  "Pmax.jpg",     "SPLmax.jpg",     "Phia.jpg",    "Znorm.jpg",
                                  "Param.jpg",    "TreiberTab.jpg", "HornTab.jpg", "FWTab.jpg",
                                  "AchsenTab.jpg"};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DecodedJpeg decode(const QString& path) {
    return DecodeJpeg(readAll(path).toStdString());
}

// What a window looks like from outside: state, visibility, place and size.
struct WindowLook {
    Qt::WindowStates state;
    bool visible;
    QRect geometry;
    bool operator==(const WindowLook&) const = default;
};

std::vector<QWidget*> exportedWindows(const StartedProgram& program) {
    const ui::Windows& w = program.windows();
    return {w.skizze, w.spl, w.zel, w.ausl, w.pmax, w.splmax, w.phia, w.znorm, w.param};
}

std::vector<WindowLook> looks(const StartedProgram& program) {
    std::vector<WindowLook> all;
    for (QWidget* w : exportedWindows(program))
        all.push_back({w->windowState(), w->isVisible(), w->geometry()});
    all.push_back(
        {program.main().windowState(), program.main().isVisible(), program.main().geometry()});
    return all;
}

void exportVia(StartedProgram& program, const QString& file, AnsweringBoxes::Answer show) {
    program.dialogs.answers << file;
    program.boxes.answers << show;
    program.main().findChild<QAction*>("HTMLExport1")->trigger();
}

QStringList pageLines(const QString& page) {
    return QString::fromLatin1(readAll(page)).split(QStringLiteral("\r\n"));
}

// A flat area codes to within a few levels; 5 keeps white (255) apart from the button
// face (239).
constexpr int ColourTolerance = 5;

bool near(unsigned rgb, QColor colour) {
    return std::abs(static_cast<int>((rgb >> 16) & 0xFF) - colour.red()) <= ColourTolerance &&
           std::abs(static_cast<int>((rgb >> 8) & 0xFF) - colour.green()) <= ColourTolerance &&
           std::abs(static_cast<int>(rgb & 0xFF) - colour.blue()) <= ColourTolerance;
}

} // namespace

class HtmlExportTest : public QObject {
    Q_OBJECT
private slots:
    void exportWritesThirteenPicturesAndThePage();
    void secondExportStartsInTheRememberedFolderAndShowsThePage();
    void cancelWritesNothing();
    void picturesShowTheWindowsInWhite();
    void aPageThatCannotBeWrittenIsReportedWithoutTheQuestion();
    void aPictureThatCannotBeWrittenStopsBeforeThePage();
};

void HtmlExportTest::exportWritesThirteenPicturesAndThePage() {
    StartedProgram program;
    QVERIFY(program.active());
    program.type("EditInfo", "Bass <b> & \"Co\"");
    program.leave();
    program.pressF9();
    // A minimised window, a resized one and another page than the first.
    QVERIFY(program.windows().ausl->isMinimized());
    program.windows().zel->resize(520, 300);
    const QSize zelSize = program.windows().zel->size();
    auto* pages = program.main().findChild<QTabWidget*>("DE");
    pages->setCurrentIndex(1);
    QCoreApplication::processEvents();
    program.state().ProjectSaved = true;
    const std::vector<WindowLook> before = looks(program);
    const QString slot0 = QString::number(program.state().ColourSlot);
    program.boxes.clear();

    QTemporaryDir target;
    const QString page = target.path() + "/report.html";
    exportVia(program, page, AnsweringBoxes::Answer::No);

    // The dialog: its title, filter, extension and the documents folder (no "html" yet).
    QCOMPARE(program.dialogs.shown.size(), 1);
    const AnsweringDialogs::Shown& dialog = program.dialogs.shown.first();
    QVERIFY(dialog.save);
    QCOMPARE(dialog.request.title, QStringLiteral("HTML-Export"));
    QCOMPARE(dialog.request.defaultSuffix, QStringLiteral("html"));
    QVERIFY(dialog.request.filter.contains("*.html"));
    QCOMPARE(dialog.request.folder, QString::fromStdString(program.state().DocumentsFolder));
    // "html" holds the folder of the page, with its separator.
    files::IniFile ini;
    ini.load((program.dataFolder() + "/Velmora.ini").toStdString());
    QCOMPARE(QString::fromStdString(ini.readString("Verzeichnis", "html", "")),
             target.path() + "/");

    // Exactly the thirteen pictures, each a JPEG of its size.
    const QString folder = target.path() + "/report-Files";
    QStringList written = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QStringList expected = PictureFiles;
    written.sort();
    expected.sort();
    QCOMPARE(written, expected);
    const QSize param = program.windows().param->size();
    for (const QString& file : PictureFiles) {
        const DecodedJpeg picture = decode(folder + "/" + file);
        const QSize size = file == "Param.jpg"        ? param
                           : file == "TreiberTab.jpg" ? QSize(500, 340)
                           : file.endsWith("Tab.jpg") ? QSize(530, 340)
                                                      : QSize(421, 260);
        QCOMPARE(QSize(picture.width, picture.height), size);
    }

    // The page: references into report-Files, the headings, the info escaped.
    const QString html = QString::fromLatin1(readAll(page));
    QCOMPARE(html.count("src=\""), 13);
    QCOMPARE(html.count("src=\"report-Files/"), 13);
    for (const QString& file : PictureFiles)
        QVERIFY2(html.contains("src=\"report-Files/" + file + "\""), qPrintable(file));
    const QStringList lines = pageLines(page);
    for (const char* heading :
         {"Data Input<br><br>", "Driver<br>", "Horn<br>", "Crossover<br>", "Axes<br>"})
        QVERIFY2(lines.contains(heading), heading);
    QVERIFY(lines.contains("<title>Bass &lt;b&gt; &amp; &quot;Co&quot;</title>"));
    QVERIFY(lines.contains("<big><big>Velmora Project Bass &lt;b&gt; &amp; &quot;Co&quot;<br>"));
    QVERIFY(!html.contains("<b>"));
    QVERIFY(lines.contains("<td>Cone1 amplitude [mm]</td>"));
    QVERIFY(lines.contains("</big></big>" +
                           QString::fromStdString(program.state().ProjectFileName) + "<br><br>"));

    // The question, answered No: no viewer.
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown.first().caption, QStringLiteral("HTML"));
    QCOMPARE(program.boxes.shown.first().text, QStringLiteral("Show HTML?"));
    QVERIFY(program.boxes.shown.first().question);
    QVERIFY(program.viewer.opened.isEmpty());

    // Every window as it was, the page and the project untouched.
    QCoreApplication::processEvents();
    QVERIFY(before == looks(program));
    QCOMPARE(program.windows().zel->size(), zelSize);
    QVERIFY(program.windows().ausl->isMinimized());
    QCOMPARE(pages->currentIndex(), 1);
    QVERIFY(program.state().ProjectSaved);
    QVERIFY(!program.main().formEdited());
    QCOMPARE(QString::number(program.state().ColourSlot), slot0);
}

void HtmlExportTest::secondExportStartsInTheRememberedFolderAndShowsThePage() {
    StartedProgram program;
    QTemporaryDir first, second;
    exportVia(program, first.path() + "/a.html", AnsweringBoxes::Answer::No);
    exportVia(program, second.path() + "/b.html", AnsweringBoxes::Answer::Yes);
    QCOMPARE(program.dialogs.shown.size(), 2);
    QCOMPARE(program.dialogs.shown[1].request.folder, first.path() + "/");
    // The dialog proposes the name it held.
    QCOMPARE(program.dialogs.shown[1].request.fileName, QStringLiteral("a.html"));
    QCOMPARE(program.viewer.opened, QStringList{second.path() + "/b.html"});
    // A four-letter extension loses a letter of the name: report.htm, repor-Files.
    exportVia(program, second.path() + "/report.htm", AnsweringBoxes::Answer::No);
    QCOMPARE(QDir(second.path() + "/repor-Files").entryList(QDir::Files).size(), 13);
    QVERIFY(pageLines(second.path() + "/report.htm")
                .contains("<img alt=\"Skizze.jpg\" src=\"repor-Files/Skizze.jpg\"><br><br></div>"));
}

void HtmlExportTest::cancelWritesNothing() {
    StartedProgram program;
    program.main().findChild<QAction*>("HTMLExport1")->trigger(); // no answer: cancel
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.boxes.shown.isEmpty());
    files::IniFile ini;
    ini.load((program.dataFolder() + "/Velmora.ini").toStdString());
    QCOMPARE(ini.readString("Verzeichnis", "html", "missing"), std::string("missing"));
}

void HtmlExportTest::picturesShowTheWindowsInWhite() {
    StartedProgram program;
    QVERIFY(program.active());
    program.pressF9();
    ui::HtmlExportAction& action = program.main().htmlExport();
    const QColor face = plot::DefaultButtonFace();
    QVERIFY(face != QColor(Qt::white));

    // A plot window: its label column is button face on the screen, white in the picture.
    ui::PlotWindow* spl = program.windows().spl;
    QCOMPARE(spl->picture().pixelColor(2, 100), face);
    const QImage splPicture = action.picture("SPL.jpg");
    QCOMPARE(splPicture.size(), QSize(421, 260));
    QCOMPARE(splPicture.pixelColor(2, 100), QColor(Qt::white));
    QCOMPARE(spl->picture().pixelColor(2, 100), face); // and back to its colour
    // The curves are in it.
    int black = 0;
    for (int y = 0; y < splPicture.height(); ++y)
        for (int x = 60; x < 400; ++x)
            black += splPicture.pixelColor(x, y) == QColor(Qt::black);
    QVERIFY(black > 100);

    // The sketch redrawn for the picture's surface of 411 × 250.
    const QImage sketch = action.picture("Skizze.jpg");
    QCOMPARE(sketch.size(), QSize(421, 260));
    QCOMPARE(sketch.pixelColor(2, 2), QColor(Qt::white));
    int sketchBlack = 0;
    for (int y = 0; y < sketch.height(); ++y)
        for (int x = 0; x < sketch.width(); ++x)
            sketchBlack += sketch.pixelColor(x, y) == QColor(Qt::black);
    QVERIFY(sketchBlack > 200);

    // The parameter window on white, at its size; its palette is its own again afterwards.
    ui::ParamForm* param = program.windows().param;
    const QPalette paletteBefore = param->palette();
    const QImage paramPicture = action.picture("Param.jpg");
    QCOMPARE(paramPicture.size(), param->size());
    QCOMPARE(paramPicture.pixelColor(paramPicture.width() - 2, paramPicture.height() - 2),
             QColor(Qt::white));
    QCOMPARE(param->palette(), paletteBefore);

    // The pages: no button face left; the driver page 500 wide, the others 530.
    const QColor pageFace = program.main().palette().color(QPalette::Button);
    for (const char* file : {"TreiberTab.jpg", "HornTab.jpg", "FWTab.jpg", "AchsenTab.jpg"}) {
        const QImage picture = action.picture(file);
        QCOMPARE(picture.size(), QSize(file == QLatin1String("TreiberTab.jpg") ? 500 : 530, 340));
        int buttonFace = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                buttonFace += picture.pixelColor(x, y) == pageFace;
        // Only the edges of antialiased texts may take that grey now, against the many
        // thousand pixels of the page's background.
        QVERIFY2(buttonFace < 300, qPrintable(QStringLiteral("%1: %2").arg(file).arg(buttonFace)));
        QCOMPARE(picture.pixelColor(1, 1), QColor(Qt::white));
    }

    // After the JPEG coding a flat white corner stays white: a flat 8 × 8 block codes to
    // within a few levels, far from the button face's 239.
    QTemporaryDir target;
    exportVia(program, target.path() + "/r.html", AnsweringBoxes::Answer::No);
    for (const char* file : {"SPL.jpg", "Pmax.jpg", "AchsenTab.jpg"}) {
        const DecodedJpeg decoded = decode(target.path() + "/r-Files/" + file);
        QVERIFY2(decoded.width > 0, file);
        QVERIFY2(near(decoded.pixel(1, decoded.height - 2), Qt::white), file);
    }
}

void HtmlExportTest::aPageThatCannotBeWrittenIsReportedWithoutTheQuestion() {
    StartedProgram program;
    QTemporaryDir target;
    const QString page = target.path() + "/report.html";
    QVERIFY(QDir().mkdir(page)); // a folder where the page should go
    exportVia(program, page, AnsweringBoxes::Answer::Yes);
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown.first().caption, QStringLiteral("Error"));
    QVERIFY2(program.boxes.shown.first().text.contains(page),
             qPrintable(program.boxes.shown.first().text));
    QVERIFY(!program.boxes.shown.first().question);
    QVERIFY(program.viewer.opened.isEmpty());
    // The pictures were written before.
    QCOMPARE(QDir(target.path() + "/report-Files").entryList(QDir::Files).size(), 13);
}

void HtmlExportTest::aPictureThatCannotBeWrittenStopsBeforeThePage() {
    StartedProgram program;
    QTemporaryDir target;
    // A file where the picture folder should go.
    QFile blocker(target.path() + "/report-Files");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString page = target.path() + "/report.html";
    exportVia(program, page, AnsweringBoxes::Answer::Yes);
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown.first().caption, QStringLiteral("Error"));
    QVERIFY2(program.boxes.shown.first().text.contains(target.path() + "/report-Files/Skizze.jpg"),
             qPrintable(program.boxes.shown.first().text));
    QVERIFY(!QFile::exists(page));
    QVERIFY(program.viewer.opened.isEmpty());
}

QObject* makeHtmlExportTest() {
    return new HtmlExportTest;
}

#include "HtmlExportTest.moc"
