// The picker's view of the catalogue.
#include "labels/stock/catalogue_picker.h"

#include <algorithm>

#include "core/text_codec.h"

namespace vellumo {
namespace {

const QString kUserMaker = QStringLiteral("USER");

QString Trimmed(const xbase::Table& table, const char* field) { return FromTable(table.GetTrimString(field)); }

}  // namespace

StockCataloguePicker::StockCataloguePicker(xbase::Table* catalogue) : catalogue_(catalogue) {}

xbase::Status StockCataloguePicker::Load() {
  xbase::Status s = catalogue_->SetOrder(catalogue_->TagArea("DESCRIPT"));
  if (s.ok()) s = catalogue_->SetFilter("");
  std::vector<std::pair<QString, QString>> made;
  for (s = s.ok() ? catalogue_->GoTop() : s; s.ok() && !catalogue_->Eof(); s = catalogue_->Skip(1)) {
    s = catalogue_->RecordStatus();
    if (!s.ok()) break;
    made.emplace_back(Trimmed(*catalogue_, "MANUFAC"), Trimmed(*catalogue_, "PRINTER"));
  }
  if (!s.ok()) return s;
  maker_entries_ = StockMakerEntries(made);
  return xbase::Status::OK();
}

xbase::Status StockCataloguePicker::Position(const PickerStart& start) {
  const bool defaults = start.defaults || start.maker.compare(kUserMaker, Qt::CaseInsensitive) == 0;
  const QString maker = defaults ? QStringLiteral("AVERY") : start.maker;
  const QString printer = defaults ? QStringLiteral("LJ") : start.printer;
  const QString product_type = defaults ? QStringLiteral("ADDRESS/SHIPPING LABELS") : start.product_type;
  maker_ = MakerEntryFor(maker_entries_, maker, printer);
  product_type_ = ProductTypeEntryFor(product_type);
  xbase::Status s = Refresh("");
  if (!s.ok() || defaults || stocks_.empty()) return s;
  const std::string wanted = ToTable(start.description);
  const auto at = std::find_if(stocks_.begin(), stocks_.end(),
                               [&wanted](const Stock& stock) { return stock.description == wanted; });
  current_ = static_cast<int>(at == stocks_.end() ? stocks_.size() - 1 : at - stocks_.begin());
  return s;
}

xbase::Status StockCataloguePicker::SetMaker(int entry) {
  maker_ = entry;
  return Changed();
}

xbase::Status StockCataloguePicker::SetProductType(int entry) {
  product_type_ = entry;
  return Changed();
}

xbase::Status StockCataloguePicker::SetEuropeanOnly(bool only) {
  european_only_ = only;
  return Changed();
}

xbase::Status StockCataloguePicker::SetSearch(const QString& text) {
  search_ = text;
  return Changed();
}

QString StockCataloguePicker::ListFilter() const {
  const bool chosen = maker_ >= 0 && maker_ < static_cast<int>(maker_entries_.size());
  return StockCatalogueFilter(chosen ? &maker_entries_[maker_] : nullptr, product_type_, european_only_);
}

QString StockCataloguePicker::Filter() const { return WithNameSearch(ListFilter(), search_); }

xbase::Status StockCataloguePicker::Changed() {
  return Refresh(current_ >= 0 ? stocks_[current_].description : std::string());
}

xbase::Status StockCataloguePicker::Refresh(const std::string& keep) {
  stocks_.clear();
  current_ = -1;
  xbase::Status s = catalogue_->SetFilter(ToTable(Filter()));
  for (s = s.ok() ? catalogue_->GoTop() : s; s.ok() && !catalogue_->Eof(); s = catalogue_->Skip(1)) {
    Stock stock;
    s = catalogue_->RecordStatus();
    if (s.ok()) s = ReadStock(*catalogue_, &stock);
    if (!s.ok()) break;
    if (stock.description == keep) current_ = static_cast<int>(stocks_.size());
    stocks_.push_back(std::move(stock));
  }
  if (!s.ok()) {
    stocks_.clear();
    current_ = -1;
    return s;
  }
  if (current_ < 0 && !stocks_.empty()) current_ = 0;
  return s;
}

}  // namespace vellumo
