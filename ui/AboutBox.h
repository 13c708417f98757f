// The about box "Info": the program's icon, name and version, and an OK button.
#pragma once

#include <QDialog>

class QLabel;

namespace ui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // "Velmora 7.0.148" and a line break.
    static QString versionText();
    void setVersionLabel(const QString& text);
    QString versionLabel() const;

private:
    QLabel* m_version;
};

} // namespace ui
