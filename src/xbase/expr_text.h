// Text helpers shared by the expression nodes: Windows-1252 case mapping,
// xBase text comparison, and number parsing and formatting on raw bytes.
// None of them allocates.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace xbase::expr {

// Case tables for Windows-1252: ASCII letters, the accented Latin-1 letters
// 0xE0-0xFE <-> 0xC0-0xDE (except the signs 0xF7 and 0xD7), and the pairs
// 0x9A/0x8A, 0x9C/0x8C, 0x9E/0x8E, 0xFF/0x9F.
extern const std::array<unsigned char, 256> kUpperTable;
extern const std::array<unsigned char, 256> kLowerTable;

inline char ToUpper(char c) { return static_cast<char>(kUpperTable[static_cast<unsigned char>(c)]); }
inline char ToLower(char c) { return static_cast<char>(kLowerTable[static_cast<unsigned char>(c)]); }

// Writes the upper- (or lower-) case form of n bytes to out; in and out may
// be the same buffer. ASCII runs go eight bytes at a time.
void MapCase(const char* in, size_t n, bool upper, char* out);

// Compares a and b as if the shorter were padded with blanks; unsigned bytes.
// Returns <0, 0 or >0.
int ComparePadded(const char* a, size_t a_len, const char* b, size_t b_len);

// The ordering behind "=", "<", ">" and friends. With `exact` off, only the
// first b_len bytes of a take part (a shorter a is padded with blanks), so an
// empty b equals everything; with `exact` on, both are padded.
inline int CompareForOperator(const char* a, size_t a_len, const char* b, size_t b_len, bool exact) {
  if (!exact && a_len > b_len) a_len = b_len;
  return ComparePadded(a, a_len, b, b_len);
}

// "==": equal once trailing blanks are removed from both sides.
bool EqualIgnoringTrailingBlanks(const char* a, size_t a_len, const char* b, size_t b_len);

// Length of text once trailing blanks are removed.
size_t TrimmedLength(const char* text, size_t len);
// Number of leading blanks.
size_t LeadingBlanks(const char* text, size_t len);

// Position (0-based) of needle in haystack, or -1. An empty needle is never found.
ptrdiff_t FindText(const char* needle, size_t needle_len, const char* haystack, size_t haystack_len);

// Reads a number the way VAL() does: leading blanks, an optional sign, digits
// with an optional decimal point; reading stops at the first other byte.
// Text without digits reads as 0.
double ParseNumber(const char* text, size_t len);

// Formats like STR(): `decimals` places, rounded half away from zero,
// right-aligned in `width` bytes. When it does not fit, decimals are dropped
// one by one; when even the integer part does not fit, the result is `width`
// asterisks. REQUIRES: 1 <= width <= kMaxStrWidth, decimals <= kMaxStrWidth.
inline constexpr int kMaxStrWidth = 255;
void FormatNumber(double value, int width, int decimals, char* out);

}  // namespace xbase::expr
