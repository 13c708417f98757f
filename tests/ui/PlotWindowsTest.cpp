// The seven plot windows on the screen: start states, drawing after a run and on Refresh,
// the colour slots and their swatches, "Delete all plots" and the resize rules.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "ColourSwatch.h"
#include "CurveGeometry.h"
#include "NumberFormat.h"
#include "ParamForm.h"
#include "PlotLayout.h"
#include "PlotMapping.h"
#include "PlotPictures.h"
#include "PlotWindow.h"
#include "SketchWindow.h"
#include "SlotPlots.h"
#include "StartedProgram.h"
#include "StringGrid.h"

namespace {

using plot::PlotKind;

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 255);

std::vector<ui::PlotWindow*> plotWindows(const StartedProgram& program) {
    return program.windows().plotsInClosingOrder();
}

QStringList labelTexts(const ui::PlotWindow* w) {
    QStringList texts;
    for (const QLabel* label : w->valueLabels())
        texts << label->text();
    return texts;
}

// The client-area pixel of point i of slot `slot` in the SPL window, as the model's axis
// limits of the last drawing map it.
QPoint splPixel(const StartedProgram& program, const ui::PlotWindow* w, int slot, int i) {
    const model::MainWindowState& s = program.state();
    const engine::ResultRows& rows = s.slotResults[static_cast<size_t>(slot)].rows;
    const plot::PlotLayout layout = plot::LayoutPlotWindow(PlotKind::SPL, w->width(), w->height());
    const std::optional<plot::Pixel> p = plot::PlotPixel(
        plot::fx(rows.f[i], s.AxisMin[7], s.AxisMax[7]),
        plot::fy(rows.SPL[i], s.AxisMin[0], s.AxisMax[0]), layout.image.width, layout.image.height);
    return p ? QPoint(layout.image.left + p->x, layout.image.top + p->y) : QPoint(-1, -1);
}

bool insideImage(const ui::PlotWindow* w, QPoint p) {
    const plot::PixelRect r = plot::LayoutPlotWindow(w->kind(), w->width(), w->height()).image;
    return p.x() > r.left && p.x() < r.left + r.width - 1 && p.y() > r.top &&
           p.y() < r.top + r.height - 1;
}

// Pixels of the plot area (inside its frame) in one of the slot colours.
int curvePixels(const ui::PlotWindow* w, const QImage& picture) {
    const plot::PixelRect r = plot::LayoutPlotWindow(w->kind(), w->width(), w->height()).image;
    int count = 0;
    for (int y = r.top + 1; y < r.top + r.height - 1; ++y)
        for (int x = r.left + 1; x < r.left + r.width - 1; ++x) {
            const QColor c = picture.pixelColor(x, y);
            count += c == Black || c == Red || c == Green || c == Blue;
        }
    return count;
}

// Resizes the window so that its outer size (with the window system's frame, which the
// snapping counts as the window size) is `outer`.
void resizeOuter(QWidget* w, QSize outer) {
    w->resize(outer - (w->frameGeometry().size() - w->size()));
}

void setAxisRow(const StartedProgram& program, int row, const QString& min, const QString& max,
                bool automatic) {
    auto* grid = program.control<ui::StringGrid>("MinMaxGrid");
    grid->setCell(0, row, min);
    grid->setCell(1, row, max);
    program.control<QListWidget>("CheckListAuto")
        ->item(row)
        ->setCheckState(automatic ? Qt::Checked : Qt::Unchecked);
}

} // namespace

class PlotWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void windowsStartEmptyInTheirStartStates();
    void closingMinimisesAndShowAllPlotsRestores();
    void runDrawsTheCurvesWhereTheMappingPutsThem();
    void fourDefaultRunsDrawBlackLastAndSelectBlackAgain();
    void eachSlotKeepsItsOwnLengthAndColour();
    void swatchesChooseTheSlotOfTheNextRun();
    void refreshRedrawsWithTheAxesTabAsShown();
    void resizeSnapsAndRedrawsOnlyWhileRefreshIsEnabled();
    void deleteAllPlotsLeavesEmptyGridsThatResizingKeeps();
    void commandLinePicturesAreTheWindowsOfAFreshRun();
    void runOfOnePointDrawsNothingAndEmptiesTheBar();
};

