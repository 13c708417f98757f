// Message boxes shown with QMessageBox.
#include "QtMessageBoxes.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace ui {

namespace {

QString titleOf(const QString& caption) {
    return caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
}

} // namespace

void QtMessageBoxes::inform(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, titleOf(caption), text, QMessageBox::Ok, parent);
    box.exec();
}

MessageBoxes::Answer QtMessageBoxes::askYesNoCancel(QWidget* parent, const QString& caption,
                                                    const QString& text) {
    QMessageBox box(QMessageBox::Question, titleOf(caption), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

MessageBoxes::Answer QtMessageBoxes::askYesNo(QWidget* parent, const QString& caption,
                                              const QString& text) {
    QMessageBox box(QMessageBox::Question, titleOf(caption), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace ui
