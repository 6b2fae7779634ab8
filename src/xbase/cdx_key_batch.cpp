// KeyBatch: the flat array of keys a tag is built from, and its sort.
#include <algorithm>
#include <cstring>

#include "cdx_index.h"
#include "coding.h"

namespace xbase {
namespace {

// Sort item: eight key bytes, from the depth being sorted, as a big-endian
// number (so that integer order is memcmp order), and the entry's position
// in the batch.
struct SortItem {
  uint64_t prefix;
  uint32_t index;
};

// Key bytes [depth, depth + 8) as a big-endian number, zeros past the key.
uint64_t KeyPrefix(const char* key, size_t length, size_t depth) {
  if (depth + 8 <= length) {
    uint64_t word;
    std::memcpy(&word, key + depth, 8);
    return __builtin_bswap64(word);
  }
  uint64_t prefix = 0;
  const size_t n = length > depth ? length - depth : 0;
  for (size_t i = 0; i < n; ++i) prefix = (prefix << 8) | static_cast<uint8_t>(key[depth + i]);
  return n == 0 ? 0 : prefix << (8 * (8 - n));
}

// Stable LSD radix sort of items[0, n) on the prefix, a byte a pass: 256
// buckets keep the scatter inside the cache. All histograms come from one
// read of the items, and passes over bytes that every item shares are
// skipped. `scratch` holds n items.
void RadixSortByPrefix(SortItem* items, SortItem* scratch, size_t n) {
  constexpr size_t kBuckets = 256;
  uint32_t counts[8][kBuckets] = {};
  for (size_t i = 0; i < n; ++i) {
    const uint64_t prefix = items[i].prefix;
    for (int b = 0; b < 8; ++b) ++counts[b][(prefix >> (8 * b)) & 0xFF];
  }
  SortItem* from = items;
  SortItem* to = scratch;
  for (int b = 0; b < 8; ++b) {
    uint32_t* count = counts[b];
    if (std::find(count, count + kBuckets, n) != count + kBuckets) continue;
    uint32_t sum = 0;
    for (size_t i = 0; i < kBuckets; ++i) {
      uint32_t c = count[i];
      count[i] = sum;
      sum += c;
    }
    const int shift = 8 * b;
    for (size_t i = 0; i < n; ++i) to[count[(from[i].prefix >> shift) & 0xFF]++] = from[i];
    std::swap(from, to);
  }
  if (from != items) std::copy(from, from + n, items);
}

}  // namespace

KeyBatch::KeyBatch(uint16_t key_length, size_t expected_count) : key_length_(key_length) {
  entries_.reserve(expected_count * (key_length + 4u));
}

size_t KeyBatch::size() const { return entries_.size() / (key_length_ + 4u); }

char* KeyBatch::Append(uint32_t recno) {
  const size_t at = entries_.size();
  if (!order_.empty()) order_.push_back(static_cast<uint32_t>(size()));
  if (at > 0 && recno <= last_recno_) recnos_ascending_ = false;
  last_recno_ = recno;
  entries_.resize(at + key_length_ + 4u);
  EncodeLE32(entries_.data() + at + key_length_, recno);
  return entries_.data() + at;
}

std::string_view KeyBatch::key(size_t i) const { return {entry(i), key_length_}; }

uint32_t KeyBatch::recno(size_t i) const { return DecodeLE32(entry(i) + key_length_); }

namespace {

// Sorts the entries of one batch: MSD on eight key bytes at a time, each
// level a stable radix sort, so that runs of keys sharing their first bytes
// go down a level and the rest are done.
class BatchSorter {
 public:
  BatchSorter(const char* entries, uint16_t key_length, bool recnos_ascending)
      : entries_(entries), length_(key_length), stride_(key_length + 4u), recnos_ascending_(recnos_ascending) {}

  // Sorts items[0, n), whose keys agree on their first `depth` bytes and
  // whose prefixes hold bytes [depth, depth + 8). Items of equal keys stay
  // in the order given.
  void Sort(SortItem* items, SortItem* scratch, size_t n, size_t depth) const {
    if (n < kSmallRun) {
      std::sort(items, items + n, [&](const SortItem& a, const SortItem& b) { return Less(a, b, depth); });
      return;
    }
    RadixSortByPrefix(items, scratch, n);
    const bool last_level = depth + 8 >= length_;
    for (size_t begin = 0; begin < n;) {
      size_t end = begin + 1;
      while (end < n && items[end].prefix == items[begin].prefix) ++end;
      if (end - begin > 1) {
        if (!last_level) {
          for (size_t i = begin; i < end; ++i) items[i].prefix = KeyPrefix(Key(items[i]), length_, depth + 8);
          Sort(items + begin, scratch + begin, end - begin, depth + 8);
        } else if (!recnos_ascending_) {
          std::sort(items + begin, items + end, [&](const SortItem& a, const SortItem& b) { return Recno(a) < Recno(b); });
        }
      }
      begin = end;
    }
  }

 private:
  // Runs shorter than this are sorted by comparison.
  static constexpr size_t kSmallRun = 64;

  const char* Key(const SortItem& item) const { return entries_ + size_t{item.index} * stride_; }
  uint32_t Recno(const SortItem& item) const { return DecodeLE32(Key(item) + length_); }

  bool Less(const SortItem& a, const SortItem& b, size_t depth) const {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    if (depth + 8 < length_) {
      int c = std::memcmp(Key(a) + depth + 8, Key(b) + depth + 8, length_ - depth - 8);
      if (c != 0) return c < 0;
    }
    return Recno(a) < Recno(b);
  }

  const char* entries_;
  const uint16_t length_;
  const size_t stride_;
  const bool recnos_ascending_;
};

}  // namespace

void KeyBatch::Sort() {
  const size_t n = size();
  const size_t stride = key_length_ + 4u;
  using SortItems = std::vector<SortItem, cdx::PopulatedAllocator<SortItem>>;
  SortItems items(n);
  SortItems scratch(n);
  // In the order appended, so that the stable sort leaves equal keys in
  // record number order when the record numbers came in ascending.
  for (size_t i = 0; i < n; ++i) {
    items[i] = {KeyPrefix(entries_.data() + i * stride, key_length_, 0), static_cast<uint32_t>(i)};
  }
  BatchSorter(entries_.data(), key_length_, recnos_ascending_).Sort(items.data(), scratch.data(), n, 0);
  order_.resize(n);
  for (size_t i = 0; i < n; ++i) order_[i] = items[i].index;
}

}  // namespace xbase