void PlotWindowsTest::windowsStartEmptyInTheirStartStates() {
    StartedProgram program;
    const QStringList values = {"60", "70", "80", "90", "100", "110"};
    const QStringList phase = {"-180", "-90", "0", "90", "180"};
    for (ui::PlotWindow* w : plotWindows(program)) {
        const bool normal = w->kind() == PlotKind::SPL || w->kind() == PlotKind::Zel;
        QVERIFY2(w->isMinimized() != normal, qPrintable(w->objectName()));
        QCOMPARE(w->size(), QSize(412, 233));
        QCOMPARE(labelTexts(w), w->kind() == PlotKind::Phia ? phase : values);
        // The controls of the form, at their design places.
        QCOMPARE(w->findChild<QWidget*>("Image1")->geometry(), QRect(48, 10, 349, 175));
        QCOMPARE(w->findChild<QWidget*>("xAxis")->geometry(), QRect(40, 196, 374, 13));
        QCOMPARE(w->findChild<QLabel*>("Label18")->geometry(), QRect(172, 212, 99, 16));
        QCOMPARE(w->findChild<QLabel*>("Label1")->geometry(), QRect(5, 179, 32, 13));
        QCOMPARE(w->findChild<QLabel*>("Label18")->text(), QStringLiteral("Frequency [Hz]"));
        QCOMPARE(w->findChild<QLabel*>("Label6") != nullptr, w->kind() != PlotKind::Phia);
        // No grid before the first run: the plot area shows the window colour.
        const QImage picture = w->picture();
        QCOMPARE(picture.pixelColor(48 + 100, 10 + 80), plot::DefaultButtonFace());
        QCOMPARE(curvePixels(w, picture), 0);
    }
}

void PlotWindowsTest::closingMinimisesAndShowAllPlotsRestores() {
    StartedProgram program;
    ui::PlotWindow* spl = program.windows().spl;
    QVERIFY(!spl->isMinimized());
    QVERIFY(!spl->close());
    QVERIFY(spl->isMinimized());
    QVERIFY(spl->isVisible());
    program.main().findChild<QAction*>("AlleFensterzeigen1")->trigger();
    for (ui::PlotWindow* w : plotWindows(program))
        QVERIFY2(!w->isMinimized() && w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(!program.windows().skizze->isMinimized());
    QVERIFY(!program.windows().param->isMinimized());
}

void PlotWindowsTest::runDrawsTheCurvesWhereTheMappingPutsThem() {
    StartedProgram program;
    QVERIFY(program.active());
    ui::PlotWindow* spl = program.windows().spl;
    auto* progress = program.control<QProgressBar>("ProgressBar1");
    // The windows are painted while the bar shows 100.
    QList<int> paintedAt;
    struct PaintWatch : QObject {
        QProgressBar* bar;
        QList<int>* seen;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint)
                *seen << bar->value();
            return false;
        }
    } watch;
    watch.bar = progress;
    watch.seen = &paintedAt;
    spl->installEventFilter(&watch);
    program.pressF9();
    spl->removeEventFilter(&watch);
    QVERIFY(!paintedAt.isEmpty());
    QCOMPARE(paintedAt.first(), 100);
    QCOMPARE(progress->value(), 0);

    const model::MainWindowState& s = program.state();
    const engine::ResultRows& rows = s.slotResults[0].rows;
    // Default axes: 10 … 20000 Hz, the SPL range of 50 dB from the highest level.
    QCOMPARE(s.AxisMin[7], 10.0);
    QCOMPARE(s.AxisMax[7], 20000.0);
    QCOMPARE(s.AxisMax[0] - s.AxisMin[0], 50.0);
    QCOMPARE(labelTexts(spl).first(), QString::fromStdString(engine::FormatGeneral(s.AxisMin[0])));
    QCOMPARE(labelTexts(spl).last(), QString::fromStdString(engine::FormatGeneral(s.AxisMax[0])));

    // What the window shows is the painting routine's picture.
    const QImage shown = spl->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, spl->picture().convertToFormat(QImage::Format_RGB32));

    // Every point of the run up to the first one above FmaxEff lies on the black curve.
    const int last = plot::LastDrawnPoint(rows, s.slotResults[0].FmaxEff);
    QVERIFY(last > 10 && last < 168);
    QVERIFY(rows.f[last] > s.slotResults[0].FmaxEff);
    int checked = 0;
    for (int i = 0; i <= last; ++i) {
        const QPoint p = splPixel(program, spl, 0, i);
        if (!insideImage(spl, p))
            continue;
        QCOMPARE(shown.pixelColor(p), Black);
        ++checked;
    }
    QVERIFY(checked > last / 2);
    // Nothing right of the last point.
    const int endX = splPixel(program, spl, 0, last).x();
    const plot::PixelRect image = plot::LayoutPlotWindow(PlotKind::SPL, 412, 233).image;
    for (int x = endX + 2; x < image.left + image.width - 1; ++x)
        for (int y = image.top + 1; y < image.top + image.height - 1; ++y)
            QVERIFY(shown.pixelColor(x, y) != Black);

    QCOMPARE(program.windows().ausl->windowTitle(), QStringLiteral("Cone1 amplitude [mm]"));
    QCOMPARE(program.windows().pmax->windowTitle(), QStringLiteral("Pmax1 [W]"));
    for (ui::PlotWindow* w : plotWindows(program))
        QVERIFY2(curvePixels(w, w->picture()) > 50, qPrintable(w->objectName()));
}

