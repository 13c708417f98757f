// Painting of one colour-slot swatch.
#include "EvoSwatch.h"

namespace plot {

PixelRect SwatchColourRect(int W, int H, bool selected) {
    if (selected)
        return {0, 0, W, H};
    return {2, 2, W - 4, H - 4};
}

void DrawEvoImage(QPainter& painter, QSize size, const QColor& slotColour, bool selected,
                  const QColor& buttonFace) {
    painter.fillRect(QRect(QPoint(0, 0), size), buttonFace);
    const PixelRect r = SwatchColourRect(size.width(), size.height(), selected);
    if (r.width > 0 && r.height > 0)
        painter.fillRect(QRect(r.left, r.top, r.width, r.height), slotColour);
}

} // namespace plot
