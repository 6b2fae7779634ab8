// Reading records by number and walking the order without moving the
// table's current record: what such reads see of unwritten changes,
// appended records, deletion marks, filters and scopes.
#include <gtest/gtest.h>

#include "xbase/table.h"

namespace xbase {
namespace {

class TableReadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_ = NewMemEnv();
    const std::vector<FieldDef> fields = {FieldDef{"LNAME", field_type::kCharacter, 12, 0, 0, 0},
                                          FieldDef{"MEMBER", field_type::kLogical, 1, 0, 0, 0},
                                          FieldDef{"NOTES", field_type::kMemo, 10, 0, 0, 0}};
    ASSERT_TRUE(Table::Create(kPath, fields, CreateOptions{env_.get()}).ok());
    OpenOptions options;
    options.env = env_.get();
    ASSERT_TRUE(Table::Open(kPath, options, &table_).ok());
    // Records 1..5 in natural order; by name: Ames(4) Bell(2) Cole(1) Dunn(5) Eads(3).
    for (const char* name : {"Cole", "Bell", "Eads", "Ames", "Dunn"}) {
      ASSERT_TRUE(table_->AppendBlank().ok());
      ASSERT_TRUE(table_->Replace("LNAME", name).ok());
    }
    ASSERT_TRUE(table_->Commit().ok());
    ASSERT_TRUE(table_->IndexTag(TagSpec{"LNAME", "UPPER(LNAME)", "", false}).ok());
    ASSERT_TRUE(table_->SetOrder(table_->TagArea("LNAME")).ok());
  }

  std::string NameOf(uint32_t recno) {
    Record record;
    Status s = table_->Read(recno, &record);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return record.GetTrimString("LNAME");
  }

  std::vector<std::string> Walk(uint32_t from, bool forward, size_t count = 100) {
    std::vector<uint32_t> recnos;
    Status s = table_->VisibleRecords(from, forward, count, &recnos);
    EXPECT_TRUE(s.ok()) << s.ToString();
    std::vector<std::string> names;
    for (uint32_t recno : recnos) names.push_back(NameOf(recno));
    return names;
  }

  static constexpr const char* kPath = "READ.DBF";
  std::unique_ptr<Env> env_;
  std::unique_ptr<Table> table_;
};

using Names = std::vector<std::string>;

TEST_F(TableReadTest, ReadSeesTheCurrentRecordsUnwrittenChangesAndLeavesThem) {
  ASSERT_TRUE(table_->Go(2).ok());
  ASSERT_TRUE(table_->Replace("LNAME", "Zane").ok());
  ASSERT_TRUE(table_->ReplaceLogical("MEMBER", true).ok());
  ASSERT_TRUE(table_->Replace("NOTES", "met in May").ok());
  EXPECT_EQ(NameOf(2), "Zane");
  EXPECT_EQ(NameOf(1), "Cole");
  Record current;
  ASSERT_TRUE(table_->Read(2, &current).ok());
  EXPECT_TRUE(current.GetLogical("MEMBER"));
  EXPECT_EQ(current.recno(), 2u);
  std::string memo;
  ASSERT_TRUE(table_->ReadMemo(current, "NOTES", &memo).ok());
  EXPECT_EQ(memo, "met in May");
  EXPECT_EQ(table_->RecNo(), 2u);
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Zane");
  // The change is still pending, and is written on the next move as usual:
  // its new key puts the record last.
  ASSERT_TRUE(table_->Skip(1).ok());
  EXPECT_TRUE(table_->Eof());
  ASSERT_TRUE(table_->GoBottom().ok());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Zane");
  EXPECT_TRUE(table_->GetLogical("MEMBER"));
}

TEST_F(TableReadTest, ReadSeesAppendedRecordsBeforeTheyAreCommitted) {
  ASSERT_TRUE(table_->AppendBlank().ok());
  ASSERT_TRUE(table_->Replace("LNAME", "Fox").ok());
  ASSERT_TRUE(table_->AppendBlank().ok());  // Fox waits in memory, not yet in the file
  ASSERT_TRUE(table_->Replace("LNAME", "Gray").ok());
  EXPECT_EQ(NameOf(6), "Fox");
  EXPECT_EQ(NameOf(7), "Gray");
  EXPECT_EQ(table_->RecNo(), 7u);
  EXPECT_EQ(Walk(0, true), (Names{"Ames", "Bell", "Cole", "Dunn", "Eads", "Fox", "Gray"}));
  EXPECT_EQ(table_->RecNo(), 7u);
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Gray");
}

