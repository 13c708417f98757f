// The options dialog: whether the colour slot advances after every run, and live updates.
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
    // "Update plots while editing" (CBLiveUpdate), unchecked in the form.
    bool liveUpdate() const;
    void setLiveUpdate(bool on);

private:
    QCheckBox* m_colourChange;
    QCheckBox* m_liveUpdate;
};

} // namespace ui
