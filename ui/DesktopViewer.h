// The one way the program hands a document to the desktop, so that tests can see what.
#pragma once

#include <QString>

namespace ui {

// Opens a file in the program the desktop associates with it. Fire and forget: nothing
// waits for the viewer and no outcome is reported (a missing file or viewer is not an error).
class DesktopViewer {
public:
    virtual ~DesktopViewer() = default;
    virtual void open(const QString& path) = 0;
};

} // namespace ui
