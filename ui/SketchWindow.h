// The window of the principle sketch of the horn.
#pragma once

#include "MinimisingWindow.h"

namespace ui {

// White, with the drawing surface `Im1` 5 pixels inside the client area (design client
// area 412 × 233). The sketch itself is drawn by the sketch code.
class SketchWindow : public MinimisingWindow {
    Q_OBJECT
public:
    explicit SketchWindow(QWidget* parent = nullptr);

    QWidget* surface() const { return m_surface; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_surface;
};

} // namespace ui
