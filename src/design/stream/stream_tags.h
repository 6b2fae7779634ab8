// The tag bytes, signature and limits of the design stream. Every other
// file of this layer names them from here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vellumo::design {

// The first byte of every value says what follows.
enum class Tag : uint8_t {
  kEndOfList = 0,
  kList = 1,
  kInt8 = 2,
  kInt16 = 3,
  kInt32 = 4,
  kExtended = 5,    // 10-byte x87 extended float; read, never written
  kString = 6,      // one length byte, then the bytes
  kIdentifier = 7,  // one length byte: an enumeration, colour or cursor name
  kFalse = 8,
  kTrue = 9,
  kBinary = 10,     // four length bytes, then the bytes
  kSet = 11,        // member names as short strings, then a zero length byte
  kLongString = 12, // four length bytes, then the bytes
  kNil = 13,
  kCollection = 14, // refused: design objects never store one
};

// Every object record starts with these four bytes.
inline constexpr std::string_view kObjectSignature = "TPF0";
static_assert(kObjectSignature.size() == 4);

// Short strings carry their length in one byte.
inline constexpr size_t kMaxShortStringLength = 255;
// Texts of this many bytes or more are written as long strings.
inline constexpr size_t kLongStringThreshold = kMaxShortStringLength + 1;
// An x87 extended float: 8 bytes of mantissa, 2 of sign and exponent.
inline constexpr size_t kExtendedSize = 8 + 2;
static_assert(kExtendedSize == 10);

// Lists inside lists: design objects store at most one level (the lines of
// a text block); a few more are accepted, and deeper nesting is refused so
// that a hostile file cannot exhaust the reader's stack.
inline constexpr int kMaxValueNesting = 8;

}  // namespace vellumo::design
