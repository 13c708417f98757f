// A window that lives as long as the program: closing it only minimises it.
#include "MinimisingWindow.h"

#include <QCloseEvent>

namespace ui {

MinimisingWindow::MinimisingWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void MinimisingWindow::closeForGood() {
    m_closing = true;
    close();
}

void MinimisingWindow::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    showMinimized();
}

} // namespace ui
