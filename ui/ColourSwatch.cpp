// One of the four small colour squares that show and choose the slot of the next run.
#include "ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

ColourSwatch::ColourSwatch(QColor colour, QWidget* parent) : QWidget(parent), m_colour(colour) {
    setFixedSize(15, 15);
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::setSelected(bool selected) {
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect whole = rect();
    painter.fillRect(whole, palette().color(QPalette::Button));
    painter.fillRect(m_selected ? whole : whole.adjusted(2, 2, -2, -2), m_colour);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
