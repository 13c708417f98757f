// File dialogs shown with QFileDialog.
#pragma once

#include "FileDialogs.h"

namespace ui {

class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const Request& request) override;
    QString saveFileName(QWidget* parent, const Request& request) override;
};

} // namespace ui
