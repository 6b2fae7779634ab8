// Leaf compression: trailing padding and shared prefixes, compared with a
// byte-by-byte count over every length and position where the
// word-at-a-time scans change step; leaves written by less thorough
// programs; insertion into a leaf page where it lies, which must write
// exactly the page a full encoding would; and the search of an interior
// page where it lies, which must choose the child decoding would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "cdx_leaf_in_place.h"
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

TEST(CdxPackingTest, InsertIntoAForeignLeafPageKeepsItsLayoutAndEveryKey) {
  const uint16_t length = 20;
  std::vector<std::string> keys = {"ADAMS               ", "ADAMSON             ", "BAKER  SMITH        "};
  std::string page = UncompressedLeaf(keys, length);
  ASSERT_EQ(InsertIntoLeafPage(page.data(), length, ' ', "ADAMS  JR           ", 2), InPlaceInsert::kInserted);
  ASSERT_EQ(InsertIntoLeafPage(page.data(), length, ' ', "ZZ                  ", 3), InPlaceInsert::kInserted);
  EXPECT_EQ(InsertIntoLeafPage(page.data(), length, ' ', "ADAMSON             ", 2), InPlaceInsert::kAlreadyPresent);
  Node node;
  ASSERT_TRUE(DecodeNode(page.data(), kPageSize, length, ' ', &node).ok());
  keys.insert(keys.begin() + 1, "ADAMS  JR           ");
  keys.push_back("ZZ                  ");
  ASSERT_EQ(node.count(), keys.size());
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(node.key(i), keys[i]) << i;
  EXPECT_EQ(node.recnos, (NodeVector<uint32_t>{1, 2, 2, 3, 3}));
}

TEST(CdxPackingTest, InPlaceInsertRefusesPagesThatDoNotAddUp) {
  const uint16_t length = 8;
  Node node;
  node.key_length = length;
  node.Insert(0, "AAAA    ", 1, 0);
  node.Insert(1, "CCCC    ", 2, 0);
  std::string good(kPageSize, '\0');
  EncodeNode(node, good.data());
  auto refused = [&](std::string page) {
    const std::string before = page;
    return InsertIntoLeafPage(page.data(), length, ' ', "BBBB    ", 3) == InPlaceInsert::kNotInPlace && page == before;
  };
  std::string page = good;
  page[0] = 0;  // an interior node
  EXPECT_TRUE(refused(page));
  page = good;
  EncodeLE16(page.data() + kFreeSpaceField, kLeafSpace);  // free space that hides the key data
  EXPECT_TRUE(refused(page));
  page = good;
  // Free space that leaves bytes no entry accounts for: they would be moved
  // along with the keys, so the page is rewritten whole instead.
  EncodeLE16(page.data() + kFreeSpaceField, DecodeLE16(good.data() + kFreeSpaceField) - 2);
  EXPECT_TRUE(refused(page));
  page = good;
  page[kEntryBytesField] = 9;
  EXPECT_TRUE(refused(page));
  page = good;
  page[kDupMaskField] = 1;  // counts too narrow for the key length
  EXPECT_TRUE(refused(page));
  page = good;
  page[kLeafHeaderSize + 1] = static_cast<char>(0xFF);  // first entry with counts past the key
  EXPECT_TRUE(refused(page));
  EXPECT_FALSE(refused(good));
}

