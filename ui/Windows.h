// The twelve windows of the program, as the main window reaches them.
#pragma once

#include <QString>
#include <vector>

class QObject;
class QWidget;

namespace ui {

class AboutBox;
class MainWindow;
class OptionsDialog;
class ParamForm;
class PlotWindow;
class SketchWindow;

struct Windows {
    MainWindow* main = nullptr;     // "Velmora"
    ParamForm* param = nullptr;     // "Misc"
    AboutBox* about = nullptr;      // "Info"
    PlotWindow* ausl = nullptr;     // cone amplitude
    PlotWindow* pmax = nullptr;     // power for the maximum linear SPL
    PlotWindow* zel = nullptr;      // electrical impedance
    PlotWindow* znorm = nullptr;    // radiation impedance in front of the cone
    PlotWindow* spl = nullptr;      // sound pressure level
    SketchWindow* skizze = nullptr; // principle sketch
    OptionsDialog* optionen = nullptr;
    PlotWindow* splmax = nullptr; // linear maximum SPL
    PlotWindow* phia = nullptr;   // acoustic phase

    // In the order they are created.
    std::vector<QWidget*> all() const;
    // The seven plot windows in the order they close when the program ends.
    std::vector<PlotWindow*> plotsInClosingOrder() const;
    // A window by its object name ("AuslForm"), a control of one ("AuslForm.Label18"), or
    // else a control, action or menu of the main window ("EditRdc"); nullptr if none.
    QObject* find(const QString& target) const;
};

} // namespace ui
