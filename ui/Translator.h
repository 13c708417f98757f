// Puts the texts of a text table into the controls, and reads them back.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "TextRow.h"

class QObject;

namespace ui {

// Finds the object a row's target names, or nullptr.
using TargetResolver = std::function<QObject*(const QString& target)>;

class Translator {
public:
    // Sets the text of one row; false when the target is missing or does not have the
    // property (a caption on a combo box, an item beyond the list).
    static bool apply(const TextRow& row, const TargetResolver& resolve);
    // Sets every row in order; returns the rows that could not be set.
    static std::vector<TextRow> applyAll(const std::vector<TextRow>& rows,
                                         const TargetResolver& resolve);
    // The text the target shows now for the row's property; for ShownItem the text of the
    // item the combo box shows. Empty when the target or property is missing.
    static std::optional<QString> read(const TextRow& row, const TargetResolver& resolve);
};

} // namespace ui
