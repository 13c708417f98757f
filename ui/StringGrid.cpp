// A grid of text cells addressed as [column, row], with fixed (label) rows and columns.
#include "StringGrid.h"

#include <QHeaderView>

namespace ui {

StringGrid::StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent)
    : QTableWidget(rows, columns, parent), m_fixedColumns(fixedColumns), m_fixedRows(fixedRows) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setMinimumSectionSize(8);
    const QColor fixedColour = palette().color(QPalette::Button);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem();
            if (isFixedCell(c, r)) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(fixedColour);
            }
            setItem(r, c, item);
        }
    }
    setRowHeight(20);
}

QString StringGrid::cell(int column, int row) const {
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void StringGrid::setCell(int column, int row, const QString& text) {
    if (QTableWidgetItem* it = item(row, column); it && it->text() != text)
        it->setText(text);
}

bool StringGrid::isFixedCell(int column, int row) const {
    return column < m_fixedColumns || row < m_fixedRows;
}

void StringGrid::setRowHeight(int pixels) {
    verticalHeader()->setDefaultSectionSize(pixels);
    for (int r = 0; r < rowCount(); ++r)
        QTableWidget::setRowHeight(r, pixels);
    fitToCells();
}

void StringGrid::setColumnWidths(const QList<int>& widths) {
    for (int c = 0; c < columnCount() && c < widths.size(); ++c)
        setColumnWidth(c, widths[c]);
    fitToCells();
}

void StringGrid::commitPendingEdit() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex()))
        commitData(editor);
}

void StringGrid::focusCell(int column, int row) {
    setFocus(Qt::OtherFocusReason);
    setCurrentCell(row, column);
}

void StringGrid::fitToCells() {
    int width = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c)
        width += columnWidth(c);
    int height = 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r)
        height += rowHeight(r);
    setFixedSize(width, height);
}

} // namespace ui
