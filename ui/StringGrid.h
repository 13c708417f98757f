// A grid of text cells addressed as [column, row], with fixed (label) rows and columns.
#pragma once

#include <QTableWidget>

namespace ui {

// Every cell exists from the start. Fixed cells are grey and read-only; the others are
// edited in place as soon as they get the focus. No headers, no scroll bars.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent = nullptr);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    bool isFixedCell(int column, int row) const;

    // Height of every row and the widths of the columns; the grid takes exactly their size.
    void setRowHeight(int pixels);
    void setColumnWidths(const QList<int>& widths);

    // Hands the text of an open cell editor to its cell (a run must see what was typed).
    void commitPendingEdit();

    // Selects cell [column, row] and gives the grid the focus.
    void focusCell(int column, int row);

private:
    void fitToCells();

    int m_fixedColumns;
    int m_fixedRows;
};

} // namespace ui
