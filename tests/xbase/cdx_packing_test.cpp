// Leaf compression counts: trailing padding and shared prefixes, compared
// with a byte-by-byte count over every length and position where the
// word-at-a-time scans change step.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

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

// A leaf as a less thorough writer may store it: every key whole, its
// padding included, with no duplicate or trailing counts.
std::string UncompressedLeaf(const std::vector<std::string>& keys, uint16_t key_length) {
  std::string page(kPageSize, '\0');
  const LeafLayout layout = ChooseLayout(static_cast<uint32_t>(keys.size()), key_length);
  page[0] = static_cast<char>(kAttributeLeaf | kAttributeRoot);
  page[2] = static_cast<char>(keys.size());
  std::memset(page.data() + 4, 0xFF, 8);  // no siblings
  size_t entry = kLeafHeaderSize;
  size_t key_end = kPageSize;
  for (size_t i = 0; i < keys.size(); ++i) {
    const uint64_t value = layout.Entry(static_cast<uint32_t>(i + 1), 0, 0);
    for (size_t b = 0; b < layout.entry_bytes; ++b) page[entry + b] = static_cast<char>(value >> (8 * b));
    entry += layout.entry_bytes;
    key_end -= key_length;
    page.replace(key_end, key_length, keys[i]);
  }
  EncodeLeafHeader(layout, key_end - entry, page.data());
  return page;
}

TEST(CdxPackingTest, LeafStoredWithItsPaddingIsRewrittenCompressed) {
  const uint16_t length = 20;
  const std::vector<std::string> keys = {"ADAMS               ", "ADAMSON             ",
                                         "BAKER  SMITH        "};
  Node node;
  ASSERT_TRUE(DecodeNode(UncompressedLeaf(keys, length).data(), kPageSize, length, ' ', &node).ok());
  ASSERT_EQ(node.trailing.size(), 3u);
  EXPECT_EQ(node.trailing[0], 15);
  EXPECT_EQ(node.trailing[2], 8);
  node.Insert(1, "ADAMS  JR           ", 9, 0);
  ASSERT_TRUE(NodeFits(node));
  std::string page(kPageSize, '\0');
  EncodeNode(node, page.data());
  Node again;
  ASSERT_TRUE(DecodeNode(page.data(), kPageSize, length, ' ', &again).ok());
  ASSERT_EQ(again.count(), 4u);
  EXPECT_EQ(again.key(0), keys[0]);
  EXPECT_EQ(again.key(1), "ADAMS  JR           ");
  EXPECT_EQ(again.key(2), keys[1]);
  EXPECT_EQ(again.key(3), keys[2]);
  EXPECT_EQ(again.trailing, node.trailing);
  // Written by us, the keys take their compressed size only.
  EXPECT_EQ(again.packed_bytes, 5u + 2u + 2u + 12u);  // ADAMS, JR, ON, BAKER  SMITH
}

}  // namespace
}  // namespace xbase::cdx
