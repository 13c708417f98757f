// A plot window of one response quantity, painted from its plot input.
#include "PlotWindow.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "PlotLayout.h"
#include "PlotPainter.h"
#include "SlotPlots.h"

namespace ui {

namespace {

QRect toQRect(const plot::PixelRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

// FormResize on one dimension of the client area: the outer window length (client plus
// `frame`, the window system's border) snaps to a multiple of 20, kept at or above the
// minimum client length.
int snappedClientLength(int client, int frame, int minimum) {
    int outer = plot::SnapWindowLength(client + frame);
    while (outer - frame < minimum)
        outer += 20;
    return outer - frame;
}

} // namespace

PlotWindow::PlotWindow(const QString& objectName, plot::PlotKind kind, QWidget* parent)
    : MinimisingWindow(parent), m_input(plot::StartPlotInput(kind)) {
    setObjectName(objectName);
    setWindowTitle(QString::fromStdString(plot::PlotCaption(kind)));
    setMinimumSize(300, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(plot::PlotFont());

    // The controls of the form: placed and named, painted by paintEvent.
    m_image = new QWidget(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_axis = new QWidget(this);
    m_axis->setObjectName(QStringLiteral("xAxis"));
    m_title = new QLabel(QStringLiteral("Frequency [Hz]"), this);
    m_title->setObjectName(QStringLiteral("Label18"));
    m_title->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < plot::ValueLabelCount(kind); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_values.push_back(label);
    }
    for (QWidget* control : {m_image, m_axis, static_cast<QWidget*>(m_title)})
        control->hide();
    for (QLabel* label : m_values)
        label->hide();
    showPlot(m_input);
    resize(plot::DesignClientWidth, plot::DesignClientHeight);
}

plot::PlotInput PlotWindow::plotInput() const {
    plot::PlotInput input = m_input;
    input.labelsFollowBottom = m_labelsFollowBottom;
    return input;
}

void PlotWindow::showPlot(const plot::PlotInput& input) {
    const plot::PlotKind kind = m_input.kind;
    m_input = input;
    m_input.kind = kind;
    const plot::ValueLabels texts = m_input.valueLabels.value_or(plot::StartValueLabels(kind));
    for (size_t j = 0; j < m_values.size(); ++j)
        m_values[j]->setText(QString::fromStdString(texts[j]));
    update();
}

void PlotWindow::setLabelsFollowBottom(bool follow) {
    if (m_labelsFollowBottom == follow)
        return;
    m_labelsFollowBottom = follow;
    placeControls();
    update();
}

QImage PlotWindow::picture() const {
    return plot::RenderPlot(plotInput(), size());
}

void PlotWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    plot::PaintPlot(painter, size(), plotInput());
}

void PlotWindow::resizeEvent(QResizeEvent* event) {
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
    placeControls();
    if (onScreen)
        emit formResized(this);
}

void PlotWindow::placeControls() {
    const plot::PlotLayout layout =
        plot::LayoutPlotWindow(kind(), width(), height(), m_labelsFollowBottom);
    m_image->setGeometry(toQRect(layout.image));
    m_axis->setGeometry(toQRect(layout.strip));
    m_title->setGeometry(toQRect(layout.title));
    for (size_t j = 0; j < m_values.size(); ++j)
        m_values[j]->setGeometry(toQRect(layout.valueLabels[j]));
}

} // namespace ui
