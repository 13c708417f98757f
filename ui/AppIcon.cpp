// The program's icon: a horn mouth flaring from a driver, drawn at any size.
#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

QPixmap AppIcon::pixmap(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    // Horn: a flare from a narrow throat on the left to a wide mouth on the right.
    QPainterPath horn;
    horn.moveTo(9, 13);
    horn.cubicTo(18, 13, 24, 9, 29, 2);
    horn.lineTo(29, 30);
    horn.cubicTo(24, 23, 18, 19, 9, 19);
    horn.closeSubpath();
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(QColor(205, 160, 70));
    painter.drawPath(horn);
    // Driver: magnet and cone at the throat.
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(QRectF(2, 12, 4, 8));
    painter.setBrush(QColor(150, 150, 150));
    QPolygonF cone;
    cone << QPointF(6, 13) << QPointF(9, 10) << QPointF(9, 22) << QPointF(6, 19);
    painter.drawPolygon(cone);
    return picture;
}

QIcon AppIcon::icon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(pixmap(size));
    return icon;
}

} // namespace ui
