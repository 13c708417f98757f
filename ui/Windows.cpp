// The twelve windows of the program, as the main window reaches them.
#include "Windows.h"

#include <QWidget>

#include "AboutBox.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "ParamForm.h"
#include "PlotWindow.h"
#include "SketchWindow.h"

namespace ui {

std::vector<QWidget*> Windows::all() const {
    return {main, param, about, ausl, pmax, zel, znorm, spl, skizze, optionen, splmax, phia};
}

std::vector<PlotWindow*> Windows::plotsInClosingOrder() const {
    return {ausl, phia, pmax, spl, splmax, zel, znorm};
}

QObject* Windows::find(const QString& target) const {
    const int dot = target.indexOf(QLatin1Char('.'));
    const QString first = dot < 0 ? target : target.left(dot);
    for (QWidget* window : all()) {
        if (!window || window == main || window->objectName() != first)
            continue;
        if (dot < 0)
            return window;
        return window->findChild<QObject*>(target.mid(dot + 1));
    }
    return main && dot < 0 ? main->findChild<QObject*>(target) : nullptr;
}

} // namespace ui
