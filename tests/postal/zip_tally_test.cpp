// The tally: counts per key and the ascending ordinal order, checked on a
// million generated keys against a plain ordered map.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "postal/zip_key.h"
#include "postal/zip_tally.h"

namespace vellumo {
namespace {

// Mostly five-digit keys, with the other forms that pass the tests mixed
// in: shorter keys, signs and letters after the first digit, high bytes.
std::string GeneratedKey(std::mt19937& rng) {
  static const char kOddBytes[] = "-A /\xE9";
  const uint32_t kind = rng() % 10;
  std::string key = std::to_string(rng() % 10);
  const size_t length = kind == 0 ? 1 + rng() % 4 : 5;
  while (key.size() < length) {
    if (kind == 1 && rng() % 3 == 0) {
      key += kOddBytes[rng() % (sizeof kOddBytes - 1)];
    } else {
      key += static_cast<char>('0' + rng() % 10);
    }
  }
  return key;
}

TEST(ZipTallyTest, AMillionKeysCountAndSortAsAnOrderedMapDoes) {
  std::mt19937 rng(20261211);
  ZipTally tally;
  std::map<std::string, uint32_t> expected;
  uint64_t added = 0;
  for (int i = 0; i < 1000000; ++i) {
    const std::string key = GeneratedKey(rng);
    if (!IsUsZipKey(key)) continue;
    tally.Add(key);
    ++expected[key];
    ++added;
  }
  EXPECT_EQ(tally.total(), added);
  const std::vector<TallyRecord> sorted = tally.SortedRecords();
  ASSERT_EQ(sorted.size(), expected.size());
  size_t i = 0;
  for (const auto& [key, count] : expected) {
    ASSERT_EQ(sorted[i], (TallyRecord{key, count})) << "at " << i;
    ++i;
  }
}

TEST(ZipTallyTest, ShorterAndOddKeysSortAmongFiveDigitOnesByteByByte) {
  ZipTally tally;
  for (const char* key : {"12345", "1235", "123", "12", "12-34", "12345", "1\xE9", "09999", "1"}) tally.Add(key);
  const std::vector<TallyRecord> expected = {{"09999", 1}, {"1", 1},    {"12", 1},   {"12-34", 1}, {"123", 1},
                                             {"12345", 2}, {"1235", 1}, {"1\xE9", 1}};
  EXPECT_EQ(tally.SortedRecords(), expected);
  EXPECT_EQ(tally.total(), 9u);
}

TEST(ZipTallyTest, AnEmptyTallyListsNothing) { EXPECT_TRUE(ZipTally().SortedRecords().empty()); }

}  // namespace
}  // namespace vellumo
