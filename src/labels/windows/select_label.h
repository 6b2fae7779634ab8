// TSelectLabel ("Select Label Template"): the stock catalogue narrowed by
// manufacturer, product type, European paper and a name search, with the
// current stock's size beside the list.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "labels/stock/catalogue_picker.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vellumo {

class TSelectLabel : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1048;
  // The read-only views beside the list, in their order.
  static constexpr int kViewCount = 6;

  // `catalogue` is the open stock catalogue and must outlive the window.
  // The lists and the current stock are set from `start`.
  TSelectLabel(xbase::Table* catalogue, const PickerStart& start, QWidget* parent = nullptr);

  // Opens the catalogue and lets the user pick a stock from it. Nothing
  // when the user cancels, or when the catalogue cannot be opened (the
  // user is told "Unable to Open LBLTPL.DBF" and no picker is shown).
  static std::optional<Stock> Pick(const PickerStart& start, QWidget* parent);

  // The stock current when "Ok" was pressed.
  const Stock& chosen() const { return chosen_; }

  const StockCataloguePicker& picker() const { return picker_; }
  QComboBox* manufacturers() const { return manufacturers_; }
  QComboBox* product_types() const { return product_types_; }
  QCheckBox* european_only() const { return european_only_; }
  QLineEdit* search() const { return search_; }
  QTableWidget* grid() const { return grid_; }
  QLineEdit* view(int i) const { return views_[i]; }
  QPushButton* ok() const { return ok_; }

  void accept() override;

 private:
  // Tells the user when the catalogue could not be read, then shows
  // the stocks that pass.
  void Apply(const xbase::Status& status);
  void ShowStocks();
  void ShowCurrent();

  StockCataloguePicker picker_;
  Stock chosen_;
  QComboBox* manufacturers_;
  QComboBox* product_types_;
  QCheckBox* european_only_;
  QLineEdit* search_;
  QTableWidget* grid_;
  std::array<QLineEdit*, kViewCount> views_{};
  QPushButton* ok_;
};

}  // namespace vellumo
