// Template to catalogue row: geometry, limits and classes.
#include "stock_mapping.h"

#include <cmath>
#include <cstdint>

#include "sheet_grid.h"
#include "stock_classes.h"
#include "stock_naming.h"

namespace sysdata {
namespace {

// The largest length an N(6,3) field holds.
constexpr double kMaxLength = 99.999;

bool FitsLengthField(double v) { return v >= 0 && std::round(v * 1000) <= kMaxLength * 1000; }

}  // namespace

const char* SkipReasonText(SkipReason reason) {
  switch (reason) {
    case SkipReason::kNone: return "mapped";
    case SkipReason::kMalformed: return "malformed template";
    case SkipReason::kNoLabel: return "no label described";
    case SkipReason::kSeveralLabels: return "several label shapes on one sheet";
    case SkipReason::kUnknownPaper: return "unknown paper size";
    case SkipReason::kIrregularLayout: return "labels not on one grid";
    case SkipReason::kTooManyLabels: return "more labels than a page holds";
    case SkipReason::kOutOfRange: return "a length out of range";
  }
  return "?";
}

SkipReason MapTemplate(const LabelTemplate& t, const PaperSizes& papers, Stock* stock,
                       std::string* detail) {
  if (!t.error.empty()) {
    *detail = t.error;
    return SkipReason::kMalformed;
  }
  if (t.label_elements == 0 || t.layouts.empty()) return SkipReason::kNoLabel;
  if (t.label_elements > 1) return SkipReason::kSeveralLabels;

  PaperSize paper{t.paper_width, t.paper_height};
  if (t.paper_id != "Other") {
    auto it = papers.find(t.paper_id);
    if (it == papers.end()) {
      *detail = t.paper_id;
      return SkipReason::kUnknownPaper;
    }
    paper = it->second;
  }

  // A grid has as many cells as the layouts have labels; counting first
  // keeps absurd layouts from being laid out at all.
  int64_t labels = 0;
  for (const GridLayout& l : t.layouts) labels += static_cast<int64_t>(l.nx) * l.ny;
  if (labels > kMaxLabelsPerSheet) {
    *detail = std::to_string(labels) + " labels";
    return SkipReason::kTooManyLabels;
  }
  SheetGrid grid;
  xbase::Status s = FitSheetGrid(t.layouts, t.width, t.height, &grid);
  if (!s.ok()) {
    *detail = s.message();
    return SkipReason::kIrregularLayout;
  }
  if (grid.across > kMaxAcross || grid.down > kMaxDown ||
      grid.across * grid.down > kMaxLabelsPerSheet) {
    *detail = std::to_string(grid.across) + " x " + std::to_string(grid.down);
    return SkipReason::kTooManyLabels;
  }

  Stock out;
  out.description = StockDescription(t.brand, t.part, t.description);
  out.printer = PrinterCode(t);
  out.geometry.label_height = t.height;
  out.geometry.label_width = t.width;
  out.geometry.across = grid.across;
  out.geometry.down = grid.down;
  out.geometry.top_margin = grid.top;
  out.geometry.left_margin = grid.left;
  out.geometry.horizontal_pitch = grid.horizontal_pitch;
  out.geometry.vertical_pitch = grid.vertical_pitch;
  out.geometry.sheet_width = paper.width;
  out.geometry.sheet_depth = paper.height;
  out.geometry.paper_size = PaperSizeCode(paper.width, paper.height);
  out.geometry.shape = ShapeCode(t.shape, t.corner_radius);
  out.maker = MakerCode(t.brand);
  out.product_type = ProductType(t);
  out.geometry.middle_extra_x = grid.middle_extra_x;
  out.geometry.middle_extra_y = grid.middle_extra_y;

  const double lengths[] = {out.geometry.label_height,     out.geometry.label_width,    out.geometry.top_margin,
                            out.geometry.left_margin,      out.geometry.horizontal_pitch, out.geometry.vertical_pitch,
                            out.geometry.sheet_width,      out.geometry.sheet_depth,    out.geometry.middle_extra_x,
                            out.geometry.middle_extra_y};
  for (double v : lengths) {
    if (!FitsLengthField(v)) {
      *detail = std::to_string(v) + " in";
      return SkipReason::kOutOfRange;
    }
  }
  if (out.geometry.label_height <= 0 || out.geometry.label_width <= 0) {
    *detail = "label without area";
    return SkipReason::kOutOfRange;
  }
  *stock = std::move(out);
  return SkipReason::kNone;
}

}  // namespace sysdata
