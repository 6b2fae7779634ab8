// Sizes, field offsets and flags of the compact CDX format, and the tag
// header (also used for the file header, which heads the tag directory).
// The layout is described in docs/cdx-format.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "xbase/status.h"

namespace xbase::cdx {

constexpr uint32_t kPageSize = 512;
constexpr uint32_t kHeaderSize = 1024;  // a tag header spans two pages
constexpr uint32_t kHeaderPages = kHeaderSize / kPageSize;
constexpr uint32_t kNoPage = 0xFFFFFFFF;
constexpr uint16_t kMaxKeyLength = 240;
constexpr uint16_t kTagNameLength = 10;  // key length of the tag directory
constexpr int kMaxDepth = 64;            // deeper trees are taken as damaged

// Tag header fields (all little-endian).
constexpr size_t kRootField = 0;
constexpr size_t kFreeListField = 4;
constexpr size_t kVersionField = 8;
constexpr size_t kKeyLengthField = 12;
constexpr size_t kOptionsField = 14;
constexpr size_t kSignatureField = 15;
constexpr size_t kOrderField = 502;
constexpr size_t kPoolLengthField = 504;
constexpr size_t kForLengthField = 506;
constexpr size_t kKeyExprLengthField = 510;
constexpr size_t kPoolOffset = 512;
constexpr size_t kPoolSize = kHeaderSize - kPoolOffset;
static_assert(kKeyExprLengthField + 2 == kPoolOffset);

// Our own bytes in the reserved area of the headers, which other programs
// leave as zeros and ignore. In the file header: the table's sync stamp.
// In a tag header: whether keys pad with blanks (character) or NULs.
constexpr size_t kStampField = 0x1D0;
constexpr char kStampMagic[4] = {'V', 'L', 'S', '1'};
constexpr size_t kStampSize = 4 + 4 + 8 + 1;  // magic, record count, change stamp, writing
constexpr size_t kKeyTypeField = 0x1E8;
constexpr char kKeyTypeMagic[4] = {'V', 'L', 'K', 'T'};
constexpr size_t kKeyTypeSize = 4 + 1;  // magic, 'C' or 'B'
static_assert(kStampField + kStampSize <= kKeyTypeField);
static_assert(kKeyTypeField + kKeyTypeSize <= kOrderField);

constexpr uint8_t kOptionUnique = 0x01;
constexpr uint8_t kOptionForClause = 0x08;
constexpr uint8_t kOptionCompact = 0x20;
constexpr uint8_t kOptionCompound = 0x40;
constexpr uint8_t kOptionDirectory = 0x80;
constexpr uint8_t kSignature = 0x01;

// Node attribute bits (first two bytes of every node page).
constexpr uint16_t kAttributeRoot = 0x01;
constexpr uint16_t kAttributeLeaf = 0x02;

struct TagHeader {
  uint32_t root = kNoPage;
  uint32_t free_list = kNoPage;
  uint32_t version = 0;
  uint16_t key_length = 0;
  uint8_t options = 0;
  bool descending = false;
  bool character_keys = true;
  std::string key_expression;
  std::string for_expression;

  // Writes every field into a zeroed 1024-byte buffer.
  // REQUIRES: the expressions fit the pool (FitsPool()).
  void EncodeTo(char* header) const;
  // Reads a 1024-byte header. Non-compact headers give NotSupported.
  Status DecodeFrom(const char* header);
  bool FitsPool() const;
};

// True for a node page offset inside a file whose pages end at `file_end`:
// a multiple of the page size, past the file header, and inside the file.
inline bool IsNodeOffset(uint64_t offset, uint64_t file_end) {
  return offset % kPageSize == 0 && offset >= kHeaderSize && offset + kPageSize <= file_end;
}

std::string Hex(uint64_t value);

}  // namespace xbase::cdx
