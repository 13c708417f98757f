// Message boxes shown with QMessageBox.
#pragma once

#include "MessageBoxes.h"

namespace ui {

class QtMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& caption, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& caption, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
};

} // namespace ui