// Four runs of the same project lie on top of each other: only the slot drawn last shows.
void PlotWindowsTest::fourDefaultRunsDrawBlackLastAndSelectBlackAgain() {
    StartedProgram program;
    QVERIFY(program.active());
    for (int run = 0; run < 4; ++run)
        program.pressF9();
    ui::PlotWindow* spl = program.windows().spl;
    QCOMPARE(plot::SlotsToDraw(spl->plotInput()), (std::vector<int>{3, 2, 1, 0}));
    const QImage shown = spl->grab().toImage();
    const int last = plot::LastDrawnPoint(program.state().slotResults[0].rows,
                                          program.state().slotResults[0].FmaxEff);
    for (int i = 0; i <= last; ++i)
        if (const QPoint p = splPixel(program, spl, 0, i); insideImage(spl, p))
            QCOMPARE(shown.pixelColor(p), Black);

    QCOMPARE(program.state().ColourSlot, 0);
    auto* black = program.control<ui::ColourSwatch>("Evo0Image");
    QVERIFY(black->isSelected());
    const QImage swatch = black->grab().toImage();
    QCOMPARE(swatch.size(), QSize(15, 15));
    QCOMPARE(swatch.pixelColor(0, 0), Black); // full-sized
    QCOMPARE(swatch.pixelColor(14, 14), Black);
}

