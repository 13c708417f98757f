// Small makers for the controls of the tab pages: named, compact and alike.
#include "FormWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace ui::form {

QLineEdit* edit(QWidget* parent, const char* name, int width) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setFixedWidth(width);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

QCheckBox* check(QWidget* parent, const char* name) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QComboBox* combo(QWidget* parent, const char* name, int itemCount,
                 const QStringList& designedItems) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (int i = 0; i < itemCount; ++i)
        box->addItem(i < designedItems.size() ? designedItems[i] : QString());
    return box;
}

QGridLayout* grid(QWidget* owner, int margin) {
    auto* layout = new QGridLayout(owner);
    layout->setContentsMargins(margin, margin - 2, margin, margin - 2);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(3);
    return layout;
}

void addField(QGridLayout* grid, int row, int column, QLabel* symbol, QLineEdit* edit,
              const QString& unit) {
    grid->addWidget(symbol, row, column);
    grid->addWidget(edit, row, column + 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit, edit->parentWidget()), row, column + 2);
}

} // namespace ui::form
