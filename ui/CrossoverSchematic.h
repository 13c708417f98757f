// The crossover schematic of the page "Crossover": the two ladders with 42 element pictures.
#pragma once

#include <QWidget>

#include "CrossoverLayout.h"

class QLabel;
class QPainter;

namespace ui {

// Painted from a CrossoverLayout of the widget's size. Each element picture shows a hand
// cursor and its hint ("R1" … "L14") and reports a click; the driver pictures are the child
// labels "ImageTreiber1" and "ImageTreiber2".
class CrossoverSchematic : public QWidget {
    Q_OBJECT
public:
    explicit CrossoverSchematic(QWidget* parent = nullptr);

    const CrossoverLayout& layout() const { return m_layout; }
    QSize minimumSizeHint() const override;

    // Wires, terminals, junctions, labels and element pictures, in `ink` on the background.
    static void paint(QPainter& painter, const CrossoverLayout& layout, const QColor& ink,
                      const QColor& background, const QColor& numbers);
    // The picture of a driver, with its number written at 10 pixels from the left and 12 from
    // the top.
    static QPixmap driverPicture(int number);

signals:
    // Grid cell [position, row] of the clicked picture.
    void elementClicked(int position, int row);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    CrossoverLayout m_layout;
    QLabel* m_drivers[2] = {};
};

} // namespace ui
