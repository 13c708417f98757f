// One of the four small colour squares that show and choose the slot of the next run.
#include "ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

#include "EvoSwatch.h"

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
    plot::DrawEvoImage(painter, size(), m_colour, m_selected, palette().color(QPalette::Button));
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
