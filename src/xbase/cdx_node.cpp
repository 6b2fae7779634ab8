// Interior and compact leaf node pages (docs/cdx-format.md).
#include "cdx_node.h"

#include <algorithm>
#include <bit>

#include "coding.h"

namespace xbase::cdx {
namespace {

// Bytes of entry `key` stored after `previous` (nullptr for the first),
// with its duplicate and trailing counts.
struct Packed {
  size_t duplicate;
  size_t trailing;
  size_t stored;
};

// The same, for a key whose trailing count is known.
Packed PackKnownTrailing(const char* previous, const char* key, uint16_t key_length, size_t trailing) {
  Packed p;
  p.trailing = trailing;
  p.duplicate = previous ? CommonPrefix(previous, key, key_length - trailing) : 0;
  p.stored = key_length - p.duplicate - p.trailing;
  return p;
}

Packed Pack(const char* previous, const char* key, uint16_t key_length, char pad) {
  return PackKnownTrailing(previous, key, key_length, TrailingPad(key, key_length, pad));
}

}  // namespace

LeafLayout ChooseLayout(uint32_t max_recno, uint16_t key_length) {
  auto bits_for = [](uint32_t value) { return std::max(1, static_cast<int>(std::bit_width(value))); };
  LeafLayout layout;
  layout.count_bits = bits_for(key_length);
  int needed = bits_for(max_recno) + 2 * layout.count_bits;
  layout.entry_bytes = static_cast<size_t>((needed + 7) / 8);
  layout.recno_bits = std::min(32, static_cast<int>(layout.entry_bytes * 8) - 2 * layout.count_bits);
  return layout;
}

void EncodeLeafHeader(const LeafLayout& layout, size_t free_space, char* page) {
  EncodeLE16(page + kFreeSpaceField, static_cast<uint16_t>(free_space));
  EncodeLE32(page + kRecnoMaskField, static_cast<uint32_t>(Mask(layout.recno_bits)));
  page[kDupMaskField] = static_cast<char>(Mask(layout.count_bits));
  page[kTrailMaskField] = static_cast<char>(Mask(layout.count_bits));
  page[kRecnoBitsField] = static_cast<char>(layout.recno_bits);
  page[kDupBitsField] = static_cast<char>(layout.count_bits);
  page[kTrailBitsField] = static_cast<char>(layout.count_bits);
  page[kEntryBytesField] = static_cast<char>(layout.entry_bytes);
}

void Node::Insert(size_t i, std::string_view key, uint32_t recno, uint32_t child) {
  if (leaf) {
    const size_t key_trailing = TrailingPad(key.data(), key_length, pad);
    if (packed_bytes != kUnmeasured) {
      const char* previous = i > 0 ? keys.data() + (i - 1) * key_length : nullptr;
      packed_bytes += PackKnownTrailing(previous, key.data(), key_length, key_trailing).stored;
      if (i < count()) {
        const char* next = keys.data() + i * key_length;
        const size_t next_trailing = static_cast<uint8_t>(trailing[i]);
        packed_bytes += PackKnownTrailing(key.data(), next, key_length, next_trailing).stored;
        packed_bytes -= PackKnownTrailing(previous, next, key_length, next_trailing).stored;
      }
      max_recno = std::max(max_recno, recno);
    }
    trailing.insert(trailing.begin() + static_cast<ptrdiff_t>(i), static_cast<char>(key_trailing));
  }
  keys.insert(i * key_length, key.data(), key_length);
  recnos.insert(recnos.begin() + static_cast<ptrdiff_t>(i), recno);
  if (!leaf) children.insert(children.begin() + static_cast<ptrdiff_t>(i), child);
}

void Node::Erase(size_t i) {
  if (leaf && packed_bytes != kUnmeasured) {
    const char* previous = i > 0 ? keys.data() + (i - 1) * key_length : nullptr;
    const char* erased = keys.data() + i * key_length;
    packed_bytes -= PackKnownTrailing(previous, erased, key_length, static_cast<uint8_t>(trailing[i])).stored;
    if (i + 1 < count()) {
      const char* next = erased + key_length;
      const size_t next_trailing = static_cast<uint8_t>(trailing[i + 1]);
      packed_bytes -= PackKnownTrailing(erased, next, key_length, next_trailing).stored;
      packed_bytes += PackKnownTrailing(previous, next, key_length, next_trailing).stored;
    }
    if (recnos[i] == max_recno) packed_bytes = kUnmeasured;  // the new largest is unknown
  }
  if (leaf) trailing.erase(i, 1);
  keys.erase(i * key_length, key_length);
  recnos.erase(recnos.begin() + static_cast<ptrdiff_t>(i));
  if (!leaf) children.erase(children.begin() + static_cast<ptrdiff_t>(i));
}

void Node::MoveTail(size_t from, Node* other) {
  packed_bytes = other->packed_bytes = kUnmeasured;
  other->keys.append(keys, from * key_length, std::string::npos);
  other->recnos.insert(other->recnos.end(), recnos.begin() + static_cast<ptrdiff_t>(from), recnos.end());
  if (leaf) {
    other->trailing.append(trailing, from, std::string::npos);
    trailing.resize(from);
  } else {
    other->children.insert(other->children.end(), children.begin() + static_cast<ptrdiff_t>(from),
                           children.end());
    children.resize(from);
  }
  keys.resize(from * key_length);
  recnos.resize(from);
}

void LeafSizer::Add(const char* key, uint32_t recno) {
  key_bytes_ += Pack(previous_, key, key_length_, pad_).stored;
  previous_ = key;
  max_recno_ = std::max(max_recno_, recno);
  ++count_;
}

size_t LeafSizer::bytes() const {
  return count_ * ChooseLayout(max_recno_, key_length_).entry_bytes + key_bytes_;
}

bool NodeFits(const Node& node) {
  if (!node.leaf) return node.count() <= InteriorCapacity(node.key_length);
  if (node.packed_bytes == Node::kUnmeasured) {
    node.packed_bytes = 0;
    node.max_recno = 0;
    const char* previous = nullptr;
    for (size_t i = 0; i < node.count(); ++i) {
      const char* key = node.keys.data() + i * node.key_length;
      node.packed_bytes += Pack(previous, key, node.key_length, node.pad).stored;
      node.max_recno = std::max(node.max_recno, node.recnos[i]);
      previous = key;
    }
  }
  return node.count() * ChooseLayout(node.max_recno, node.key_length).entry_bytes + node.packed_bytes <= kLeafSpace;
}

void EncodeNode(const Node& node, char* page) {
  std::memset(page, 0, kPageSize);
  uint16_t attribute = static_cast<uint16_t>((node.leaf ? kAttributeLeaf : 0) | (node.root ? kAttributeRoot : 0));
  EncodeLE16(page, attribute);
  EncodeLE16(page + 2, static_cast<uint16_t>(node.count()));
  EncodeLE32(page + 4, node.left);
  EncodeLE32(page + 8, node.right);
  const uint16_t length = node.key_length;
  if (!node.leaf) {
    char* p = page + kNodeHeaderSize;
    for (size_t i = 0; i < node.count(); ++i) {
      std::memcpy(p, node.keys.data() + i * length, length);
      EncodeBE32(p + length, node.recnos[i]);
      EncodeBE32(p + length + 4, node.children[i]);
      p += length + 8;
    }
    return;
  }
  uint32_t max_recno = 0;
  for (uint32_t r : node.recnos) max_recno = std::max(max_recno, r);
  const LeafLayout layout = ChooseLayout(max_recno, length);
  char* entry = page + kLeafHeaderSize;
  char* key_end = page + kPageSize;
  const char* previous = nullptr;
  for (size_t i = 0; i < node.count(); ++i) {
    const char* key = node.keys.data() + i * length;
    Packed p = PackKnownTrailing(previous, key, length, static_cast<uint8_t>(node.trailing[i]));
    WriteLeafEntry(layout.Entry(node.recnos[i], p.duplicate, p.trailing), layout.entry_bytes, entry);
    entry += layout.entry_bytes;
    key_end -= p.stored;
    std::memcpy(key_end, key + p.duplicate, p.stored);
    previous = key;
  }
  EncodeLeafHeader(layout, static_cast<size_t>(key_end - entry), page);
}

bool SearchInteriorPage(const char* page, uint16_t key_length, std::string_view key, uint32_t recno,
                        size_t* index, uint32_t* child) {
  const uint16_t attribute = DecodeLE16(page);
  const size_t count = DecodeLE16(page + 2);
  if ((attribute & ~kAttributeRoot) != 0 || count == 0 || count > InteriorCapacity(key_length)) return false;
  const char* const entries = page + kNodeHeaderSize;
  const size_t entry_bytes = key_length + 8u;
  size_t lo = 0, hi = count;
  while (lo < hi) {
    const size_t mid = (lo + hi) / 2;
    const char* entry = entries + mid * entry_bytes;
    int c = CompareKeyBytes(entry, key.data(), key_length);
    if (c == 0) c = DecodeBE32(entry + key_length) < recno ? -1 : 0;
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  *index = lo == count ? count - 1 : lo;
  *child = DecodeBE32(entries + *index * entry_bytes + key_length + 4);
  return true;
}

Status DecodeNode(const char* page, uint32_t offset, uint16_t key_length, char pad, Node* node) {
  auto corrupt = [offset](const std::string& what) {
    return Status::Corruption("index page " + Hex(offset) + ": " + what);
  };
  const uint16_t attribute = DecodeLE16(page);
  if (attribute > (kAttributeLeaf | kAttributeRoot)) return corrupt("bad node attribute " + Hex(attribute));
  const size_t count = DecodeLE16(page + 2);
  node->offset = offset;
  node->leaf = (attribute & kAttributeLeaf) != 0;
  node->root = (attribute & kAttributeRoot) != 0;
  node->left = DecodeLE32(page + 4);
  node->right = DecodeLE32(page + 8);
  node->key_length = key_length;
  node->pad = pad;
  node->dirty = false;
  node->freed = false;
  node->packed_bytes = Node::kUnmeasured;
  // A little room to grow, so that the first inserts into a page read
  // from disk do not reallocate.
  const size_t room = count + count / 8 + 2;
  node->keys.reserve(room * key_length);
  node->recnos.reserve(room);
  node->keys.assign(count * key_length, '\0');
  node->recnos.resize(count);
  node->children.clear();
  node->trailing.clear();
  if (!node->leaf) {
    if (count == 0) return corrupt("interior node without keys");
    if (count > InteriorCapacity(key_length)) return corrupt(std::to_string(count) + " keys do not fit");
    node->children.resize(count);
    const char* p = page + kNodeHeaderSize;
    for (size_t i = 0; i < count; ++i) {
      std::memcpy(node->keys.data() + i * key_length, p, key_length);
      node->recnos[i] = DecodeBE32(p + key_length);
      node->children[i] = DecodeBE32(p + key_length + 4);
      p += key_length + 8;
    }
    return Status::OK();
  }
  const size_t entry_bytes = static_cast<uint8_t>(page[kEntryBytesField]);
  const int recno_bits = static_cast<uint8_t>(page[kRecnoBitsField]);
  const int dup_bits = static_cast<uint8_t>(page[kDupBitsField]);
  const int trail_bits = static_cast<uint8_t>(page[kTrailBitsField]);
  const uint64_t recno_mask = DecodeLE32(page + kRecnoMaskField);
  const uint64_t dup_mask = static_cast<uint8_t>(page[kDupMaskField]);
  const uint64_t trail_mask = static_cast<uint8_t>(page[kTrailMaskField]);
  if (count > 0 && (entry_bytes == 0 || entry_bytes > kMaxEntryBytes || recno_bits > 32 || dup_bits > 8 ||
                    trail_bits > 8 || recno_bits + dup_bits + trail_bits > static_cast<int>(entry_bytes * 8) ||
                    (recno_mask & ~Mask(recno_bits)) != 0 || (dup_mask & ~Mask(dup_bits)) != 0 ||
                    (trail_mask & ~Mask(trail_bits)) != 0)) {
    return corrupt("inconsistent leaf bit layout");
  }
  if (count * entry_bytes > kLeafSpace) return corrupt(std::to_string(count) + " keys do not fit");
  const size_t free_space = DecodeLE16(page + kFreeSpaceField);
  if (free_space > kLeafSpace - count * entry_bytes) return corrupt("free space " + std::to_string(free_space) + " too large");
  const char* entry = page + kLeafHeaderSize;
  const char* entries_end = entry + count * entry_bytes;
  const char* key_end = page + kPageSize;
  node->trailing.reserve(room);
  node->trailing.resize(count);
  char* out = node->keys.data();
  // The page's own compression measures the leaf for NodeFits. Another
  // program may have compressed less than we would, so this is an upper
  // bound of what we would write, and exact for our own pages.
  size_t packed_bytes = 0;
  uint32_t max_recno = 0;
  for (size_t i = 0; i < count; ++i) {
    const uint64_t value = ReadLeafEntry(entry, entry_bytes, page + kPageSize);
    entry += entry_bytes;
    node->recnos[i] = static_cast<uint32_t>(value & recno_mask);
    const size_t duplicate = (value >> recno_bits) & dup_mask;
    const size_t trailing = (value >> (recno_bits + dup_bits)) & trail_mask;
    if (trailing > key_length || duplicate > key_length - trailing || (i == 0 && duplicate != 0)) {
      return corrupt("bad compression counts in entry " + std::to_string(i));
    }
    const size_t stored = key_length - duplicate - trailing;
    if (static_cast<size_t>(key_end - entries_end) < stored) return corrupt("key data overlaps the entries");
    packed_bytes += stored;
    max_recno = std::max(max_recno, node->recnos[i]);
    key_end -= stored;
    if (duplicate > 0) std::memcpy(out, out - key_length, duplicate);
    std::memcpy(out + duplicate, key_end, stored);
    std::memset(out + duplicate + stored, pad, trailing);
    // Another program may store pad bytes that we would count as trailing.
    const size_t kept = key_length - trailing;
    node->trailing[i] = static_cast<char>(kept > 0 && out[kept - 1] == pad ? TrailingPad(out, key_length, pad) : trailing);
    out += key_length;
  }
  node->packed_bytes = packed_bytes;
  node->max_recno = max_recno;
  return Status::OK();
}

}  // namespace xbase::cdx
