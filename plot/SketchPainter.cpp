// Painting of the principle sketch.
#include "SketchPainter.h"

#include <QPen>

namespace plot {

void PaintSketch(QPainter& painter, QSize size, const SketchPrimitives& sketch) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, size.width() + 1, size.height() + 1, Qt::white);
    for (const SketchSegment& s : sketch.segments()) {
        QPen pen(s.colour == SketchColour::White ? Qt::white : Qt::black);
        pen.setWidth(s.width);
        if (s.width > 1) {
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
        }
        painter.setPen(pen);
        painter.drawLine(s.x1, s.y1, s.x2, s.y2);
    }
    painter.restore();
}

QImage RenderSketch(QSize size, const SketchPrimitives& sketch) {
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintSketch(painter, size, sketch);
    return image;
}

} // namespace plot
