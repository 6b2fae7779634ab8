// The delivered stock catalogue the build generated, opened read-only,
// and its rows read once for tests to count from.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "labels/stock/stock_record.h"
#include "xbase/table.h"

namespace vellumo {

inline std::unique_ptr<xbase::Table> OpenDeliveredCatalogue() {
  xbase::OpenOptions options;
  options.exclusive = false;
  options.read_only = true;
  std::unique_ptr<xbase::Table> table;
  const xbase::Status s = xbase::Table::Open(std::string(VELLUMO_SYSDATA_DIR) + "/LBLTPL.DBF", options, &table);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return table;
}

// Every stock of the catalogue in its file order.
inline std::vector<Stock> AllStocks(xbase::Table& table) {
  std::vector<Stock> stocks;
  EXPECT_TRUE(table.SetFilter("").ok());
  for (xbase::Status s = table.GoTop(); s.ok() && !table.Eof(); s = table.Skip(1)) {
    Stock stock;
    EXPECT_TRUE(ReadStock(table, &stock).ok());
    stocks.push_back(stock);
  }
  return stocks;
}

}  // namespace vellumo
