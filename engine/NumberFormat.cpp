// Number parsing and formatting shared by the tables, the input check and the project file.
#include "NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace engine {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal digits of |value| rounded half away from zero: `digits` holds the significant
// digits and `exponent10` the power of ten of the first one. `mode` chooses whether
// `count` is the number of significant digits or of digits after the point.
struct DecimalDigits {
    std::string digits; // no leading zeros unless the value is zero ("0")
    int exponent10 = 0; // value = 0.d1d2d3... * 10^(exponent10 + 1)
};

// Exact-enough expansion: 40 significant digits from printf, then manual rounding.
DecimalDigits roundedDigits(double value, int count, bool significant) {
    DecimalDigits result;
    double a = std::fabs(value);
    if (a == 0.0) {
        result.digits = "0";
        return result;
    }
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.39e", a);
    // buffer: d.ddddd...e+XX
    std::string mantissa;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (isDigit(*p))
            mantissa.push_back(*p);
    }
    int exponent = std::atoi(p + 1);
    int keep = significant ? count : exponent + 1 + count; // digits kept from the mantissa
    if (keep < 0) {
        result.digits = "0";
        return result;
    }
    bool roundUp = keep < static_cast<int>(mantissa.size()) && mantissa[keep] >= '5';
    std::string kept = mantissa.substr(0, static_cast<size_t>(std::min<int>(keep, mantissa.size())));
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++kept[i];
        } else {
            kept.insert(kept.begin(), '1');
            ++exponent;
            if (significant)
                kept.pop_back();
        }
    }
    if (kept.empty() || kept.find_first_not_of('0') == std::string::npos) {
        result.digits = "0";
        result.exponent10 = 0;
        return result;
    }
    result.digits = kept;
    result.exponent10 = exponent;
    return result;
}

// Fixed notation of |value| with `required` decimals always written and `optional` more
// written unless trailing zeros. Returns the text and whether it is zero.
std::string fixedText(double value, int required, int optional, bool& isZero) {
    DecimalDigits d = roundedDigits(value, required + optional, false);
    std::string intPart;
    std::string fracPart;
    if (d.digits == "0") {
        intPart = "0";
        isZero = true;
    } else {
        isZero = false;
        int intDigits = d.exponent10 + 1;
        if (intDigits <= 0) {
            intPart = "0";
            fracPart = std::string(static_cast<size_t>(-intDigits), '0') + d.digits;
        } else if (intDigits >= static_cast<int>(d.digits.size())) {
            intPart = d.digits + std::string(intDigits - d.digits.size(), '0');
        } else {
            intPart = d.digits.substr(0, intDigits);
            fracPart = d.digits.substr(intDigits);
        }
    }
    int total = required + optional;
    if (static_cast<int>(fracPart.size()) < total)
        fracPart.append(total - fracPart.size(), '0');
    fracPart.resize(static_cast<size_t>(total));
    while (static_cast<int>(fracPart.size()) > required && fracPart.back() == '0')
        fracPart.pop_back();
    return fracPart.empty() ? intPart : intPart + "." + fracPart;
}

// "0.00E+00": mantissa with `decimals` decimals, signed exponent of at least `expDigits`.
std::string exponentText(double value, int decimals, int expDigits, bool& isZero) {
    DecimalDigits d = roundedDigits(value, decimals + 1, true);
    int exponent = 0;
    std::string mantissa;
    if (d.digits == "0") {
        isZero = true;
        mantissa = std::string(static_cast<size_t>(decimals + 1), '0');
    } else {
        isZero = false;
        mantissa = d.digits;
        mantissa.append(static_cast<size_t>(decimals + 1) - std::min<size_t>(mantissa.size(), decimals + 1), '0');
        exponent = d.exponent10;
    }
    std::string text = mantissa.substr(0, 1);
    if (decimals > 0)
        text += "." + mantissa.substr(1, static_cast<size_t>(decimals));
    std::string expText = std::to_string(std::abs(exponent));
    if (static_cast<int>(expText.size()) < expDigits)
        expText.insert(0, static_cast<size_t>(expDigits) - expText.size(), '0');
    text += exponent < 0 ? "E-" : "E+";
    return text + expText;
}

} // namespace

double ParseGridNumber(std::string_view text) {
    std::string s;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    size_t start = i;
    auto at = [&](size_t k) { return k < text.size() ? (text[k] == ',' ? '.' : text[k]) : '\0'; };
    size_t k = start;
    if (at(k) == '+' || at(k) == '-')
        ++k;
    size_t digits = 0;
    while (isDigit(at(k))) {
        ++k;
        ++digits;
    }
    if (at(k) == '.') {
        ++k;
        while (isDigit(at(k))) {
            ++k;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    size_t end = k;
    if (at(k) == 'e' || at(k) == 'E') {
        size_t e = k + 1;
        if (at(e) == '+' || at(e) == '-')
            ++e;
        if (isDigit(at(e))) {
            while (isDigit(at(e)))
                ++e;
            end = e;
        }
    }
    for (size_t c = start; c < end; ++c)
        s.push_back(at(c));
    double value = std::strtod(s.c_str(), nullptr);
    if (std::isinf(value)) // beyond the range: the largest double of that sign
        return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

std::string FormatPicture(double value, std::string_view picture) {
    if (!std::isfinite(value))
        value = 0.0;
    // Locate the number placeholder: the first run of 0 # . E+ E- characters.
    size_t begin = picture.find_first_of("0#");
    if (begin == std::string_view::npos)
        return std::string(picture);
    size_t end = begin;
    int required = 0;
    int optional = 0;
    bool afterPoint = false;
    bool exponent = false;
    int expDigits = 0;
    while (end < picture.size()) {
        char c = picture[end];
        if (c == '0' || c == '#') {
            if (afterPoint) {
                if (c == '0')
                    ++required;
                else
                    ++optional;
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if ((c == 'E' || c == 'e') && end + 1 < picture.size() &&
                   (picture[end + 1] == '+' || picture[end + 1] == '-')) {
            exponent = true;
            end += 2;
            while (end < picture.size() && picture[end] == '0') {
                ++expDigits;
                ++end;
            }
            break;
        } else {
            break;
        }
        ++end;
    }
    bool isZero = false;
    std::string number = exponent ? exponentText(value, required + optional, expDigits, isZero)
                                  : fixedText(value, required, optional, isZero);
    if (value < 0 && !isZero)
        number.insert(number.begin(), '-');
    return std::string(picture.substr(0, begin)) + number + std::string(picture.substr(end));
}

std::string FormatGeneral(double value) {
    if (!std::isfinite(value) || value == 0.0)
        return "0";
    DecimalDigits d = roundedDigits(value, 15, true);
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = d.exponent10;
    std::string text;
    if (exponent < 15 && exponent >= -5) { // the rounded value decides, so the text reads back
        int intDigits = exponent + 1;
        if (intDigits <= 0) {
            text = "0." + std::string(static_cast<size_t>(-intDigits), '0') + digits;
        } else if (intDigits >= static_cast<int>(digits.size())) {
            text = digits + std::string(intDigits - digits.size(), '0');
        } else {
            text = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    } else {
        text = digits.substr(0, 1);
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        text += "E" + std::to_string(exponent);
    }
    return value < 0 ? "-" + text : text;
}

} // namespace engine
