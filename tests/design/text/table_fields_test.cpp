// The readers over a real address database: values without padding, the
// address block composed from a record, memos, and missing fields.
#include "design/text/table_fields.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/address_database.h"
#include "design/text/address_block.h"

namespace vellumo {
namespace {

class TableFieldsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString path = dir_.filePath(QStringLiteral("ADD0001.DBF"));
    ASSERT_TRUE(CreateAddressDatabase(path, FieldLengths::Defaults()));
    ASSERT_TRUE(OpenTableFile(path, &table_, AddressFieldNames()));
    ASSERT_TRUE(table_->AppendBlank().ok());
    for (auto [field, value] : {std::pair{"FNAME", "John"}, {"MIDDLE", "Q"}, {"LNAME", "Jones"},
                                {"STREET", "1 Main St"}, {"CITY", "Springfield"}, {"STATE", "IL"},
                                {"ZIP", "62701"}, {"MEMO", "first line\r\nsecond line"}}) {
      ASSERT_TRUE(table_->Replace(field, value).ok()) << field;
    }
    ASSERT_TRUE(table_->Commit().ok());
  }
  QTemporaryDir dir_;
  std::unique_ptr<xbase::Table> table_;
};

TEST_F(TableFieldsTest, ValuesComeWithoutTheirPadding) {
  const FieldText field = FieldsOfTable(*table_);
  EXPECT_EQ(field("LNAME"), "Jones");
  EXPECT_EQ(field("ORG"), "");
  EXPECT_EQ(field("NOSUCH"), std::nullopt);
}

TEST_F(TableFieldsTest, AddressBlockOfARecord) {
  EXPECT_EQ(ComposeAddressBlock(FieldsOfTable(*table_), {}),
            QStringList({"John Q. Jones ", "1 Main St", "Springfield  IL 62701"}));
}

TEST_F(TableFieldsTest, MemoLinesOfARecord) {
  const BoundRecord record{{{"MEMO", "Memo"}}, FieldsOfTable(*table_)};
  const MemoLayout no_wrap{false, 2.0, {}};
  EXPECT_EQ(MemoFieldLines(record, "Memo", {false, true}, MemoOfTable(*table_), no_wrap),
            QStringList({"first line", "second line"}));
  EXPECT_EQ(MemoOfTable(*table_)("NOSUCH"), std::nullopt);
}

}  // namespace
}  // namespace vellumo
