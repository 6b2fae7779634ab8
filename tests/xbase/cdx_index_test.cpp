// CompoundIndex: tags built, changed, reopened and walked, checked against a
// model of what each tag must hold.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <set>

#include "cdx_index.h"
#include "support/watched_env.h"

namespace xbase {
namespace {

using Entry = std::pair<std::string, uint32_t>;

TagDefinition Definition(const std::string& name, uint16_t key_length, bool character = true,
                         bool descending = false) {
  TagDefinition d;
  d.name = name;
  d.key_expression = "EXPR_" + name;
  d.key_length = key_length;
  d.character_keys = character;
  d.descending = descending;
  return d;
}

KeyBatch Batch(uint16_t key_length, const std::vector<Entry>& entries) {
  KeyBatch batch(key_length, entries.size());
  for (const auto& [key, recno] : entries) std::memcpy(batch.Append(recno), key.data(), key_length);
  batch.Sort();
  return batch;
}

std::vector<Entry> Walk(CompoundIndex* index, size_t tag, bool backward = false) {
  std::vector<Entry> out;
  auto cursor = index->NewCursor(tag);
  EXPECT_TRUE((backward ? cursor->Last() : cursor->First()).ok());
  while (cursor->Valid()) {
    out.emplace_back(std::string(cursor->key()), cursor->recno());
    Status s = backward ? cursor->Prev() : cursor->Next();
    EXPECT_TRUE(s.ok()) << s.ToString();
    if (!s.ok()) break;
  }
  return out;
}

// A key of `length` bytes: `text` padded with the tag's pad byte.
std::string Key(const std::string& text, uint16_t length, char pad = ' ') {
  std::string key = text.substr(0, length);
  key.resize(length, pad);
  return key;
}

class CdxIndexTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) {
      mem_ = NewMemEnv();
      env_ = mem_.get();
      path_ = "mem/TEST.CDX";
    } else {
      env_ = Env::Default();
      dir_ = std::filesystem::temp_directory_path() / ("xbase_cdx_test_" + std::to_string(::getpid()));
      std::filesystem::create_directories(dir_);
      path_ = (dir_ / "TEST.CDX").string();
    }
  }
  void TearDown() override {
    index_.reset();
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }

  void Create() { ASSERT_TRUE(CompoundIndex::Create(env_, path_, LockMode::kNone, &index_).ok()); }
  void Reopen(bool writable = true) {
    index_.reset();
    Status s = CompoundIndex::Open(env_, path_, writable, LockMode::kNone, &index_);
    ASSERT_TRUE(s.ok()) << s.ToString();
  }
  uint64_t FileSize() {
    std::unique_ptr<File> file;
    EXPECT_TRUE(env_->OpenFile(path_, false, LockMode::kNone, &file).ok());
    uint64_t size = 0;
    EXPECT_TRUE(file->Size(&size).ok());
    return size;
  }

  std::unique_ptr<Env> mem_;
  Env* env_ = nullptr;
  std::filesystem::path dir_;
  std::string path_;
  std::unique_ptr<CompoundIndex> index_;
};

