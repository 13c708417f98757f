// The window of the principle sketch of the horn (TSkizzeForm).
#include "SketchWindow.h"

#include <QLabel>
#include <QPainter>
#include <QResizeEvent>

#include "PlotLayout.h"
#include "SketchGeometry.h"
#include "SketchPainter.h"

namespace ui {

namespace {

constexpr int DesignClientWidth = 412;
constexpr int DesignClientHeight = 233;
constexpr int Margin = 5; // Im1 lies 5 pixels inside the client area on every side

// FormResize on one dimension of the client area: the outer window length (client plus
// `frame`, the window system's border) snaps to a multiple of 20, kept at or above the
// minimum client length.
int snappedClientLength(int client, int frame, int minimum) {
    int outer = plot::SnapWindowLength(client + frame);
    while (outer - frame < minimum)
        outer += 20;
    return outer - frame;
}

QSize surfaceSize(QSize clientSize) {
    return QSize(std::max(0, clientSize.width() - 2 * Margin),
                 std::max(0, clientSize.height() - 2 * Margin));
}

} // namespace

SketchWindow::SketchWindow(QWidget* parent) : MinimisingWindow(parent) {
    setObjectName(QStringLiteral("SkizzeForm"));
    setWindowTitle(QStringLiteral("Priciple Sketch"));
    setMinimumSize(50, 50);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_surface = new QLabel(this);
    m_surface->setObjectName(QStringLiteral("Im1"));
    m_surface->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_surface->setToolTip(QStringLiteral("Side view of the simulated horn, drawn to scale"));
    resize(DesignClientWidth, DesignClientHeight);
}

void SketchWindow::setRun(const engine::SimulationInput& input,
                          const engine::SimulationResult& result) {
    m_run = Run{input, result};
}

void SketchWindow::DrawSketch(const std::array<double, 101>& contourArea,
                              const model::FormState& controls, const NoticeSink& showNotices) {
    if (!m_run)
        return;
    const plot::SketchInput input = plot::MakeSketchInput(m_run->input, m_run->result, contourArea,
                                                          controls, m_RK2Face, m_RK2Depth);
    const QSize size = surfaceSize(this->size());
    m_surface->setGeometry(Margin, Margin, size.width(), size.height());
    const plot::SketchDrawing drawing = plot::DrawSketch(input, size.width(), size.height());
    m_RK2Face = drawing.RK2Face;
    m_RK2Depth = drawing.RK2Depth;
    m_drawn = input;
    // The notices come up before the new picture, and the drawing goes on after them.
    if (showNotices && !drawing.notices.empty())
        showNotices(drawing.notices);
    m_bitmap = plot::RenderSketch(size, drawing.primitives);
    m_surface->setPixmap(QPixmap::fromImage(m_bitmap));
}

QImage SketchWindow::picture(QSize clientSize, bool redraw) const {
    QImage image(clientSize, QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (redraw && m_drawn) {
        plot::SketchInput input = *m_drawn;
        input.RK2Face = m_RK2Face;
        input.RK2Depth = m_RK2Depth;
        const QSize size = surfaceSize(clientSize);
        const plot::SketchDrawing drawing = plot::DrawSketch(input, size.width(), size.height());
        painter.drawImage(Margin, Margin, plot::RenderSketch(size, drawing.primitives));
    } else if (!m_bitmap.isNull()) {
        // The bitmap keeps its size; the surface shows as much of it as fits.
        painter.setClipRect(QRect(QPoint(Margin, Margin), surfaceSize(clientSize)));
        painter.drawImage(Margin, Margin, m_bitmap);
    }
    return image;
}

void SketchWindow::resizeEvent(QResizeEvent* event) {
    MinimisingWindow::resizeEvent(event);
    // The sizes given while the window is built or hidden stand; a window on the screen
    // snaps. Resizing to the snapped size comes back here with that size.
    const bool onScreen = isVisible() && !isMinimized() && event->size() != event->oldSize();
    if (onScreen) {
        const QSize frame = (frameGeometry().size() - size()).expandedTo(QSize(0, 0));
        const QSize snapped(snappedClientLength(width(), frame.width(), minimumWidth()),
                            snappedClientLength(height(), frame.height(), minimumHeight()));
        if (snapped != size()) {
            resize(snapped);
            if (size() == snapped)
                return;
        }
    }
    const QSize size = surfaceSize(this->size());
    m_surface->setGeometry(Margin, Margin, size.width(), size.height());
    if (onScreen)
        emit formResized();
}

} // namespace ui
