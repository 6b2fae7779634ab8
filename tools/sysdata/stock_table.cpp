// Record layout of LBLTPL.DBF and the conversion of stocks to its rows.
#include "stock_table.h"

#include "table_writer.h"

namespace sysdata {
namespace {

xbase::FieldDef Character(const char* name, uint16_t width) {
  return xbase::FieldDef{name, xbase::field_type::kCharacter, width, 0};
}
xbase::FieldDef Length(const char* name) {
  return xbase::FieldDef{name, xbase::field_type::kNumeric, 6, 3};
}
xbase::FieldDef Count(const char* name) {
  return xbase::FieldDef{name, xbase::field_type::kNumeric, 2, 0};
}

const std::vector<xbase::FieldDef>& StockFields() {
  static const std::vector<xbase::FieldDef> fields = {
      Character("DESCRIPT", kDescriptionWidth), Character("PRINTER", 2),
      Length("LBLHEIGHT"),   Length("LBLWIDTH"),   Count("NBRACROSS"),   Count("NBRDOWN"),
      Length("TOPMARG"),     Length("LEFTMARG"),   Length("HORIZPITCH"), Length("VERTPITCH"),
      Length("SHEETWIDTH"),  Length("SHEETDEPTH"), Character("PAPERSIZE", 5),
      Character("LBLSHAPE", 2), Character("MANUFAC", kMakerWidth), Character("PRODTYPE", 25),
      Length("MIDEXTRAX"),   Length("MIDEXTRAY"),  Character("ART", 12),
  };
  return fields;
}

TableRow StockRow(const Stock& s) {
  return {s.description,
          s.printer,
          FormatLength(s.label_height),
          FormatLength(s.label_width),
          std::to_string(s.across),
          std::to_string(s.down),
          FormatLength(s.top_margin),
          FormatLength(s.left_margin),
          FormatLength(s.horizontal_pitch),
          FormatLength(s.vertical_pitch),
          FormatLength(s.sheet_width),
          FormatLength(s.sheet_depth),
          s.paper_size,
          s.shape,
          s.maker,
          s.product_type,
          FormatLength(s.middle_extra_x),
          FormatLength(s.middle_extra_y),
          ""};
}

}  // namespace

xbase::Status WriteStockTable(xbase::Env* env, const std::string& path,
                              const std::vector<Stock>& stocks) {
  std::vector<TableRow> rows;
  rows.reserve(stocks.size());
  for (const Stock& s : stocks) rows.push_back(StockRow(s));
  return WriteTable(env, path, StockFields(), rows, xbase::TagSpec{"DESCRIPT", "UPPER(descript)", "", false});
}

}  // namespace sysdata