TEST_P(CdxIndexTest, TagsSurviveReopenInCreationOrder) {
  Create();
  std::vector<Entry> names, numbers;
  for (uint32_t r = 1; r <= 3000; ++r) {
    names.emplace_back(Key("NAME" + std::to_string(r % 700), 20), r);  // duplicates
    std::string number(8, '\0');
    number[0] = static_cast<char>(0x80 | (r >> 8));
    number[1] = static_cast<char>(r);
    numbers.emplace_back(number, r);
  }
  ASSERT_TRUE(index_->CreateTag(Definition("ZNAME", 20), Batch(20, names), nullptr).ok());
  ASSERT_TRUE(index_->CreateTag(Definition("ANUM", 8, false), Batch(8, numbers), nullptr).ok());
  TagDefinition empty = Definition("MIDDLE", 5, true, true);
  empty.for_expression = "!DELETED()";
  empty.unique = true;
  ASSERT_TRUE(index_->CreateTag(empty, KeyBatch(5, 0), nullptr).ok());
  Reopen(false);

  ASSERT_EQ(index_->tag_count(), 3u);
  EXPECT_EQ(index_->tag(0).name, "ZNAME");
  EXPECT_EQ(index_->tag(1).name, "ANUM");
  EXPECT_EQ(index_->tag(2).name, "MIDDLE");
  EXPECT_EQ(index_->tag(0).key_expression, "EXPR_ZNAME");
  EXPECT_FALSE(index_->tag(1).character_keys);
  EXPECT_TRUE(index_->tag(2).descending);
  EXPECT_TRUE(index_->tag(2).unique);
  EXPECT_EQ(index_->tag(2).for_expression, "!DELETED()");
  EXPECT_EQ(index_->FindTag("anum"), 1);
  EXPECT_EQ(index_->FindTag("NONE"), -1);

  std::sort(names.begin(), names.end());
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(Walk(index_.get(), 0), names);
  EXPECT_EQ(Walk(index_.get(), 1), numbers);
  std::reverse(numbers.begin(), numbers.end());
  EXPECT_EQ(Walk(index_.get(), 1, true), numbers);
  EXPECT_TRUE(Walk(index_.get(), 2).empty());
  Status s = index_->CheckStructure();
  EXPECT_TRUE(s.ok()) << s.ToString();
  EXPECT_TRUE(index_->Insert(0, names[0].first, 99999).IsInvalidArgument());  // read-only
}

TEST_P(CdxIndexTest, CreateTagRejectsBadDefinitionsAndUnsortedKeys) {
  Create();
  EXPECT_TRUE(index_->CreateTag(Definition("", 4), KeyBatch(4, 0), nullptr).IsInvalidArgument());
  EXPECT_TRUE(index_->CreateTag(Definition("ELEVENCHARS", 4), KeyBatch(4, 0), nullptr).IsInvalidArgument());
  EXPECT_TRUE(index_->CreateTag(Definition("A B", 4), KeyBatch(4, 0), nullptr).IsInvalidArgument());
  EXPECT_TRUE(index_->CreateTag(Definition("LONG", 241), KeyBatch(241, 0), nullptr).IsInvalidArgument());
  EXPECT_TRUE(index_->CreateTag(Definition("MISMATCH", 4), KeyBatch(5, 0), nullptr).IsInvalidArgument());
  KeyBatch unsorted(4, 2);
  std::memcpy(unsorted.Append(1), "BBBB", 4);
  std::memcpy(unsorted.Append(2), "AAAA", 4);
  EXPECT_TRUE(index_->CreateTag(Definition("UNSORTED", 4), unsorted, nullptr).IsInvalidArgument());
  EXPECT_EQ(index_->tag_count(), 0u);
  ASSERT_TRUE(index_->CreateTag(Definition("lower", 4), KeyBatch(4, 0), nullptr).ok());
  EXPECT_EQ(index_->tag(0).name, "LOWER");
  EXPECT_TRUE(index_->CheckStructure().ok());
}

// Random inserts and deletes against a std::set model, for several key
// lengths and key shapes, with reopen in between.
struct ModelCase {
  uint16_t key_length;
  bool character;
  bool descending;
};

class CdxModelTest : public CdxIndexTest {
 protected:
  std::string RandomKey(std::mt19937* rng, uint16_t length, char pad) {
    std::string key(length, pad);
    int shape = (*rng)() % 4;
    size_t used = shape == 0 ? length : 1 + (*rng)() % length;
    for (size_t i = 0; i < used; ++i) key[i] = static_cast<char>('A' + (*rng)() % 3);  // long shared prefixes
    if (shape == 1) std::fill(key.begin(), key.begin() + used / 2, 'Q');
    if (shape == 2 && length > 1) key[length - 1] = static_cast<char>((*rng)() % 256);
    return key;
  }

