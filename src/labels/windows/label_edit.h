// TLabelEdit (captioned by its caller, "User Defined Label Layout"): the
// sizes, counts, paper and outline of a stock the user enters by hand,
// shown in inches or millimetres.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "labels/stock/user_stock_form.h"

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;
class QSpinBox;

namespace vellumo {

class TLabelEdit : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1050;

  // Shows `current`'s ten geometry values, paper code and shape code.
  explicit TLabelEdit(const StockGeometry& current, QWidget* parent = nullptr);

  // Shows the editor modally under `caption`; the stock entered, or
  // nothing when the user cancels.
  static std::optional<StockGeometry> Edit(const StockGeometry& current, const QString& caption, QWidget* parent);

  // The stock entered, in inches (valid after "Ok").
  const StockGeometry& result() const { return result_; }

  QRadioButton* inches() const { return inches_; }
  QRadioButton* millimetres() const { return millimetres_; }
  QDoubleSpinBox* field(StockLength length) const { return fields_[static_cast<int>(length)]; }
  QSpinBox* across() const { return across_; }
  QSpinBox* down() const { return down_; }
  QComboBox* paper() const { return paper_; }
  QComboBox* shape() const { return shape_; }

  // Takes the values when they pass the checks, else tells the user the
  // first that fails and stays open.
  void accept() override;

 private:
  void UnitChanged();
  // Shows the held values in the chosen unit.
  void ShowLengths();
  void ShowLength(StockLength length);

  UserStockForm form_;
  StockGeometry result_;
  QRadioButton* inches_;
  QRadioButton* millimetres_;
  std::array<QDoubleSpinBox*, kStockLengthCount> fields_{};
  QSpinBox* across_;
  QSpinBox* down_;
  QComboBox* paper_;
  QComboBox* shape_;
};

}  // namespace vellumo
