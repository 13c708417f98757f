// The program's icon: a horn mouth flaring from a driver, drawn at any size.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ui {

class AppIcon {
public:
    static QPixmap pixmap(int size);
    static QIcon icon();
};

} // namespace ui
