// Where the program, the user's documents and the per-user data live.
#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ui {

std::string AppFolders::programFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath()).toStdString();
}

AppFolders AppFolders::locate() {
    AppFolders folders;
    folders.ProgramFolder = programFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    folders.DocumentsFolder =
        documents.isEmpty() ? folders.ProgramFolder : QDir::cleanPath(documents).toStdString();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    folders.DataFolder = data.isEmpty()
                             ? folders.ProgramFolder
                             : QDir::cleanPath(data + QStringLiteral("/Velmora")).toStdString();
    return folders;
}

bool AppFolders::ensureFolder(const std::string& folder) {
    const QString path = QString::fromStdString(folder);
    if (QFileInfo(path).isDir())
        return true;
    // The parent (~/.local/share) need not exist yet for a new user: create the whole path.
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

} // namespace ui
