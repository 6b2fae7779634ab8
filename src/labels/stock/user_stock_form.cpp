// The user-defined stock editor's values and checks.
#include "labels/stock/user_stock_form.h"

#include <algorithm>
#include <cmath>

#include "labels/stock/stock_papers.h"

namespace vellumo {
namespace {

// Where each field's value lives in a stock.
constexpr double StockGeometry::*kStockLengths[kStockLengthCount] = {
    &StockGeometry::label_width,    &StockGeometry::label_height, &StockGeometry::horizontal_pitch,
    &StockGeometry::vertical_pitch, &StockGeometry::left_margin,  &StockGeometry::top_margin,
    &StockGeometry::sheet_width,    &StockGeometry::sheet_depth};

}  // namespace

double RoundToThousandths(double value) { return std::round(value * 1000.0) / 1000.0; }

Stock UserDefinedStock(const StockGeometry& entered) {
  Stock stock;
  stock.maker = "USER";
  stock.geometry = entered;
  stock.geometry.middle_extra_x = 0;
  stock.geometry.middle_extra_y = 0;
  return stock;
}

UserStockForm::UserStockForm(const StockGeometry& stock)
    : across_(std::clamp(stock.across, 1, kMaxAcross)),
      down_(std::clamp(stock.down, 1, kMaxDown)),
      paper_code_(stock.paper_size),
      shape_(static_cast<int>(&StockShapeForCode(stock.shape) - StockShapes().data())) {
  for (int i = 0; i < kStockLengthCount; ++i) inches_[i] = stock.*kStockLengths[i];
}

double UserStockForm::maximum() const {
  return millimetres_ ? std::floor(kMaxStockLengthInches * kMillimetresPerInch) : kMaxStockLengthInches;
}

double UserStockForm::Shown(StockLength field) const {
  return millimetres_ ? Inches(field) * kMillimetresPerInch : Inches(field);
}

void UserStockForm::Enter(StockLength field, double value) {
  const double inches = millimetres_ ? value / kMillimetresPerInch : value;
  Inches(field) = std::clamp(RoundToThousandths(inches), 0.0, kMaxStockLengthInches);
}

void UserStockForm::LeaveLabelWidth() {
  if (Inches(StockLength::kLabelWidth) > Inches(StockLength::kHorizontalPitch)) {
    Inches(StockLength::kHorizontalPitch) = Inches(StockLength::kLabelWidth);
  }
}

void UserStockForm::LeaveLabelHeight() {
  if (Inches(StockLength::kLabelHeight) > Inches(StockLength::kVerticalPitch)) {
    Inches(StockLength::kVerticalPitch) = Inches(StockLength::kLabelHeight);
  }
}

void UserStockForm::ChoosePaper(int entry) {
  paper_ = entry;
  if (entry < 0) return;
  const StockPaper& paper = StockPapers()[entry];
  if (paper.width_inches <= 0) return;  // a user-defined size: as entered
  Inches(StockLength::kPaperWidth) = paper.width_inches;
  Inches(StockLength::kPaperHeight) = paper.height_inches;
}

QString UserStockForm::Validate() const {
  const double height = Inches(StockLength::kLabelHeight);
  const double width = Inches(StockLength::kLabelWidth);
  if (height < 0.3) return QStringLiteral("Label Height must be at least .3 inches (or 7mm)");
  if (width < 0.5) return QStringLiteral("Label Width must be at least .5 inch (or 13mm)");
  if (across_ >= 2 && Inches(StockLength::kHorizontalPitch) < width) {
    return QStringLiteral("Horizontal Pitch must be at least = Label Width");
  }
  if (down_ >= 2 && Inches(StockLength::kVerticalPitch) < height) {
    return QStringLiteral("Vertical Pitch must be at least = Label Height");
  }
  if (Inches(StockLength::kPaperWidth) < 0.3) return QStringLiteral("Page Width must be at least .3 inch");
  if (Inches(StockLength::kPaperHeight) < 0.3) return QStringLiteral("Page Height must be at least .3 inches");
  if (across_ * down_ > kMaxStockCells) {
    return QStringLiteral("# across times # down must not be more than %1 labels").arg(kMaxStockCells);
  }
  return QString();
}

StockGeometry UserStockForm::Result() const {
  StockGeometry stock;
  for (int i = 0; i < kStockLengthCount; ++i) stock.*kStockLengths[i] = RoundToThousandths(inches_[i]);
  stock.across = across_;
  stock.down = down_;
  stock.paper_size = paper_ < 0 ? paper_code_ : StockPapers()[paper_].code;
  stock.shape = StockShapes()[shape_].code;
  return stock;
}

}  // namespace vellumo
