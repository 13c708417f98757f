// Painting of the plot windows on any QPainter: screen, export and pictures alike.
#include "PlotPainter.h"

#include <QFontMetrics>
#include <QLine>
#include <QPen>

#include "CurveGeometry.h"
#include "PlotGrid.h"
#include "PlotLayout.h"

namespace plot {

namespace {

const QColor GridGrey(160, 160, 160);
const QColor TextColour(0, 0, 0);

QRect toQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

void drawSegment(QPainter& painter, const CurveSegment& segment, int W, int H, int lineWidth) {
    // Lines that stay near the image are drawn between their exact pixels; longer ones are
    // first cut to a box a little larger than the image, so that the visible part is the
    // same line and the rasteriser sees only moderate coordinates.
    const double margin = lineWidth + 4.0;
    const double left = -margin;
    const double top = -margin;
    const double right = W + margin;
    const double bottom = H + margin;
    const auto inside = [&](const Pixel& p) {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    };
    if (inside(segment.from) && inside(segment.to)) {
        painter.drawLine(QLine(segment.from.x, segment.from.y, segment.to.x, segment.to.y));
        return;
    }
    const auto clipped =
        ClipSegment({double(segment.from.x), double(segment.from.y)},
                    {double(segment.to.x), double(segment.to.y)}, left, top, right, bottom);
    if (clipped)
        painter.drawLine(
            QLineF(clipped->first.x, clipped->first.y, clipped->second.x, clipped->second.y));
}

} // namespace

QFont PlotFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void PaintPlotImage(QPainter& painter, QSize imageSize, const PlotInput& input) {
    const int W = imageSize.width();
    const int H = imageSize.height();
    if (W <= 0 || H <= 0)
        return;
    painter.save();
    painter.setClipRect(QRect(0, 0, W, H), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!input.gridDrawn) {
        painter.fillRect(QRect(0, 0, W, H), input.buttonFace);
        painter.restore();
        return;
    }
    painter.fillRect(QRect(0, 0, W, H), Qt::white);
    painter.setPen(QPen(GridGrey, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, W - 1, H - 1)); // outline on the pixels 0 … W − 1

    const PlotGridGeometry grid =
        ComputePlotGrid(W, H, input.AxisMin[7], input.AxisMax[7], BandCount(input.kind), 0);
    for (int y : grid.horizontalYs)
        painter.drawLine(0, y, W, y);
    for (int x : grid.verticalXs)
        if (x >= 0 && x <= W)
            painter.drawLine(x, 0, x, H);

    for (int slot : SlotsToDraw(input)) {
        QPen pen(input.SlotColour[slot], input.lineWidth);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        for (const CurveSegment& segment : SlotCurve(input, slot, W, H))
            drawSegment(painter, segment, W, H, input.lineWidth);
    }
    painter.restore();
}

void PaintFrequencyStrip(QPainter& painter, QSize stripSize, int stripOffset, int imageWidth,
                         const PlotInput& input) {
    if (stripSize.isEmpty())
        return;
    painter.save();
    const QRect area(QPoint(0, 0), stripSize);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, input.buttonFace);
    if (input.gridDrawn) {
        painter.setFont(PlotFont());
        painter.setPen(TextColour);
        const QFontMetrics metrics(painter.font());
        const PlotGridGeometry grid =
            ComputePlotGrid(imageWidth, 0, input.AxisMin[7], input.AxisMax[7], 0, stripOffset);
        for (const StripLabel& label : grid.labels) {
            const QString text = QString::fromStdString(label.text);
            const int width = metrics.horizontalAdvance(text);
            const int left = StripLabelLeft(label.anchor, width);
            if (left >= stripSize.width() || left + width < 0)
                continue;
            // Texts are written on the strip's brush, so that a label written twice (fmax
            // as the last decade label and again at the right edge) shows once, not smeared.
            const QRect cell(left, 0, width, stripSize.height());
            painter.fillRect(cell, input.buttonFace);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
        }
    }
    painter.restore();
}

void PaintPlot(QPainter& painter, QSize clientSize, const PlotInput& input) {
    const PlotLayout layout = LayoutPlotWindow(input.kind, clientSize.width(), clientSize.height(),
                                               input.labelsFollowBottom);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), clientSize), input.buttonFace);

    painter.setFont(PlotFont());
    painter.setPen(TextColour);
    const ValueLabels texts = input.valueLabels.value_or(StartValueLabels(input.kind));
    for (int j = 0; j < layout.valueLabelCount; ++j)
        painter.drawText(toQRect(layout.valueLabels[j]),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                         QString::fromStdString(texts[j]));
    painter.drawText(toQRect(layout.title), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                     QStringLiteral("Frequency [Hz]"));

    painter.save();
    painter.translate(layout.strip.left, layout.strip.top);
    PaintFrequencyStrip(painter, QSize(layout.strip.width, layout.strip.height),
                        layout.stripOffset(), layout.image.width, input);
    painter.restore();

    painter.save();
    painter.translate(layout.image.left, layout.image.top);
    PaintPlotImage(painter, QSize(layout.image.width, layout.image.height), input);
    painter.restore();

    painter.restore();
}

QImage RenderPlot(const PlotInput& input, QSize clientSize) {
    QImage image(clientSize, QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(input.buttonFace);
    QPainter painter(&image);
    PaintPlot(painter, clientSize, input);
    painter.end();
    return image;
}

} // namespace plot
