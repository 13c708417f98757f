// Conversion between the program's UTF-8 strings and the Windows-1252 bytes of its files.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// UTF-8 → Windows-1252. Characters without a Windows-1252 byte become "?"; malformed
// UTF-8 bytes are taken as Windows-1252 bytes already, so no input is lost or rejected.
std::string Utf8ToWindows1252(std::string_view utf8);

// Windows-1252 → UTF-8. The five bytes that code page leaves undefined map to U+0081 etc.
std::string Windows1252ToUtf8(std::string_view bytes);

} // namespace engine
