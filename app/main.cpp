// velmora: the desktop program. Needs a display; velmora-sim runs the engine without one.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "AppIcon.h"
#include "Appearance.h"
#include "ProgramStart.h"
#include "QtDesktopViewer.h"
#include "QtFileDialogs.h"
#include "QtMessageBoxes.h"
#include "WindowSet.h"

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

const char* const Usage =
    "usage: velmora [PROJECT.vmx]\n"
    "Starts the desktop program; a project named here is opened after start-up as the menu\n"
    "entry Open does. Runs without a display: velmora-sim --help.\n";

} // namespace

// Exit status: 0 after a normal end (and after --help), 1 without a display or when start-up
// failed.
int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
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
        ui::startProgram(windows, boxes, QCoreApplication::arguments().mid(1));
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Velmora"), QString::fromUtf8(e.what()));
        return 1;
    }
}
