// Access to the input controls of a FormState by their control names.
#include "FormFields.h"

#include <charconv>
#include <variant>

namespace model {

namespace {

using TextField = std::string FormState::*;
using CheckField = bool FormState::*;
using IndexField = int FormState::*;
using Field = std::variant<TextField, CheckField, IndexField>;

const std::vector<std::pair<const char*, Field>>& namedFields() {
    using S = FormState;
    static const std::vector<std::pair<const char*, Field>> fields = {
        {"EditRdc", &S::EditRdc},       {"Editfs", &S::Editfs},
        {"EditQes", &S::EditQes},       {"EditQms", &S::EditQms},
        {"EditVas", &S::EditVas},       {"EditPmax", &S::EditPmax},
        {"EditSd", &S::EditSd},         {"EditZ1k", &S::EditZ1k},
        {"EditZ10k", &S::EditZ10k},     {"EditXmax", &S::EditXmax},
        {"EditStk", &S::EditStk},       {"EditLSInfo", &S::EditLSInfo},
        {"EditUe", &S::EditUe},         {"EditRdc2", &S::EditRdc2},
        {"Editfs2", &S::Editfs2},       {"EditQes2", &S::EditQes2},
        {"EditQms2", &S::EditQms2},     {"EditVas2", &S::EditVas2},
        {"EditPmax2", &S::EditPmax2},   {"EditSd2", &S::EditSd2},
        {"EditZ1k2", &S::EditZ1k2},     {"EditZ10k2", &S::EditZ10k2},
        {"EditXmax2", &S::EditXmax2},   {"EditStk2", &S::EditStk2},
        {"EditLSInfo2", &S::EditLSInfo2}, {"RGTreiber2", &S::RGTreiber2},
        {"CBumdrehen", &S::CBumdrehen}, {"CBT2SkizzeOben", &S::CBT2SkizzeOben},
        {"CBKontur", &S::CBKontur},     {"CBTyp", &S::CBTyp},
        {"EditInfo", &S::EditInfo},     {"EditAh", &S::EditAh},
        {"Editl1", &S::Editl1},         {"EditBeta1", &S::EditBeta1},
        {"EditBeta2", &S::EditBeta2},   {"EditH", &S::EditH},
        {"EditB", &S::EditB},           {"EditdL", &S::EditdL},
        {"EditxT1", &S::EditxT1},       {"CBMundGeschl", &S::CBMundGeschl},
        {"EditVvk", &S::EditVvk},       {"EditLvk", &S::EditLvk},
        {"EditBvk", &S::EditBvk},       {"EditVrk", &S::EditVrk},
        {"EditLrk", &S::EditLrk},       {"EditBrk", &S::EditBrk},
        {"EditAbr", &S::EditAbr},       {"Editfbr", &S::Editfbr},
        {"EditBbr", &S::EditBbr},       {"CBAK", &S::CBAK},
        {"CBAKSkizzeOben", &S::CBAKSkizzeOben}, {"EditVAK", &S::EditVAK},
        {"EditAAT", &S::EditAAT},       {"EditfAK", &S::EditfAK},
        {"EditBAK", &S::EditBAK},       {"EditxAK", &S::EditxAK},
        {"CBRK2", &S::CBRK2},           {"EditVrk2", &S::EditVrk2},
        {"EditxT2", &S::EditxT2},       {"EditdL2", &S::EditdL2},
        {"CBET", &S::CBET},             {"CBETSkizzeOben", &S::CBETSkizzeOben},
        {"EditAET", &S::EditAET},       {"EditLET", &S::EditLET},
        {"EditBET", &S::EditBET},       {"EditxET", &S::EditxET},
        {"EditdLET", &S::EditdLET},     {"CBPosi", &S::CBPosi},
        {"EditAbst", &S::EditAbst},     {"CBohneFW", &S::CBohneFW},
        {"CBAmplTreiber2", &S::CBAmplTreiber2}, {"CBPmaxTreiber2", &S::CBPmaxTreiber2},
    };
    return fields;
}

bool parseInt(const std::string& text, int& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool parseCheck(const std::string& text, bool& out) {
    if (text == "0" || text == "1") {
        out = text == "1";
        return true;
    }
    return false;
}

// Parses "Name[a,b]" or "Name[a]"; returns the count of indices read (0 when no brackets).
int parseIndexed(const std::string& name, std::string& base, int& a, int& b) {
    size_t open = name.find('[');
    if (open == std::string::npos || name.back() != ']')
        return 0;
    base = name.substr(0, open);
    std::string inner = name.substr(open + 1, name.size() - open - 2);
    size_t comma = inner.find(',');
    if (comma == std::string::npos)
        return parseInt(inner, a) ? 1 : -1;
    return parseInt(inner.substr(0, comma), a) && parseInt(inner.substr(comma + 1), b) ? 2 : -1;
}

} // namespace

std::vector<std::pair<std::string, std::string>> FormFields::List(const FormState& state) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [name, field] : namedFields()) {
        std::string value;
        if (auto* t = std::get_if<TextField>(&field))
            value = state.*(*t);
        else if (auto* c = std::get_if<CheckField>(&field))
            value = state.*(*c) ? "1" : "0";
        else
            value = std::to_string(state.*std::get<IndexField>(field));
        out.emplace_back(name, value);
    }
    for (int c = 1; c <= 14; ++c)
        for (int r = 1; r <= 3; ++r)
            out.emplace_back("FWGrid[" + std::to_string(c) + "," + std::to_string(r) + "]",
                             state.FWGrid[c][r]);
    for (int r = 0; r < 9; ++r) {
        out.emplace_back("CheckListAuto[" + std::to_string(r) + "]",
                         state.CheckListAuto[r] ? "1" : "0");
        for (int c = 0; c < 2; ++c)
            out.emplace_back("MinMaxGrid[" + std::to_string(c) + "," + std::to_string(r) + "]",
                             state.MinMaxGrid[c][r]);
    }
    for (int r = 0; r < 3; ++r)
        out.emplace_back("OptionGrid[1," + std::to_string(r) + "]", state.OptionGrid[r]);
    return out;
}

bool FormFields::Set(FormState& state, const std::string& name, const std::string& value) {
    for (const auto& [fieldName, field] : namedFields()) {
        if (name != fieldName)
            continue;
        if (auto* t = std::get_if<TextField>(&field)) {
            state.*(*t) = value;
            return true;
        }
        if (auto* c = std::get_if<CheckField>(&field))
            return parseCheck(value, state.*(*c));
        return parseInt(value, state.*std::get<IndexField>(field));
    }
    std::string base;
    int a = 0;
    int b = 0;
    int count = parseIndexed(name, base, a, b);
    if (count == 2 && base == "FWGrid" && a >= 1 && a <= 14 && b >= 1 && b <= 3) {
        state.FWGrid[a][b] = value;
        return true;
    }
    if (count == 2 && base == "MinMaxGrid" && a >= 0 && a <= 1 && b >= 0 && b <= 8) {
        state.MinMaxGrid[a][b] = value;
        return true;
    }
    if (count == 2 && base == "OptionGrid" && a == 1 && b >= 0 && b <= 2) {
        state.OptionGrid[b] = value;
        return true;
    }
    if (count == 1 && base == "CheckListAuto" && a >= 0 && a <= 8)
        return parseCheck(value, state.CheckListAuto[a]);
    return false;
}

} // namespace model
