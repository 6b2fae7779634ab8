// The values of the user-defined stock editor without its widgets: the
// eight lengths held in inches whatever unit they are shown in, the two
// counts, the paper and shape codes, the paper presets, the pitch that
// follows the label size, and the checks made before the stock is taken.
#pragma once

#include <QString>
#include <array>

#include "labels/stock/stock_record.h"

namespace vellumo {

// The number fields, in the editor's order.
enum class StockLength {
  kLabelWidth,
  kLabelHeight,
  kHorizontalPitch,
  kVerticalPitch,
  kLeftMargin,
  kTopMargin,
  kPaperWidth,
  kPaperHeight,
};
inline constexpr int kStockLengthCount = 8;

inline constexpr double kMillimetresPerInch = 25.4;
// The catalogue and the set-ups store lengths as N(6,3): 99.999 inches at
// most, so the editor takes no more.
inline constexpr double kMaxStockLengthInches = 99.999;
inline constexpr int kMaxAcross = 10;
inline constexpr int kMaxDown = 30;
// Label printing and the sheet-position window place at most this many
// labels on a sheet.
inline constexpr int kMaxStockCells = 200;

// `value` rounded to 3 decimals, as a table stores it.
double RoundToThousandths(double value);

// The stock a design takes from the editor: `entered` marked as the
// user's own (maker USER; no name, printer kind, product type or artwork;
// no middle gaps).
Stock UserDefinedStock(const StockGeometry& entered);

class UserStockForm {
 public:
  // The stock as the design has it; only its ten geometry values, paper
  // code and shape code are used; counts outside the editor's ranges are
  // brought into them.
  explicit UserStockForm(const StockGeometry& stock);

  bool millimetres() const { return millimetres_; }
  // Switches the shown unit; the values held do not change.
  void SetMillimetres(bool millimetres) { millimetres_ = millimetres; }
  // Decimals the fields show: 3 for inches, 0 for millimetres.
  int decimals() const { return millimetres_ ? 0 : 3; }
  // The largest value a field takes in the shown unit.
  double maximum() const;

  // A length in the shown unit, unrounded.
  double Shown(StockLength field) const;
  // The user entered `value` in the shown unit: millimetres are taken
  // to the nearest thousandth of an inch.
  void Enter(StockLength field, double value);
  // The user left "Label Width" ("Label Height"): a pitch smaller than
  // the label is raised to its size.
  void LeaveLabelWidth();
  void LeaveLabelHeight();

  int across() const { return across_; }
  int down() const { return down_; }
  void SetAcross(int across) { across_ = across; }
  void SetDown(int down) { down_ = down; }

  // The paper-size entry (StockPapers()); -1 while none is chosen, when
  // the paper code passed in stays. A preset size fills the paper width
  // and height; the user-defined sizes leave them.
  int paper() const { return paper_; }
  void ChoosePaper(int entry);
  // The shape entry (StockShapes()): from the code passed in at first.
  int shape() const { return shape_; }
  void ChooseShape(int entry) { shape_ = entry; }

  // The first check the values fail, as the user is told it; "" when they
  // pass.
  QString Validate() const;
  // The stock to take: the ten values in inches, the paper code (the
  // one passed in while no entry is chosen) and the shape code. Middle
  // gaps are none.
  StockGeometry Result() const;

 private:
  double& Inches(StockLength field) { return inches_[static_cast<int>(field)]; }
  double Inches(StockLength field) const { return inches_[static_cast<int>(field)]; }

  std::array<double, kStockLengthCount> inches_{};
  int across_;
  int down_;
  std::string paper_code_;
  int paper_ = -1;
  int shape_;
  bool millimetres_ = false;
};

}  // namespace vellumo
