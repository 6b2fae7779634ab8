// Arranging counted ZIP keys into the lines of a presort list: 5-digit
// groups, 3-digit groups, groups by ADC, then the keys no ADC takes.
//
// A key with at least kMinimumGroup records forms a 5-digit group. The
// remaining keys are taken in runs that share their first three
// characters; a run with at least kMinimumGroup records in all forms a
// 3-digit group. The keys left over go to the first ADC entry that serves
// their prefix, in table order, and the rest follow "** Unknown".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "postal/zip_tally.h"

namespace vellumo {

inline constexpr uint32_t kMinimumGroup = 10;

inline constexpr std::string_view kFiveDigitSeparator = "** 5-digit ";
inline constexpr std::string_view kThreeDigitSeparator = "** 3-digit ";
inline constexpr std::string_view kAdcSeparator = "** ADC ";
inline constexpr std::string_view kUnknownSeparator = "** Unknown";
// Every line holding this is a separator; every other line is a key.
inline constexpr std::string_view kSeparatorMark = "**";

// The list's lines for `sorted`. REQUIRES: keys distinct, in ascending
// ordinal order (as ZipTally::SortedRecords gives them).
std::vector<std::string> PresortLines(const std::vector<TallyRecord>& sorted);

}  // namespace vellumo
