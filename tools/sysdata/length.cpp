// Unit conversion for template lengths.
#include "length.h"

#include <charconv>
#include <cmath>
#include <string>

namespace sysdata {
namespace {

struct Unit {
  std::string_view suffix;
  double inches;
};

constexpr double kPointsPerInch = 72.0;
constexpr Unit kUnits[] = {
    {"pt", 1.0 / kPointsPerInch},
    {"in", 1.0},
    {"mm", 1.0 / 25.4},
    {"cm", 1.0 / 2.54},
    {"pc", 12.0 / kPointsPerInch},
};

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

xbase::Status ParseLength(std::string_view text, double* inches) {
  std::string_view s = TrimBlanks(text);
  double per_unit = 1.0 / kPointsPerInch;
  for (const Unit& unit : kUnits) {
    if (s.size() > unit.suffix.size() && s.ends_with(unit.suffix)) {
      per_unit = unit.inches;
      s = TrimBlanks(s.substr(0, s.size() - unit.suffix.size()));
      break;
    }
  }
  double value = 0;
  const char* end = s.data() + s.size();
  auto [ptr, ec] = std::from_chars(s.data(), end, value);
  if (s.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
    std::string message(1, '\'');
    message.append(text);
    message += "' is not a length (a number with pt, in, mm, cm or pc)";
    return xbase::Status::InvalidArgument(message);
  }
  *inches = value * per_unit;
  return xbase::Status::OK();
}

}  // namespace sysdata
