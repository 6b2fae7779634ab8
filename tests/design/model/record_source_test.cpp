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

TEST(TableRecordSource, AddressTablesOfferTheComputedNameAndPlaceFields) {
  std::unique_ptr<xbase::Env> env = xbase::NewMemEnv();
  xbase::CreateOptions create;
  create.env = env.get();
  ASSERT_TRUE(xbase::Table::Create("/a.dbf",
                                   {{"LNAME", 'C', 20}, {"FNAME", 'C', 20}, {"MIDDLE", 'C', 5}, {"PREFIX", 'C', 5},
                                    {"CITY", 'C', 20}, {"STATE", 'C', 2}, {"ZIP", 'C', 10}},
                                   create)
                  .ok());
  ASSERT_TRUE(xbase::Table::Create("/other.dbf", {{"FIRST", 'C', 20}}, create).ok());
  xbase::OpenOptions open;
  open.env = env.get();
  std::unique_ptr<xbase::Table> table, other;
  ASSERT_TRUE(xbase::Table::Open("/a.dbf", open, &table).ok());
  ASSERT_TRUE(xbase::Table::Open("/other.dbf", open, &other).ok());
  ASSERT_TRUE(table->AppendBlank().ok());
  for (auto [field, value] : {std::pair{"LNAME", "Smith"}, {"FNAME", "Ann"}, {"PREFIX", "Dr."}, {"CITY", "Salem"},
                              {"STATE", "OR"}, {"ZIP", "97301"}}) {
    ASSERT_TRUE(table->Replace(field, value).ok());
  }
  const TableRecordSource record(*table);
  EXPECT_TRUE(record.HasField("fullname"));
  EXPECT_NE(record.FieldValue("FullName").find("Smith"), std::string::npos) << record.FieldValue("FullName");
  EXPECT_NE(record.FieldValue("FullNameWithPrefix").find("Dr."), std::string::npos);
  EXPECT_NE(record.FieldValue("CityStateZip").find("97301"), std::string::npos);
  EXPECT_EQ(record.FieldWithLabel("Full Name"), std::optional<std::string>("FullName"));
  EXPECT_EQ(record.LabelledFieldValue("City, State & Zip"), record.FieldValue("CITYSTATEZIP"));
  const std::vector<xbase::FieldDef> offered = FieldsOfferedBy(*table);
  ASSERT_EQ(offered.size(), 10u);
  EXPECT_EQ(offered[7].name, "FullName");
  EXPECT_EQ(offered[9].name, "CityStateZip");
  // Other tables have no such fields.
  EXPECT_EQ(FieldsOfferedBy(*other).size(), 1u);
  const TableRecordSource plain(*other);
  EXPECT_FALSE(plain.HasField("FullName"));
  EXPECT_EQ(plain.FieldValue("FullName"), "");
}

}  // namespace
}  // namespace vellumo::design
