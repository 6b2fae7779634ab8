// Windows-1252 <-> UTF-8. Bytes below 0x80 and from 0xA0 up equal their
// Unicode code points; 0x80..0x9F go through a table.
#include "xbase/codepage.h"

#include "expr_text.h"

#include <cstdint>

namespace xbase {
namespace {

// Code points of bytes 0x80..0x9F. The undefined bytes keep their own number.
constexpr char32_t kHighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    // Every character of the code page lies in the Basic Multilingual Plane.
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

char Windows1252ByteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighControlRange[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// Decodes one UTF-8 character at s[*pos] and advances *pos past it. Returns
// false (advancing by one byte) when the bytes there are not well-formed.
bool DecodeUtf8(std::string_view s, size_t* pos, char32_t* cp) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  uint8_t lead = byte(*pos);
  int extra;
  char32_t min;
  if (lead < 0x80) {
    *cp = lead;
    ++*pos;
    return true;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, min = 0x80, *cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, min = 0x800, *cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, min = 0x10000, *cp = lead & 0x07;
  } else {
    ++*pos;
    return false;
  }
  if (*pos + extra >= s.size()) {  // truncated at the end
    ++*pos;
    return false;
  }
  for (int i = 1; i <= extra; ++i) {
    uint8_t b = byte(*pos + i);
    if ((b & 0xC0) != 0x80) {
      ++*pos;
      return false;
    }
    *cp = (*cp << 6) | (b & 0x3F);
  }
  if (*cp < min || *cp > 0x10FFFF || (*cp >= 0xD800 && *cp <= 0xDFFF)) {
    ++*pos;
    return false;
  }
  *pos += extra + 1;
  return true;
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    uint8_t b = static_cast<uint8_t>(c);
    AppendUtf8(b >= 0x80 && b < 0xA0 ? kHighControlRange[b - 0x80] : b, &out);
  }
  return out;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp;
    out.push_back(DecodeUtf8(utf8, &pos, &cp) ? Windows1252ByteFor(cp) : '?');
  }
  return out;
}

std::string UpperCaseWindows1252(std::string_view bytes) {
  std::string out(bytes.size(), '\0');
  expr::MapCase(bytes.data(), bytes.size(), true, out.data());
  return out;
}

}  // namespace xbase
