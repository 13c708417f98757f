// Ties the input controls of the main window to a FormState by their control names.
#include "FormBinding.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "FormFields.h"
#include "RadioGroup.h"
#include "StringGrid.h"

namespace ui {

namespace {

// "FWGrid[3,1]" → base "FWGrid", first 3, second 1; "CheckListAuto[4]" → first 4.
struct IndexedName {
    QString base;
    int first = -1;
    int second = -1;
};

IndexedName splitName(const std::string& control) {
    IndexedName out;
    const QString name = QString::fromStdString(control);
    const int open = name.indexOf(QLatin1Char('['));
    if (open < 0 || !name.endsWith(QLatin1Char(']'))) {
        out.base = name;
        return out;
    }
    out.base = name.left(open);
    const QStringList parts = name.mid(open + 1, name.size() - open - 2).split(QLatin1Char(','));
    out.first = parts.value(0).toInt();
    out.second = parts.size() > 1 ? parts[1].toInt() : -1;
    return out;
}

} // namespace

FormBinding::FormBinding(QWidget* root) {
    for (QWidget* child : root->findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && !m_widgets.contains(child->objectName()))
            m_widgets.insert(child->objectName(), child);
    const model::FormState defaults;
    for (const auto& [name, value] : model::FormFields::List(defaults))
        m_names.push_back(name);
}

QWidget* FormBinding::widget(const QString& name) const {
    return m_widgets.value(name, nullptr);
}

QWidget* FormBinding::widget(const std::string& name) const {
    return widget(QString::fromStdString(name));
}

QWidget* FormBinding::widget(const char* name) const {
    return widget(QString::fromUtf8(name));
}

std::vector<std::string> FormBinding::unboundNames() const {
    std::vector<std::string> missing;
    for (const std::string& name : m_names) {
        const IndexedName n = splitName(name);
        QWidget* w = widget(n.base);
        bool bound = w != nullptr;
        if (auto* grid = qobject_cast<StringGrid*>(w))
            bound = n.first < grid->columnCount() && n.second < grid->rowCount();
        else if (auto* list = qobject_cast<QListWidget*>(w))
            bound = n.first < list->count();
        if (!bound)
            missing.push_back(name);
    }
    return missing;
}

QString FormBinding::valueOf(const std::string& control) const {
    const IndexedName n = splitName(control);
    QWidget* w = widget(n.base);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return QString::number(combo->currentIndex());
    if (auto* group = qobject_cast<RadioGroup*>(w))
        return QString::number(group->itemIndex());
    if (auto* grid = qobject_cast<StringGrid*>(w))
        return grid->cell(n.first, n.second);
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QListWidgetItem* item = list->item(n.first);
        return item && item->checkState() == Qt::Checked ? QStringLiteral("1")
                                                         : QStringLiteral("0");
    }
    return {};
}

void FormBinding::setValue(const std::string& control, const QString& value) const {
    const IndexedName n = splitName(control);
    QWidget* w = widget(n.base);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != value)
            edit->setText(value);
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
        box->setChecked(value == QLatin1String("1"));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(value.toInt());
    } else if (auto* group = qobject_cast<RadioGroup*>(w)) {
        group->setItemIndex(value.toInt());
    } else if (auto* grid = qobject_cast<StringGrid*>(w)) {
        grid->setCell(n.first, n.second, value);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        if (QListWidgetItem* item = list->item(n.first))
            item->setCheckState(value == QLatin1String("1") ? Qt::Checked : Qt::Unchecked);
    }
}

void FormBinding::collect(model::FormState& state) const {
    for (const QString& gridName :
         {QStringLiteral("FWGrid"), QStringLiteral("MinMaxGrid"), QStringLiteral("OptionGrid")})
        if (auto* grid = qobject_cast<StringGrid*>(widget(gridName)))
            grid->commitPendingEdit();
    for (const std::string& name : m_names)
        if (widget(splitName(name).base))
            model::FormFields::Set(state, name, valueOf(name).toStdString());
}

void FormBinding::show(const model::FormState& state) const {
    for (const auto& [name, value] : model::FormFields::List(state))
        setValue(name, QString::fromStdString(value));
}

void FormBinding::showLooks(const model::CheckResult& check) const {
    const QPalette standard = QApplication::palette();
    for (const auto& [name, active] : check.active) {
        QWidget* w = widget(name);
        if (!w)
            continue;
        QPalette look = w->palette();
        look.setColor(QPalette::Base, standard.color(active ? QPalette::Base : QPalette::Button));
        w->setPalette(look);
    }
    for (const auto& [name, enabled] : check.enabled)
        if (QWidget* w = widget(name))
            w->setEnabled(enabled);
}

void FormBinding::showHints(const std::map<std::string, std::string>& hints) const {
    for (const auto& [name, hint] : hints)
        if (QWidget* w = widget(name))
            w->setToolTip(QString::fromStdString(hint));
}

void FormBinding::readHints(std::map<std::string, std::string>& hints) const {
    for (auto& [name, hint] : hints)
        if (QWidget* w = widget(name); w && !w->toolTip().isEmpty())
            hint = w->toolTip().toStdString();
}

} // namespace ui
