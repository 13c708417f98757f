// The sketch window on the screen: white, Im1 10 pixels inside the client area, the sketch
// after a run, resize snapping with a redraw only while BtnRefresh is enabled, the notices,
// close → minimise.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "SketchWindow.h"
#include "StartedProgram.h"

namespace {

// Black pixels of the sketch bitmap (the walls, cone, arrow).
int blackPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == QColor(Qt::black);
    return count;
}

QStringList noticesOf(const StartedProgram& program) {
    QStringList texts;
    for (const AnsweringBoxes::Shown& box : program.boxes.shown)
        if (box.caption == QLatin1String("Notice"))
            texts << box.text;
    return texts;
}

} // namespace

class SketchWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWhiteAndEmptyAtTheDesignSize();
    void runDrawsTheSketchOnTheSurface();
    void resizeSnapsAndRedrawsOnlyWhileRefreshIsEnabled();
    void noticesComeWithEveryDrawingThatNeedsThem();
    void closingMinimises();
};

void SketchWindowTest::startsWhiteAndEmptyAtTheDesignSize() {
    StartedProgram program;
    ui::SketchWindow* sketch = program.windows().skizze;
    QCOMPARE(sketch->objectName(), QStringLiteral("SkizzeForm"));
    QCOMPARE(sketch->windowTitle(), QStringLiteral("Priciple Sketch"));
    QCOMPARE(sketch->size(), QSize(412, 233));
    QVERIFY(!sketch->isMinimized());
    QCOMPARE(sketch->surface()->objectName(), QStringLiteral("Im1"));
    QCOMPARE(sketch->surface()->geometry(), QRect(5, 5, 402, 223));
    QVERIFY(sketch->bitmap().isNull());
    const QImage shown = sketch->grab().toImage();
    QCOMPARE(shown.pixelColor(2, 2), QColor(Qt::white));
    QCOMPARE(shown.pixelColor(200, 100), QColor(Qt::white));
}

void SketchWindowTest::runDrawsTheSketchOnTheSurface() {
    StartedProgram program;
    QVERIFY(program.active());
    ui::SketchWindow* sketch = program.windows().skizze;
    program.pressF9();
    QCOMPARE(sketch->bitmap().size(), QSize(402, 223));
    QVERIFY(blackPixels(sketch->bitmap()) > 200);
    // What the window shows is the bitmap at (5, 5) on white.
    const QImage shown = sketch->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(5, 5, 402, 223), sketch->bitmap().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(shown.pixelColor(2, 2), QColor(Qt::white));
    QCOMPARE(shown.pixelColor(409, 230), QColor(Qt::white));
}

void SketchWindowTest::resizeSnapsAndRedrawsOnlyWhileRefreshIsEnabled() {
    StartedProgram program;
    QVERIFY(program.active());
    ui::SketchWindow* sketch = program.windows().skizze;
    // The outer size snaps (the window system's frame lies around the client area); Im1
    // lies 5 pixels inside the client area.
    const QSize frame = sketch->frameGeometry().size() - sketch->size();
    auto resizeOuter = [&](int width, int height) {
        sketch->resize(QSize(width, height) - frame);
        QCoreApplication::processEvents();
    };
    auto surfaceOfClient = [&] { return QRect(5, 5, sketch->width() - 10, sketch->height() - 10); };
    // Before the first run: the size snaps, the surface follows, nothing is drawn.
    resizeOuter(533, 300);
    QCOMPARE(sketch->frameGeometry().size(), QSize(540, 300));
    QCOMPARE(sketch->surface()->geometry(), surfaceOfClient());
    QVERIFY(sketch->bitmap().isNull());

    program.pressF9();
    QCOMPARE(sketch->bitmap().size(), surfaceOfClient().size());
    const QImage atFirstSize = sketch->bitmap();
    // A resize while BtnRefresh is enabled redraws for the new size.
    resizeOuter(433, 247);
    QCOMPARE(sketch->frameGeometry().size(), QSize(440, 240));
    QCOMPARE(sketch->bitmap().size(), surfaceOfClient().size());
    QVERIFY(blackPixels(sketch->bitmap()) > 200);
    // The minimum client size 50 × 50 stays reachable.
    resizeOuter(30, 30);
    QVERIFY(sketch->width() >= 50 && sketch->height() >= 50);
    QCOMPARE(sketch->frameGeometry().width() % 20, 0);
    QCOMPARE(sketch->bitmap().size(), surfaceOfClient().size());

    // "Delete all plots" disables BtnRefresh: resizing keeps the picture.
    resizeOuter(433, 247);
    const QImage kept = sketch->bitmap();
    program.control<QAbstractButton>("BtnClear")->click();
    QVERIFY(!program.control<QAbstractButton>("BtnRefresh")->isEnabled());
    resizeOuter(600, 400);
    QCOMPARE(sketch->frameGeometry().size(), QSize(600, 400));
    QCOMPARE(sketch->surface()->geometry(), surfaceOfClient());
    QCOMPARE(sketch->bitmap(), kept);
    QVERIFY(kept != atFirstSize);
}

void SketchWindowTest::noticesComeWithEveryDrawingThatNeedsThem() {
    StartedProgram program;
    QVERIFY(program.active());
    // A front-loaded horn with a rear chamber of length 0.
    program.type("EditLrk", "0");
    program.leave();
    program.boxes.clear();
    program.pressF9();
    QCOMPARE(noticesOf(program), QStringList{"LRC is 0!"});
    program.boxes.clear();
    program.control<QAbstractButton>("BtnRefresh")->click();
    QCOMPARE(noticesOf(program), QStringList{"LRC is 0!"});

    // A front chamber of 5 cm and a rear chamber of 30 cm: no notice.
    program.type("EditVvk", "1");
    program.type("EditLvk", "0.05");
    program.type("EditLrk", "0.3");
    program.leave();
    program.boxes.clear();
    program.pressF9();
    QCOMPARE(noticesOf(program), QStringList{});
    // EditLvk now 0 without a new run: the redraw says so and still draws the run's chamber.
    program.edit("EditLvk")->setText("0");
    program.boxes.clear();
    program.control<QAbstractButton>("BtnRefresh")->click();
    QCOMPARE(noticesOf(program), QStringList{"LFC is 0!"});
    QVERIFY(blackPixels(program.windows().skizze->bitmap()) > 200);
}

void SketchWindowTest::closingMinimises() {
    StartedProgram program;
    ui::SketchWindow* sketch = program.windows().skizze;
    QVERIFY(!sketch->close());
    QVERIFY(sketch->isMinimized());
    QVERIFY(sketch->isVisible());
    program.main().findChild<QAction*>("AlleFensterzeigen1")->trigger();
    QVERIFY(!sketch->isMinimized());
}

QObject* makeSketchWindowTest() {
    return new SketchWindowTest;
}

#include "SketchWindowTest.moc"
