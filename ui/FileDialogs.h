// The one way the main window asks for file names, so that tests can answer the dialogs.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Modal open and save dialogs. Each call configures the dialog completely.
class FileDialogs {
public:
    struct Request {
        QString title;
        QString folder;        // where the dialog starts
        QString fileName;      // the name proposed in the dialog, without folder
        QString filter;        // as Qt writes it, e.g. "VMX-Datei (*.vmx)"
        QString defaultSuffix; // added to a name typed without an extension
        // Save dialogs: ask before an existing file is replaced; refuse a read-only file.
        bool confirmOverwrite = false;
        bool refuseReadOnly = false;
    };

    virtual ~FileDialogs() = default;

    // The chosen path, or "" when the dialog was cancelled. An open dialog accepts a name
    // that does not exist yet.
    virtual QString openFileName(QWidget* parent, const Request& request) = 0;
    virtual QString saveFileName(QWidget* parent, const Request& request) = 0;
};

} // namespace ui
