// Bulk building: tag images encoded from sorted keys and placed in a file
// (at its end or on free pages) must walk back as exactly the entries given,
// pass the structure check, and reject keys out of order; the key sort must
// match a model for keys that share long prefixes and repeat.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "cdx_index.h"

namespace xbase {
namespace {

using Entry = std::pair<std::string, uint32_t>;

TagDefinition Definition(const std::string& name, uint16_t key_length, bool character) {
  TagDefinition d;
  d.name = name;
  d.key_expression = name;
  d.key_length = key_length;
  d.character_keys = character;
  return d;
}

bool EntryLess(const Entry& a, const Entry& b) {
  int c = std::memcmp(a.first.data(), b.first.data(), a.first.size());
  return c != 0 ? c < 0 : a.second < b.second;
}

// Entries of `count` keys from a small alphabet, so that prefixes are shared
// and keys repeat; short keys are padded, as expressions pad them.
std::vector<Entry> MakeEntries(size_t count, uint16_t length, char pad, uint32_t first_recno, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<Entry> entries;
  for (size_t i = 0; i < count; ++i) {
    std::string key(length, pad);
    const size_t used = rng() % (length + 1u);
    for (size_t c = 0; c < used; ++c) key[c] = static_cast<char>("AB\xE9"[rng() % 3]);
    entries.emplace_back(key, first_recno + static_cast<uint32_t>(i) * 3);
  }
  return entries;
}

KeyBatch SortedBatch(uint16_t length, const std::vector<Entry>& entries) {
  KeyBatch batch(length, entries.size());
  for (const auto& [key, recno] : entries) std::memcpy(batch.Append(recno), key.data(), length);
  batch.Sort();
  return batch;
}

std::vector<Entry> Walk(CompoundIndex* index, size_t tag) {
  std::vector<Entry> out;
  auto cursor = index->NewCursor(tag);
  EXPECT_TRUE(cursor->First().ok());
  while (cursor->Valid()) {
    out.emplace_back(std::string(cursor->key()), cursor->recno());
    if (!cursor->Next().ok()) break;
  }
  return out;
}

class CdxBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_ = NewMemEnv();
    ASSERT_TRUE(CompoundIndex::Create(env_.get(), "T.CDX", LockMode::kExclusive, &index_).ok());
  }

  // Builds tag `name` from `entries` through an image and expects it to hold exactly them.
  void BuildAndCheck(const std::string& name, uint16_t length, bool character, std::vector<Entry> entries) {
    KeyBatch batch = SortedBatch(length, entries);
    TagImage image;
    ASSERT_TRUE(TagImage::Encode(batch, character, &image).ok());
    ASSERT_GE(image.page_count(), 1u);
    ASSERT_TRUE(index_->CreateTag(Definition(name, length, character), &image, nullptr).ok());
    std::sort(entries.begin(), entries.end(), EntryLess);
    EXPECT_EQ(Walk(index_.get(), index_->FindTag(name)), entries) << name;
    Status s = index_->CheckStructure();
    EXPECT_TRUE(s.ok()) << s.ToString();
  }

  std::unique_ptr<Env> env_;
  std::unique_ptr<CompoundIndex> index_;
};

TEST_F(CdxBuilderTest, ImagesWalkBackAsTheirEntries) {
  struct Case {
    uint16_t length;
    bool character;
    size_t count;
    uint32_t first_recno;  // large ones widen the leaf entries
  };
  const Case cases[] = {{1, true, 0, 1},       {1, true, 5000, 1},          {7, false, 20000, 1},
                        {8, true, 30000, 1u << 20}, {30, true, 12000, 1},   {60, true, 8000, 0x3FFFFFFF},
                        {240, false, 600, 1},  {240, true, 1, 0xFFFFFFFF}};
  for (const Case& c : cases) {
    const char pad = c.character ? ' ' : '\0';
    std::vector<Entry> entries = MakeEntries(c.count, c.length, pad, c.first_recno, c.length);
    if (c.first_recno == 0xFFFFFFFF) entries = {{std::string(c.length, 'Z'), c.first_recno}};
    BuildAndCheck("T" + std::to_string(c.length) + (c.character ? "C" : "B") + std::to_string(c.count), c.length,
                  c.character, entries);
  }
  // Reopened, every tag reads the same.
  const size_t tags = index_->tag_count();
  std::vector<std::vector<Entry>> before;
  for (size_t t = 0; t < tags; ++t) before.push_back(Walk(index_.get(), t));
  index_.reset();
  ASSERT_TRUE(CompoundIndex::Open(env_.get(), "T.CDX", true, LockMode::kExclusive, &index_).ok());
  ASSERT_EQ(index_->tag_count(), tags);
  for (size_t t = 0; t < tags; ++t) EXPECT_EQ(Walk(index_.get(), t), before[t]);
  EXPECT_TRUE(index_->CheckStructure().ok());
}

