// A table with a ZIP field holding the codes a test gives, one record
// each in that order, for the presort's scan.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "xbase/table.h"

namespace vellumo {

inline std::unique_ptr<xbase::Table> MakeZipTable(const std::string& path, const std::vector<std::string>& zips,
                                                  const xbase::OpenOptions& options = {}) {
  std::unique_ptr<xbase::Table> table;
  const std::vector<xbase::FieldDef> fields = {{.name = "LNAME", .length = 10}, {.name = "ZIP", .length = 10}};
  EXPECT_TRUE(xbase::Table::Create(path, fields).ok());
  EXPECT_TRUE(xbase::Table::Open(path, options, &table).ok());
  if (!table) return table;
  for (size_t i = 0; i < zips.size(); ++i) {
    EXPECT_TRUE(table->AppendBlank().ok());
    EXPECT_TRUE(table->Replace("LNAME", "N" + std::to_string(i + 1)).ok());
    EXPECT_TRUE(table->Replace("ZIP", zips[i]).ok());
  }
  EXPECT_TRUE(table->Commit().ok());
  return table;
}

// `n` copies of `zip`, for building record lists.
inline std::vector<std::string> Copies(int n, const std::string& zip) { return std::vector<std::string>(n, zip); }

inline std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace vellumo
