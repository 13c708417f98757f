// Documents handed to the desktop with QDesktopServices.
#pragma once

#include "DesktopViewer.h"

namespace ui {

class QtDesktopViewer : public DesktopViewer {
public:
    void open(const QString& path) override;
};

} // namespace ui