// Random leaves of keys that share prefixes and padding, and a random entry
// for each: the in-place insert must give the very page that inserting into
// the decoded node and encoding it gives, and must refuse only when the
// entry becomes the last of a leaf that is not the root, the record number
// needs a wider layout, or the leaf would not fit its page.
TEST(CdxPackingTest, InPlaceInsertWritesWhatAFullEncodingWrites) {
  std::mt19937 rng(20261210);
  const char alphabet[] = "AAB  C";
  int inserted = 0, refused = 0;
  for (int round = 0; round < 20000; ++round) {
    const uint16_t length = static_cast<uint16_t>(1 + rng() % 24);
    const char pad = round % 5 == 0 ? '\0' : ' ';
    auto random_key = [&] {
      std::string key(length, pad);
      const size_t text = rng() % (length + 1);
      for (size_t i = 0; i < text; ++i) key[i] = alphabet[rng() % 6];
      return key;
    };
    const uint32_t recno_range = round % 3 == 0 ? 300 : 70000;
    std::vector<std::pair<std::string, uint32_t>> entries(rng() % 40);
    for (auto& entry : entries) entry = {random_key(), 1 + static_cast<uint32_t>(rng() % recno_range)};
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    Node node;
    node.key_length = length;
    node.pad = pad;
    node.root = rng() % 4 == 0;
    for (const auto& [key, recno] : entries) node.Insert(node.count(), key, recno, 0);
    if (!NodeFits(node)) continue;
    std::string page(kPageSize, '\0');
    EncodeNode(node, page.data());

    const std::string key = random_key();
    const uint32_t recno = 1 + static_cast<uint32_t>(rng() % (recno_range + recno_range / 8));
    size_t at = 0;
    while (at < node.count() && node.Compare(at, key, recno) < 0) ++at;
    const bool present = at < node.count() && node.Compare(at, key, recno) == 0;
    const size_t entry_bytes = ChooseLayout(node.max_recno, length).entry_bytes;
    Node grown = node;
    grown.Insert(at, key, recno, 0);
    const bool possible = !present && (at < node.count() || node.root) && NodeFits(grown) &&
                          ChooseLayout(grown.max_recno, length).entry_bytes == entry_bytes;

    std::string changed = page;
    const InPlaceInsert result = InsertIntoLeafPage(changed.data(), length, pad, key, recno);
    if (present) {
      ASSERT_EQ(result, InPlaceInsert::kAlreadyPresent) << "round " << round;
      ASSERT_EQ(changed, page);
    } else if (possible) {
      ASSERT_EQ(result, InPlaceInsert::kInserted) << "round " << round;
      std::string expected(kPageSize, '\0');
      EncodeNode(grown, expected.data());
      ASSERT_EQ(changed, expected) << "round " << round << ", entry " << at << " of " << node.count();
      ++inserted;
    } else {
      ASSERT_EQ(result, InPlaceInsert::kNotInPlace) << "round " << round;
      ASSERT_EQ(changed, page);
      ++refused;
    }
  }
  EXPECT_GT(inserted, 5000);
  EXPECT_GT(refused, 500);
}

// Interior pages of random separators, duplicates among them, searched for
// random entries where they lie and through their decoded nodes.
TEST(CdxPackingTest, InteriorPageSearchChoosesTheChildDecodingChooses) {
  std::mt19937 rng(23);
  for (int round = 0; round < 300; ++round) {
    const uint16_t length = static_cast<uint16_t>(1 + rng() % 40);
    auto random_key = [&] {
      std::string key(length, ' ');
      for (auto& c : key) c = static_cast<char>('A' + rng() % 3);
      return key;
    };
    std::vector<std::pair<std::string, uint32_t>> separators;
    const size_t count = 1 + rng() % InteriorCapacity(length);
    for (size_t i = 0; i < count; ++i) separators.emplace_back(random_key(), rng() % 50);
    std::sort(separators.begin(), separators.end());
    Node node;
    node.leaf = false;
    node.key_length = length;
    for (size_t i = 0; i < count; ++i) node.Insert(i, separators[i].first, separators[i].second, 1000 + 512 * i);
    std::string page(kPageSize, '\0');
    EncodeNode(node, page.data());
    for (int probe = 0; probe < 20; ++probe) {
      const std::string key = random_key();
      const uint32_t recno = rng() % 50;
      size_t expected = 0;
      while (expected < count && node.Compare(expected, key, recno) < 0) ++expected;
      if (expected == count) --expected;
      size_t index = 0;
      uint32_t child = 0;
      ASSERT_TRUE(SearchInteriorPage(page.data(), length, key, recno, &index, &child));
      EXPECT_EQ(index, expected);
      EXPECT_EQ(child, node.children[expected]);
    }
  }
  // Leaves and pages whose entries do not fit are not searched.
  Node leaf;
  leaf.key_length = 4;
  leaf.Insert(0, "ABCD", 1, 0);
  std::string page(kPageSize, '\0');
  EncodeNode(leaf, page.data());
  size_t index = 0;
  uint32_t child = 0;
  EXPECT_FALSE(SearchInteriorPage(page.data(), 4, "ABCD", 1, &index, &child));
  page.assign(kPageSize, '\0');
  EXPECT_FALSE(SearchInteriorPage(page.data(), 4, "ABCD", 1, &index, &child));  // no entries
  EncodeLE16(page.data() + 2, static_cast<uint16_t>(InteriorCapacity(4) + 1));
  EXPECT_FALSE(SearchInteriorPage(page.data(), 4, "ABCD", 1, &index, &child));
}

}  // namespace
}  // namespace xbase::cdx
