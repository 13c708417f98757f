// What the file menu needs to know of a file before it writes it.
#pragma once

#include <QString>

namespace ui {

struct FileAttributes {
    // A file that exists and is marked read-only: no write permission bit is set at all
    // (the mark holds for every user, root too), or this user may not write it. The same
    // rule as the project file layer's, which refuses to replace such a file.
    static bool isReadOnly(const QString& path);
    // The path up to and including its last separator ("" when it has none).
    static QString folderOf(const QString& path);
};

} // namespace ui