  void RunModel(const ModelCase& c, int operations) {
    Create();
    const char pad = c.character ? ' ' : '\0';
    std::mt19937 rng(c.key_length * 7 + c.character);
    std::set<Entry> model;
    std::vector<Entry> initial;
    for (uint32_t r = 1; r <= 500; ++r) initial.emplace_back(RandomKey(&rng, c.key_length, pad), r);
    for (const auto& e : initial) model.insert(e);
    ASSERT_TRUE(index_->CreateTag(Definition("OTHER", 3), KeyBatch(3, 0), nullptr).ok());
    ASSERT_TRUE(index_->CreateTag(Definition("T", c.key_length, c.character, c.descending),
                                  Batch(c.key_length, initial), nullptr).ok());
    uint32_t next_recno = 501;
    for (int op = 0; op < operations; ++op) {
      const size_t tag = 1;
      if (model.empty() || rng() % 3 != 0) {
        // Duplicates of existing keys are common: pick one a third of the time.
        std::string key = (!model.empty() && rng() % 3 == 0)
                              ? std::next(model.begin(), rng() % model.size())->first
                              : RandomKey(&rng, c.key_length, pad);
        uint32_t recno = next_recno++;
        Status s = index_->Insert(tag, key, recno);
        ASSERT_TRUE(s.ok()) << s.ToString();
        model.emplace(key, recno);
      } else {
        auto it = std::next(model.begin(), rng() % model.size());
        Status s = index_->Delete(tag, it->first, it->second);
        ASSERT_TRUE(s.ok()) << s.ToString();
        EXPECT_TRUE(index_->Delete(tag, it->first, it->second).IsNotFound());
        model.erase(it);
      }
      if (op % 997 == 0) {
        Status s = index_->CheckStructure();
        ASSERT_TRUE(s.ok()) << "after " << op << ": " << s.ToString();
      }
      if (op == operations / 2) {
        ASSERT_TRUE(index_->Flush().ok());
        Reopen();
      }
    }
    ASSERT_TRUE(index_->Flush().ok());
    Reopen();
    Status s = index_->CheckStructure();
    ASSERT_TRUE(s.ok()) << s.ToString();
    std::vector<Entry> expected(model.begin(), model.end());
    if (c.descending) std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(Walk(index_.get(), 1), expected);
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(Walk(index_.get(), 1, true), expected);
    // Deleting everything leaves an empty, valid tag.
    for (const auto& [key, recno] : model) ASSERT_TRUE(index_->Delete(1, key, recno).ok());
    ASSERT_TRUE(index_->Flush().ok());
    EXPECT_TRUE(index_->CheckStructure().ok());
    EXPECT_TRUE(Walk(index_.get(), 1).empty());
  }
};

TEST_P(CdxModelTest, CharacterKeysOfTenBytes) { RunModel({10, true, false}, 6000); }
TEST_P(CdxModelTest, BinaryKeysOfEightBytes) { RunModel({8, false, false}, 6000); }
TEST_P(CdxModelTest, OneByteKeys) { RunModel({1, true, false}, 3000); }
TEST_P(CdxModelTest, LongKeysMakeDeepTrees) { RunModel({240, true, false}, 3000); }
TEST_P(CdxModelTest, DescendingTag) { RunModel({60, true, true}, 3000); }

