// Leaf compression counts: trailing padding and shared prefixes, compared
// with a byte-by-byte count over every length and position where the
// word-at-a-time scans change step.
#include <gtest/gtest.h>

#include <string>

#include "cdx_node.h"

namespace xbase::cdx {
namespace {

size_t SlowTrailingPad(const std::string& key, char pad) {
  size_t n = 0;
  while (n < key.size() && key[key.size() - 1 - n] == pad) ++n;
  return n;
}

size_t SlowCommonPrefix(const std::string& a, const std::string& b, size_t limit) {
  size_t n = 0;
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

TEST(CdxPackingTest, TrailingPadCountsEveryPaddedTail) {
  for (char pad : {' ', '\0'}) {
    for (size_t length = 1; length <= 70; ++length) {
      for (size_t text = 0; text <= length; ++text) {
        // `text` leading non-pad bytes, the rest padding; also a pad byte
        // inside the text, which must not count.
        std::string key(length, pad);
        for (size_t i = 0; i < text; ++i) key[i] = static_cast<char>('A' + i % 26);
        if (text >= 3) key[text / 2] = pad;
        ASSERT_EQ(TrailingPad(key.data(), static_cast<uint16_t>(length), pad), SlowTrailingPad(key, pad))
            << "length " << length << ", text " << text;
      }
    }
  }
}

TEST(CdxPackingTest, CommonPrefixStopsAtTheFirstDifferenceOrTheLimit) {
  const std::string base = "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789 ABCDEFGHIJKLMNOP";
  for (size_t limit = 0; limit <= base.size(); ++limit) {
    for (size_t differ = 0; differ <= base.size(); ++differ) {
      std::string other = base;
      if (differ < other.size()) other[differ] = '#';
      ASSERT_EQ(CommonPrefix(base.data(), other.data(), limit), SlowCommonPrefix(base, other, limit))
          << "limit " << limit << ", difference at " << differ;
    }
  }
}

}  // namespace
}  // namespace xbase::cdx
