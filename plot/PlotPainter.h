// Painting of a plot window: grid, frequency strip, value labels and the slots' curves.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

#include "PlotInput.h"
#include "PlotLayout.h"

namespace plot {

// Font of the window texts: a sans-serif face whose line fits the 13-pixel label height.
QFont PlotFont();

// The whole client area of a plot window of the given size: window colour, value labels,
// the plot image, the frequency strip and the axis title, laid out by LayoutPlotWindow.
// The one painting routine of the windows on screen, the HTML export and the picture
// export.
void PaintPlot(QPainter& painter, QSize clientSize, const PlotInput& input);

// The plot image (Image1) alone at the origin: white area in a grey frame, grey grid lines,
// then the curves of the filled slots 3, 2, 1, 0 in their colours and the line width,
// clipped to the image. Shows only the window colour while `input.gridDrawn` is false.
void PaintPlotImage(QPainter& painter, QSize imageSize, const PlotInput& input);

// The frequency strip (xAxis) alone at the origin for an image `imageWidth` wide that starts
// `stripOffset` pixels right of the strip's left edge.
void PaintFrequencyStrip(QPainter& painter, QSize stripSize, int stripOffset, int imageWidth,
                         const PlotInput& input);

// The client area as a picture with device pixel ratio 1, e.g. 412 × 233 for the picture
// export.
QImage RenderPlot(const PlotInput& input,
                  QSize clientSize = QSize(DesignClientWidth, DesignClientHeight));

} // namespace plot
