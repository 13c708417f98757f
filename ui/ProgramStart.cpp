// velmora [PROJECT.vmx]: the window set started, then the project of the command line opened.
#include "ProgramStart.h"

#include <QFile>
#include <QFileInfo>

#include "FileMenuActions.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "WindowSet.h"

namespace ui {

namespace {

// "" when the file can be opened, otherwise the notice that says why not.
QString unusableBecause(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("Project file not found:\n%1").arg(path);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("Project file cannot be read:\n%1").arg(path);
    return {};
}

} // namespace

void startProgram(WindowSet& windows, MessageBoxes& boxes, const QStringList& arguments) {
    windows.show();
    if (arguments.isEmpty())
        return;
    // An absolute name, so that Save writes where the file was found.
    const QString path = QFileInfo(arguments.first()).absoluteFilePath();
    const QString problem = unusableBecause(path);
    if (!problem.isEmpty()) {
        boxes.inform(&windows.main(), QStringLiteral("Notice"), problem);
        return;
    }
    windows.main().fileMenu().loadProject(path);
}

} // namespace ui
