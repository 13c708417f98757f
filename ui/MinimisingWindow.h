// A window that lives as long as the program: closing it only minimises it.
#pragma once

#include <QWidget>

namespace ui {

// The plot windows, the sketch and the "Misc" window. `closeForGood` closes it when the
// program ends.
class MinimisingWindow : public QWidget {
    Q_OBJECT
public:
    explicit MinimisingWindow(QWidget* parent = nullptr);

    void closeForGood();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_closing = false;
};

} // namespace ui