TEST_P(CdxIndexTest, SeekFindsPrefixesAndEnds) {
  Create();
  std::vector<Entry> entries;
  for (uint32_t r = 0; r < 2000; ++r) entries.emplace_back(Key("K" + std::to_string(1000 + r / 2), 12), r + 1);
  ASSERT_TRUE(index_->CreateTag(Definition("K", 12), Batch(12, entries), nullptr).ok());
  ASSERT_TRUE(index_->CreateTag(Definition("KDESC", 12, true, true), Batch(12, entries), nullptr).ok());
  auto cursor = index_->NewCursor(0);

  ASSERT_TRUE(cursor->Seek(Key("K1500", 12)).ok());
  ASSERT_TRUE(cursor->Valid());
  EXPECT_EQ(cursor->key(), Key("K1500", 12));
  EXPECT_EQ(cursor->recno(), 1001u);  // the first of the duplicates
  ASSERT_TRUE(cursor->Seek("K151").ok());  // prefix
  EXPECT_EQ(cursor->key(), Key("K1510", 12));
  ASSERT_TRUE(cursor->Seek("K14995").ok());  // between keys
  EXPECT_EQ(cursor->key(), Key("K1500", 12));
  ASSERT_TRUE(cursor->Seek("A").ok());  // before the first
  EXPECT_EQ(cursor->recno(), 1u);
  ASSERT_TRUE(cursor->Seek("Z").ok());  // past the end
  EXPECT_FALSE(cursor->Valid());
  EXPECT_TRUE(cursor->Next().IsInvalidArgument());

  ASSERT_TRUE(cursor->SeekEntry(Key("K1500", 12), 1002).ok());
  EXPECT_EQ(cursor->recno(), 1002u);
  ASSERT_TRUE(cursor->Prev().ok());
  EXPECT_EQ(cursor->recno(), 1001u);
  EXPECT_TRUE(cursor->SeekEntry(Key("K1500", 12), 7).IsNotFound());
  EXPECT_FALSE(cursor->Valid());

  // Descending: the first entry (walking down) not above the key.
  auto down = index_->NewCursor(1);
  ASSERT_TRUE(down->Seek("K1500").ok());
  EXPECT_EQ(down->key(), Key("K1500", 12));
  EXPECT_EQ(down->recno(), 1002u);
  ASSERT_TRUE(down->Next().ok());
  EXPECT_EQ(down->recno(), 1001u);
  ASSERT_TRUE(down->Seek("Z").ok());
  EXPECT_EQ(down->recno(), 2000u);
  ASSERT_TRUE(down->Seek("A").ok());
  EXPECT_FALSE(down->Valid());
  ASSERT_TRUE(down->First().ok());
  EXPECT_EQ(down->recno(), 2000u);
  ASSERT_TRUE(down->Last().ok());
  EXPECT_EQ(down->recno(), 1u);
}

TEST_P(CdxIndexTest, DroppedAndDeletedPagesAreReused) {
  Create();
  std::vector<Entry> entries;
  for (uint32_t r = 1; r <= 5000; ++r) entries.emplace_back(Key(std::to_string(r * 7919 % 100000), 16), r);
  ASSERT_TRUE(index_->CreateTag(Definition("FIRST", 16), Batch(16, entries), nullptr).ok());
  ASSERT_TRUE(index_->CreateTag(Definition("SECOND", 16), Batch(16, entries), nullptr).ok());
  const uint64_t size = FileSize();
  ASSERT_TRUE(index_->DropTag("first").ok());
  EXPECT_TRUE(index_->DropTag("FIRST").IsNotFound());
  ASSERT_EQ(index_->tag_count(), 1u);
  ASSERT_TRUE(index_->CreateTag(Definition("THIRD", 16), Batch(16, entries), nullptr).ok());
  // Only the new header (and at most a page or two of directory) is added.
  EXPECT_LE(FileSize(), size + 4 * 512);
  Reopen();
  ASSERT_EQ(index_->tag_count(), 2u);
  EXPECT_EQ(index_->tag(0).name, "SECOND");
  EXPECT_EQ(index_->tag(1).name, "THIRD");
  EXPECT_TRUE(index_->CheckStructure().ok());

  // Emptying a tag by deletes frees its pages for the next inserts.
  for (const auto& [key, recno] : entries) ASSERT_TRUE(index_->Delete(0, key, recno).ok());
  ASSERT_TRUE(index_->Flush().ok());
  const uint64_t emptied = FileSize();
  for (const auto& [key, recno] : entries) ASSERT_TRUE(index_->Insert(1, key, recno + 10000).ok());
  ASSERT_TRUE(index_->Flush().ok());
  EXPECT_EQ(FileSize(), emptied);
  Status s = index_->CheckStructure();
  EXPECT_TRUE(s.ok()) << s.ToString();
}

TEST_P(CdxIndexTest, ReplacingATagKeepsOneOfThatName) {
  Create();
  ASSERT_TRUE(index_->CreateTag(Definition("A", 4), Batch(4, {{"AAAA", 1}}), nullptr).ok());
  ASSERT_TRUE(index_->CreateTag(Definition("B", 4), Batch(4, {{"BBBB", 1}}), nullptr).ok());
  ASSERT_TRUE(index_->CreateTag(Definition("A", 4), Batch(4, {{"CCCC", 2}}), nullptr).ok());
  Reopen();
  ASSERT_EQ(index_->tag_count(), 2u);
  EXPECT_EQ(index_->tag(1).name, "A");
  EXPECT_EQ(Walk(index_.get(), 1), (std::vector<Entry>{{"CCCC", 2}}));
}