// Different horn lengths end at different FmaxEff = 10·c/L: where only one slot's curve
// runs, it shows in its colour; where black runs, black is on top.
void PlotWindowsTest::eachSlotKeepsItsOwnLengthAndColour() {
    StartedProgram program;
    QVERIFY(program.active());
    const char* lengths[] = {"2.4", "0.6", "1.2", "1.8"}; // black shortest, red longest
    for (const char* length : lengths) {
        program.type("Editl1", length);
        program.pressF9();
    }
    ui::PlotWindow* spl = program.windows().spl;
    const QImage shown = spl->grab().toImage();
    const model::MainWindowState& s = program.state();
    const auto lastOf = [&](int slot) {
        return plot::LastDrawnPoint(s.slotResults[static_cast<size_t>(slot)].rows,
                                    s.slotResults[static_cast<size_t>(slot)].FmaxEff);
    };
    // Red beyond the end of every other slot.
    const double othersEnd =
        std::max({s.slotResults[0].rows.f[lastOf(0)], s.slotResults[2].rows.f[lastOf(2)],
                  s.slotResults[3].rows.f[lastOf(3)]});
    int redAlone = 0;
    for (int i = 0; i <= lastOf(1); ++i) {
        const QPoint p = splPixel(program, spl, 1, i);
        if (s.slotResults[1].rows.f[i] > othersEnd * 1.1 && insideImage(spl, p)) {
            QCOMPARE(shown.pixelColor(p), Red);
            ++redAlone;
        }
    }
    QVERIFY(redAlone > 5);
    for (int i = 0; i <= lastOf(0); ++i)
        if (const QPoint p = splPixel(program, spl, 0, i); insideImage(spl, p))
            QCOMPARE(shown.pixelColor(p), Black);
    QVERIFY(lastOf(0) < lastOf(3) && lastOf(3) < lastOf(2) && lastOf(2) < lastOf(1));
}

void PlotWindowsTest::swatchesChooseTheSlotOfTheNextRun() {
    StartedProgram program;
    QVERIFY(program.active());
    const char* names[] = {"Evo0Image", "Evo1Image", "Evo2Image", "Evo3Image"};
    const QColor colours[] = {Black, Red, Green, Blue};
    const QColor face =
        program.control<ui::ColourSwatch>("Evo0Image")->palette().color(QPalette::Button);
    const auto checkSwatches = [&](int selected) {
        for (int slot = 0; slot < 4; ++slot) {
            auto* swatch = program.control<ui::ColourSwatch>(names[slot]);
            const QImage image = swatch->grab().toImage();
            QCOMPARE(swatch->isSelected(), slot == selected);
            QCOMPARE(image.pixelColor(7, 7), colours[slot]);
            // The 2-pixel frame of button face around the others.
            QCOMPARE(image.pixelColor(1, 1), slot == selected ? colours[slot] : face);
            QCOMPARE(image.pixelColor(13, 7), slot == selected ? colours[slot] : face);
            QCOMPARE(image.pixelColor(2, 2), colours[slot]);
        }
    };
    checkSwatches(0);
    QTest::mouseClick(program.control<ui::ColourSwatch>("Evo2Image"), Qt::LeftButton);
    QCOMPARE(program.state().ColourSlot, 2);
    checkSwatches(2);
    program.pressF9();
    QVERIFY(program.state().slotFilled(2));
    QVERIFY(!program.state().slotFilled(0));
    QCOMPARE(plot::SlotsToDraw(program.windows().spl->plotInput()), std::vector<int>{2});
    checkSwatches(3);
    // The green curve where the mapping puts the green slot's points.
    ui::PlotWindow* spl = program.windows().spl;
    const QImage shown = spl->grab().toImage();
    const QPoint p = splPixel(program, spl, 2, 30);
    QVERIFY(insideImage(spl, p));
    QCOMPARE(shown.pixelColor(p), Green);
}

