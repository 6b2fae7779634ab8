// Reading and writing a stock's fields.
#include "labels/stock/stock_record.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vellumo {
namespace {

enum class Kind { kText, kLength, kCount };

// One stored field of a stock: where its value lives in the struct.
struct StockField {
  const char* name;
  Kind kind;
  uint16_t width;  // of a text field
  std::string Stock::*text = nullptr;
  double StockGeometry::*length = nullptr;
  int StockGeometry::*count = nullptr;
  std::string StockGeometry::*geometry_text = nullptr;
};

StockField Text(const char* name, uint16_t width, std::string Stock::*member) {
  return {name, Kind::kText, width, member};
}
StockField GeometryText(const char* name, uint16_t width, std::string StockGeometry::*member) {
  return {name, Kind::kText, width, nullptr, nullptr, nullptr, member};
}
StockField Length(const char* name, double StockGeometry::*member) {
  return {name, Kind::kLength, 0, nullptr, member};
}
StockField Count(const char* name, int StockGeometry::*member) {
  return {name, Kind::kCount, 0, nullptr, nullptr, member};
}

// The catalogue's fields in file order.
const std::vector<StockField>& Fields() {
  using G = StockGeometry;
  static const std::vector<StockField> fields = {
      Text("DESCRIPT", kStockDescriptionWidth, &Stock::description),
      Text("PRINTER", 2, &Stock::printer),
      Length("LBLHEIGHT", &G::label_height),
      Length("LBLWIDTH", &G::label_width),
      Count("NBRACROSS", &G::across),
      Count("NBRDOWN", &G::down),
      Length("TOPMARG", &G::top_margin),
      Length("LEFTMARG", &G::left_margin),
      Length("HORIZPITCH", &G::horizontal_pitch),
      Length("VERTPITCH", &G::vertical_pitch),
      Length("SHEETWIDTH", &G::sheet_width),
      Length("SHEETDEPTH", &G::sheet_depth),
      GeometryText("PAPERSIZE", 5, &G::paper_size),
      GeometryText("LBLSHAPE", 2, &G::shape),
      Text("MANUFAC", kStockMakerWidth, &Stock::maker),
      Text("PRODTYPE", 25, &Stock::product_type),
      Length("MIDEXTRAX", &G::middle_extra_x),
      Length("MIDEXTRAY", &G::middle_extra_y),
      Text("ART", 12, &Stock::art),
  };
  return fields;
}

std::string& TextOf(const StockField& field, Stock& stock) {
  return field.text ? stock.*field.text : stock.geometry.*field.geometry_text;
}
const std::string& TextOf(const StockField& field, const Stock& stock) {
  return field.text ? stock.*field.text : stock.geometry.*field.geometry_text;
}

std::string ValueText(const StockField& field, const Stock& stock) {
  switch (field.kind) {
    case Kind::kText:
      return TextOf(field, stock);
    case Kind::kLength:
      return FormatStockLength(stock.geometry.*field.length);
    case Kind::kCount:
      return std::to_string(stock.geometry.*field.count);
  }
  return {};
}

// Parses a numeric field's text (blanks around it allowed; blank is 0).
bool ParseNumber(std::string_view text, double* value) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) {
    *value = 0;
    return true;
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(*value);
}

}  // namespace

std::string FormatStockLength(double inches) {
  double thousandths = std::round(inches * 1000);
  if (thousandths == 0) thousandths = 0;  // no "-0.000"
  char text[32];
  std::snprintf(text, sizeof(text), "%.3f", thousandths / 1000);
  return text;
}

const std::vector<xbase::FieldDef>& StockCatalogueFields() {
  static const std::vector<xbase::FieldDef> defs = [] {
    std::vector<xbase::FieldDef> result;
    for (const StockField& field : Fields()) {
      switch (field.kind) {
        case Kind::kText:
          result.push_back(xbase::FieldDef{field.name, xbase::field_type::kCharacter, field.width, 0});
          break;
        case Kind::kLength:
          result.push_back(xbase::FieldDef{field.name, xbase::field_type::kNumeric, 6, 3});
          break;
        case Kind::kCount:
          result.push_back(xbase::FieldDef{field.name, xbase::field_type::kNumeric, 2, 0});
          break;
      }
    }
    return result;
  }();
  return defs;
}

std::vector<std::string> StockFieldTexts(const Stock& stock) {
  std::vector<std::string> texts;
  for (const StockField& field : Fields()) texts.push_back(ValueText(field, stock));
  return texts;
}

xbase::Status ReadStock(const xbase::Table& table, Stock* stock) {
  Stock read;
  for (const StockField& field : Fields()) {
    if (table.FieldIndex(field.name) < 0) {
      return xbase::Status::Corruption(std::string("a label stock without the field ") + field.name);
    }
    const std::string text = table.GetTrimString(field.name);
    if (field.kind == Kind::kText) {
      TextOf(field, read) = text;
      continue;
    }
    double number = 0;
    if (!ParseNumber(text, &number)) {
      return xbase::Status::Corruption(std::string("the stock field ") + field.name + " holds no number: '" + text +
                                       "'");
    }
    if (field.kind == Kind::kLength) {
      read.geometry.*field.length = number;
    } else {
      read.geometry.*field.count = static_cast<int>(number);
    }
  }
  *stock = std::move(read);
  return xbase::Status::OK();
}

xbase::Status WriteStock(xbase::Table& table, const Stock& stock) {
  for (const StockField& field : Fields()) {
    XBASE_RETURN_IF_ERROR(table.Replace(field.name, ValueText(field, stock)));
  }
  return xbase::Status::OK();
}

}  // namespace vellumo
