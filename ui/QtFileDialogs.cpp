// File dialogs shown with QFileDialog.
#include "QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "FileAttributes.h"

namespace ui {

namespace {

// A save dialog that keeps itself open when the chosen file is read-only.
class SaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    bool refuseReadOnly = false;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (refuseReadOnly && !chosen.isEmpty() && FileAttributes::isReadOnly(chosen.first())) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("%1\nThis file is read-only.\nUse a different "
                                                "file name.")
                                     .arg(QFileInfo(chosen.first()).fileName()));
            return;
        }
        QFileDialog::accept();
    }
};

QString run(QFileDialog& dialog, const FileDialogs::Request& request) {
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.folder);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The same dialog everywhere, whatever the desktop offers; it knows no read-only box.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString QtFileDialogs::openFileName(QWidget* parent, const Request& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist is accepted (it opens as a project of defaults).
    dialog.setFileMode(QFileDialog::AnyFile);
    return run(dialog, request);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const Request& request) {
    SaveDialog dialog(parent);
    dialog.refuseReadOnly = request.refuseReadOnly;
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    return run(dialog, request);
}

} // namespace ui
