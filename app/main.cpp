// velmora: the desktop program. Needs a display; velmora-sim runs the engine without one.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "AppIcon.h"
#include "Appearance.h"
#include "QtDesktopViewer.h"
#include "QtFileDialogs.h"
#include "QtMessageBoxes.h"
#include "WindowSet.h"

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

// Exit status: 0 after a normal end, 1 without a display or when start-up failed.
int main(int argc, char** argv) {
    // Without a display Qt would abort; say what to do instead.
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("QT_QPA_PLATFORM")) {
        std::fputs("velmora: no display found; run the simulation headless with velmora-sim, "
                   "or start the program under xvfb-run\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setWindowIcon(ui::AppIcon::icon());
    ui::Appearance::apply(application);
    try {
        ui::QtMessageBoxes boxes;
        ui::QtFileDialogs dialogs;
        ui::QtDesktopViewer viewer;
        ui::WindowSet windows(boxes, dialogs, viewer);
        windows.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Velmora"), QString::fromUtf8(e.what()));
        return 1;
    }
}
