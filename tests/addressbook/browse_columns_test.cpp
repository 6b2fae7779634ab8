// Browse columns: the first order, the column-order file and reordering.
#include "addressbook/browse_columns.h"
#include "test_home.h"

namespace vellumo {
namespace {

std::vector<BrowseColumn> Defaults() {
  return DefaultBrowseColumns([](const QString&) { return 30; });
}

QStringList Fields(const std::vector<BrowseColumn>& columns, bool visible_only) {
  QStringList fields;
  for (const BrowseColumn& c : columns) {
    if (!visible_only || !c.hidden) fields << c.field;
  }
  return fields;
}

TEST(BrowseColumnsTest, FirstOrderShowsTagThenFieldsThenDate) {
  const std::vector<BrowseColumn> columns = Defaults();
  const QStringList visible = Fields(columns, true);
  EXPECT_EQ(visible.first(), QStringLiteral("Tagged"));
  EXPECT_EQ(visible[1], QStringLiteral("LNAME"));
  EXPECT_EQ(visible.last(), QStringLiteral("DisplayDate"));
  for (const char* hidden : {"MEMO", "ISDEL", "DATE", "TAG", "FullName", "FullNameWithPrefix", "CityStateZip"}) {
    EXPECT_FALSE(visible.contains(QLatin1String(hidden))) << hidden;
  }
  EXPECT_EQ(columns.size(), 28u);  // 23 stored and 5 computed fields
  EXPECT_EQ(columns[1].label, QStringLiteral("Last Name"));
  EXPECT_EQ(columns[1].width_chars, 20);
  EXPECT_EQ(columns[3].width_chars, 30);  // MIDDLE: as wide as its field
}

TEST(BrowseColumnsTest, OrderFileMovesNamedFieldsAndSkipsUnknownOnes) {
  std::vector<BrowseColumn> columns = Defaults();
  ApplyColumnOrder({QStringLiteral("CITY"), QStringLiteral("NOSUCHFIELD"), QStringLiteral("lname")}, &columns);
  EXPECT_EQ(columns[0].field, QStringLiteral("CITY"));
  EXPECT_EQ(columns[1].field, QStringLiteral("LNAME"));
  EXPECT_EQ(columns[2].field, QStringLiteral("Tagged"));
  EXPECT_EQ(columns.size(), 28u);
}

TEST(BrowseColumnsTest, MovedVisibleColumnsLeaveHiddenOnesInPlace) {
  std::vector<BrowseColumn> columns = Defaults();
  QStringList visible = Fields(columns, true);
  visible.move(visible.indexOf(QStringLiteral("CITY")), 0);
  const QStringList hidden_before = Fields(columns, false);
  ReorderVisibleColumns(visible, &columns);
  EXPECT_EQ(Fields(columns, true), visible);
  for (size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].hidden) {
      EXPECT_EQ(columns[i].field, hidden_before[static_cast<int>(i)]);
    }
  }
}

class ColumnOrderFileTest : public HomeTest {};

TEST_F(ColumnOrderFileTest, WrittenOrderReadsBack) {
  std::vector<BrowseColumn> columns = Defaults();
  ApplyColumnOrder({QStringLiteral("ZIP")}, &columns);
  ASSERT_TRUE(WriteColumnOrder(ColumnOrderFilePath(), columns));
  std::vector<BrowseColumn> again = Defaults();
  ApplyColumnOrder(ReadColumnOrder(ColumnOrderFilePath()), &again);
  EXPECT_EQ(Fields(again, false), Fields(columns, false));
  EXPECT_TRUE(ReadColumnOrder(dir_.filePath(QStringLiteral("missing.LST"))).isEmpty());
}

TEST_F(ColumnOrderFileTest, AnOrderThatCannotBeWrittenIsTold) {
  const QString path = dir_.filePath(QStringLiteral("no/such/folder/FIELDS.LST"));
  EXPECT_FALSE(WriteColumnOrder(path, Defaults()));
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_TRUE(messenger_.said[0].startsWith(QStringLiteral("Unable to write ") + path + QStringLiteral(": ")));
}

}  // namespace
}  // namespace vellumo
