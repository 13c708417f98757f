// Ties the input controls of the main window to a FormState by their control names.
#pragma once

#include <QHash>
#include <QString>
#include <map>
#include <string>

#include "FormState.h"
#include "InputCheck.h"

class QWidget;

namespace ui {

// Copies values between the widgets and a FormState (through model::FormFields, so every
// control the model knows is bound by its name) and shows what the input check decided.
class FormBinding {
public:
    // Indexes the named child widgets of `root`.
    explicit FormBinding(QWidget* root);

    QWidget* widget(const QString& name) const;
    QWidget* widget(const std::string& name) const;
    QWidget* widget(const char* name) const;
    // Control names of FormFields that have no widget (an empty list when all are bound).
    std::vector<std::string> unboundNames() const;

    // Widgets → state (texts as typed, check states, item indexes, cells).
    void collect(model::FormState& state) const;
    // State → widgets; widgets already showing a value are left untouched.
    void show(const model::FormState& state) const;

    // White for active, button face for inactive edit boxes; the enabled states.
    void showLooks(const model::CheckResult& check) const;
    // Hints as tool tips.
    void showHints(const std::map<std::string, std::string>& hints) const;
    // Tool tips → hints, for every hint name whose widget has a tool tip.
    void readHints(std::map<std::string, std::string>& hints) const;

private:
    QString valueOf(const std::string& control) const;
    void setValue(const std::string& control, const QString& value) const;

    QHash<QString, QWidget*> m_widgets;
    std::vector<std::string> m_names; // every control name of FormFields
};

} // namespace ui
