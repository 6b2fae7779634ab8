// Record sources: fields by name and by display label, memos, and the
// current record of a table.
#include <gtest/gtest.h>

#include "design/model/record_source.h"
#include "xbase/env.h"
#include "xbase/table.h"

namespace vellumo::design {
namespace {

TEST(MapRecordSource, NamesAndLabelsIgnoreCaseAndMissingFieldsAreEmpty) {
  MapRecordSource record;
  record.SetField("ZIP", "12345");
  record.SetLabel("Zip/Postal Code", "ZIP");
  record.SetMemo("MEMO", "a note");
  EXPECT_EQ(record.FieldValue("zip"), "12345");
  EXPECT_EQ(record.LabelledFieldValue("ZIP/POSTAL CODE"), "12345");
  EXPECT_EQ(record.LabelledFieldValue("Zip"), "12345");
  EXPECT_EQ(record.FieldValue("CITY"), "");
  EXPECT_EQ(record.MemoText("memo"), "a note");
}

TEST(TableRecordSource, ReadsTheCurrentRecordByNameAndLabelInUtf8) {
  std::unique_ptr<xbase::Env> env = xbase::NewMemEnv();
  xbase::CreateOptions create;
  create.env = env.get();
  ASSERT_TRUE(xbase::Table::Create("/t.dbf", {{"ZIP", 'C', 10}, {"CITY", 'C', 20}, {"MEMO", 'M', 10}}, create).ok());
  xbase::OpenOptions open;
  open.env = env.get();
  std::unique_ptr<xbase::Table> table;
  ASSERT_TRUE(xbase::Table::Open("/t.dbf", open, &table).ok());
  ASSERT_TRUE(table->AppendBlank().ok());
  ASSERT_TRUE(table->Replace("ZIP", "12345").ok());
  ASSERT_TRUE(table->Replace("CITY", "M\xFCnchen").ok());
  ASSERT_TRUE(table->Replace("MEMO", "first line").ok());
  const TableRecordSource record(*table);
  EXPECT_EQ(record.FieldValue("zip"), "12345");
  EXPECT_EQ(record.LabelledFieldValue("Zip/Postal Code"), "12345");
  EXPECT_EQ(record.FieldValue("CITY"), "M\xC3\xBCnchen");
  EXPECT_EQ(record.FieldValue("STATE"), "");
  EXPECT_EQ(record.MemoText("MEMO"), "first line");
  EXPECT_EQ(record.MemoText("ZIPPY"), "");
  // Data objects find fields by their display label exactly and tell a
  // missing field from an empty one.
  EXPECT_EQ(record.FieldWithLabel("Zip/Postal Code"), std::optional<std::string>("ZIP"));
  EXPECT_EQ(record.FieldWithLabel("zip/postal code"), std::nullopt);
  EXPECT_EQ(record.FieldWithLabel("State"), std::nullopt);
  EXPECT_TRUE(record.HasField("city"));
  EXPECT_FALSE(record.HasField("STATE"));
}

}  // namespace
}  // namespace vellumo::design
