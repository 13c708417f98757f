// The window of the principle sketch of the horn.
#include "SketchWindow.h"

#include <QResizeEvent>

namespace ui {

SketchWindow::SketchWindow(QWidget* parent) : MinimisingWindow(parent) {
    setObjectName(QStringLiteral("SkizzeForm"));
    setMinimumSize(50, 50);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("Im1"));
    resize(412, 233);
}

void SketchWindow::resizeEvent(QResizeEvent* event) {
    MinimisingWindow::resizeEvent(event);
    m_surface->setGeometry(5, 5, width() - 10, height() - 10);
}

} // namespace ui
