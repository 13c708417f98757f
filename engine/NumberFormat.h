// Number parsing and formatting shared by the tables, the input check and the project file.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// Reads a number the way every grid cell and edit box is read: each "," counts as ".",
// leading blanks are skipped, and the longest leading part that forms a decimal number
// (optional sign, digits, optional point, optional exponent) is converted. Text without a
// leading number gives 0, trailing characters are ignored. A number beyond the range of a
// double gives the largest double of its sign, so that no infinity reaches the model.
double ParseGridNumber(std::string_view text);

// Formats with a picture such as "0.00", "0.###" or "0.00E+00": "0" after the point is a
// digit that is always written, "#" one that is dropped when it is a trailing zero. Rounds half
// away from zero on the exact binary value, "." as separator, a leading "-" for negatives
// (never "-0.00": a value that rounds to zero is written without sign). Literal text around
// the digit placeholders is copied, so "Cms = 0.### mm/N" works too.
std::string FormatPicture(double value, std::string_view picture);

// General format: the shortest form with up to 15 significant digits; fixed notation while
// the value is at least 0.00001 and has at most 15 integer digits, otherwise scientific
// ("1E-6", "1.5E20"). NaN and infinities are written as "0".
std::string FormatGeneral(double value);

} // namespace engine
