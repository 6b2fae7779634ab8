// Rules that classify a template for the catalogue.
#include "stock_classes.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <regex>

namespace sysdata {
namespace {

constexpr double kPaperTolerance = 0.05;

struct NamedPaper {
  const char* code;
  double width;
  double height;
};

constexpr double kMillimetre = 1 / 25.4;
constexpr NamedPaper kNamedPapers[] = {
    {"LTR", 8.5, 11.0},
    {"LTRL", 11.0, 8.5},
    {"A4", 210 * kMillimetre, 297 * kMillimetre},
    {"A4L", 297 * kMillimetre, 210 * kMillimetre},
    {"A5", 148 * kMillimetre, 210 * kMillimetre},
};

constexpr const char* kAddress = "ADDRESS/SHIPPING LABELS";
constexpr const char* kCards = "CARD PRODUCTS";
constexpr const char* kDiskettes = "DISKETTE LABELS";
constexpr const char* kFolders = "FILE FOLDER LABELS";
constexpr const char* kIndex = "INDEX PRODUCTS";
constexpr const char* kMiscellaneous = "MISCELLANEOUS";

struct CategoryType {
  std::string_view category;
  const char* product_type;  // nullptr: says nothing about the product
};

// In order of precedence when a template has several.
constexpr CategoryType kCategoryTypes[] = {
    {"filing", kFolders},        {"business-card", kCards},  {"card", kCards},
    {"name-badge", kCards},      {"foldable", kCards},       {"mail", kAddress},
    {"media", kMiscellaneous},   {"photo", kMiscellaneous},  {"label", nullptr},
    {"round-label", nullptr},    {"elliptical-label", nullptr},
    {"square-label", nullptr},   {"rectangle-label", nullptr},
    {"user-defined", nullptr},
};

struct Keyword {
  const char* pattern;  // ECMAScript regular expression over lower-case text
  const char* product_type;
};

// Checked in order, before the categories.
const Keyword kDescriptionKeywords[] = {
    {R"(diskette|floppy)", kDiskettes},
    {R"(\bindex\b|divider|\btabs?\b)", kIndex},
    {R"(folder|filing|arch file|\bfile\b)", kFolders},
};

// Checked after the categories.
const Keyword kFallbackKeywords[] = {
    {R"(address|shipping|mailing|postage)", kAddress},
    {R"(\bcards?\b|badge)", kCards},
};

constexpr std::string_view kLabelPrinterMakers[] = {"Dymo", "Brother", "Seiko", "Zebra"};
constexpr std::string_view kInkJetPrinterMakers[] = {"Canon", "Epson"};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool Matches(const std::string& text, const char* pattern) {
  return std::regex_search(text, std::regex(pattern, std::regex::ECMAScript | std::regex::icase));
}

const char* MatchKeywords(const std::string& text, const Keyword* begin, const Keyword* end) {
  for (const Keyword* k = begin; k != end; ++k) {
    if (Matches(text, k->pattern)) return k->product_type;
  }
  return nullptr;
}

template <size_t N>
bool Contains(const std::string_view (&list)[N], std::string_view value) {
  return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

}  // namespace

std::string PaperSizeCode(double width, double height) {
  for (const NamedPaper& p : kNamedPapers) {
    if (std::fabs(width - p.width) <= kPaperTolerance &&
        std::fabs(height - p.height) <= kPaperTolerance) {
      return p.code;
    }
  }
  return width > height ? "USERL" : "USERP";
}

std::string ShapeCode(LabelShape shape, double corner_radius) {
  if (shape != LabelShape::kRectangle) return "EL";
  return corner_radius > 0 ? "RR" : "SR";
}

std::string PrinterCode(const LabelTemplate& t) {
  if (Contains(kLabelPrinterMakers, t.brand)) return "LP";
  const std::string words = Lower(t.description + " " + t.product_url);
  if (Matches(words, R"(continuous|pin.?fed|tractor|dot.?matrix)")) return "DM";
  if (Contains(kInkJetPrinterMakers, t.brand)) return "IJ";
  if ((t.brand == "Avery" || t.brand == "Zweckform") &&
      std::regex_match(t.part, std::regex(R"(8\d{3}|J\d+.*)"))) {
    return "IJ";
  }
  if (Matches(words, R"(ink.?jet)")) return "IJ";
  return "LJ";
}

std::string ProductType(const LabelTemplate& t) {
  const std::string description = Lower(t.description);
  if (const char* type = MatchKeywords(description, std::begin(kDescriptionKeywords),
                                       std::end(kDescriptionKeywords))) {
    return type;
  }
  for (const CategoryType& ct : kCategoryTypes) {
    if (ct.product_type != nullptr &&
        std::find(t.categories.begin(), t.categories.end(), ct.category) != t.categories.end()) {
      return ct.product_type;
    }
  }
  if (const char* type = MatchKeywords(description, std::begin(kFallbackKeywords),
                                       std::end(kFallbackKeywords))) {
    return type;
  }
  return kMiscellaneous;
}

bool IsKnownCategory(std::string_view id) {
  return std::any_of(std::begin(kCategoryTypes), std::end(kCategoryTypes),
                     [&](const CategoryType& ct) { return ct.category == id; });
}

}  // namespace sysdata
