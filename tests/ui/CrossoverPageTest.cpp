// The crossover page: the schematic as a circuit, its 42 pictures and the grid they select.
#include <QApplication>
#include <QHelpEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <algorithm>

#include "CrossoverLayout.h"
#include "CrossoverSchematic.h"
#include "StartedProgram.h"
#include "StringGrid.h"

namespace {

ui::CrossoverSchematic* showCrossoverPage(const StartedProgram& program) {
    auto* pages = program.main().findChild<QTabWidget*>("DE");
    pages->setCurrentWidget(program.main().binding().widget("FWTab"));
    QCoreApplication::processEvents();
    return program.main().findChild<ui::CrossoverSchematic*>();
}

} // namespace

class CrossoverPageTest : public QObject {
    Q_OBJECT
private slots:
    void clickOnPictureSelectsItsCell();
    void picturesShowHandCursorAndHint();
    void drawingReadsAsTheTwoLadders();
    void pageFitsAndCanBeLookedAt();
};

void CrossoverPageTest::clickOnPictureSelectsItsCell() {
    StartedProgram program;
    QVERIFY(program.active());
    ui::CrossoverSchematic* schematic = showCrossoverPage(program);
    QVERIFY(schematic);
    auto* grid = program.control<ui::StringGrid>("FWGrid");
    const auto click = [&](int position, int row) {
        program.edit("EditUe")->setFocus(); // away from the grid first
        QTest::mouseClick(schematic, Qt::LeftButton, {},
                          schematic->layout().picture(position, row).rect.center());
        QCoreApplication::processEvents();
    };
    click(7, 2); // "C7"
    QCOMPARE(grid->currentColumn(), 7);
    QCOMPARE(grid->currentRow(), 2);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus == grid || grid->isAncestorOf(focus));
    // All 42 alike: column = position, row 1/2/3 for R/C/L.
    QStringList wrong;
    for (int position = 1; position <= ui::CrossoverLayout::Positions; ++position)
        for (int row = 1; row <= 3; ++row) {
            click(position, row);
            if (grid->currentColumn() != position || grid->currentRow() != row)
                wrong << ui::CrossoverLayout::hint(position, row);
        }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    // A click beside the pictures selects nothing.
    grid->setCurrentCell(1, 1);
    QTest::mouseClick(schematic, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(grid->currentColumn(), 1);
}

void CrossoverPageTest::picturesShowHandCursorAndHint() {
    StartedProgram program;
    ui::CrossoverSchematic* schematic = showCrossoverPage(program);
    const QPoint onL14 = schematic->layout().picture(14, 3).rect.center();
    QTest::mouseMove(schematic, onL14);
    QCOMPARE(schematic->cursor().shape(), Qt::PointingHandCursor);
    QHelpEvent help(QEvent::ToolTip, onL14, schematic->mapToGlobal(onL14));
    QApplication::sendEvent(schematic, &help);
    QCOMPARE(QToolTip::text(), QStringLiteral("L14"));
    QTest::mouseMove(schematic, QPoint(2, 2));
    QCOMPARE(schematic->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(ui::CrossoverLayout::hint(1, 1), QStringLiteral("R1"));
    QCOMPARE(ui::CrossoverLayout::hint(7, 2), QStringLiteral("C7"));
}

// What makes the circuit readable: flat series and upright shunt pictures, position 5 and
// the group 7-9 as three rows between the same two wires, nothing on top of anything.
void CrossoverPageTest::drawingReadsAsTheTwoLadders() {
    StartedProgram program;
    ui::CrossoverSchematic* schematic = showCrossoverPage(program);
    const ui::CrossoverLayout& layout = schematic->layout();
    const QRect area = schematic->rect();
    QCOMPARE(static_cast<int>(layout.pictures().size()), 42);
    for (const ui::CrossoverPicture& p : layout.pictures()) {
        const QString name = ui::CrossoverLayout::hint(p.position, p.row);
        QVERIFY2(area.contains(p.rect), qPrintable(name));
        QCOMPARE(p.vertical, ui::CrossoverLayout::isShunt(p.position));
        QVERIFY2(p.vertical == (p.rect.height() > p.rect.width()), qPrintable(name));
        for (const ui::CrossoverPicture& q : layout.pictures())
            if (&p != &q)
                QVERIFY2(!p.rect.intersects(q.rect),
                         qPrintable(name + " / " + ui::CrossoverLayout::hint(q.position, q.row)));
    }
    const auto rect = [&](int position, int row) { return layout.picture(position, row).rect; };
    // Series positions elsewhere: R, C, L side by side on one line.
    for (int position : {1, 3, 11, 13}) {
        QCOMPARE(rect(position, 2).left(), rect(position, 1).right() + 1);
        QCOMPARE(rect(position, 3).top(), rect(position, 1).top());
    }
    // Shunts: R over C over L.
    for (int position : {2, 4, 6, 10, 12, 14})
        QCOMPARE(rect(position, 3).top(), rect(position, 2).bottom() + 1);
    // Position 5: R5, C5, L5 one above the other in the same place across.
    QCOMPARE(rect(5, 2).left(), rect(5, 1).left());
    QCOMPARE(rect(5, 3).left(), rect(5, 1).left());
    QVERIFY(rect(5, 1).bottom() < rect(5, 2).top() && rect(5, 2).bottom() < rect(5, 3).top());
    // Group 7-9: three R-C-L rows, one per position, aligned.
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(rect(8, row).left(), rect(7, row).left());
        QCOMPARE(rect(9, row).left(), rect(7, row).left());
        QCOMPARE(rect(8, row).top(),
                 rect(7, row).top() + (rect(9, row).top() - rect(7, row).top()) / 2);
    }
    // Left to right along ladder 1, then driver 1; ladder 2 below, then driver 2.
    const int order1[] = {1, 2, 3, 4, 5, 6, 7, 10};
    for (int i = 1; i < 8; ++i)
        QVERIFY(rect(order1[i], 1).left() > rect(order1[i - 1], 3).left());
    QVERIFY(layout.driver(1).left() > rect(10, 1).right());
    QVERIFY(layout.driver(2).left() > rect(14, 1).right());
    const int ladder1Bottom = rect(10, 3).bottom();
    for (int position : {11, 12, 13, 14})
        QVERIFY(rect(position, 1).top() > ladder1Bottom);
    // The driver pictures are the named images, where the layout puts them.
    for (int number : {1, 2}) {
        auto* image = schematic->findChild<QWidget*>(QStringLiteral("ImageTreiber%1").arg(number));
        QVERIFY(image);
        QCOMPARE(image->geometry(), layout.driver(number));
    }
    int inputs = 0;
    for (const ui::CrossoverText& text : layout.texts())
        inputs += text.text == QLatin1String("Ue") ? 1 : 0;
    QCOMPARE(inputs, 2);
    QCOMPARE(static_cast<int>(layout.terminals().size()), 4);
}

// The drawing gets the room it needs on the page; set VELMORA_SCREENSHOT_DIR to keep a
// picture of the page for looking at it.
void CrossoverPageTest::pageFitsAndCanBeLookedAt() {
    StartedProgram program;
    ui::CrossoverSchematic* schematic = showCrossoverPage(program);
    QVERIFY(schematic->width() >= ui::CrossoverLayout::minimumSize().width());
    QVERIFY(schematic->height() >= ui::CrossoverLayout::minimumSize().height());
    const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(program.main().grab().save(folder + "/crossover-page.png"));
}

#include "CrossoverPageTest.moc"

QObject* makeCrossoverPageTest() {
    return new CrossoverPageTest;
}
