// The lists of the stock picker and the xBase expression they select the
// catalogue's stocks by: a manufacturer entry (a maker and the printer kind
// its stocks are made for), a product type, and European paper only.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vellumo {

// One entry of the manufacturer list.
struct StockMakerEntry {
  QString text;     // "Avery Laserjet"
  QString maker;    // as MANUFAC stores it: "AVERY"
  QString printer;  // as PRINTER stores it: "LJ"
  bool operator==(const StockMakerEntry&) const = default;
};

// "Laserjet", "Inkjet", "Dot Matrix", "LabelPrinter" for LJ, IJ, DM, LP;
// the code itself for any other.
QString PrinterKindName(const QString& printer);

// The manufacturer list: "Avery Laserjet", "Avery Inkjet", "Avery Dot
// Matrix" and "Costar LabelPrinter" first, then an entry for every other
// maker and printer kind of `stocks_made` (pairs of MANUFAC and PRINTER as
// stored, any order, repeats allowed), by maker and then printer kind.
// Stocks marked USER are the user's own and have no entry.
std::vector<StockMakerEntry> StockMakerEntries(const std::vector<std::pair<QString, QString>>& stocks_made);

// The entry a stock of this maker and printer kind opens the picker at,
// or -1 for none: the entry of that maker and kind; for COSTAR the
// "Costar LabelPrinter" entry whatever the kind; for a maker without an
// entry "Avery Laserjet"; none for a listed maker with a kind it has no
// entry for.
int MakerEntryFor(const std::vector<StockMakerEntry>& entries, const QString& maker, const QString& printer);

// The product-type list: the six types in title case, then "All".
const QStringList& StockProductTypeEntries();
// The types as PRODTYPE stores them, in the list's order (no "All").
const QStringList& StockProductTypes();
inline constexpr int kAllProductTypes = 6;  // the position of "All"
// The entry of a stored product type, compared without regard to case;
// kAllProductTypes when it is none of the six.
int ProductTypeEntryFor(const QString& product_type);

// The catalogue filter: the manufacturer clause, the printer clause, the
// product-type clause and the European-paper clause, each present only
// when chosen, joined by " and ". `maker` null: no manufacturer chosen;
// `product_type` kAllProductTypes: every type. "" when nothing narrows.
QString StockCatalogueFilter(const StockMakerEntry* maker, int product_type, bool european_only);

// The filter narrowed further to the stocks whose name contains `search`
// without regard to case; `filter` as it is when `search` is blank.
QString WithNameSearch(const QString& filter, const QString& search);

}  // namespace vellumo
