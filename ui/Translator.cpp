// Puts the texts of a text table into the controls, and reads them back.
#include "Translator.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

#include "RadioGroup.h"
#include "StringGrid.h"

namespace ui {

namespace {

// The page control a widget is a page of, or nullptr.
QTabWidget* tabOwner(QWidget* page, int& index) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    index = tabs ? tabs->indexOf(page) : -1;
    return index >= 0 ? tabs : nullptr;
}

bool setCaption(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
        return true;
    }
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
        return true;
    }
    if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
        return true;
    }
    if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget)
        return false;
    int index = -1;
    if (QTabWidget* tabs = tabOwner(widget, index)) {
        tabs->setTabText(index, text);
        return true;
    }
    if (widget->isWindow()) {
        widget->setWindowTitle(text);
        return true;
    }
    return false;
}

std::optional<QString> caption(QObject* target) {
    if (auto* action = qobject_cast<QAction*>(target))
        return action->text();
    if (auto* menu = qobject_cast<QMenu*>(target))
        return menu->title();
    if (auto* button = qobject_cast<QAbstractButton*>(target))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(target))
        return group->title();
    if (auto* label = qobject_cast<QLabel*>(target))
        return label->text();
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget)
        return std::nullopt;
    int index = -1;
    if (QTabWidget* tabs = tabOwner(widget, index))
        return tabs->tabText(index);
    if (widget->isWindow())
        return widget->windowTitle();
    return std::nullopt;
}

bool setHint(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setToolTip(text);
        action->setStatusTip(text);
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget)
        return false;
    int index = -1;
    if (QTabWidget* tabs = tabOwner(widget, index))
        tabs->setTabToolTip(index, text);
    else
        widget->setToolTip(text);
    return true;
}

std::optional<QString> hint(QObject* target) {
    if (auto* action = qobject_cast<QAction*>(target))
        return action->toolTip();
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget)
        return std::nullopt;
    int index = -1;
    if (QTabWidget* tabs = tabOwner(widget, index))
        return tabs->tabToolTip(index);
    return widget->toolTip();
}

bool setItem(QObject* target, int index, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(target)) {
        if (index < 0 || index > combo->count())
            return false;
        if (index == combo->count())
            combo->addItem(text);
        else
            combo->setItemText(index, text);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(target)) {
        if (QListWidgetItem* it = list->item(index)) {
            it->setText(text);
            return true;
        }
        return false;
    }
    if (auto* group = qobject_cast<RadioGroup*>(target)) {
        if (index < 0 || index >= group->itemCount())
            return false;
        group->setItemText(index, text);
        return true;
    }
    return false;
}

std::optional<QString> item(QObject* target, int index) {
    if (auto* combo = qobject_cast<QComboBox*>(target))
        return index >= 0 && index < combo->count() ? std::optional(combo->itemText(index))
                                                    : std::nullopt;
    if (auto* list = qobject_cast<QListWidget*>(target)) {
        const QListWidgetItem* it = list->item(index);
        return it ? std::optional(it->text()) : std::nullopt;
    }
    if (auto* group = qobject_cast<RadioGroup*>(target))
        return index >= 0 && index < group->itemCount() ? std::optional(group->itemText(index))
                                                        : std::nullopt;
    return std::nullopt;
}

} // namespace

bool Translator::apply(const TextRow& row, const TargetResolver& resolve) {
    QObject* target = resolve(QString::fromLatin1(row.target));
    if (!target)
        return false;
    const QString text = QString::fromUtf8(row.text);
    switch (row.property) {
    case TextProperty::Caption:
        return setCaption(target, text);
    case TextProperty::Hint:
        return setHint(target, text);
    case TextProperty::Item:
        return setItem(target, row.index, text);
    case TextProperty::Cell:
        if (auto* grid = qobject_cast<StringGrid*>(target)) {
            grid->setCell(row.index, row.row, text);
            return true;
        }
        return false;
    case TextProperty::ShownItem:
        if (auto* combo = qobject_cast<QComboBox*>(target); combo && row.index < combo->count()) {
            combo->setCurrentIndex(row.index);
            return true;
        }
        return false;
    }
    return false;
}

std::vector<TextRow> Translator::applyAll(const std::vector<TextRow>& rows,
                                          const TargetResolver& resolve) {
    std::vector<TextRow> missed;
    for (const TextRow& row : rows)
        if (!apply(row, resolve))
            missed.push_back(row);
    return missed;
}

std::optional<QString> Translator::read(const TextRow& row, const TargetResolver& resolve) {
    QObject* target = resolve(QString::fromLatin1(row.target));
    if (!target)
        return std::nullopt;
    switch (row.property) {
    case TextProperty::Caption:
        return caption(target);
    case TextProperty::Hint:
        return hint(target);
    case TextProperty::Item:
        return item(target, row.index);
    case TextProperty::Cell:
        if (auto* grid = qobject_cast<StringGrid*>(target))
            return grid->cell(row.index, row.row);
        return std::nullopt;
    case TextProperty::ShownItem:
        if (auto* combo = qobject_cast<QComboBox*>(target))
            return combo->currentText();
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace ui
