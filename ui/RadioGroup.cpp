// A framed group of radio buttons with one item index, like a radio group of the form.
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

RadioGroup::RadioGroup(int itemCount, QWidget* parent)
    : QGroupBox(parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    for (int i = 0; i < itemCount; ++i) {
        auto* button = new QRadioButton(this);
        m_group->addButton(button, i);
        layout->addWidget(button);
        m_buttons.push_back(button);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemCount() const {
    return static_cast<int>(m_buttons.size());
}

QString RadioGroup::itemText(int index) const {
    return index >= 0 && index < itemCount() ? m_buttons[static_cast<size_t>(index)]->text()
                                             : QString();
}

void RadioGroup::setItemText(int index, const QString& text) {
    if (index >= 0 && index < itemCount())
        m_buttons[static_cast<size_t>(index)]->setText(text);
}

QRadioButton* RadioGroup::itemButton(int index) const {
    return index >= 0 && index < itemCount() ? m_buttons[static_cast<size_t>(index)] : nullptr;
}

int RadioGroup::itemIndex() const {
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < itemCount()) {
        m_buttons[static_cast<size_t>(index)]->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button directly.
    m_group->setExclusive(false);
    for (QRadioButton* button : m_buttons)
        button->setChecked(false);
    m_group->setExclusive(true);
}

} // namespace ui
