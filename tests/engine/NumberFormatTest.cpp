// Number reading, picture and general formats, and the Windows-1252 conversion of the tables.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "NumberFormat.h"
#include "Windows1252.h"

namespace {

using engine::FormatGeneral;
using engine::FormatPicture;
using engine::ParseGridNumber;

struct ParseCase {
    const char* text;
    double value;
};

TEST(ParseGridNumber, ReadsTheLongestLeadingNumber) {
    const ParseCase cases[] = {
        {"12.5", 12.5}, {"12,5", 12.5}, {"-4.5e2x", -450},  {"+7", 7},      {".5", 0.5}, {"5.", 5},
        {"1e", 1},      {"1e+", 1},     {"2E-3 Hz", 0.002}, {"1,5,3", 1.5}, {"abc", 0},  {"", 0},
        {"-", 0},       {"-.", 0},      {"0", 0},           {"3 mm", 3},
    };
    for (const ParseCase& c : cases) {
        // Every value is the correctly rounded double of its decimal text: exact equality.
        EXPECT_EQ(ParseGridNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseGridNumber, NumberBeyondDoubleRangeGivesTheLargestDouble) {
    // Never an infinity; and the general format of the largest double reads back as itself.
    EXPECT_EQ(ParseGridNumber("1e400"), std::numeric_limits<double>::max());
    EXPECT_EQ(ParseGridNumber("-1e400"), -std::numeric_limits<double>::max());
    EXPECT_EQ(ParseGridNumber("1.79769313486232E308"), std::numeric_limits<double>::max());
}

struct PictureCase {
    double value;
    const char* picture;
    const char* text;
};

TEST(FormatPicture, RoundsHalfAwayFromZeroOnTheBinaryValue) {
    const PictureCase cases[] = {
        {0.125, "0.00", "0.13"},   // exactly representable half: away from zero
        {-0.125, "0.00", "-0.13"}, // the same for a negative value
        {2.675, "0.00", "2.67"},   // binary 2.67499999999999982…
        {8.345, "0.00", "8.35"},   // binary 8.34500000000000063…
        {1.005, "0.00", "1.00"},   // binary 1.00499999999999989…
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {9.996, "0.00", "10.00"}, // carry into a new integer digit
        {999.9996, "0.000", "1000.000"},
        {0.0096, "0.00", "0.01"}, // carry from below the first kept digit
        {12345.678, "0.00", "12345.68"},
        {-1.5, "0.000", "-1.500"},
        {1, "0.000", "1.000"},
        {0, "0.00", "0.00"},
    };
    for (const PictureCase& c : cases)
        EXPECT_EQ(FormatPicture(c.value, c.picture), c.text) << c.value << " " << c.picture;
}

TEST(FormatPicture, NoNegativeZero) {
    const PictureCase cases[] = {
        {-0.004, "0.00", "0.00"}, {-0.0004, "0.###", "0"},        {-0.0, "0.000", "0.000"},
        {-0.04, "0.0", "0.0"},    {-0.0, "0.00E+00", "0.00E+00"},
    };
    for (const PictureCase& c : cases)
        EXPECT_EQ(FormatPicture(c.value, c.picture), c.text) << c.value << " " << c.picture;
}

TEST(FormatPicture, OptionalDigitsDropTrailingZeros) {
    const PictureCase cases[] = {
        {1.0, "0.###", "1"},        {1.5, "0.###", "1.5"},     {1.2346, "0.###", "1.235"},
        {1.0011, "0.##", "1"},      {0.355, "0.###", "0.355"}, {26.0154, "0.#", "26"},
        {1.0577, "0.###", "1.058"}, {100.999, "0.##", "101"},
    };
    for (const PictureCase& c : cases)
        EXPECT_EQ(FormatPicture(c.value, c.picture), c.text) << c.value << " " << c.picture;
}

TEST(FormatPicture, ExponentPicture) {
    const PictureCase cases[] = {
        {0.0012345, "0.00E+00", "1.23E-03"}, {-0.0012345, "0.00E+00", "-1.23E-03"},
        {9.995e-3, "0.00E+00", "1.00E-02"}, // binary 0.0099950000000000004…: carry to E-02
        {9.994e-3, "0.00E+00", "9.99E-03"},  {12345.678, "0.00E+00", "1.23E+04"},
        {1, "0.00E+00", "1.00E+00"},         {0, "0.00E+00", "0.00E+00"},
        {1e-300, "0.00E+00", "1.00E-300"}, // the exponent grows beyond two digits
        {6.02e23, "0.00E+00", "6.02E+23"},
    };
    for (const PictureCase& c : cases)
        EXPECT_EQ(FormatPicture(c.value, c.picture), c.text) << c.value << " " << c.picture;
}

TEST(FormatPicture, LiteralTextAroundThePlaceholders) {
    const PictureCase cases[] = {
        {1.0577, "Cms = 0.### mm/N", "Cms = 1.058 mm/N"},
        {9.5801, "Mms2 = 0.### g", "Mms2 = 9.58 g"},
        {26.0154, "LBR = 0.# cm", "LBR = 26 cm"},
        {0.5, " = 0.### l", " = 0.5 l"},
        {0.50312, "rTraktrix = 0.### m", "rTraktrix = 0.503 m"},
        {-3.25, "x0.0y", "x-3.3y"},
    };
    for (const PictureCase& c : cases)
        EXPECT_EQ(FormatPicture(c.value, c.picture), c.text) << c.value << " " << c.picture;
}

TEST(FormatPicture, NonFiniteValuesAreWrittenAsZero) {
    // A table line must stay a number even when a value has gone wrong.
    EXPECT_EQ(FormatPicture(std::numeric_limits<double>::quiet_NaN(), "0.00"), "0.00");
    EXPECT_EQ(FormatPicture(std::numeric_limits<double>::infinity(), "0.00E+00"), "0.00E+00");
    EXPECT_EQ(FormatPicture(-std::numeric_limits<double>::infinity(), "0.000"), "0.000");
}

TEST(FormatGeneral, ShortestFormWithFifteenDigits) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.1 + 0.2, "0.3"},
        {100, "100"},
        {-2.5, "-2.5"},
        {1.0 / 3, "0.333333333333333"},
        {123456789012345, "123456789012345"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {0.00001, "0.00001"},
        {0.000012345, "0.000012345"},
        {1e-6, "1E-6"},
        {-1e-6, "-1E-6"},
        {15.915494309189533, "15.9154943091895"},
        {10.000000000000002, "10"},
        {0, "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
}

TEST(FormatGeneral, ReadsBackToTheSameTextAndCloseValue) {
    for (double v : {8.0, 0.71, 2.83, 141820.0, 3.1415927, 1e-7, 6.02e23}) {
        const std::string text = FormatGeneral(v);
        // 15 significant digits: the value read back differs by at most a few ulps.
        EXPECT_NEAR(ParseGridNumber(text), v, std::fabs(v) * 1e-14) << text;
        EXPECT_EQ(FormatGeneral(ParseGridNumber(text)), text);
    }
}

TEST(Windows1252, TableCharactersAreSingleBytes) {
    EXPECT_EQ(engine::Utf8ToWindows1252("A [cm\xC2\xB2]"), "A [cm\xB2]");
    EXPECT_EQ(engine::Utf8ToWindows1252("[\xC2\xB0]"), "[\xB0]");
    EXPECT_EQ(engine::Utf8ToWindows1252("Halsfl\xC3\xA4"
                                        "che"),
              "Halsfl\xE4"
              "che");
    EXPECT_EQ(engine::Utf8ToWindows1252("\xE2\x82\xAC"), "\x80"); // euro sign
    EXPECT_EQ(engine::Utf8ToWindows1252("\xE4\xB8\xAD"), "?");    // no byte in the code page
}

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    EXPECT_EQ(engine::Utf8ToWindows1252(engine::Windows1252ToUtf8(bytes)), bytes);
}

} // namespace
