// The seven plot windows written as PNG pictures, as the picture export of the command line.
#pragma once

#include <array>
#include <string>

#include <QSize>

#include "PlotInput.h"
#include "PlotLayout.h"

namespace plot {

// File name of a window's picture: PlotName and ".png" ("SPL.png", …, "Phia.png").
std::string PictureFileName(PlotKind kind);

// Writes each window's client area of `clientSize` (PaintPlot, device pixel ratio 1) into
// `folder`, which is created when missing. The fonts need a QGuiApplication. Returns "" or
// the first error.
std::string WritePlotPictures(const std::array<PlotInput, PlotKindCount>& plots,
                              const std::string& folder,
                              QSize clientSize = QSize(DesignClientWidth, DesignClientHeight));

} // namespace plot
