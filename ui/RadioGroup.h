// A framed group of radio buttons with one item index, like a radio group of the form.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace ui {

// Items are radio buttons stacked in the frame; itemIndex is -1 while none is chosen.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(int itemCount, QWidget* parent = nullptr);

    int itemCount() const;
    QString itemText(int index) const;
    void setItemText(int index, const QString& text);
    QRadioButton* itemButton(int index) const;

    int itemIndex() const;
    void setItemIndex(int index);

signals:
    // The user clicked item `index`.
    void itemClicked(int index);

private:
    QButtonGroup* m_group;
    std::vector<QRadioButton*> m_buttons;
};

} // namespace ui
