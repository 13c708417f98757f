// The options dialog: whether the colour slot advances after every run.
#pragma once

#include <QDialog>

class QCheckBox;

namespace ui {

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    bool colourChange() const;
    void setColourChange(bool on);

private:
    QCheckBox* m_colourChange;
};

} // namespace ui
