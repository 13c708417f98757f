// The colour-slot swatches Evo0Image … Evo3Image of the main window (DrawEvoImages).
#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>

#include "PlotLayout.h"

namespace plot {

inline constexpr int SwatchSize = 15;

// The square filled in the slot colour: the whole swatch for the slot of the next run,
// otherwise the square from (2, 2) to (W − 2, H − 2), leaving a 2-pixel frame of button face.
PixelRect SwatchColourRect(int W, int H, bool selected);

// Paints one swatch at the origin: button face over (0, 0, W, H), then the colour square.
void DrawEvoImage(QPainter& painter, QSize size, const QColor& slotColour, bool selected,
                  const QColor& buttonFace);

} // namespace plot
