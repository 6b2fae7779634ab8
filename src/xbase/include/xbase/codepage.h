// Conversion between Windows-1252 (the code page of our tables and memos)
// and UTF-8 (the application's text). Both directions are total: every input
// gives an output, and no call fails.
#pragma once

#include <string>
#include <string_view>

namespace xbase {

// Every byte maps to a character. The five bytes Windows-1252 leaves
// undefined (0x81 0x8D 0x8F 0x90 0x9D) become the C1 control characters of
// the same number, so that any byte string survives a round trip.
std::string Windows1252ToUtf8(std::string_view bytes);

// Characters Windows-1252 cannot hold become '?', as does each byte of
// malformed UTF-8 (stray continuation bytes, overlong forms, surrogates,
// truncated sequences).
std::string Utf8ToWindows1252(std::string_view utf8);

// Upper case of Windows-1252 text, byte for byte, exactly as the
// expression function UPPER() makes it.
std::string UpperCaseWindows1252(std::string_view bytes);

}  // namespace xbase
