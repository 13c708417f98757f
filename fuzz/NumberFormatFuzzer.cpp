// Fuzz target: the picture and general number formats on arbitrary doubles and pictures.
// The first 8 bytes are the bit pattern of the value (NaN, infinities and subnormals
// included), the rest is a picture. Invariants: no crash; the general format never writes
// NaN or infinity and reads back as itself; for the pictures the program uses, the text
// reads back within half a unit of its last digit and is never a negative zero.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "FuzzSupport.h"
#include "NumberFormat.h"
#include "RunInvariants.h"

namespace {

using engine::FormatGeneral;
using engine::FormatPicture;
using engine::ParseGridNumber;

struct Picture {
    const char* text;
    int decimals;
    bool exponent;
};

// Every picture the tables, the report and the input check use.
const Picture knownPictures[] = {
    {"0", 0, false},      {"0.#", 1, false},      {"0.0", 1, false},   {"0.##", 2, false},
    {"0.00", 2, false},   {"0.###", 3, false},    {"0.000", 3, false}, {"0.00E+00", 2, true},
    {"0.0E+00", 1, true}, {"0.000E+00", 3, true},
};

void checkKnownPicture(double v, const Picture& picture) {
    const std::string text = FormatPicture(v, picture.text);
    robust::Require(!robust::MentionsNonFinite(text), "a picture never writes nan/inf", text);
    if (!std::isfinite(v))
        return;
    // strtod rather than ParseGridNumber: a text that rounds beyond the largest double reads
    // as an infinity, which the comparison below lets pass (pictures are only displayed).
    const double back = std::strtod(text.c_str(), nullptr);
    robust::Require(!(text[0] == '-' && back == 0), "no negative zero", text);
    // Half a unit of the last digit written, plus the few units in the last place of a
    // double that reading a long decimal may add.
    const double unit =
        picture.exponent && v != 0
            ? std::pow(10.0, std::floor(std::log10(std::fabs(v))) - picture.decimals)
            : std::pow(10.0, -picture.decimals);
    const double tolerance = 0.5 * unit * (1 + 1e-9) + 4 * std::fabs(v) * 1e-16 + 1e-300;
    // log10 can land one decade low just below a power of ten.
    const double limit = picture.exponent ? 10 * tolerance : tolerance;
    if (std::fabs(back) <= std::numeric_limits<double>::max())
        robust::Require(std::fabs(back - v) <= limit, "the picture rounds to its last digit",
                        std::string(picture.text) + ": " + text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double v = 0;
    std::memcpy(&v, data, size < sizeof v ? size : sizeof v);
    const std::string picture =
        size > sizeof v
            ? std::string(reinterpret_cast<const char*>(data) + sizeof v, size - sizeof v)
            : std::string();

    // Any picture: only no crash and a bounded text.
    const std::string text = FormatPicture(v, picture);
    robust::Require(text.size() <= picture.size() + 400 + 2 * picture.size(),
                    "a picture's text stays bounded");

    const std::string general = FormatGeneral(v);
    robust::Require(!robust::MentionsNonFinite(general) && general.size() <= 24,
                    "the general format is a short number", general);
    const std::string again = FormatGeneral(ParseGridNumber(general));
    robust::Require(again == general, "the general format reads back as itself",
                    general + " -> " + again);

    for (const Picture& known : knownPictures)
        checkKnownPicture(v, known);
    return 0;
}
