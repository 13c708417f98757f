// A plot window of one response quantity, painted from its plot input.
#pragma once

#include <QImage>
#include <QLabel>
#include <vector>

#include "MinimisingWindow.h"
#include "PlotInput.h"
#include "PlotKind.h"

namespace ui {

// TSPLForm with its five derived windows, and TPhiaForm. The whole client area (design size
// 412 × 233) is painted by plot::PaintPlot from the window's plot input, the routine of the
// picture export too. The controls of the form, `Image1`, `Label1` … `Label6` (`Label1` …
// `Label5` in the phase window), `Label18` and `xAxis`, stay as named children that the
// layout places and that carry the texts; they paint nothing themselves.
class PlotWindow : public MinimisingWindow {
    Q_OBJECT
public:
    PlotWindow(const QString& objectName, plot::PlotKind kind, QWidget* parent = nullptr);

    plot::PlotKind kind() const { return m_input.kind; }
    // What the window paints, with its own label placement.
    plot::PlotInput plotInput() const;
    // A new drawing (DrawGraphs, NewGrids): keeps it, writes the texts of the value labels
    // and repaints the window.
    void showPlot(const plot::PlotInput& input);
    // From now on the middle value labels follow the bottom label (FormResize that redrew).
    void setLabelsFollowBottom(bool follow);
    bool labelsFollowBottom() const { return m_labelsFollowBottom; }

    // The client area as the window paints it, at device pixel ratio 1.
    QImage picture() const;

    QWidget* plotArea() const { return m_image; }
    QWidget* axisStrip() const { return m_axis; }
    QLabel* axisTitle() const { return m_title; }
    // Label1 … Label6 (Label1 … Label5 for the phase), bottom to top.
    const std::vector<QLabel*>& valueLabels() const { return m_values; }

signals:
    // FormResize: the size of the shown window changed and was snapped to multiples of 20;
    // the main window redraws when BtnRefresh is enabled.
    void formResized(ui::PlotWindow* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();

    plot::PlotInput m_input;
    bool m_labelsFollowBottom = false;
    QWidget* m_image;
    QWidget* m_axis;
    QLabel* m_title;
    std::vector<QLabel*> m_values;
};

} // namespace ui
