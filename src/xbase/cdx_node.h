// One B+-tree node of a CDX tag held decoded in memory: keys at full length,
// record numbers, and (interior nodes) child page offsets. Encode/decode
// translate to the interior and compact leaf page layouts (docs/cdx-format.md).
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "cdx_format.h"
#include "cdx_node_memory.h"
#include "coding.h"

namespace xbase::cdx {

constexpr size_t kNodeHeaderSize = 12;  // attribute, count, left, right
constexpr size_t kLeafHeaderSize = 24;  // plus free space, masks, bit counts, entry width
constexpr size_t kLeafSpace = kPageSize - kLeafHeaderSize;
constexpr size_t kInteriorSpace = kPageSize - kNodeHeaderSize;
static_assert(kLeafSpace == 488 && kInteriorSpace == 500);

// Fields of a compact leaf's header.
constexpr size_t kFreeSpaceField = 12;
constexpr size_t kRecnoMaskField = 14;
constexpr size_t kDupMaskField = 18;
constexpr size_t kTrailMaskField = 19;
constexpr size_t kRecnoBitsField = 20;
constexpr size_t kDupBitsField = 21;
constexpr size_t kTrailBitsField = 22;
constexpr size_t kEntryBytesField = 23;
static_assert(kEntryBytesField + 1 == kLeafHeaderSize);
constexpr size_t kMaxEntryBytes = 8;

// The lowest `bits` bits set.
inline uint64_t Mask(int bits) { return bits >= 64 ? ~0ull : (1ull << bits) - 1; }

// memcmp over `length` bytes; the first eight are compared as one
// big-endian number, which settles most comparisons of a descent without a
// call.
inline int CompareKeyBytes(const char* a, const char* b, size_t length) {
  size_t from = 0;
  if (length >= 8) {
    const uint64_t x = DecodeBE64(a), y = DecodeBE64(b);
    if (x != y) return x < y ? -1 : 1;
    from = 8;
  }
  return std::memcmp(a + from, b + from, length - from);
}

struct Node {
  uint32_t offset = kNoPage;
  bool leaf = true;
  bool root = false;
  uint32_t left = kNoPage;
  uint32_t right = kNoPage;
  uint16_t key_length = 0;
  char pad = ' ';  // the byte trailing compression removes
  NodeBytes keys;  // count() * key_length bytes
  // Leaves only: each entry's number of trailing pad bytes, kept beside the
  // keys so that writing the page need not scan every key for them again.
  NodeBytes trailing;
  NodeVector<uint32_t> recnos;
  NodeVector<uint32_t> children;  // interior nodes only
  bool dirty = false;
  bool freed = false;
  // A leaf's packed key bytes and largest record number, kept up to date by
  // Insert and Erase once measured (kUnmeasured until then), so that a
  // single change re-checks the page fit in constant time.
  static constexpr size_t kUnmeasured = ~size_t{0};
  mutable size_t packed_bytes = kUnmeasured;
  mutable uint32_t max_recno = 0;

  size_t count() const { return recnos.size(); }
  std::string_view key(size_t i) const { return {keys.data() + i * key_length, key_length}; }
  // Orders entry i against (key, recno): the key bytes, then record number.
  int Compare(size_t i, std::string_view other_key, uint32_t other_recno) const {
    const int c = CompareKeyBytes(keys.data() + i * key_length, other_key.data(), key_length);
    if (c != 0) return c;
    return recnos[i] < other_recno ? -1 : recnos[i] > other_recno ? 1 : 0;
  }
  // The child of an interior node whose separator is the first not below
  // (key, recno), or the last child when every separator is below.
  size_t ChildFor(std::string_view key, uint32_t recno) const {
    size_t lo = 0, hi = count();
    while (lo < hi) {
      const size_t mid = (lo + hi) / 2;
      if (Compare(mid, key, recno) < 0) {
        lo = mid + 1;
      } else {
        hi = mid;
      }
    }
    return lo == count() ? lo - 1 : lo;
  }
  void Insert(size_t i, std::string_view key, uint32_t recno, uint32_t child);
  void Erase(size_t i);
  // Moves entries [from, count()) to the end of `other`.
  void MoveTail(size_t from, Node* other);
  size_t MemoryUsage() const {
    return sizeof(Node) + keys.capacity() + trailing.capacity() +
           (recnos.capacity() + children.capacity()) * sizeof(uint32_t);
  }
};

// Space a compact leaf needs, added up one entry at a time in key order.
class LeafSizer {
 public:
  LeafSizer(uint16_t key_length, char pad) : key_length_(key_length), pad_(pad) {}
  void Add(const char* key, uint32_t recno);
  // Bytes of entries and key data the leaf would use.
  size_t bytes() const;
  bool fits() const { return bytes() <= kLeafSpace; }
  size_t count() const { return count_; }

