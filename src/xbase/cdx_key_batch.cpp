// KeyBatch: the flat array of keys a tag is built from, and its sort.
#include <algorithm>
#include <cstring>

#include "cdx_index.h"
#include "coding.h"

namespace xbase {
namespace {

// Sort item: the first eight key bytes as a big-endian number, so that
// integer order is memcmp order, and the entry's position in the batch.
struct SortItem {
  uint64_t prefix;
  uint32_t index;
};

uint64_t KeyPrefix(const char* key, size_t length) {
  uint64_t prefix = 0;
  const size_t n = std::min<size_t>(length, 8);
  for (size_t i = 0; i < n; ++i) prefix = (prefix << 8) | static_cast<uint8_t>(key[i]);
  return prefix << (8 * (8 - n));
}

// Stable LSD radix sort on the prefix, a byte a pass: 256 buckets keep the
// scatter inside the cache. All histograms come from one read of the items,
// and passes over bytes that every item shares are skipped.
using SortItems = std::vector<SortItem, cdx::PopulatedAllocator<SortItem>>;

void RadixSortByPrefix(SortItems* items) {
  constexpr size_t kBuckets = 256;
  std::vector<uint32_t> counts(8 * kBuckets);
  for (const SortItem& item : *items) {
    for (int b = 0; b < 8; ++b) ++counts[b * kBuckets + ((item.prefix >> (8 * b)) & 0xFF)];
  }
  SortItems scratch(items->size());
  for (int b = 0; b < 8; ++b) {
    uint32_t* count = counts.data() + b * kBuckets;
    if (std::find(count, count + kBuckets, items->size()) != count + kBuckets) continue;
    uint32_t sum = 0;
    for (size_t i = 0; i < kBuckets; ++i) {
      uint32_t n = count[i];
      count[i] = sum;
      sum += n;
    }
    const int shift = 8 * b;
    for (const SortItem& item : *items) scratch[count[(item.prefix >> shift) & 0xFF]++] = item;
    items->swap(scratch);
  }
}

}  // namespace

KeyBatch::KeyBatch(uint16_t key_length, size_t expected_count) : key_length_(key_length) {
  entries_.reserve(expected_count * (key_length + 4u));
}

size_t KeyBatch::size() const { return entries_.size() / (key_length_ + 4u); }

char* KeyBatch::Append(uint32_t recno) {
  const size_t at = entries_.size();
  if (!order_.empty()) order_.push_back(static_cast<uint32_t>(size()));
  entries_.resize(at + key_length_ + 4u);
  EncodeLE32(entries_.data() + at + key_length_, recno);
  return entries_.data() + at;
}

std::string_view KeyBatch::key(size_t i) const { return {entry(i), key_length_}; }

uint32_t KeyBatch::recno(size_t i) const { return DecodeLE32(entry(i) + key_length_); }

void KeyBatch::Sort() {
  const size_t n = size();
  const size_t stride = key_length_ + 4u;
  SortItems items(n);
  for (size_t i = 0; i < n; ++i) items[i] = {KeyPrefix(entries_.data() + i * stride, key_length_), static_cast<uint32_t>(i)};
  RadixSortByPrefix(&items);
  // Runs of equal prefixes are ordered by the rest of the key, then record number.
  auto tail_less = [&](const SortItem& a, const SortItem& b) {
    const char* ka = entries_.data() + a.index * stride;
    const char* kb = entries_.data() + b.index * stride;
    if (key_length_ > 8) {
      int c = std::memcmp(ka + 8, kb + 8, key_length_ - 8u);
      if (c != 0) return c < 0;
    }
    return DecodeLE32(ka + key_length_) < DecodeLE32(kb + key_length_);
  };
  for (size_t begin = 0; begin < n;) {
    size_t end = begin + 1;
    while (end < n && items[end].prefix == items[begin].prefix) ++end;
    if (end - begin > 1) std::sort(items.begin() + static_cast<ptrdiff_t>(begin), items.begin() + static_cast<ptrdiff_t>(end), tail_less);
    begin = end;
  }
  order_.resize(n);
  for (size_t i = 0; i < n; ++i) order_[i] = items[i].index;
}

}  // namespace xbase
