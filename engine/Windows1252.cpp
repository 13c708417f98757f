// Conversion between the program's UTF-8 strings and the Windows-1252 bytes of its files.
#include "Windows1252.h"

#include <cstdint>

namespace engine {

namespace {

// Code points of the bytes 0x80..0x9F; the others map to themselves (Latin-1).
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char toByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<uint8_t>(utf8[i]);
        int length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        bool valid = length > 0 && i + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k)
            valid = (static_cast<uint8_t>(utf8[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        char32_t cp = length == 1   ? b
                      : length == 2 ? (b & 0x1F)
                      : length == 3 ? (b & 0x0F)
                                    : (b & 0x07);
        for (int k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<uint8_t>(utf8[i + k]) & 0x3F);
        out.push_back(toByte(cp));
        i += static_cast<size_t>(length);
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        auto b = static_cast<uint8_t>(c);
        if (b < 0x80)
            out.push_back(c);
        else if (b < 0xA0)
            appendUtf8(out, kHigh[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

} // namespace engine
