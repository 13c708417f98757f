// The "Misc" window: the parameter report of the last run in two read-only panes.
#pragma once

#include <string>
#include <vector>

#include "MinimisingWindow.h"

class QPlainTextEdit;

namespace ui {

class ParamForm : public MinimisingWindow {
    Q_OBJECT
public:
    explicit ParamForm(QWidget* parent = nullptr);

    QPlainTextEdit* memo1() const { return m_memo1; }
    QPlainTextEdit* memo2() const { return m_memo2; }

    void clearReport();
    // Driver lines into Memo1, horn and enclosure lines into Memo2; the client height
    // becomes 14 pixels per line of Memo1 plus 15.
    void showReport(const std::vector<std::string>& memo1, const std::vector<std::string>& memo2);

private:
    QPlainTextEdit* m_memo1;
    QPlainTextEdit* m_memo2;
};

} // namespace ui
