// Counting ZIP keys and listing them in order.
#include "postal/zip_tally.h"


#include "postal/zip_key.h"

namespace vellumo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a key of five digits, or -1 for any other key.
int FiveDigitValue(std::string_view key) {
  if (key.size() != kZipKeyLength) return -1;
  int value = 0;
  for (char c : key) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string FiveDigitKey(uint32_t value) {
  std::string key(kZipKeyLength, '0');
  for (size_t i = kZipKeyLength; i-- > 0; value /= 10) key[i] = static_cast<char>('0' + value % 10);
  return key;
}

}  // namespace

ZipTally::ZipTally() : five_digit_counts_(kFiveDigitKeys, 0) {}

void ZipTally::Add(std::string_view key) {
  ++total_;
  const int value = FiveDigitValue(key);
  if (value >= 0) {
    ++five_digit_counts_[static_cast<size_t>(value)];
    return;
  }
  auto it = other_counts_.find(key);
  if (it == other_counts_.end()) {
    other_counts_.emplace(std::string(key), 1);
  } else {
    ++it->second;
  }
}

std::vector<TallyRecord> ZipTally::SortedRecords() const {
  // Index order of five-digit keys is their ordinal order; the map's is
  // too (std::string compares as unsigned bytes). Merging keeps it.
  std::vector<TallyRecord> five;
  for (uint32_t value = 0; value < kFiveDigitKeys; ++value) {
    if (five_digit_counts_[value] > 0) five.push_back({FiveDigitKey(value), five_digit_counts_[value]});
  }
  std::vector<TallyRecord> merged;
  merged.reserve(five.size() + other_counts_.size());
  auto other = other_counts_.begin();
  for (TallyRecord& record : five) {
    for (; other != other_counts_.end() && other->first < record.key; ++other) {
      merged.push_back({other->first, other->second});
    }
    merged.push_back(std::move(record));
  }
  for (; other != other_counts_.end(); ++other) merged.push_back({other->first, other->second});
  return merged;
}

}  // namespace vellumo
