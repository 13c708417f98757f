// One of the four small colour squares that show and choose the slot of the next run.
#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// Painted as DrawEvoImages does: a button-face square with a smaller square of the slot's
// colour inside a 2-pixel frame, or the whole square in the colour when it is selected.
class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    ColourSwatch(QColor colour, QWidget* parent = nullptr);

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    QColor colour() const { return m_colour; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_colour;
    bool m_selected = false;
};

} // namespace ui
