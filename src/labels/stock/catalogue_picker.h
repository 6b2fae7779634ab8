// What the stock picker shows of the catalogue: the lists' choices, the
// stocks that pass the filter they build (narrowed by a name search), in
// name order, and which of them is current. No widgets: the picker window
// shows this and hands the user's choices to it.
#pragma once

#include <QString>
#include <vector>

#include "labels/stock/catalogue_filter.h"
#include "labels/stock/stock_record.h"
#include "xbase/table.h"

namespace vellumo {

// The stock a design has when the picker opens.
struct PickerStart {
  QString description;  // TPLDESCRIP
  QString printer;
  QString maker;
  QString product_type;
  bool defaults = false;  // start from Avery laser address labels
};

class StockCataloguePicker {
 public:
  // `catalogue` is the open stock catalogue; it must outlive the picker,
  // which sets its order and filter.
  explicit StockCataloguePicker(xbase::Table* catalogue);

  // Reads the makers of the catalogue for the manufacturer list and
  // orders it by name. The picker's lists are empty until this succeeds.
  [[nodiscard]] xbase::Status Load();

  // Chooses the lists' entries for `start` and makes current the stock of
  // its name, the first stock when starting from the defaults (or from a
  // user-defined stock), else, when the name is not among those shown,
  // the last.
  [[nodiscard]] xbase::Status Position(const PickerStart& start);

  const std::vector<StockMakerEntry>& maker_entries() const { return maker_entries_; }
  int maker() const { return maker_; }  // -1: none chosen
  int product_type() const { return product_type_; }
  bool european_only() const { return european_only_; }
  const QString& search() const { return search_; }

  // Each change applies the new filter; the current stock stays current
  // when it still passes, else the first shown is.
  [[nodiscard]] xbase::Status SetMaker(int entry);
  [[nodiscard]] xbase::Status SetProductType(int entry);
  [[nodiscard]] xbase::Status SetEuropeanOnly(bool only);
  [[nodiscard]] xbase::Status SetSearch(const QString& text);

  // The filter the lists build, and with the name search the one in force.
  QString ListFilter() const;
  QString Filter() const;

  const std::vector<Stock>& stocks() const { return stocks_; }
  // The current stock's position in stocks(), -1 when none is shown.
  int current() const { return current_; }
  // REQUIRES: -1 <= index < stocks().size().
  void SetCurrent(int index) { current_ = index; }

 private:
  // Applies Filter() and reads the stocks that pass; the current stock
  // becomes the one named `keep`, else the first.
  xbase::Status Refresh(const std::string& keep);
  xbase::Status Changed();

  xbase::Table* catalogue_;
  std::vector<StockMakerEntry> maker_entries_;
  int maker_ = 0;
  int product_type_ = 0;
  bool european_only_ = false;
  QString search_;
  std::vector<Stock> stocks_;
  int current_ = -1;
};

}  // namespace vellumo