void PlotWindowsTest::refreshRedrawsWithTheAxesTabAsShown() {
    StartedProgram program;
    QVERIFY(program.active());
    auto* refresh = program.control<QPushButton>("BtnRefresh");
    QVERIFY(!refresh->isEnabled());
    program.pressF9();
    QVERIFY(refresh->isEnabled());
    ui::PlotWindow* spl = program.windows().spl;

    // A manual SPL row, the driver-2 choice and a wider pen, taken by Refresh alone.
    setAxisRow(program, 0, "40", "120", false);
    program.control<QCheckBox>("CBAmplTreiber2")->setChecked(true);
    program.control<ui::StringGrid>("OptionGrid")->setCell(1, 2, "3");
    refresh->click();
    QCOMPARE(labelTexts(spl), (QStringList{"40", "56", "72", "88", "104", "120"}));
    QCOMPARE(program.state().AxisMin[0], 40.0);
    QCOMPARE(spl->plotInput().lineWidth, 3);
    QCOMPARE(program.windows().ausl->windowTitle(), QStringLiteral("Cone2 amplitude [mm]"));
    QCOMPARE(program.windows().pmax->windowTitle(), QStringLiteral("Pmax1 [W]"));
    // The automatic amplitude range still follows driver 1.
    const double x1Max =
        plot::SlotMaximum(plot::SlotRowsOf(program.state()), &engine::ResultRows::x1, 0);
    QCOMPARE(program.state().AxisMax[2], plot::NiceCeiling(x1Max));

    // Minimum above maximum: the row is automatic again and its item checked.
    setAxisRow(program, 0, "120", "40", false);
    refresh->click();
    QCOMPARE(program.control<QListWidget>("CheckListAuto")->item(0)->checkState(), Qt::Checked);
    QVERIFY(program.state().form.CheckListAuto[0]);
    QCOMPARE(program.state().AxisMax[0] - program.state().AxisMin[0], 50.0);
}

void PlotWindowsTest::resizeSnapsAndRedrawsOnlyWhileRefreshIsEnabled() {
    StartedProgram program;
    QVERIFY(program.active());
    // Before the first run: the size snaps, nothing is drawn.
    ui::PlotWindow* zel = program.windows().zel;
    resizeOuter(zel, QSize(433, 247));
    QCOMPARE(zel->frameGeometry().size(), QSize(440, 240));
    QCOMPARE(program.state().AxisMax[7], 0.0);
    QVERIFY(!zel->labelsFollowBottom());
    // The plot area follows all four edges.
    QCOMPARE(zel->findChild<QWidget*>("Image1")->geometry(),
             QRect(48, 10, zel->width() - 412 + 349, zel->height() - 233 + 175));
    QCOMPARE(zel->picture().pixelColor(48 + 100, 10 + 80), plot::DefaultButtonFace());

    ui::PlotWindow* spl = program.windows().spl;
    program.pressF9();
    setAxisRow(program, 0, "40", "120", false);
    resizeOuter(spl, QSize(433, 247));
    QCOMPARE(spl->frameGeometry().size(), QSize(440, 240));
    // The redraw read the axes tab as shown.
    QCOMPARE(labelTexts(spl).first(), QStringLiteral("40"));
    QVERIFY(spl->labelsFollowBottom());
    // The middle labels follow the bottom label B, H being the height of the plot area; both
    // keep their distance from the bottom edge.
    const int B = 179 + spl->height() - 233;
    const int H = 175 + spl->height() - 233;
    const std::vector<QLabel*>& labels = spl->valueLabels();
    QCOMPARE(labels[0]->y(), B);
    QCOMPARE(labels[1]->y(), static_cast<int>(std::trunc(B - 0.2 * H)));
    QCOMPARE(labels[2]->y(), static_cast<int>(std::trunc(B - 0.4 * H)));
    QCOMPARE(labels[3]->y(), static_cast<int>(std::trunc(B - 0.6 * H)));
    QCOMPARE(labels[4]->y(), static_cast<int>(std::trunc(B - 0.8 * H)));
    QCOMPARE(labels[5]->y(), B - H);
    // The other windows were redrawn too, and the curve still lies on its points.
    QCOMPARE(labelTexts(program.windows().ausl).size(), 6);
    const QImage shown = spl->grab().toImage();
    QCOMPARE(shown.size(), spl->size());
    const QPoint p = splPixel(program, spl, 0, 20);
    QVERIFY(insideImage(spl, p));
    QCOMPARE(shown.pixelColor(p), Black);
    // Snapping never goes below the minimum size of 300 × 200.
    spl->resize(290, 190);
    QVERIFY(spl->width() >= 300 && spl->height() >= 200);
    QCOMPARE(spl->frameGeometry().width() % 20, 0);
    QCOMPARE(spl->frameGeometry().height() % 20, 0);
}

