// The main window's menu: File, Extras and "?", with their actions named as in the form.
#include "MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace ui {

namespace {

QMenu* menu(QMainWindow* window, const char* name, const QString& designedTitle = {}) {
    auto* m = new QMenu(designedTitle, window->menuBar());
    m->setObjectName(QLatin1String(name));
    m->setToolTipsVisible(true);
    window->menuBar()->addMenu(m);
    return m;
}

QAction* action(QMainWindow* window, QMenu* m, const char* name, const QString& designed = {},
                const QKeySequence& shortcut = {}) {
    auto* a = new QAction(designed, window);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(shortcut);
    m->addAction(a);
    return a;
}

} // namespace

void buildMainMenu(QMainWindow* window) {
    QMenu* file = menu(window, "Datei1");
    for (const char* name : {"DateiNeu", "DateiOeffnen", "Treiber1Oeffnen", "Treiber2Oeffnen",
                             "DateiSpeichern", "DateiSpeichernUnter"})
        action(window, file, name);
    file->addSeparator();
    action(window, file, "HTMLExport1", QStringLiteral("&HTML-Export"));
    file->addSeparator();
    action(window, file, "Beenden1");

    QMenu* extras = menu(window, "Extras1", QStringLiteral("E&xtras"));
    action(window, extras, "Konturlisten1");
    action(window, extras, "Frequenzgnge1");
    extras->addSeparator();
    action(window, extras, "Optionen1");
    action(window, extras, "AlleFensterzeigen1");
    extras->addSeparator();
    action(window, extras, "Start1", QStringLiteral("&Start"), QKeySequence(Qt::Key_F9));

    QMenu* help = menu(window, "N3", QStringLiteral("&?"));
    action(window, help, "Handbuch", {}, QKeySequence(Qt::Key_F1));
    action(window, help, "Info1", QStringLiteral("&Info"));
}

} // namespace ui
