// An address database in the test's home with one record per entry
// (last name and ZIP, optionally marked deleted), with all its tags.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "core/address_database.h"
#include "xbase/table.h"

namespace vellumo {

struct AddressEntry {
  std::string last_name;
  std::string zip;
  bool deleted = false;
};

inline std::unique_ptr<xbase::Table> MakeAddressTable(const QString& path, const std::vector<AddressEntry>& entries) {
  std::unique_ptr<xbase::Table> table;
  EXPECT_TRUE(CreateAddressDatabase(path, FieldLengths::Defaults()));
  QString error;
  EXPECT_TRUE(OpenTableFile(path, &table, {}, &error)) << error.toStdString();
  if (!table) return table;
  for (const AddressEntry& entry : entries) {
    EXPECT_TRUE(table->AppendBlank().ok());
    EXPECT_TRUE(table->Replace("LNAME", entry.last_name).ok());
    EXPECT_TRUE(table->Replace("ZIP", entry.zip).ok());
    EXPECT_TRUE(table->ReplaceLogical("ISDEL", entry.deleted).ok());
  }
  EXPECT_TRUE(table->Commit().ok());
  EXPECT_TRUE(table->GoTop().ok());
  return table;
}

// Records R1 .. Rn, all with the ZIP 10001.
inline std::vector<AddressEntry> NumberedEntries(int n) {
  std::vector<AddressEntry> entries;
  for (int i = 1; i <= n; ++i) entries.push_back({"R" + std::to_string(i), "10001"});
  return entries;
}

}  // namespace vellumo
