// The desktop's viewer for tests: keeps the paths it was handed.
#pragma once

#include <QStringList>

#include "DesktopViewer.h"

class RecordingViewer : public ui::DesktopViewer {
public:
    void open(const QString& path) override { opened << path; }
    QStringList opened;
};
