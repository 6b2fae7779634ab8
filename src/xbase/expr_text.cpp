// Windows-1252 case tables, text comparison and number conversion for the
// expression evaluator.
#include "expr_text.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace xbase::expr {
namespace {

using CaseTable = std::array<unsigned char, 256>;

constexpr CaseTable MakeCaseTable(bool to_upper) {
  CaseTable t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
  auto pair = [&t, to_upper](int lower, int upper) {
    if (to_upper) {
      t[lower] = static_cast<unsigned char>(upper);
    } else {
      t[upper] = static_cast<unsigned char>(lower);
    }
  };
  for (int c = 'a'; c <= 'z'; ++c) pair(c, c - 32);
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) pair(c, c - 32);
  }
  pair(0x9A, 0x8A);
  pair(0x9C, 0x8C);
  pair(0x9E, 0x8E);
  pair(0xFF, 0x9F);
  return t;
}

// Compares the tail of the longer text with blanks.
int CompareWithBlanks(const char* tail, size_t len) {
  for (size_t i = 0; i < len; ++i) {
    unsigned char c = static_cast<unsigned char>(tail[i]);
    if (c != ' ') return c < ' ' ? -1 : 1;
  }
  return 0;
}

}  // namespace

constinit const CaseTable kUpperTable = MakeCaseTable(true);
constinit const CaseTable kLowerTable = MakeCaseTable(false);

void MapCase(const char* in, size_t n, bool upper, char* out) {
  constexpr uint64_t kOnes = 0x0101010101010101;
  constexpr uint64_t kHighBits = 0x8080808080808080;
  // Bytes in [first, last] of an ASCII word get bit 0x20 flipped.
  const uint64_t first = upper ? 'a' : 'A';
  const uint64_t last = upper ? 'z' : 'Z';
  const std::array<unsigned char, 256>& table = upper ? kUpperTable : kLowerTable;
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t word;
    std::memcpy(&word, in + i, sizeof word);
    if ((word & kHighBits) == 0) {
      // No byte exceeds 0x7F, so these sums never carry into the next byte.
      uint64_t at_least_first = word + (0x80 - first) * kOnes;
      uint64_t above_last = word + (0x80 - last - 1) * kOnes;
      word ^= ((at_least_first ^ above_last) & kHighBits) >> 2;
      std::memcpy(out + i, &word, sizeof word);
    } else {
      for (size_t k = i; k < i + 8; ++k) out[k] = static_cast<char>(table[static_cast<unsigned char>(in[k])]);
    }
  }
  for (; i < n; ++i) out[i] = static_cast<char>(table[static_cast<unsigned char>(in[i])]);
}

int ComparePadded(const char* a, size_t a_len, const char* b, size_t b_len) {
  size_t common = a_len < b_len ? a_len : b_len;
  if (common > 0) {
    int c = std::memcmp(a, b, common);
    if (c != 0) return c;
  }
  if (a_len > b_len) return CompareWithBlanks(a + common, a_len - common);
  if (b_len > a_len) return -CompareWithBlanks(b + common, b_len - common);
  return 0;
}

bool EqualIgnoringTrailingBlanks(const char* a, size_t a_len, const char* b, size_t b_len) {
  a_len = TrimmedLength(a, a_len);
  b_len = TrimmedLength(b, b_len);
  return a_len == b_len && (a_len == 0 || std::memcmp(a, b, a_len) == 0);
}

size_t TrimmedLength(const char* text, size_t len) {
  constexpr uint64_t kBlanks = 0x2020202020202020;
  while (len >= 8) {
    uint64_t word;
    std::memcpy(&word, text + len - 8, sizeof word);
    if (word != kBlanks) break;
    len -= 8;
  }
  while (len > 0 && text[len - 1] == ' ') --len;
  return len;
}

size_t LeadingBlanks(const char* text, size_t len) {
  size_t n = 0;
  while (n < len && text[n] == ' ') ++n;
  return n;
}

ptrdiff_t FindText(const char* needle, size_t needle_len, const char* haystack, size_t haystack_len) {
  if (needle_len == 0 || needle_len > haystack_len) return -1;
  const char* end = haystack + (haystack_len - needle_len) + 1;
  for (const char* p = haystack; p < end;) {
    p = static_cast<const char*>(std::memchr(p, needle[0], static_cast<size_t>(end - p)));
    if (p == nullptr) return -1;
    if (std::memcmp(p, needle, needle_len) == 0) return p - haystack;
    ++p;
  }
  return -1;
}

double ParseNumber(const char* text, size_t len) {
  size_t i = LeadingBlanks(text, len);
  bool negative = false;
  if (i < len && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // Up to 18 significant digits are gathered exactly in an integer; the one
  // rounding step is the final scaling, so "123.45" reads as the nearest double.
  uint64_t mantissa = 0;
  int digits = 0;
  int exponent = 0;
  bool seen_point = false;
  for (; i < len; ++i) {
    char c = text[i];
    if (c == '.' && !seen_point) {
      seen_point = true;
    } else if (c >= '0' && c <= '9') {
      if (digits < 18) {
        mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
        if (mantissa != 0) ++digits;
        if (seen_point) --exponent;
      } else if (!seen_point) {
        ++exponent;
      }
    } else {
      break;
    }
  }
  double value = static_cast<double>(mantissa);
  if (exponent < 0) {
    value /= std::pow(10.0, -exponent);
  } else if (exponent > 0) {
    value *= std::pow(10.0, exponent);
  }
  return negative ? -value : value;
}

void FormatNumber(double value, int width, int decimals, char* out) {
  char buf[kMaxStrWidth + 2];
  if (std::isfinite(value) && std::fabs(value) < 1e300) {
    for (int d = decimals; d >= 0; --d) {
      // Round half away from zero on the decimal value, then print the rounded
      // number; the nudge keeps 2.675 from printing as 2.67.
      double scale = std::pow(10.0, d);
      double scaled = value * scale;
      scaled = std::round(scaled + std::copysign(std::fabs(scaled) * 1e-14, scaled));
      // Past 2^53 a double has no fraction left to round, and the scaling
      // may even overflow.
      double rounded = std::isfinite(scaled) ? scaled / scale : value;
      if (rounded == 0) rounded = 0;  // no "-0"
      int n = std::snprintf(buf, sizeof buf, "%*.*f", width, d, rounded);
      if (n > 0 && n <= width) {
        std::memcpy(out, buf, static_cast<size_t>(width));
        return;
      }
    }
  }
  std::memset(out, '*', static_cast<size_t>(width));
}

}  // namespace xbase::expr
