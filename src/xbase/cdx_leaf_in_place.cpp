// In-place insertion into compact leaf pages (docs/cdx-format.md).
//
// A leaf keeps its entries from the header on, one packed integer each, and
// the bytes each key does not share with its predecessor (less its trailing
// pad) from the page end downwards, in entry order. Inserting entry i means
// storing the new key's bytes where entry i's began, re-compressing entry i
// (now i + 1) against the new key, moving the key bytes of the later entries
// down (or up) by the difference, and opening a slot in the entries.
#include "cdx_leaf_in_place.h"

#include <algorithm>
#include <cstring>

#include "cdx_node.h"
#include "coding.h"

namespace xbase::cdx {
namespace {

constexpr size_t kLongestKey = 240;

// The bit layout a leaf page declares, when it is one entries can be written in.
bool ReadLayout(const char* page, uint16_t key_length, LeafLayout* layout, uint32_t* recno_mask) {
  layout->entry_bytes = static_cast<uint8_t>(page[kEntryBytesField]);
  layout->recno_bits = static_cast<uint8_t>(page[kRecnoBitsField]);
  layout->count_bits = static_cast<uint8_t>(page[kDupBitsField]);
  *recno_mask = DecodeLE32(page + kRecnoMaskField);
  const uint64_t count_mask = Mask(layout->count_bits);
  return layout->entry_bytes >= 1 && layout->entry_bytes <= kMaxEntryBytes && layout->recno_bits >= 1 &&
         layout->recno_bits <= 32 && layout->count_bits <= 8 &&
         static_cast<uint8_t>(page[kTrailBitsField]) == layout->count_bits &&
         layout->recno_bits + 2 * layout->count_bits <= static_cast<int>(layout->entry_bytes * 8) &&
         *recno_mask == Mask(layout->recno_bits) && static_cast<uint8_t>(page[kDupMaskField]) == count_mask &&
         static_cast<uint8_t>(page[kTrailMaskField]) == count_mask && key_length <= count_mask;
}

// One entry, unpacked.
struct Entry {
  uint32_t recno;
  size_t duplicate;
  size_t trailing;
  size_t stored;
};

// Compares an entry's key, whose first `entry.duplicate` bytes equal the
// key's and whose own bytes are at `stored`, with the key by text alone;
// `same` is how many leading bytes they share (the whole key when equal).
int CompareEntryText(const char* stored, const Entry& entry, std::string_view key, size_t key_text, char pad,
                     size_t* same) {
  *same = entry.duplicate + CommonPrefix(stored, key.data() + entry.duplicate, entry.stored);
  if (*same < entry.duplicate + entry.stored) {
    return static_cast<uint8_t>(stored[*same - entry.duplicate]) < static_cast<uint8_t>(key[*same]) ? -1 : 1;
  }
  // Past its stored bytes the entry is pad.
  while (*same < key_text && key[*same] == pad) ++*same;
  if (*same < key_text) return static_cast<uint8_t>(pad) < static_cast<uint8_t>(key[*same]) ? -1 : 1;
  *same = key.size();
  return 0;
}

}  // namespace

InPlaceInsert InsertIntoLeafPage(char* page, uint16_t key_length, char pad, std::string_view key,
                                 uint32_t recno) {
  constexpr auto kNo = InPlaceInsert::kNotInPlace;
  const uint16_t attribute = DecodeLE16(page);
  if ((attribute & kAttributeLeaf) == 0 || attribute > (kAttributeLeaf | kAttributeRoot)) return kNo;
  if (key_length > kLongestKey || key.size() != key_length) return kNo;
  const bool root = (attribute & kAttributeRoot) != 0;
  const size_t count = DecodeLE16(page + 2);
  LeafLayout layout;
  uint32_t recno_mask = 0;
  if (!ReadLayout(page, key_length, &layout, &recno_mask) || recno > recno_mask) return kNo;
  const size_t eb = layout.entry_bytes;
  const size_t free_space = DecodeLE16(page + kFreeSpaceField);
  if (count * eb > kLeafSpace || free_space > kLeafSpace - count * eb) return kNo;
  char* const entries = page + kLeafHeaderSize;
  char* const page_end = page + kPageSize;
  // The lowest byte of key data, by the header's account.
  char* const low = page_end - (kLeafSpace - count * eb - free_space);

  // Walks the entries up to the first one not below (key, recno) without
  // rebuilding keys. `matched` is how many leading bytes the entry before
  // shares with `key`, which it is below: an entry sharing more than that
  // with its predecessor is below `key` as well, and any other is compared
  // from where it stops sharing, its stored bytes on the page, then its
  // trailing pad.
  const size_t key_trailing = TrailingPad(key.data(), key_length, pad);
  const size_t key_text = key_length - key_trailing;
  const uint64_t count_mask = Mask(layout.count_bits);
  const int duplicate_shift = layout.recno_bits;
  const int trailing_shift = layout.recno_bits + layout.count_bits;
  // Entry j unpacked. Its stored byte count wraps to a huge value when its
  // counts add up to more than the key, which the callers' bounds refuse.
  auto unpack = [&](size_t j) {
    const uint64_t value = ReadLeafEntry(entries + j * eb, eb, page_end);
    Entry entry;
    entry.recno = static_cast<uint32_t>(value & recno_mask);
    entry.duplicate = (value >> duplicate_shift) & count_mask;
    entry.trailing = (value >> trailing_shift) & count_mask;
    entry.stored = key_length - entry.duplicate - entry.trailing;
    return entry;
  };
  char* key_end = page_end;  // where the key data of entry i ends
  size_t matched = 0;
  size_t matched_at = 0;  // the same for the entry at the insertion point
  Entry at{};
  size_t i = 0;
  for (; i < count; ++i) {
    const size_t previous_trailing = at.trailing;
    at = unpack(i);
    if (at.stored > static_cast<size_t>(key_end - low) || (i == 0 && at.duplicate != 0)) return kNo;
    key_end -= at.stored;
    if (at.duplicate > matched) continue;
    size_t same = key_length;
    // An entry with nothing stored and no text past its shared bytes is its
    // predecessor's key again: in a run of the key's duplicates only the
    // record numbers need comparing.
    const bool repeats_key =
        matched == key_length && at.stored == 0 && at.duplicate + previous_trailing >= key_length;
    int c = repeats_key ? 0 : CompareEntryText(key_end, at, key, key_text, pad, &same);
    if (c == 0) c = at.recno < recno ? -1 : at.recno > recno ? 1 : 0;
    if (c == 0) return InPlaceInsert::kAlreadyPresent;
    if (c > 0) {
      key_end += at.stored;  // back to the end of the entry's own data
      matched_at = same;
      break;
    }
    matched = same;
  }
  // The entries from the insertion point on must account for the rest of
  // the key data exactly, or moving it would lose some of it. Only their
  // sum matters here: a page with a later entry out of bounds did not
  // decode before and is no worse after.
  if (i < count) {
    size_t counted = 0;  // duplicate and trailing bytes of the entries after it
    for (size_t j = i + 1; j < count; ++j) {
      const uint64_t value = ReadLeafEntry(entries + j * eb, eb, page_end);
      counted += ((value >> duplicate_shift) & count_mask) + ((value >> trailing_shift) & count_mask);
    }
    const size_t full = (count - i) * key_length;
    if (counted > full || full - counted - (key_length - at.stored) != static_cast<size_t>(key_end - low)) {
      return kNo;
    }
  } else if (key_end != low) {
    return kNo;
  }
  const bool at_end = i == count;
  if (at_end) {
    if (!root) return kNo;
    at = Entry{};  // nothing follows the new entry
  }

  // The new entry, compressed against its predecessor, and its successor
  // compressed against it instead: its bytes are the tail of its own.
  Entry added;
  added.recno = recno;
  added.trailing = key_trailing;
  added.duplicate = std::min(matched, key_text);
  added.stored = key_length - added.duplicate - added.trailing;
  Entry next = at;
  if (!at_end) {
    next.duplicate = std::min(matched_at, key_length - at.trailing);
    next.stored = key_length - next.duplicate - next.trailing;
  }
  // How far the key data of the entries after the successor moves down.
  const ptrdiff_t shift = static_cast<ptrdiff_t>(added.stored + next.stored) - static_cast<ptrdiff_t>(at.stored);
  const ptrdiff_t growth = static_cast<ptrdiff_t>(eb) + shift;
  if (growth > static_cast<ptrdiff_t>(free_space)) return kNo;

  // Key data first: the entries only grow into space it no longer needs.
  char successor[kLongestKey];
  std::memcpy(successor, key_end - next.stored, next.stored);
  char* const rest_end = key_end - at.stored;
  std::memmove(low - shift, low, static_cast<size_t>(rest_end - low));
  if (shift < 0) std::memset(low, 0, static_cast<size_t>(-shift));
  std::memcpy(key_end - added.stored, key.data() + added.duplicate, added.stored);
  std::memcpy(key_end - added.stored - next.stored, successor, next.stored);

  char* const slot = entries + i * eb;
  std::memmove(slot + eb, slot, (count - i) * eb);
  WriteLeafEntry(layout.Entry(added.recno, added.duplicate, added.trailing), eb, slot);
  if (!at_end) WriteLeafEntry(layout.Entry(next.recno, next.duplicate, next.trailing), eb, slot + eb);
  EncodeLE16(page + 2, static_cast<uint16_t>(count + 1));
  EncodeLE16(page + kFreeSpaceField, static_cast<uint16_t>(static_cast<ptrdiff_t>(free_space) - growth));
  return InPlaceInsert::kInserted;
}

}  // namespace xbase::cdx
