// The main window's input check: clean numbers, blocking rules, looks, hints and grids.
#include "InputCheck.h"

#include <cctype>
#include <climits>
#include <cmath>

#include "NumberFormat.h"

namespace model {

namespace {

using engine::FormatGeneral;
using engine::ParseGridNumber;
using Text = std::string FormState::*;

// An edit box: its control name and its text in the state.
struct EditBox {
    const char* name;
    Text text;
};

using S = FormState;
// Driver 1 and driver 2 values that may not be zero, in the order they are checked.
const EditBox driverValues[] = {
    {"EditRdc", &S::EditRdc},     {"Editfs", &S::Editfs},     {"EditQes", &S::EditQes},
    {"EditQms", &S::EditQms},     {"EditVas", &S::EditVas},   {"EditPmax", &S::EditPmax},
    {"EditSd", &S::EditSd},       {"EditZ1k", &S::EditZ1k},   {"EditZ10k", &S::EditZ10k},
    {"EditXmax", &S::EditXmax},   {"EditStk", &S::EditStk},   {"EditUe", &S::EditUe},
    {"EditRdc2", &S::EditRdc2},   {"Editfs2", &S::Editfs2},   {"EditQes2", &S::EditQes2},
    {"EditQms2", &S::EditQms2},   {"EditVas2", &S::EditVas2}, {"EditPmax2", &S::EditPmax2},
    {"EditSd2", &S::EditSd2},     {"EditZ1k2", &S::EditZ1k2}, {"EditZ10k2", &S::EditZ10k2},
    {"EditXmax2", &S::EditXmax2}, {"EditStk2", &S::EditStk2},
};

// Edit boxes that only matter when driver 2 has values of its own.
const char* const driver2Boxes[] = {
    "EditRdc2", "Editfs2",  "EditQes2",  "EditQms2",  "EditVas2", "EditPmax2",
    "EditSd2",  "EditZ1k2", "EditZ10k2", "EditXmax2", "EditStk2", "EditLSInfo2",
};

const EditBox EditVvk{"EditVvk", &S::EditVvk}, EditLvk{"EditLvk", &S::EditLvk},
    EditBvk{"EditBvk", &S::EditBvk}, EditxT1{"EditxT1", &S::EditxT1}, EditAh{"EditAh", &S::EditAh},
    Editl1{"Editl1", &S::Editl1}, EditBeta1{"EditBeta1", &S::EditBeta1},
    EditBeta2{"EditBeta2", &S::EditBeta2}, EditH{"EditH", &S::EditH}, EditB{"EditB", &S::EditB},
    EditdL{"EditdL", &S::EditdL}, EditAbst{"EditAbst", &S::EditAbst},
    EditVrk{"EditVrk", &S::EditVrk}, EditLrk{"EditLrk", &S::EditLrk},
    EditBrk{"EditBrk", &S::EditBrk}, Editfbr{"Editfbr", &S::Editfbr},
    EditAbr{"EditAbr", &S::EditAbr}, EditBbr{"EditBbr", &S::EditBbr},
    EditxAK{"EditxAK", &S::EditxAK}, EditVAK{"EditVAK", &S::EditVAK},
    EditfAK{"EditfAK", &S::EditfAK}, EditAAT{"EditAAT", &S::EditAAT},
    EditBAK{"EditBAK", &S::EditBAK}, EditVrk2{"EditVrk2", &S::EditVrk2},
    EditdL2{"EditdL2", &S::EditdL2}, EditxT2{"EditxT2", &S::EditxT2},
    EditxET{"EditxET", &S::EditxET}, EditLET{"EditLET", &S::EditLET},
    EditdLET{"EditdLET", &S::EditdLET}, EditAET{"EditAET", &S::EditAET},
    EditBET{"EditBET", &S::EditBET};

// Profiles that need a mouth larger than the throat: "Hyperbolic", "Octo-hyperbolic",
// "Tractrix".
bool needsWideningHorn(int profile) {
    return profile == 3 || profile == 4 || profile == 6;
}

// The text as a whole number: optional blanks around an optional sign and decimal digits,
// nothing else; 0 when it is not one. Values beyond the int range saturate so that the
// clamps that follow still apply.
int wholeNumber(const std::string& text) {
    size_t i = 0;
    size_t end = text.size();
    while (i < end && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == end)
        return 0;
    long long value = 0;
    for (; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return 0;
        if (value <= INT_MAX)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// One run of the check over one state; collects what the window shows.
class Check {
public:
    explicit Check(FormState& state) : m_state(state) {}

    CheckResult run();

private:
    std::string& text(const EditBox& box) { return m_state.*box.text; }
    double number(const EditBox& box) { return ParseGridNumber(text(box)); }
    double hornLength() { return number(Editl1); }

    std::string hint(const char* name) const {
        auto it = m_state.hints.find(name);
        return it == m_state.hints.end() ? std::string() : it->second;
    }

    void notAllowed(const char* name, const std::string& focus = {}) {
        m_result.messages.push_back({"", "Input " + hint(name) + " not allowed!", focus});
    }

    // Blocking form of the message: a run may not start.
    void reject(const char* name) {
        m_result.InputsValid = false;
        notAllowed(name);
    }

    void normalise(const EditBox& box) { text(box) = FormatGeneral(number(box)); }

    // Reports a zero with the focus on the box, without blocking the run.
    void requireNonZero(const EditBox& box) {
        text(box) = FormatGeneral(number(box));
        if (text(box) == "0")
            notAllowed(box.name, box.name);
    }

    void absoluteValue(const EditBox& box) { text(box) = FormatGeneral(std::fabs(number(box))); }

    void setActive(const char* name, bool active) { m_result.active[name] = active; }
    void setEnabled(const char* name, bool enabled) { m_result.enabled[name] = enabled; }

    void checkDriverValues();
    void checkHornAndFrontChamber();
    void checkHornType();
    void checkRearChamber();
    void checkAbsorberChamber();
    void checkDriver2();
    void checkExtraTunnel();
    void checkAxesGrids();

    FormState& m_state;
    CheckResult m_result;
};

CheckResult Check::run() {
    m_result = CheckResult{};
    m_result.InputsValid = true;
    checkDriverValues();
    checkHornAndFrontChamber();
    checkHornType();
    checkRearChamber();
    checkAbsorberChamber();
    checkDriver2();
    checkExtraTunnel();
    m_result.elements = NormaliseCrossover(m_state);
    checkAxesGrids();
    return m_result;
}

void Check::checkDriverValues() {
    for (const EditBox& box : driverValues)
        requireNonZero(box);
    const bool ownValues = m_state.RGTreiber2 == 2; // "Values from list"
    for (const char* name : driver2Boxes)
        setActive(name, ownValues);
}

void Check::checkHornAndFrontChamber() {
    for (const EditBox* box : {&EditVvk, &EditLvk, &EditBvk, &EditxT1})
        normalise(*box);
    absoluteValue(EditxT1);

    requireNonZero(EditAh);
    normalise(Editl1);
    normalise(EditBeta1);
    normalise(EditBeta2);
    requireNonZero(EditH);
    requireNonZero(EditB);
    normalise(EditdL);

    if (!(hornLength() >= number(EditxT1)))
        reject(EditxT1.name);

    if (number(EditAh) >= number(EditH) * number(EditB) && needsWideningHorn(m_state.CBKontur)) {
        m_result.InputsValid = false;
        m_result.messages.push_back({"", "Throat area > or = mouth area. Shape not allowed!", ""});
        m_state.CBKontur = 2; // "Exponential"
    }

    if (m_state.CBKontur < 0)
        m_state.CBKontur = 0;
    if (m_state.CBPosi < 0)
        m_state.CBPosi = 2; // "Half space"
}

void Check::checkHornType() {
    // The message quotes the distance hint of the horn type the previous check saw.
    requireNonZero(EditAbst);

    const bool rearLoaded = m_state.CBTyp == 1;
    if (!rearLoaded)
        requireNonZero(EditVrk);
    for (const char* name : {"EditVrk", "EditLrk", "EditBrk", "EditAbr"})
        setActive(name, !rearLoaded);
    auto& hints = m_state.hints;
    if (rearLoaded) {
        hints["EditAbst"] = "Distance mic -> cone 1";
        hints["EditdL"] = "Difference hornmouth - cone 1";
        hints["EditdL2"] = "Difference cone 2 - cone 1";
        hints["EditdLET"] = "Difference extra tunnel - cone 1";
    } else {
        hints["EditAbst"] = "Distance mic -> hornmouth";
        hints["EditdL"] = "Difference bassreflex port - hornmouth";
        hints["EditdL2"] = "Difference cone 2 - hornmouth";
        hints["EditdLET"] = "Difference extra tunnel - hornmouth";
    }
}

void Check::checkRearChamber() {
    for (const EditBox* box : {&EditLrk, &EditBrk, &Editfbr, &EditAbr, &EditBbr})
        normalise(*box);
    if (text(Editfbr) == "0")
        text(Editfbr) = "1";

    const bool frontLoaded = m_state.CBTyp == 0;
    const bool port = number(EditAbr) != 0;
    setActive("EditBbr", frontLoaded && port);
    setActive("Editfbr", frontLoaded && port);
    // Only a front-loaded horn without port has no second opening to measure against.
    setActive("EditdL", !(frontLoaded && !port));
}

void Check::checkAbsorberChamber() {
    const EditBox* boxes[] = {&EditxAK, &EditVAK, &EditfAK, &EditAAT, &EditBAK};
    for (const EditBox* box : boxes)
        normalise(*box);

    for (const EditBox* box : boxes)
        setActive(box->name, m_state.CBAK);
    setEnabled("CBAKSkizzeOben", m_state.CBAK);
    if (m_state.CBAK) {
        if (!(hornLength() >= number(EditxAK)))
            reject(EditxAK.name);
        if (hornLength() == 0)
            reject(Editl1.name);
    }
}

void Check::checkDriver2() {
    requireNonZero(EditVrk2);
    normalise(EditdL2);
    normalise(EditxT2);
    absoluteValue(EditxT2);

    if (m_state.RGTreiber2 < 1) { // "Without"
        setActive("EditVrk2", false);
        setActive("EditdL2", false);
        setActive("EditxT2", false);
        setEnabled("CBRK2", false);
        setEnabled("CBT2SkizzeOben", false);
        return;
    }
    setActive("EditxT2", true);
    setEnabled("CBRK2", true);
    setEnabled("CBT2SkizzeOben", true);
    if (!(hornLength() >= number(EditxT2)))
        reject(EditxT2.name);
    // The path difference of cone 2 matters only when its back radiates freely.
    setActive("EditVrk2", m_state.CBRK2);
    setActive("EditdL2", !m_state.CBRK2);
}

void Check::checkExtraTunnel() {
    const EditBox* boxes[] = {&EditxET, &EditLET, &EditdLET, &EditAET, &EditBET};
    for (const EditBox* box : boxes)
        normalise(*box);

    for (const EditBox* box : boxes)
        setActive(box->name, m_state.CBET);
    setEnabled("CBETSkizzeOben", m_state.CBET);
    if (m_state.CBET) {
        if (number(EditxET) > hornLength())
            reject(EditxET.name);
        if (hornLength() == 0)
            reject(Editl1.name);
    }
}

void Check::checkAxesGrids() {
    for (auto& column : m_state.MinMaxGrid)
        for (auto& cell : column)
            cell = FormatGeneral(ParseGridNumber(cell));

    std::array<int, 3> options{};
    for (size_t row = 0; row < options.size(); ++row)
        options[row] = wholeNumber(m_state.OptionGrid[row]);
    const auto clamp = [](int value, int low, int high) {
        return value > high ? high : (value < low ? low : value);
    };
    options[0] = clamp(options[0], 2, 170);   // frequency points
    options[1] = clamp(options[1], 2, 10001); // contour points
    for (size_t row = 0; row < options.size(); ++row)
        m_state.OptionGrid[row] = std::to_string(options[row]);
}

} // namespace

CheckResult CheckVariables(FormState& state) {
    return Check(state).run();
}

} // namespace model
