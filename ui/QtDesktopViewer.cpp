// Documents handed to the desktop with QDesktopServices.
#include "QtDesktopViewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

void QtDesktopViewer::open(const QString& path) {
    // The result says little (some desktops report success before any viewer runs): ignored.
    (void)QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace ui
