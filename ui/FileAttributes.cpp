// What the file menu needs to know of a file before it writes it.
#include "FileAttributes.h"

#include <QFileInfo>

namespace ui {

bool FileAttributes::isReadOnly(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return false;
    constexpr QFileDevice::Permissions AnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // isWritable() asks the system whether this user may write (true for root always);
    // the mode bits are the mark itself.
    return !(file.permissions() & AnyWrite) || !file.isWritable();
}

QString FileAttributes::folderOf(const QString& path) {
    const qsizetype last = path.lastIndexOf(QLatin1Char('/'));
    return last < 0 ? QString() : path.left(last + 1);
}

} // namespace ui