TEST_P(CdxIndexTest, StampSurvivesFlushAndReopen) {
  Create();
  SyncStamp stamp;
  ASSERT_TRUE(index_->ReadStamp(&stamp).ok());
  EXPECT_EQ(stamp.record_count, 0u);
  stamp = {123456, 0x0123456789ABCDEFull, true};
  ASSERT_TRUE(index_->WriteStamp(stamp).ok());
  ASSERT_TRUE(index_->CreateTag(Definition("A", 4), Batch(4, {{"AAAA", 1}}), nullptr).ok());
  ASSERT_TRUE(index_->Insert(0, "BBBB", 2).ok());
  ASSERT_TRUE(index_->Flush().ok());
  Reopen();
  SyncStamp read;
  ASSERT_TRUE(index_->ReadStamp(&read).ok());
  EXPECT_EQ(read.record_count, 123456u);
  EXPECT_EQ(read.table_change_stamp, 0x0123456789ABCDEFull);
  EXPECT_TRUE(read.writing);
  EXPECT_TRUE(index_->CheckStructure().ok());
}

TEST_P(CdxIndexTest, BulkTagsHoldManyLevels) {
  Create();
  std::vector<Entry> entries;
  std::mt19937 rng(5);
  for (uint32_t r = 1; r <= 20000; ++r) {
    std::string key(100, ' ');
    for (int i = 0; i < 12; ++i) key[i] = static_cast<char>('A' + rng() % 26);
    entries.emplace_back(key, r);
  }
  int last_percent = -1;
  ASSERT_TRUE(index_->CreateTag(Definition("BIG", 100), Batch(100, entries),
                                [&](int percent) { last_percent = percent; }).ok());
  EXPECT_EQ(last_percent, 100);
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(Walk(index_.get(), 0), entries);
  for (size_t i = 0; i < entries.size(); i += 37) {
    auto cursor = index_->NewCursor(0);
    ASSERT_TRUE(cursor->SeekEntry(entries[i].first, entries[i].second).ok());
  }
  EXPECT_TRUE(index_->CheckStructure().ok());
}

// Keys of one record inserted into several tags at once end up where
// inserting them tag by tag puts them, through splits, new roots, reopening
// and keys of the wrong length.
TEST_P(CdxIndexTest, InsertAllGivesWhatInsertingOneByOneGives) {
  Create();
  const std::vector<std::pair<uint16_t, char>> shapes = {{10, ' '}, {4, '\0'}, {1, ' '}, {120, ' '}};
  std::mt19937 rng(11);
  auto random_key = [&](uint16_t length, char pad) {
    std::string key(length, pad);
    const size_t used = 1 + rng() % std::min<size_t>(length, 6);
    for (size_t i = 0; i < used; ++i) key[i] = static_cast<char>('A' + rng() % (length == 1 ? 2 : 8));
    return key;
  };
  const size_t n = shapes.size();
  for (size_t t = 0; t < n; ++t) {
    std::vector<Entry> initial;
    for (uint32_t r = 1; r <= 2000; ++r) initial.emplace_back(random_key(shapes[t].first, shapes[t].second), r);
    const bool character = shapes[t].second == ' ';
    for (const std::string& name : {"ALL" + std::to_string(t), "ONE" + std::to_string(t)}) {
      ASSERT_TRUE(index_->CreateTag(Definition(name, shapes[t].first, character),
                                    Batch(shapes[t].first, initial), nullptr).ok());
    }
  }
  for (uint32_t r = 2001; r <= 5000; ++r) {
    std::vector<std::string> keys;
    std::vector<CompoundIndex::TagKey> together;
    for (size_t t = 0; t < n; ++t) keys.push_back(random_key(shapes[t].first, shapes[t].second));
    for (size_t t = 0; t < n; ++t) together.push_back({2 * t, keys[t]});
    Status s = index_->InsertAll(together, r);
    ASSERT_TRUE(s.ok()) << s.ToString();
    for (size_t t = 0; t < n; ++t) ASSERT_TRUE(index_->Insert(2 * t + 1, keys[t], r).ok());
    if (r == 3500) {
      ASSERT_TRUE(index_->Flush().ok());
      Reopen();
    }
  }
  ASSERT_TRUE(index_->CheckStructure().ok());
  for (size_t t = 0; t < n; ++t) EXPECT_EQ(Walk(index_.get(), 2 * t), Walk(index_.get(), 2 * t + 1)) << t;

  const std::vector<CompoundIndex::TagKey> short_key = {{0, "ABC"}};
  EXPECT_TRUE(index_->InsertAll(short_key, 9999).IsInvalidArgument());
  const std::vector<CompoundIndex::TagKey> no_such_tag = {{2 * n, "ABC"}};
  EXPECT_FALSE(index_->InsertAll(no_such_tag, 9999).ok());
  EXPECT_TRUE(index_->CheckStructure().ok());
}

