// The paper-size and label-shape tables.
#include "labels/stock/stock_papers.h"

#include <algorithm>

namespace vellumo {
namespace {

constexpr StockPaper kPapers[] = {
    {"Letter (8.5 x 11\")", "LTR", 8.5, 11, false, kLetterPaper},
    {"Letter Landscape (11 x 8.5\")", "LTRL", 11, 8.5, true, kLetterPaper},
    {"A4 (210 x 297mm)", "A4", 8.27, 11.69, false, kA4Paper},
    {"A4 Landscape ( 297 x 210mm)", "A4L", 11.69, 8.27, true, kA4Paper},
    {"A5 (148 x 210mm)", "A5", 5.82, 8.27, false, kA5Paper},
    {"Other Portrait (User Defined)", "USERP", 0, 0, false, kCustomPaperNumber},
    {"Other Landscape (User Defined)", "USERL", 0, 0, true, kCustomPaperNumber},
};

constexpr StockShape kShapes[] = {
    {"Rectangular with Rounded Edges", "RR"},
    {"Rectangular", "SR"},
    {"Round", "EL"},
};

}  // namespace

std::span<const StockPaper> StockPapers() { return kPapers; }

const StockPaper* StockPaperForCode(std::string_view code) {
  const auto* found = std::find_if(std::begin(kPapers), std::end(kPapers),
                                   [code](const StockPaper& paper) { return code == paper.code; });
  return found == std::end(kPapers) ? nullptr : found;
}

std::span<const StockShape> StockShapes() { return kShapes; }

const StockShape& StockShapeForCode(std::string_view code) {
  const auto* found = std::find_if(std::begin(kShapes), std::end(kShapes),
                                   [code](const StockShape& shape) { return code == shape.code; });
  return found == std::end(kShapes) ? kShapes[2] : *found;
}

}  // namespace vellumo
