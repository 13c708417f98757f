// The crossover schematic of the page "Crossover": the two ladders with 42 element pictures.
#include "CrossoverSchematic.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace ui {

namespace {

constexpr double Mid = CrossoverLayout::PictureBreadth / 2 + 0.5; // the lead's pixel centre
constexpr double Length = CrossoverLayout::PictureLength;

// One element in a frame of PictureLength × PictureBreadth, leads along the middle.
void drawElement(QPainter& painter, int row, const QColor& ink, const QColor& background) {
    const QPen thin(ink, 1);
    painter.setPen(thin);
    switch (row) {
    case 1: // resistor: an open box
        painter.drawLine(QPointF(0, Mid), QPointF(4.5, Mid));
        painter.drawLine(QPointF(17.5, Mid), QPointF(Length, Mid));
        painter.setBrush(background);
        painter.drawRect(QRectF(4.5, Mid - 3, 13, 6));
        break;
    case 2: // capacitor: two plates
        painter.drawLine(QPointF(0, Mid), QPointF(9, Mid));
        painter.drawLine(QPointF(13, Mid), QPointF(Length, Mid));
        painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(9, Mid - 6), QPointF(9, Mid + 6));
        painter.drawLine(QPointF(13, Mid - 6), QPointF(13, Mid + 6));
        break;
    default: // inductor: three turns
        painter.drawLine(QPointF(0, Mid), QPointF(3.5, Mid));
        painter.drawLine(QPointF(18.5, Mid), QPointF(Length, Mid));
        painter.setBrush(Qt::NoBrush);
        for (int turn = 0; turn < 3; ++turn)
            painter.drawArc(QRectF(3.5 + 5 * turn, Mid - 4, 5, 8), 0, 180 * 16);
        break;
    }
}

} // namespace

CrossoverSchematic::CrossoverSchematic(QWidget* parent)
    : QWidget(parent), m_layout(CrossoverLayout::minimumSize()) {
    setObjectName(QStringLiteral("FWDrawing"));
    setMouseTracking(true);
    for (int number = 1; number <= 2; ++number) {
        auto* driver = new QLabel(this);
        driver->setObjectName(QStringLiteral("ImageTreiber%1").arg(number));
        driver->setPixmap(driverPicture(number));
        driver->setFixedSize(CrossoverLayout::DriverSize, CrossoverLayout::DriverSize);
        m_drivers[number - 1] = driver;
    }
}

QSize CrossoverSchematic::minimumSizeHint() const {
    return CrossoverLayout::minimumSize();
}

void CrossoverSchematic::resizeEvent(QResizeEvent*) {
    m_layout = CrossoverLayout(size());
    for (int number = 1; number <= 2; ++number)
        m_drivers[number - 1]->move(m_layout.driver(number).topLeft());
}

void CrossoverSchematic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, m_layout, palette().color(QPalette::WindowText),
          palette().color(QPalette::Window), palette().color(QPalette::Disabled, QPalette::Text));
}

void CrossoverSchematic::paint(QPainter& painter, const CrossoverLayout& layout, const QColor& ink,
                               const QColor& background, const QColor& numbers) {
    painter.save();
    // Straight wires on whole pixels, without smoothing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ink, 0));
    for (const QLine& wire : layout.wires())
        painter.drawLine(wire);

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const QPoint& at : layout.junctions())
        painter.drawEllipse(QPointF(at) + QPointF(0.5, 0.5), 2.2, 2.2);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(background);
    for (const QPoint& at : layout.terminals())
        painter.drawEllipse(QPointF(at) + QPointF(0.5, 0.5), 2.8, 2.8);

    for (const CrossoverPicture& picture : layout.pictures()) {
        painter.save();
        const QRect r = picture.rect;
        if (picture.vertical) {
            // The flat picture turned a quarter clockwise: its leads run down the middle.
            painter.translate(r.left() + CrossoverLayout::PictureBreadth + 1, r.top());
            painter.rotate(90);
        } else {
            painter.translate(r.topLeft());
        }
        drawElement(painter, picture.row, ink, background);
        painter.restore();
    }

    QFont font = painter.font();
    for (const CrossoverText& text : layout.texts()) {
        font.setPixelSize(text.positionNumber ? 9 : 12);
        font.setItalic(!text.positionNumber);
        painter.setFont(font);
        painter.setPen(text.positionNumber ? numbers : ink);
        const Qt::Alignment align = text.positionNumber ? (Qt::AlignHCenter | Qt::AlignTop)
                                                        : (Qt::AlignRight | Qt::AlignVCenter);
        painter.drawText(text.box, static_cast<int>(align), text.text);
    }
    painter.restore();
}

QPixmap CrossoverSchematic::driverPicture(int number) {
    QPixmap picture(CrossoverLayout::DriverSize, CrossoverLayout::DriverSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    // The coil (magnet) with its leads at the middle of the top and bottom edge, the cone.
    painter.drawRect(QRectF(6.5, 8.5, 12, 17));
    const QPointF cone[] = {{18.5, 8.5}, {31.5, 1.5}, {31.5, 32.5}, {18.5, 25.5}};
    painter.drawPolygon(cone, 4);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(10, 12, 8, 11), Qt::AlignLeft | Qt::AlignTop, QString::number(number));
    return picture;
}

bool CrossoverSchematic::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const CrossoverPicture* p = m_layout.pictureAt(help->pos()))
            QToolTip::showText(help->globalPos(), CrossoverLayout::hint(p->position, p->row), this,
                               p->rect);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CrossoverSchematic::mouseMoveEvent(QMouseEvent* event) {
    if (m_layout.pictureAt(event->position().toPoint()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void CrossoverSchematic::leaveEvent(QEvent* event) {
    unsetCursor();
    QWidget::leaveEvent(event);
}

void CrossoverSchematic::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        if (const CrossoverPicture* p = m_layout.pictureAt(event->position().toPoint())) {
            emit elementClicked(p->position, p->row);
            return;
        }
    QWidget::mousePressEvent(event);
}

} // namespace ui
