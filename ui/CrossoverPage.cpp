// The tab page "Crossover": the ladder drawing of the two drivers and the value grid FWGrid.
#include "CrossoverPage.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "CrossoverSchematic.h"
#include "FormWidgets.h"
#include "StringGrid.h"

namespace ui {

namespace {

constexpr int GridColumns = 15;
constexpr int GridRows = 4;
constexpr int PositionColumnWidth = 33;

} // namespace

QWidget* buildCrossoverPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("FWTab"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto* schematic = new CrossoverSchematic(page);
    layout->addWidget(schematic, 1);
    layout->addWidget(form::check(page, "CBohneFW"));
    auto* grid = new StringGrid(GridColumns, GridRows, 1, 1, page);
    grid->setObjectName(QStringLiteral("FWGrid"));
    // A picture selects its cell: column = position, row 1/2/3 for R/C/L.
    QObject::connect(schematic, &CrossoverSchematic::elementClicked, grid,
                     [grid](int position, int row) { grid->focusCell(position, row); });
    layout->addWidget(grid, 0, Qt::AlignHCenter);
    setUpCrossoverGrid(page);
    return page;
}

void setUpCrossoverGrid(QWidget* page) {
    auto* grid = page->findChild<StringGrid*>(QStringLiteral("FWGrid"));
    if (!grid)
        return;
    QList<int> widths{2 * PositionColumnWidth};
    for (int c = 1; c < GridColumns; ++c) {
        widths << PositionColumnWidth;
        grid->setCell(c, 0, QString::number(c));
        grid->item(0, c)->setTextAlignment(Qt::AlignCenter);
    }
    grid->setColumnWidths(widths);
    grid->setCell(0, 1, QStringLiteral("R [Ohm]"));
    grid->setCell(0, 2, QStringLiteral("C [uF]"));
    grid->setCell(0, 3, QStringLiteral("L [mH]"));
}

} // namespace ui