TEST_F(TableReadTest, ReadGivesDeletedAndFilteredRecordsWhichWalksPassOver) {
  ASSERT_TRUE(table_->Go(2).ok());  // Bell
  ASSERT_TRUE(table_->Delete().ok());
  ASSERT_TRUE(table_->SetFilter("LNAME <> 'Dunn'").ok());
  ASSERT_TRUE(table_->Go(1).ok());
  Record deleted;
  ASSERT_TRUE(table_->Read(2, &deleted).ok());
  EXPECT_TRUE(deleted.deleted());
  EXPECT_EQ(deleted.GetTrimString("LNAME"), "Bell");
  EXPECT_EQ(NameOf(5), "Dunn");
  EXPECT_EQ(Walk(0, true), (Names{"Ames", "Cole", "Eads"}));
  EXPECT_EQ(Walk(0, false), (Names{"Eads", "Cole", "Ames"}));
  // From hidden records, in their places in the order.
  EXPECT_EQ(Walk(2, true), (Names{"Cole", "Eads"}));
  EXPECT_EQ(Walk(5, false, 1), (Names{"Cole"}));
  table_->SetDeleted(false);
  EXPECT_EQ(Walk(0, true), (Names{"Ames", "Bell", "Cole", "Eads"}));
  EXPECT_EQ(table_->RecNo(), 1u);
}

TEST_F(TableReadTest, RecordsOutOfRangeAreNotFound) {
  Record record;
  EXPECT_TRUE(table_->Read(0, &record).IsNotFound());
  EXPECT_TRUE(table_->Read(6, &record).IsNotFound());
  EXPECT_EQ(record.GetTrimString("LNAME"), "");
  std::vector<uint32_t> recnos;
  EXPECT_TRUE(table_->VisibleRecords(6, true, 3, &recnos).IsNotFound());
  EXPECT_TRUE(recnos.empty());
  ASSERT_TRUE(table_->VisibleRecords(0, true, 0, &recnos).ok());
  EXPECT_TRUE(recnos.empty());
  Record unread;
  EXPECT_EQ(unread.GetTrimString("LNAME"), "");
  EXPECT_FALSE(unread.deleted());
}

TEST_F(TableReadTest, WalksLeaveTheCurrentRecordAndTheTablesOwnStepping) {
  ASSERT_TRUE(table_->Go(1).ok());  // Cole, the middle of the order
  EXPECT_EQ(Walk(0, true, 2), (Names{"Ames", "Bell"}));
  EXPECT_EQ(Walk(0, false, 2), (Names{"Eads", "Dunn"}));
  EXPECT_EQ(Walk(4, true, 2), (Names{"Bell", "Cole"}));
  EXPECT_EQ(Walk(3, false), (Names{"Dunn", "Cole", "Bell", "Ames"}));
  EXPECT_EQ(table_->RecNo(), 1u);
  ASSERT_TRUE(table_->Skip(1).ok());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Dunn");
  ASSERT_TRUE(table_->Skip(-2).ok());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Bell");

  ASSERT_TRUE(table_->GoBottom().ok());
  ASSERT_TRUE(table_->Skip(1).ok());
  ASSERT_TRUE(table_->Eof());
  EXPECT_EQ(Walk(0, true).size(), 5u);
  EXPECT_TRUE(table_->Eof());
  ASSERT_TRUE(table_->GoTop().ok());
  ASSERT_TRUE(table_->Skip(-1).ok());
  ASSERT_TRUE(table_->Bof());
  EXPECT_EQ(Walk(0, false).size(), 5u);
  EXPECT_TRUE(table_->Bof());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Ames");
}

TEST_F(TableReadTest, WalksFindTheCurrentRecordWhereItsUnwrittenChangePutsIt) {
  ASSERT_TRUE(table_->Go(4).ok());  // Ames, first by name
  ASSERT_TRUE(table_->Replace("LNAME", "Cope").ok());
  EXPECT_EQ(Walk(0, true), (Names{"Bell", "Cole", "Cope", "Dunn", "Eads"}));
  EXPECT_EQ(Walk(4, false), (Names{"Cole", "Bell"}));
  EXPECT_EQ(table_->RecNo(), 4u);
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Cope");
  ASSERT_TRUE(table_->Skip(1).ok());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Dunn");
}

TEST_F(TableReadTest, WalksKeepToTheScopeAndTheNaturalOrder) {
  ASSERT_TRUE(table_->SetScope("B", "D").ok());
  EXPECT_EQ(Walk(0, true), (Names{"Bell", "Cole", "Dunn"}));
  EXPECT_EQ(Walk(0, false), (Names{"Dunn", "Cole", "Bell"}));
  EXPECT_EQ(Walk(1, true), (Names{"Dunn"}));
  ASSERT_TRUE(table_->SetOrder(0).ok());
  EXPECT_EQ(Walk(0, true), (Names{"Cole", "Bell", "Eads", "Ames", "Dunn"}));
  EXPECT_EQ(Walk(3, false), (Names{"Bell", "Cole"}));
}

}  // namespace
}  // namespace xbase
