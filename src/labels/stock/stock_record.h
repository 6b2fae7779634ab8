// A label stock as a row of a table: the stock catalogue LBLTPL.DBF and
// the label set-ups of LABEL.DBF keep a stock in the same fields, found
// by name. Lengths are stored as N(6,3) inches, counts as N(2,0).
#pragma once

#include <string>
#include <vector>

#include "labels/stock/stock_geometry.h"
#include "xbase/field.h"
#include "xbase/status.h"
#include "xbase/table.h"

namespace vellumo {

// Texts are as stored: Windows-1252, without trailing blanks.
struct Stock {
  std::string description;   // "Avery 5160  Address": maker, part, two blanks, kind
  std::string printer;       // LJ laser, IJ ink-jet, DM dot-matrix, LP label printer
  std::string maker;         // upper case; USER for a stock entered by hand
  std::string product_type;  // "ADDRESS/SHIPPING LABELS", ...
  std::string art;           // name of the stock's artwork picture, or empty
  StockGeometry geometry;

  bool operator==(const Stock&) const = default;
};

// Widths of the catalogue's character fields.
inline constexpr uint16_t kStockDescriptionWidth = 60;
inline constexpr uint16_t kStockMakerWidth = 10;

// The fields of the catalogue in file order.
const std::vector<xbase::FieldDef>& StockCatalogueFields();
// The stock's values as texts for StockCatalogueFields, in that order.
std::vector<std::string> StockFieldTexts(const Stock& stock);
// A length as its N(6,3) text: "2.625", "0.000".
std::string FormatStockLength(double inches);

// Reads the stock of the table's current record. Corruption, naming the
// field, when a stock field is missing or a number field holds no number.
xbase::Status ReadStock(const xbase::Table& table, Stock* stock);
// Stores the stock into the table's current record.
xbase::Status WriteStock(xbase::Table& table, const Stock& stock);

}  // namespace vellumo