TEST_F(CdxBuilderTest, SmallTreesReuseFreePagesAndStayMaintainable) {
  BuildAndCheck("BIG", 20, true, MakeEntries(20000, 20, ' ', 1, 1));
  ASSERT_TRUE(index_->DropTag("BIG").ok());
  BuildAndCheck("SMALL", 20, true, MakeEntries(3000, 20, ' ', 1, 2));
  BuildAndCheck("OTHER", 4, false, MakeEntries(3000, 4, '\0', 1, 3));
  // A tree placed on scattered free pages takes inserts and deletes like any other.
  std::vector<Entry> model = Walk(index_.get(), 0);
  for (uint32_t i = 0; i < 2000; ++i) {
    std::string key(20, ' ');
    key[0] = static_cast<char>('A' + i % 26);
    key[1] = static_cast<char>('A' + i % 7);
    ASSERT_TRUE(index_->Insert(0, key, 100000 + i).ok());
    model.emplace_back(key, 100000 + i);
  }
  ASSERT_TRUE(index_->Delete(0, model[5].first, model[5].second).ok());
  model.erase(model.begin() + 5);
  ASSERT_TRUE(index_->Flush().ok());
  std::sort(model.begin(), model.end(), EntryLess);
  EXPECT_EQ(Walk(index_.get(), 0), model);
  EXPECT_TRUE(index_->CheckStructure().ok());
}

TEST_F(CdxBuilderTest, EncodingRejectsKeysOutOfOrder) {
  auto encode = [](uint16_t length, const std::vector<Entry>& entries) {
    KeyBatch batch(length, entries.size());  // deliberately not sorted
    for (const auto& [key, recno] : entries) std::memcpy(batch.Append(recno), key.data(), length);
    TagImage image;
    return TagImage::Encode(batch, true, &image);
  };
  EXPECT_TRUE(encode(4, {{"AB  ", 1}, {"AB  ", 2}, {"AC  ", 1}}).ok());
  EXPECT_TRUE(encode(4, {{"AB  ", 2}, {"AB  ", 1}}).IsInvalidArgument());       // record numbers out of order
  EXPECT_TRUE(encode(4, {{"AB  ", 2}, {"AB  ", 2}}).IsInvalidArgument());       // a repeated entry
  EXPECT_TRUE(encode(4, {{"AC  ", 1}, {"AB  ", 2}}).IsInvalidArgument());       // keys out of order
  EXPECT_TRUE(encode(4, {{"AB! ", 1}, {"AB  ", 2}}).IsInvalidArgument());       // differs inside the padding
  EXPECT_TRUE(encode(4, {{"AB\x01 ", 1}, {"AB  ", 2}, {"AB! ", 2}, {"AB!!", 3}}).ok());
}

TEST(CdxKeyBatchSortTest, LongSharedPrefixesAndAscendingRecordNumbers) {
  // Record numbers appended in ascending order (as scans append them) take
  // the stable path; descending ones must still come out ascending.
  for (bool ascending : {true, false}) {
    for (uint16_t length : {2, 16, 17, 100}) {
      std::vector<Entry> model = MakeEntries(30000, length, ' ', 1, length);
      if (!ascending) std::reverse(model.begin(), model.end());
      KeyBatch batch = SortedBatch(length, model);
      std::sort(model.begin(), model.end(), EntryLess);
      ASSERT_EQ(batch.size(), model.size());
      for (size_t i = 0; i < model.size(); ++i) {
        ASSERT_EQ(batch.key(i), model[i].first) << "length " << length << " at " << i;
        ASSERT_EQ(batch.recno(i), model[i].second) << "length " << length << " at " << i;
      }
    }
  }
}

}  // namespace
}  // namespace xbase