INSTANTIATE_TEST_SUITE_P(MemoryAndDisk, CdxIndexTest, ::testing::Bool());
INSTANTIATE_TEST_SUITE_P(MemoryAndDisk, CdxModelTest, ::testing::Bool());

TEST(CdxKeyBatchTest, SortOrdersByKeyThenRecordNumber) {
  for (uint16_t length : {1, 3, 8, 9, 30}) {
    std::mt19937 rng(length);
    KeyBatch batch(length, 0);
    std::vector<Entry> model;
    for (uint32_t i = 0; i < 20000; ++i) {
      std::string key(length, 'A');
      for (auto& c : key) c = static_cast<char>(rng() % 4 == 0 ? 0xE9 : 'A' + rng() % 3);
      uint32_t recno = rng() % 50000;
      std::memcpy(batch.Append(recno), key.data(), length);
      model.emplace_back(key, recno);
    }
    batch.Sort();
    // memcmp order: compare as unsigned bytes.
    std::sort(model.begin(), model.end(), [](const Entry& a, const Entry& b) {
      int c = std::memcmp(a.first.data(), b.first.data(), a.first.size());
      return c != 0 ? c < 0 : a.second < b.second;
    });
    ASSERT_EQ(batch.size(), model.size());
    for (size_t i = 0; i < model.size(); ++i) {
      ASSERT_EQ(batch.key(i), model[i].first) << "length " << length << " at " << i;
      ASSERT_EQ(batch.recno(i), model[i].second);
    }
    // An entry appended after sorting comes last until the next Sort.
    std::memset(batch.Append(7), 0, length);
    EXPECT_EQ(batch.recno(batch.size() - 1), 7u);
    EXPECT_EQ(batch.key(batch.size() - 1), std::string(length, '\0'));
    batch.Sort();
    EXPECT_EQ(batch.key(0), std::string(length, '\0'));
  }
}

TEST(CdxWriteFailureTest, FailedFlushKeepsChangesForTheNextOne) {
  WatchedEnv env;
  std::unique_ptr<CompoundIndex> index;
  ASSERT_TRUE(CompoundIndex::Create(&env, "F.CDX", LockMode::kNone, &index).ok());
  std::vector<Entry> entries;
  for (uint32_t r = 1; r <= 2000; ++r) entries.emplace_back(Key("N" + std::to_string(r * 13 % 2000), 10), r);
  ASSERT_TRUE(index->CreateTag(Definition("N", 10), Batch(10, entries), nullptr).ok());
  for (uint32_t r = 2001; r <= 3000; ++r) {
    entries.emplace_back(Key("M" + std::to_string(r), 10), r);
    ASSERT_TRUE(index->Insert(0, entries.back().first, r).ok());
  }
  env.fail_writes = true;
  EXPECT_TRUE(index->Flush().IsIOError());
  env.fail_writes = false;
  ASSERT_TRUE(index->Flush().ok());
  index.reset();
  ASSERT_TRUE(CompoundIndex::Open(&env, "F.CDX", false, LockMode::kNone, &index).ok());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(Walk(index.get(), 0), entries);
  EXPECT_TRUE(index->CheckStructure().ok());
}

}  // namespace
}  // namespace xbase
