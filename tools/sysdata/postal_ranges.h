// Postal-code ranges per state or province, the content of CSZ.DBF, and
// the small CSV files they are kept in (data/csz/).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"

namespace sysdata {

inline constexpr size_t kRegionNameWidth = 20;

// Codes from `low` to `high`, both included, compared as text. US ranges
// are 5-digit ZIP codes; Canadian ones the 3-character first part of a
// postal code ("K0A".."P9Z"). A state's first range is its main one.
struct PostalRange {
  std::string state;  // postal abbreviation: "MA", "ON"
  std::string name;   // UTF-8, at most kRegionNameWidth characters
  std::string low;
  std::string high;
};

// A state or province as named in data/csz/states.csv.
struct RegionName {
  std::string state;
  std::string name;
};

// Whether `code` is a 5-digit ZIP code or a 3-character Canadian prefix.
bool IsZipCode(std::string_view code);
bool IsCanadianPrefix(std::string_view code);

// Parses "state,name,low,high" lines after a header line; blank lines and
// lines starting with '#' are skipped. Every range is checked: a known code
// form, low not above high, a name that fits the table.
xbase::Status ParseRangesCsv(std::string_view text, std::vector<PostalRange>* ranges);
std::string FormatRangesCsv(const std::vector<PostalRange>& ranges, std::string_view comment);

// Parses "state,name" lines after a header line, with the same checks.
xbase::Status ParseRegionNamesCsv(std::string_view text, std::vector<RegionName>* names);

}  // namespace sysdata
