// The main window's input check as a pure function over the values of the input controls.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "CrossoverElements.h"
#include "FormState.h"

namespace model {

// One message box of the check: shown modally, in order, with an OK button.
struct CheckMessage {
    std::string caption; // "" = no caption of its own
    std::string text;
    std::string focus;   // control that takes the focus after the message, "" for none
    bool operator==(const CheckMessage&) const = default;
};

// What the check decided; the window only displays it.
struct CheckResult {
    bool InputsValid = true;
    std::vector<CheckMessage> messages;
    // Active (white) or inactive (grey) look of every edit box the check governs, by name.
    std::map<std::string, bool> active;
    // Enabled state of the check boxes the check governs (CBAKSkizzeOben, CBRK2,
    // CBT2SkizzeOben, CBETSkizzeOben), by name.
    std::map<std::string, bool> enabled;
    // The crossover element arrays after normalising FWGrid.
    CrossoverElements elements;
};

// CheckVariables: rewrites the texts of `state` (normalise, require non-zero, absolute
// values, "0" → "1" for Editfbr, the option-grid clamps, the crossover cells), updates the
// hints of the distance fields in `state.hints`, and returns the messages, InputsValid, the
// looks and enabled states and the element arrays. Clearing ProjectSaved is the caller's.
CheckResult CheckVariables(FormState& state);

} // namespace model
