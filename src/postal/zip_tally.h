// The tally of a presort: for every distinct ZIP key, how many records
// carry it. Five-digit keys, nearly all of them, are counted in a table
// indexed by their value; other keys (shorter ones, or with a '-' or a
// letter after the first digit) in an ordered map.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

struct TallyRecord {
  std::string key;
  uint32_t count = 0;

  bool operator==(const TallyRecord&) const = default;
};

class ZipTally {
 public:
  ZipTally();

  // Counts one record. REQUIRES: IsUsZipKey(key).
  void Add(std::string_view key);

  // Every key with its count, in ascending ordinal (byte-wise) order:
  // the lists of the first digits 0 to 9, one after the other.
  std::vector<TallyRecord> SortedRecords() const;

  // Records counted so far.
  uint64_t total() const { return total_; }

 private:
  static constexpr uint32_t kFiveDigitKeys = 100000;

  std::vector<uint32_t> five_digit_counts_;
  std::map<std::string, uint32_t, std::less<>> other_counts_;
  uint64_t total_ = 0;
};

}  // namespace vellumo
