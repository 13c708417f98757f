// The main window's menu: File, Extras and "?", with their actions named as in the form.
#pragma once

class QMainWindow;

namespace ui {

// Menus `Datei1`, `Extras1`, `N3` and their actions (`DateiNeu` … `Beenden1`,
// `Konturlisten1` … `Start1` with F9, `Handbuch` with F1, `Info1`) as children of `window`,
// found by their object names. Captions that the English texts set are left empty here.
void buildMainMenu(QMainWindow* window);

} // namespace ui
