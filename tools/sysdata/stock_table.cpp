// Writing the stock catalogue LBLTPL.DBF from its stocks.
#include "stock_table.h"

#include "table_writer.h"

namespace sysdata {

xbase::Status WriteStockTable(xbase::Env* env, const std::string& path,
                              const std::vector<Stock>& stocks) {
  std::vector<TableRow> rows;
  rows.reserve(stocks.size());
  for (const Stock& s : stocks) rows.push_back(vellumo::StockFieldTexts(s));
  return WriteTable(env, path, vellumo::StockCatalogueFields(), rows, xbase::TagSpec{"DESCRIPT", "UPPER(descript)", "", false});
}

}  // namespace sysdata
