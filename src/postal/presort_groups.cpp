// The grouping of a presort.
#include "postal/presort_groups.h"

#include <array>

#include "postal/adc_table.h"

namespace vellumo {
namespace {

std::string_view ThreeDigitPrefix(std::string_view key) { return key.substr(0, 3); }

void AppendSeparator(std::vector<std::string>* lines, std::string_view separator, std::string_view text) {
  std::string line(separator);
  line += text;
  lines->push_back(std::move(line));
}

}  // namespace

std::vector<std::string> PresortLines(const std::vector<TallyRecord>& sorted) {
  std::vector<std::string> lines;
  // 5-digit groups; the other keys stay in order for the 3-digit stage.
  std::vector<const TallyRecord*> remaining;
  for (const TallyRecord& record : sorted) {
    if (record.count >= kMinimumGroup) {
      AppendSeparator(&lines, kFiveDigitSeparator, record.key);
      lines.push_back(record.key);
    } else {
      remaining.push_back(&record);
    }
  }

  // 3-digit groups over runs of one prefix.
  std::vector<const TallyRecord*> rest;
  for (size_t first = 0; first < remaining.size();) {
    const std::string_view prefix = ThreeDigitPrefix(remaining[first]->key);
    size_t end = first;
    uint64_t total = 0;
    for (; end < remaining.size() && ThreeDigitPrefix(remaining[end]->key) == prefix; ++end) {
      total += remaining[end]->count;
    }
    if (total >= kMinimumGroup) {
      AppendSeparator(&lines, kThreeDigitSeparator, prefix);
      for (size_t i = first; i < end; ++i) lines.push_back(remaining[i]->key);
    } else {
      rest.insert(rest.end(), remaining.begin() + static_cast<std::ptrdiff_t>(first),
                  remaining.begin() + static_cast<std::ptrdiff_t>(end));
    }
    first = end;
  }

  // ADC groups in table order, each keeping the order of the rest.
  std::array<std::vector<const TallyRecord*>, kAdcEntryCount> by_entry;
  std::vector<const TallyRecord*> unknown;
  for (const TallyRecord* record : rest) {
    const int entry = AdcEntryIndex(record->key);
    (entry < 0 ? unknown : by_entry[static_cast<size_t>(entry)]).push_back(record);
  }
  for (size_t e = 0; e < kAdcEntryCount; ++e) {
    if (by_entry[e].empty()) continue;
    AppendSeparator(&lines, kAdcSeparator, AdcTable()[e].name);
    for (const TallyRecord* record : by_entry[e]) lines.push_back(record->key);
  }
  if (!unknown.empty()) {
    lines.emplace_back(kUnknownSeparator);
    for (const TallyRecord* record : unknown) lines.push_back(record->key);
  }
  return lines;
}

}  // namespace vellumo
