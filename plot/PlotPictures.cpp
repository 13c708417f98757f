// The seven plot windows written as PNG pictures, as the picture export of the command line.
#include "PlotPictures.h"

#include <QDir>
#include <QImage>

#include "PlotPainter.h"

namespace plot {

std::string PictureFileName(PlotKind kind) {
    return PlotName(kind) + ".png";
}

std::string WritePlotPictures(const std::array<PlotInput, PlotKindCount>& plots,
                              const std::string& folder, QSize clientSize) {
    const QString dir = QString::fromStdString(folder);
    if (!QDir().mkpath(dir))
        return "cannot create the picture folder " + folder;
    for (PlotKind kind : AllPlotKinds) {
        const QImage picture = RenderPlot(plots[IndexOf(kind)], clientSize);
        const QString path = QDir(dir).filePath(QString::fromStdString(PictureFileName(kind)));
        if (!picture.save(path, "PNG"))
            return "could not write " + path.toStdString();
    }
    return {};
}

} // namespace plot