void PlotWindowsTest::deleteAllPlotsLeavesEmptyGridsThatResizingKeeps() {
    StartedProgram program;
    QVERIFY(program.active());
    program.pressF9();
    program.pressF9();
    const auto AxisMin = program.state().AxisMin;
    const auto AxisMax = program.state().AxisMax;
    std::vector<QStringList> labelsBefore;
    for (ui::PlotWindow* w : plotWindows(program))
        labelsBefore.push_back(labelTexts(w));

    program.control<QAbstractButton>("BtnClear")->click();
    QVERIFY(!program.control<QAbstractButton>("BtnRefresh")->isEnabled());
    QVERIFY(program.control<ui::ColourSwatch>("Evo0Image")->isSelected());
    for (size_t k = 0; k < plotWindows(program).size(); ++k) {
        ui::PlotWindow* w = plotWindows(program)[k];
        const QImage picture = w->picture();
        QCOMPARE(curvePixels(w, picture), 0);
        // An empty white grid, the labels as they were.
        QCOMPARE(picture.pixelColor(48 + 2, 10 + 2), QColor(Qt::white));
        QCOMPARE(labelTexts(w), labelsBefore[k]);
    }

    // Resizing no longer redraws: size snapped, limits and labels unchanged.
    ui::PlotWindow* spl = program.windows().spl;
    resizeOuter(spl, QSize(433, 247));
    QCOMPARE(spl->frameGeometry().size(), QSize(440, 240));
    QVERIFY(!spl->labelsFollowBottom());
    QCOMPARE(program.state().AxisMin, AxisMin);
    QCOMPARE(program.state().AxisMax, AxisMax);
    QCOMPARE(labelTexts(spl), labelsBefore[3]); // SPLForm is fourth in closing order
    QCOMPARE(curvePixels(spl, spl->grab().toImage()), 0);

    // A following run draws only its own slot.
    program.pressF9();
    QCOMPARE(plot::SlotsToDraw(spl->plotInput()), std::vector<int>{0});
    QVERIFY(curvePixels(spl, spl->picture()) > 50);
}

// velmora-sim run --pictures draws what a fresh program shows after one Start.
void PlotWindowsTest::commandLinePicturesAreTheWindowsOfAFreshRun() {
    StartedProgram program;
    QVERIFY(program.active());
    program.pressF9();
    QTemporaryDir pictures;
    QProcess sim;
    sim.start(QStringLiteral(VELMORA_SIM), {"run", "--pictures", pictures.path()});
    QVERIFY(sim.waitForFinished(120000));
    QCOMPARE(sim.exitCode(), 0);
    for (ui::PlotWindow* w : plotWindows(program)) {
        const QString file = QString::fromStdString(plot::PictureFileName(w->kind()));
        const QImage written(pictures.filePath(file));
        QVERIFY2(!written.isNull(), qPrintable(file));
        QCOMPARE(written.size(), QSize(412, 233));
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
                 w->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
}

// A 40 m horn on a manual range of 100 … 1000 Hz: FmaxEff = 10·c/L ≈ 85 Hz lies below the
// first point, so the run stops after it.
void PlotWindowsTest::runOfOnePointDrawsNothingAndEmptiesTheBar() {
    StartedProgram program;
    QVERIFY(program.active());
    setAxisRow(program, 8, "100", "1000", false);
    program.type("Editl1", "40");
    program.pressF9();
    QVERIFY(program.boxes.texts().contains("Too few frequency points"));
    QCOMPARE(program.control<QProgressBar>("ProgressBar1")->value(), 0);
    for (ui::PlotWindow* w : plotWindows(program))
        QVERIFY2(!w->plotInput().gridDrawn, qPrintable(w->objectName()));
    // The slot still advances and Refresh is enabled, as after any run.
    QCOMPARE(program.state().ColourSlot, 1);
    QVERIFY(program.control<QAbstractButton>("BtnRefresh")->isEnabled());
}

#include "PlotWindowsTest.moc"

QObject* makePlotWindowsTest() {
    return new PlotWindowsTest;
}
