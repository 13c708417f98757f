// The window of the principle sketch of the horn (TSkizzeForm).
#pragma once

#include <QImage>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "FormState.h"
#include "MinimisingWindow.h"
#include "Notice.h"
#include "Simulation.h"
#include "SimulationInput.h"
#include "SketchInput.h"

class QLabel;

namespace ui {

// White, with the drawing surface `Im1` at (5, 5), 10 pixels smaller than the client area
// (design client area 412 × 233). A size change on the screen snaps the window to multiples
// of 20 pixels (FormResize) and reports it, so that the main window redraws while
// BtnRefresh is enabled. The window keeps the run it draws and the rear-chamber-2 size of
// the last drawing (RK2Face, RK2Depth).
class SketchWindow : public MinimisingWindow {
    Q_OBJECT
public:
    using NoticeSink = std::function<void(const std::vector<engine::Notice>&)>;

    explicit SketchWindow(QWidget* parent = nullptr);

    // Im1 and the bitmap it shows (empty until the first drawing).
    QLabel* surface() const { return m_surface; }
    const QImage& bitmap() const { return m_bitmap; }

    // The values of a run that DrawSketch draws from until the next run.
    void setRun(const engine::SimulationInput& input, const engine::SimulationResult& result);
    bool hasRun() const { return m_run.has_value(); }

    // DrawSketch over the kept run with the contour row of slot ColourSlot and the controls
    // as they are now: the surface takes the client size less 10 pixels, `showNotices` gets
    // "LFC is 0!" and "LRC is 0!" (when due) before the picture is shown. Without a run
    // nothing changes.
    void DrawSketch(const std::array<double, 101>& contourArea, const model::FormState& controls,
                    const NoticeSink& showNotices);

    // The client area at `clientSize` as the window shows it after a resize to that size:
    // white, the sketch of the last drawing redrawn for the new surface when `redraw`,
    // otherwise the bitmap as it is. Device pixel ratio 1; no notice is shown.
    QImage picture(QSize clientSize, bool redraw) const;

signals:
    // FormResize: the size of the shown window changed and was snapped.
    void formResized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Run {
        engine::SimulationInput input;
        engine::SimulationResult result;
    };

    QLabel* m_surface;
    QImage m_bitmap;
    std::optional<Run> m_run;
    // The input of the last drawing, for pictures at another size.
    std::optional<plot::SketchInput> m_drawn;
    double m_RK2Face = 0, m_RK2Depth = 0;
};

} // namespace ui
