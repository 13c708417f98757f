// A plot window of one response quantity: plot area, value labels, frequency strip and title.
#pragma once

#include <QLabel>
#include <vector>

#include "MinimisingWindow.h"

namespace ui {

// The layout of the plot window family at its design size (client area 412 × 233): the
// plot area `Image1`, the value labels `Label1` (bottom) … `Label6` (top; the phase window
// has `Label1` … `Label5`), the frequency strip `xAxis` and the axis title `Label18`. The
// curves and labels are drawn by the plotting code; this class keeps the parts in place
// as the window is resized.
class PlotWindow : public MinimisingWindow {
    Q_OBJECT
public:
    enum class Kind { Values, Phase };

    PlotWindow(const QString& objectName, const QString& caption, Kind kind,
               QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    QWidget* plotArea() const { return m_image; }
    QWidget* axisStrip() const { return m_axis; }
    QLabel* axisTitle() const { return m_title; }
    // Label1 … Label6 (Label1 … Label5 for the phase), bottom to top.
    const std::vector<QLabel*>& valueLabels() const { return m_values; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Kind m_kind;
    QWidget* m_image;
    QWidget* m_axis;
    QLabel* m_title;
    std::vector<QLabel*> m_values;
};

} // namespace ui
