// Maker codes and stock descriptions.
#include "stock_naming.h"

#include <cctype>

#include "stock.h"
#include "xbase/codepage.h"

namespace sysdata {
namespace {

struct ShortMaker {
  std::string_view brand;
  std::string_view code;
};

// Brands longer than the maker field, with the code chosen for each.
constexpr ShortMaker kShortMakers[] = {
    {"Online Labels", "ONLINE LBL"},   {"SheetLabels", "SHEETLBLS"},
    {"Your Design", "YOURDESIGN"},     {"Micro Application", "MICRO APP"},
    {"Imation-SoniX", "IMATION"},      {"Great Gizmos", "GR. GIZMOS"},
    {"Cable Label Co", "CABLELABEL"},  {"Best Office", "BESTOFFICE"},
};

std::string UpperAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string_view WithoutTrailingLabels(std::string_view kind) {
  for (std::string_view word : {" labels", " label"}) {
    if (kind.size() > word.size()) {
      std::string tail = UpperAscii(std::string(kind.substr(kind.size() - word.size())));
      if (tail == UpperAscii(std::string(word))) return kind.substr(0, kind.size() - word.size());
    }
  }
  return kind;
}

std::string TrimBlanks(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first);
}

}  // namespace

std::string MakerCode(std::string_view brand) {
  for (const ShortMaker& m : kShortMakers) {
    if (m.brand == brand) return std::string(m.code);
  }
  std::string code = UpperAscii(xbase::Utf8ToWindows1252(brand));
  return code.substr(0, kMakerWidth);
}

std::string StockDescription(std::string_view brand, std::string_view part,
                             std::string_view description) {
  std::string name = TrimBlanks(xbase::Utf8ToWindows1252(brand)) + " " +
                     TrimBlanks(xbase::Utf8ToWindows1252(part));
  std::string kind = TrimBlanks(xbase::Utf8ToWindows1252(WithoutTrailingLabels(description)));
  if (kind.empty()) return name.substr(0, kDescriptionWidth);
  return TrimBlanks((name + "  " + kind).substr(0, kDescriptionWidth));
}

}  // namespace sysdata
