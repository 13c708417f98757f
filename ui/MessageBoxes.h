// The one way the main window shows modal message boxes, so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Modal message boxes. An empty caption means "no caption of its own": the box carries the
// application's title.
class MessageBoxes {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~MessageBoxes() = default;

    // A message with an OK button only.
    virtual void inform(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A question with the buttons Yes, No and Cancel; closing the box counts as Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A question with the buttons Yes and No; closing the box counts as No.
    virtual Answer askYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
};

} // namespace ui
