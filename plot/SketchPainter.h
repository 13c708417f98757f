// Painting of the principle sketch on a QPainter, shared by the sketch window, the HTML
// export and the command-line pictures.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include "SketchPrimitives.h"

namespace plot {

// Fills the surface of `size` white and draws the lines of `sketch` in order, without
// antialiasing, so that white lines erase exactly what the black ones drew. Pens wider than
// one pixel have round ends and joins.
void PaintSketch(QPainter& painter, QSize size, const SketchPrimitives& sketch);

// The sketch on a new RGB image of `size` at device pixel ratio 1.
QImage RenderSketch(QSize size, const SketchPrimitives& sketch);

} // namespace plot