 private:
  uint16_t key_length_;
  char pad_;
  const char* previous_ = nullptr;
  size_t count_ = 0;
  size_t key_bytes_ = 0;
  uint32_t max_recno_ = 0;
};

// How a compact leaf packs record number, duplicate count and trailing
// count into one little-endian integer of `entry_bytes` bytes, record number
// lowest.
struct LeafLayout {
  int recno_bits;
  int count_bits;  // for the duplicate and the trailing count alike
  size_t entry_bytes;

  uint64_t Entry(uint32_t recno, size_t duplicate, size_t trailing) const {
    return recno | (static_cast<uint64_t>(duplicate) << recno_bits) |
           (static_cast<uint64_t>(trailing) << (recno_bits + count_bits));
  }
};

// The packed integer of a leaf entry of `entry_bytes` bytes at `entry`.
// Reads eight bytes at once where the page allows and masks off the rest.
inline uint64_t ReadLeafEntry(const char* entry, size_t entry_bytes, const char* page_end) {
  if (entry + 8 <= page_end) return DecodeLE64(entry) & Mask(static_cast<int>(entry_bytes * 8));
  uint64_t value = 0;
  for (size_t b = 0; b < entry_bytes; ++b) value |= static_cast<uint64_t>(static_cast<uint8_t>(entry[b])) << (8 * b);
  return value;
}

inline void WriteLeafEntry(uint64_t value, size_t entry_bytes, char* entry) {
  for (size_t b = 0; b < entry_bytes; ++b) entry[b] = static_cast<char>(value >> (8 * b));
}

// The narrowest layout for a leaf whose largest record number is `max_recno`.
LeafLayout ChooseLayout(uint32_t max_recno, uint16_t key_length);
// Writes a leaf's free space and the fields describing `layout` (masks, bit
// counts, entry width) into its page.
void EncodeLeafHeader(const LeafLayout& layout, size_t free_space, char* page);

// How many bytes at the end of `key` are `pad`. Keys are compared sixteen
// bytes at a time where the processor allows, eight otherwise: leaves are
// packed and measured a key at a time, so this is on every write's path.
inline size_t TrailingPad(const char* key, uint16_t key_length, char pad) {
  size_t n = 0;
#if defined(__SSE2__)
  const __m128i pads = _mm_set1_epi8(pad);
  for (; n + 16 <= key_length; n += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(key + key_length - n - 16));
    const auto same = static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, pads)));
    if (same != 0xFFFF) return n + static_cast<size_t>(std::countl_one(same));
  }
#endif
  const uint64_t pads8 = 0x0101010101010101ull * static_cast<uint8_t>(pad);
  for (uint64_t word; n + 8 <= key_length; n += 8) {
    std::memcpy(&word, key + key_length - n - 8, 8);
    if (word != pads8) break;
  }
  while (n < key_length && key[key_length - 1 - n] == pad) ++n;
  return n;
}

// How many leading bytes, at most `limit`, a and b share.
inline size_t CommonPrefix(const char* a, const char* b, size_t limit) {
  size_t n = 0;
#if defined(__SSE2__)
  for (; n + 16 <= limit; n += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + n));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + n));
    const auto same = static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, y)));
    if (same != 0xFFFF) return n + static_cast<size_t>(std::countr_one(same));
  }
#endif
  for (uint64_t x, y; n + 8 <= limit; n += 8) {
    std::memcpy(&x, a + n, 8);
    std::memcpy(&y, b + n, 8);
    if (x != y) return n + static_cast<size_t>(std::countr_zero(x ^ y) / 8);
  }
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

// Entries an interior node of this key length holds.
inline size_t InteriorCapacity(uint16_t key_length) { return kInteriorSpace / (key_length + 8u); }

// Searches an interior page where it lies, without decoding it: the child
// whose separator is the first not below (key, recno), or the last child
// when every separator is below; *index is that child's entry. False, and
// nothing searched, when the page is not an interior node whose entries
// fit it. REQUIRES: key.size() == key_length.
bool SearchInteriorPage(const char* page, uint16_t key_length, std::string_view key, uint32_t recno,
                        size_t* index, uint32_t* child);

// Whether `node` fits one page.
bool NodeFits(const Node& node);
// REQUIRES: NodeFits(node). Fills a 512-byte page.
void EncodeNode(const Node& node, char* page);
// Decodes a page read from `offset`; Corruption names the fault.
Status DecodeNode(const char* page, uint32_t offset, uint16_t key_length, char pad, Node* node);

}  // namespace xbase::cdx
