// The CSV forms of postal ranges and region names, with their checks.
#include "postal_ranges.h"

#include <algorithm>

#include "xbase/codepage.h"

namespace sysdata {
namespace {

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Data lines split at commas, each checked to have `columns` fields, with
// their line numbers. The first data line is the header and is dropped.
struct CsvLine {
  size_t number;
  std::vector<std::string> fields;
};

xbase::Status SplitCsv(std::string_view text, size_t columns, std::vector<CsvLine>* lines) {
  bool header_seen = false;
  size_t number = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (!header_seen) {
      header_seen = true;
      continue;
    }
    CsvLine parsed{number, {}};
    for (size_t start = 0;;) {
      size_t comma = line.find(',', start);
      parsed.fields.emplace_back(line.substr(start, comma - start));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
    if (parsed.fields.size() != columns) {
      return xbase::Status::InvalidArgument("line " + std::to_string(number) + ": " +
                                            std::to_string(parsed.fields.size()) + " fields, not " +
                                            std::to_string(columns));
    }
    lines->push_back(std::move(parsed));
  }
  return xbase::Status::OK();
}

xbase::Status CheckRegion(const std::string& state, const std::string& name) {
  if (state.size() < 2 || state.size() > 4 ||
      !std::all_of(state.begin(), state.end(), IsUpperLetter)) {
    return xbase::Status::InvalidArgument("'" + state + "' is not a state code (2 to 4 capitals)");
  }
  const size_t width = xbase::Utf8ToWindows1252(name).size();
  if (width == 0 || width > kRegionNameWidth) {
    return xbase::Status::InvalidArgument("the name of " + state + " must have 1 to " +
                                          std::to_string(kRegionNameWidth) + " characters");
  }
  return xbase::Status::OK();
}

xbase::Status CheckRange(const PostalRange& r) {
  XBASE_RETURN_IF_ERROR(CheckRegion(r.state, r.name));
  const bool zip = IsZipCode(r.low) && IsZipCode(r.high);
  const bool canadian = IsCanadianPrefix(r.low) && IsCanadianPrefix(r.high);
  if (!zip && !canadian) {
    return xbase::Status::InvalidArgument(r.low + ".." + r.high +
                                          " are not two ZIP codes or two Canadian prefixes");
  }
  if (r.low > r.high) return xbase::Status::InvalidArgument(r.low + " is above " + r.high);
  return xbase::Status::OK();
}

}  // namespace

bool IsZipCode(std::string_view code) {
  return code.size() == 5 && std::all_of(code.begin(), code.end(), IsDigit);
}

bool IsCanadianPrefix(std::string_view code) {
  return code.size() == 3 && IsUpperLetter(code[0]) && IsDigit(code[1]) && IsUpperLetter(code[2]);
}

xbase::Status ParseRangesCsv(std::string_view text, std::vector<PostalRange>* ranges) {
  std::vector<CsvLine> lines;
  XBASE_RETURN_IF_ERROR(SplitCsv(text, 4, &lines));
  std::vector<PostalRange> parsed;
  for (const CsvLine& line : lines) {
    PostalRange r{line.fields[0], line.fields[1], line.fields[2], line.fields[3]};
    xbase::Status s = CheckRange(r);
    if (!s.ok()) return s.WithContext("line " + std::to_string(line.number));
    parsed.push_back(std::move(r));
  }
  *ranges = std::move(parsed);
  return xbase::Status::OK();
}

std::string FormatRangesCsv(const std::vector<PostalRange>& ranges, std::string_view comment) {
  std::string text;
  if (!comment.empty()) text += "# " + std::string(comment) + "\n";
  text += "state,name,low,high\n";
  for (const PostalRange& r : ranges) {
    text += r.state + "," + r.name + "," + r.low + "," + r.high + "\n";
  }
  return text;
}

xbase::Status ParseRegionNamesCsv(std::string_view text, std::vector<RegionName>* names) {
  std::vector<CsvLine> lines;
  XBASE_RETURN_IF_ERROR(SplitCsv(text, 2, &lines));
  std::vector<RegionName> parsed;
  for (const CsvLine& line : lines) {
    RegionName n{line.fields[0], line.fields[1]};
    xbase::Status s = CheckRegion(n.state, n.name);
    if (!s.ok()) return s.WithContext("line " + std::to_string(line.number));
    parsed.push_back(std::move(n));
  }
  *names = std::move(parsed);
  return xbase::Status::OK();
}

}  // namespace sysdata
