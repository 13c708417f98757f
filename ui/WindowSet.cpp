// Creates and owns the twelve windows of the program, in the order of the form set.
#include "WindowSet.h"

#include "AboutBox.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "ParamForm.h"
#include "PlotWindow.h"
#include "SketchWindow.h"

namespace ui {

namespace {

template <typename T, typename... Args>
T* create(std::vector<std::unique_ptr<QWidget>>& owned, Args&&... args) {
    auto window = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = window.get();
    owned.push_back(std::move(window));
    return raw;
}

} // namespace

WindowSet::WindowSet(MessageBoxes& boxes, FileDialogs& dialogs, DesktopViewer& viewer) {
    using plot::PlotKind;
    Windows& w = m_windows;
    w.main = create<MainWindow>(m_owned, boxes, dialogs, viewer);
    w.param = create<ParamForm>(m_owned);
    // The dialogs open over the main window; they are destroyed before it.
    w.about = create<AboutBox>(m_owned, w.main);
    w.ausl = create<PlotWindow>(m_owned, QStringLiteral("AuslForm"), PlotKind::Ausl);
    w.pmax = create<PlotWindow>(m_owned, QStringLiteral("PmaxForm"), PlotKind::Pmax);
    w.zel = create<PlotWindow>(m_owned, QStringLiteral("ZelForm"), PlotKind::Zel);
    w.znorm = create<PlotWindow>(m_owned, QStringLiteral("ZnormForm"), PlotKind::Znorm);
    w.spl = create<PlotWindow>(m_owned, QStringLiteral("SPLForm"), PlotKind::SPL);
    w.skizze = create<SketchWindow>(m_owned);
    w.optionen = create<OptionsDialog>(m_owned, w.main);
    w.splmax = create<PlotWindow>(m_owned, QStringLiteral("SPLmaxForm"), PlotKind::SPLmax);
    w.phia = create<PlotWindow>(m_owned, QStringLiteral("PhiaForm"), PlotKind::Phia);
    w.main->attachWindows(w);
}

WindowSet::~WindowSet() {
    // The main window last: the others are reached through it until then.
    while (!m_owned.empty())
        m_owned.pop_back();
}

void WindowSet::show() {
    // The windows exist on the screen's side before the main window places them, so that
    // their outer sizes are known.
    for (QWidget* window : m_windows.all())
        window->winId();
    m_windows.main->show();
    for (QWidget* shown :
         {static_cast<QWidget*>(m_windows.param), static_cast<QWidget*>(m_windows.spl),
          static_cast<QWidget*>(m_windows.zel), static_cast<QWidget*>(m_windows.skizze)})
        shown->show();
    for (PlotWindow* minimised :
         {m_windows.ausl, m_windows.pmax, m_windows.splmax, m_windows.znorm, m_windows.phia})
        minimised->showMinimized();
}

} // namespace ui
