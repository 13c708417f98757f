// Access to the input controls of a FormState by their control names.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "FormState.h"

namespace model {

// The controls of a FormState by name, in page order: edit boxes by their text, check boxes
// as "0"/"1", combo boxes and radio groups by item index, grid cells as
// "FWGrid[c,r]", "MinMaxGrid[c,r]", "CheckListAuto[i]" and "OptionGrid[1,r]".
class FormFields {
public:
    // Every control with its current value as text.
    static std::vector<std::pair<std::string, std::string>> List(const FormState& state);

    // Sets one control from text; false when the name is unknown or the value does not
    // fit the control (a check box takes "0"/"1", an index an integer).
    static bool Set(FormState& state, const std::string& name, const std::string& value);
};

} // namespace model
