// Fuzz target: ParseGridNumber and the input check's normalise rule on arbitrary text.
// Invariants: every number read is finite; the general format reads back as itself
// (FormatGeneral(ParseGridNumber(FormatGeneral(v))) == FormatGeneral(v)) and within 15
// significant digits of v; after CheckVariables the fuzzed control holds a clean number that a
// second check leaves as it is (free-text boxes keep the text, the option grid an integer in
// its range, an empty crossover cell stays allowed).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "FormFields.h"
#include "FormState.h"
#include "FuzzSupport.h"
#include "InputCheck.h"
#include "NumberFormat.h"

namespace {

using engine::FormatGeneral;
using engine::ParseGridNumber;

void checkNumber(const std::string& text) {
    const double v = ParseGridNumber(text);
    robust::Require(std::isfinite(v), "ParseGridNumber gives a finite number", text);
    const std::string general = FormatGeneral(v);
    const double back = ParseGridNumber(general);
    robust::Require(FormatGeneral(back) == general, "the general format reads back as itself",
                    general + " -> " + FormatGeneral(back));
    // 15 significant digits: a relative error of at most 5e-15 (normal numbers only; the
    // subnormals carry fewer digits).
    if (std::fabs(v) >= std::numeric_limits<double>::min())
        robust::Require(std::fabs(back - v) <= 1e-14 * std::fabs(v),
                        "the general format keeps 15 significant digits", general);
}

// The controls the check rewrites or must leave alone: every edit box and grid cell.
const std::vector<std::string>& textControls() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const auto& [name, value] : model::FormFields::List(model::FormState())) {
            if (name.rfind("Edit", 0) == 0 || name.find("Grid[") != std::string::npos)
                out.push_back(name);
        }
        return out;
    }();
    return names;
}

std::string valueOf(const model::FormState& state, const std::string& name) {
    for (const auto& [n, value] : model::FormFields::List(state)) {
        if (n == name)
            return value;
    }
    return "\x01missing";
}

void checkNormalise(unsigned char selector, const std::string& text) {
    const std::string& name = textControls()[selector % textControls().size()];
    model::FormState state;
    robust::Require(model::FormFields::Set(state, name, text), "a text control takes any text",
                    name);
    model::CheckVariables(state);
    const std::string once = valueOf(state, name);

    if (robust::IsFreeText(name)) {
        robust::Require(once == text, "free text stays as typed", name);
    } else if (name.rfind("OptionGrid", 0) == 0) {
        const long long n = std::stoll(once);
        robust::Require(std::to_string(n) == once, "an option cell holds an integer", once);
        if (name == "OptionGrid[1,0]")
            robust::Require(n >= 2 && n <= 170, "frequency points within 2..170", once);
        if (name == "OptionGrid[1,1]")
            robust::Require(n >= 2 && n <= 10001, "contour points within 2..10001", once);
    } else if (!(name.rfind("FWGrid", 0) == 0 && once.empty())) {
        const double v = ParseGridNumber(once);
        robust::Require(std::isfinite(v) && FormatGeneral(v) == once,
                        "a checked box holds a number in general format", name + "=" + once);
    }

    model::CheckVariables(state);
    robust::Require(valueOf(state, name) == once, "a second check leaves the text",
                    name + ": '" + once + "' became '" + valueOf(state, name) + "'");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkNumber(text);
    if (size > 0)
        checkNormalise(data[0], text.substr(1));
    return 0;
}
