// The menu entry HTMLExport1: the page of the project with pictures of the nine windows
// and the four input pages.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include "HtmlExport.h"

namespace ui {

class DesktopViewer;
class FileDialogs;
class MainWindow;
class MessageBoxes;

// Asks for the export file in the save dialog (starting in "html" of section
// "Verzeichnis", which is written back), writes the thirteen JPEG pictures into
// ExportFolder and then the page, and offers to show it. The windows' pictures are painted
// by the windows' own painting at the export size, in white where the window colour was,
// whether a window is minimised or not, so no window on the screen is resized, restored or
// recoloured. Each input page is made the active page for its picture, with the keyboard
// focus held aside so that no input check runs, and the page and the focus are given back.
// The export changes no input, no result and not ProjectSaved.
class HtmlExportAction : public QObject {
    Q_OBJECT
public:
    // Connects the menu entry of `main`, which must already have its menu.
    HtmlExportAction(MainWindow& main, MessageBoxes& boxes, FileDialogs& dialogs,
                     DesktopViewer& viewer);

    // The handler of the menu entry. An export that fails shows the error (naming the file)
    // and does not ask "Show HTML?".
    void run();
    // The pictures and the page for `exportFile`, without dialog or question. "" when
    // everything was written, otherwise the error; the page is not written after a picture
    // failed.
    QString exportTo(const QString& exportFile);

    // The size of the eight result and sketch windows' pictures (the parameter window keeps
    // its own size), and the pictures of the input pages.
    static QSize windowPictureSize() { return {421, 260}; }
    // The picture of a window or page by its file name in the export ("SPL.jpg"), as the
    // export writes it; a null image for an unknown name.
    QImage picture(const QString& file);

private:
    QImage pagePicture(const char* pageName, int width);
    files::HtmlExport::Texts pageTexts() const;

    MainWindow& m_main;
    MessageBoxes& m_boxes;
    FileDialogs& m_dialogs;
    DesktopViewer& m_viewer;
    QString m_lastFile; // the name the dialog held after the last export
};

} // namespace ui
