// Tables end to end: records and fields, navigation under order, filter,
// scope and deletion hiding, seek, tag upkeep, pack, zap, locks and the
// detection of an index that no longer matches its table.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "cdx_index.h"
#include "dbf_file.h"
#include "support/watched_env.h"
#include "xbase/table.h"

namespace xbase {
namespace {

FieldDef Char(const char* name, uint16_t width) {
  return FieldDef{name, field_type::kCharacter, width, 0, 0, 0};
}

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_ = NewMemEnv();
    fields_ = {Char("LNAME", 12), Char("FNAME", 10),
               FieldDef{"AMOUNT", field_type::kNumeric, 8, 2, 0, 0},
               FieldDef{"ISDEL", field_type::kLogical, 1, 0, 0, 0},
               FieldDef{"BORN", field_type::kDate, 8, 0, 0, 0},
               FieldDef{"NOTES", field_type::kMemo, 10, 0, 0, 0}};
    ASSERT_TRUE(Table::Create(kPath, fields_, CreateOptions{env_.get()}).ok());
    Reopen();
  }

  void Reopen() {
    table_.reset();
    OpenOptions options;
    options.env = env_.get();
    Status s = Table::Open(kPath, options, &table_);
    ASSERT_TRUE(s.ok()) << s.ToString();
  }

  void Add(const std::string& last, const std::string& first, const std::string& amount = "0") {
    ASSERT_TRUE(table_->AppendBlank().ok());
    ASSERT_TRUE(table_->Replace("LNAME", last).ok());
    ASSERT_TRUE(table_->Replace("FNAME", first).ok());
    ASSERT_TRUE(table_->Replace("AMOUNT", amount).ok());
    ASSERT_TRUE(table_->Commit().ok());
  }

  void AddNames() {
    for (const char* name : {"Lee", "Ashlee", "Leeds", "brown", "Adams", "lee"}) Add(name, "X");
  }

  // Last names in the current order, from the top, as the user sees them.
  std::vector<std::string> Walk() {
    std::vector<std::string> names;
    Status s;
    for (s = table_->GoTop(); s.ok() && !table_->Eof(); s = table_->Skip(1)) {
      names.push_back(table_->GetTrimString("LNAME"));
    }
    EXPECT_TRUE(s.ok()) << s.ToString();
    return names;
  }

  void IndexLastName() {
    Status s = table_->IndexTag(TagSpec{"LNAME", "UPPER(LNAME)+UPPER(FNAME)", "", false});
    ASSERT_TRUE(s.ok()) << s.ToString();
    ASSERT_TRUE(table_->SetOrder(table_->TagArea("lname")).ok());
  }

  static constexpr const char* kPath = "ADDR.DBF";
  std::unique_ptr<Env> env_;
  std::vector<FieldDef> fields_;
  std::unique_ptr<Table> table_;
};

TEST_F(TableTest, FieldsSurviveReopen) {
  ASSERT_TRUE(table_->AppendBlank().ok());
  ASSERT_TRUE(table_->Replace("lname", "Brown").ok());
  ASSERT_TRUE(table_->Replace("AMOUNT", "-12.5").ok());
  ASSERT_TRUE(table_->ReplaceLogical("ISDEL", true).ok());
  ASSERT_TRUE(table_->Replace("BORN", "19700102").ok());
  std::string memo(5000, 'm');
  ASSERT_TRUE(table_->Replace("NOTES", memo).ok());
  ASSERT_TRUE(table_->Commit().ok());
  Reopen();
  ASSERT_EQ(table_->RecCount(), 1u);
  EXPECT_EQ(table_->GetString("LNAME"), "Brown       ");
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Brown");
  EXPECT_EQ(table_->GetTrimString("AMOUNT"), "  -12.50");
  EXPECT_TRUE(table_->GetLogical("isdel"));
  std::string text;
  ASSERT_TRUE(table_->GetMemo("NOTES", &text).ok());
  EXPECT_EQ(text, memo);
  EXPECT_EQ(table_->GetString("NOSUCH"), "");
  EXPECT_TRUE(table_->Replace("NOSUCH", "x").IsInvalidArgument());
  EXPECT_TRUE(table_->Replace("AMOUNT", "abc").IsInvalidArgument());
}

TEST_F(TableTest, NavigationAtTheEnds) {
  EXPECT_TRUE(table_->Eof());
  EXPECT_TRUE(table_->Bof());
  AddNames();
  ASSERT_TRUE(table_->GoTop().ok());
  EXPECT_EQ(table_->RecNo(), 1u);
  ASSERT_TRUE(table_->Skip(-1).ok());
  EXPECT_TRUE(table_->Bof());
  EXPECT_EQ(table_->RecNo(), 1u);
  ASSERT_TRUE(table_->GoBottom().ok());
  EXPECT_EQ(table_->RecNo(), 6u);
  ASSERT_TRUE(table_->Skip(1).ok());
  EXPECT_TRUE(table_->Eof());
  EXPECT_EQ(table_->RecNo(), 7u);
  EXPECT_EQ(table_->GetTrimString("LNAME"), "");
  ASSERT_TRUE(table_->Skip(-1).ok());
  EXPECT_EQ(table_->RecNo(), 6u);
  ASSERT_TRUE(table_->Skip(-3).ok());
  EXPECT_EQ(table_->RecNo(), 3u);
  ASSERT_TRUE(table_->Go(99).ok());
  EXPECT_TRUE(table_->Eof());
}

TEST_F(TableTest, DeletedRecordsHiddenUntilShown) {
  AddNames();
  ASSERT_TRUE(table_->Go(2).ok());
  ASSERT_TRUE(table_->Delete().ok());
  EXPECT_TRUE(table_->Deleted());
  EXPECT_EQ(Walk(), (std::vector<std::string>{"Lee", "Leeds", "brown", "Adams", "lee"}));
  uint32_t count = 0;
  ASSERT_TRUE(table_->QueryRecCount(&count).ok());
  EXPECT_EQ(count, 5u);
  table_->SetDeleted(false);
  EXPECT_EQ(Walk().size(), 6u);
  ASSERT_TRUE(table_->Go(2).ok());
  ASSERT_TRUE(table_->Recall().ok());
  table_->SetDeleted(true);
  EXPECT_EQ(Walk().size(), 6u);
}

TEST_F(TableTest, DeletionMarksFollowEveryWrite) {
  AddNames();
  IndexLastName();
  EXPECT_EQ(Walk().size(), 6u);  // the marks are known from here on
  ASSERT_TRUE(table_->Go(3).ok());
  ASSERT_TRUE(table_->Delete().ok());
  EXPECT_EQ(Walk(), (std::vector<std::string>{"Adams", "Ashlee", "brown", "Lee", "lee"}));
  ASSERT_TRUE(table_->Go(3).ok());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Leeds");  // read on demand after the move
  ASSERT_TRUE(table_->Recall().ok());
  ASSERT_TRUE(table_->AppendBlank().ok());
  ASSERT_TRUE(table_->Replace("LNAME", "Zoe").ok());
  ASSERT_TRUE(table_->Delete().ok());
  EXPECT_EQ(Walk().size(), 6u);
  ASSERT_TRUE(table_->Seek("ZOE").ok());
  EXPECT_FALSE(table_->Found());
  ASSERT_TRUE(table_->Go(1).ok());
  ASSERT_TRUE(table_->Delete().ok());
  ASSERT_TRUE(table_->Pack().ok());
  EXPECT_EQ(Walk(), (std::vector<std::string>{"Adams", "Ashlee", "brown", "lee", "Leeds"}));
}

TEST_F(TableTest, TagOrderAndRecordNumbersSurviveOrderChanges) {
  AddNames();
  IndexLastName();
  EXPECT_EQ(Walk(), (std::vector<std::string>{"Adams", "Ashlee", "brown", "Lee", "lee", "Leeds"}));
  ASSERT_TRUE(table_->Go(3).ok());  // Leeds
  ASSERT_TRUE(table_->SetOrder(0).ok());
  EXPECT_EQ(table_->RecNo(), 3u);
  ASSERT_TRUE(table_->SetOrder(1).ok());
  EXPECT_EQ(table_->RecNo(), 3u);
  ASSERT_TRUE(table_->Skip(-1).ok());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "lee");
  EXPECT_EQ(table_->TagArea("NOSUCH"), 0);
  EXPECT_TRUE(table_->SetOrder(5).IsInvalidArgument());
  EXPECT_EQ(table_->IndexName(), "ADDR.CDX");
}

TEST_F(TableTest, SeekExactSoftAndDeleted) {
  AddNames();
  IndexLastName();
  ASSERT_TRUE(table_->Seek("LEE").ok());
  EXPECT_TRUE(table_->Found());
  EXPECT_EQ(table_->RecNo(), 1u);
  ASSERT_TRUE(table_->Seek("ASH").ok());
  EXPECT_TRUE(table_->Found());
  table_->SetExact(true);
  ASSERT_TRUE(table_->Seek("ASH").ok());
  EXPECT_FALSE(table_->Found());
  EXPECT_TRUE(table_->Eof());
  table_->SetExact(false);
  ASSERT_TRUE(table_->Seek("C").ok());
  EXPECT_FALSE(table_->Found());
  EXPECT_TRUE(table_->Eof());
  table_->SetSoftSeek(true);
  ASSERT_TRUE(table_->Seek("C").ok());
  EXPECT_FALSE(table_->Found());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Lee");
  // A deleted match is passed over for the next visible one.
  ASSERT_TRUE(table_->Delete().ok());
  ASSERT_TRUE(table_->Seek("LEE").ok());
  EXPECT_TRUE(table_->Found());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "lee");
  ASSERT_TRUE(table_->SetOrder(0).ok());
  EXPECT_TRUE(table_->Seek("LEE").IsInvalidArgument());
}

TEST_F(TableTest, FiltersHideAndCount) {
  AddNames();
  ASSERT_TRUE(table_->SetFilter("UPPER(LNAME)=\"LEE\" .and. !ISDEL").ok());
  EXPECT_EQ(Walk(), (std::vector<std::string>{"Lee", "Leeds", "lee"}));
  uint32_t count = 0;
  ASSERT_TRUE(table_->QueryRecCount(&count).ok());
  EXPECT_EQ(count, 3u);
  EXPECT_FALSE(table_->SetFilter("UPPER(LNAME=").ok());
  EXPECT_EQ(table_->filter(), "UPPER(LNAME)=\"LEE\" .and. !ISDEL");
  EXPECT_TRUE(table_->SetFilter("LNAME").IsInvalidArgument());  // not logical
  EXPECT_TRUE(table_->CheckExpression("\"LEE\"$UPPER(LNAME)").ok());
  ASSERT_TRUE(table_->SetFilter("\"LEE\"$UPPER(LNAME)").ok());
  ASSERT_TRUE(table_->QueryRecCount(&count).ok());
  EXPECT_EQ(count, 4u);
  ASSERT_TRUE(table_->Go(4).ok());
  bool result = true;
  ASSERT_TRUE(table_->EvalLogical("UPPER(LNAME)=\"BR\"", &result).ok());
  EXPECT_TRUE(result);
  ASSERT_TRUE(table_->SetFilter("").ok());
  ASSERT_TRUE(table_->QueryRecCount(&count).ok());
  EXPECT_EQ(count, 6u);
}

TEST_F(TableTest, FilterInTagOrderAndScope) {
  AddNames();
  IndexLastName();
  ASSERT_TRUE(table_->SetFilter("UPPER(LNAME)<>\"LEEDS\"").ok());
  EXPECT_EQ(Walk(), (std::vector<std::string>{"Adams", "Ashlee", "brown", "Lee", "lee"}));
  ASSERT_TRUE(table_->SetFilter("").ok());
  ASSERT_TRUE(table_->SetScope("B", "LEE").ok());
  EXPECT_EQ(Walk(), (std::vector<std::string>{"brown", "Lee", "lee", "Leeds"}));
  uint32_t count = 0;
  ASSERT_TRUE(table_->QueryRecCount(&count).ok());
  EXPECT_EQ(count, 4u);
  ASSERT_TRUE(table_->GoBottom().ok());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Leeds");
  table_->ClearScope();
  EXPECT_EQ(Walk().size(), 6u);
}

TEST_F(TableTest, TagsFollowEveryChangeAndSurviveReopen) {
  AddNames();
  ASSERT_TRUE(table_->IndexTags({TagSpec{"LNAME", "UPPER(LNAME)+UPPER(FNAME)", "", false},
                                 TagSpec{"AMOUNT", "AMOUNT", "", false},
                                 TagSpec{"DELETED", "DELETED()", "", false},
                                 TagSpec{"BORN", "BORN", "", false},
                                 TagSpec{"BIG", "LNAME", "AMOUNT > 100", false}})
                  .ok());
  ASSERT_TRUE(table_->Go(2).ok());
  ASSERT_TRUE(table_->Replace("LNAME", "Zed").ok());
  ASSERT_TRUE(table_->Replace("AMOUNT", "500").ok());
  ASSERT_TRUE(table_->Replace("BORN", "20000229").ok());
  ASSERT_TRUE(table_->Go(4).ok());  // moving off writes record 2
  ASSERT_TRUE(table_->Delete().ok());
  Add("Young", "Y", "-3");
  Status s = table_->CheckIndexes();
  ASSERT_TRUE(s.ok()) << s.ToString();
  Reopen();
  ASSERT_TRUE(table_->index_status().ok()) << table_->index_status().ToString();
  ASSERT_EQ(table_->TagCount(), 5u);
  EXPECT_EQ(table_->Tag(2).name, "AMOUNT");
  EXPECT_TRUE(table_->CheckIndexes().ok());
  ASSERT_TRUE(table_->SetOrder(table_->TagArea("AMOUNT")).ok());
  ASSERT_TRUE(table_->GoTop().ok());
  EXPECT_EQ(table_->GetTrimString("LNAME"), "Young");  // -3 sorts first
  ASSERT_TRUE(table_->Seek("500").ok());
  EXPECT_TRUE(table_->Found());
  EXPECT_EQ(table_->RecNo(), 2u);
  ASSERT_TRUE(table_->SetOrder(table_->TagArea("BIG")).ok());
  EXPECT_EQ(Walk(), (std::vector<std::string>{"Zed"}));
  ASSERT_TRUE(table_->SetOrder(table_->TagArea("BORN")).ok());
  ASSERT_TRUE(table_->Seek("20000229").ok());
  EXPECT_TRUE(table_->Found());
}

TEST_F(TableTest, RandomEditsKeepTagsInStep) {
  ASSERT_TRUE(table_->IndexTags({TagSpec{"LNAME", "UPPER(LNAME)", "", false},
                                 TagSpec{"NAME", "UPPER(LNAME-FNAME)", "", false}})
                  .ok());
  std::mt19937 rng(7);
  std::map<uint32_t, std::string> model;  // recno -> upper-case last name
  auto name = [&] {
    std::string s;
    for (int i = 0, n = 1 + static_cast<int>(rng() % 6); i < n; ++i) {
      s.push_back(static_cast<char>("abcAB "[rng() % 6]));
    }
    return s;
  };
  for (int step = 0; step < 3000; ++step) {
    uint32_t choice = rng() % 10;
    if (choice < 5 || model.empty()) {
      std::string n = name();
      Add(n, name());
      model[table_->RecNo()] = n;
    } else {
      uint32_t recno = 1 + rng() % table_->RecCount();
      ASSERT_TRUE(table_->Go(recno).ok());
      if (choice < 8) {
        std::string n = name();
        ASSERT_TRUE(table_->Replace("LNAME", n).ok());
        if (model.count(recno)) model[recno] = n;
      } else if (model.count(recno)) {
        ASSERT_TRUE(table_->Delete().ok());
        model.erase(recno);
      }
    }
    if (step % 500 == 0) {
      ASSERT_TRUE(table_->Commit().ok());
    }
  }
  ASSERT_TRUE(table_->Commit().ok());
  Status s = table_->CheckIndexes();
  ASSERT_TRUE(s.ok()) << s.ToString();
  ASSERT_TRUE(table_->SetOrder(1).ok());
  std::vector<std::pair<std::string, uint32_t>> expected;
  for (const auto& [recno, n] : model) {
    std::string key = n;
    std::transform(key.begin(), key.end(), key.begin(), ::toupper);
    key.resize(12, ' ');
    expected.emplace_back(key, recno);
  }
  std::sort(expected.begin(), expected.end());
  std::vector<std::pair<std::string, uint32_t>> walked;
  for (s = table_->GoTop(); s.ok() && !table_->Eof(); s = table_->Skip(1)) {
    std::string key = table_->GetString("LNAME");
    std::transform(key.begin(), key.end(), key.begin(), ::toupper);
    walked.emplace_back(key, table_->RecNo());
  }
  ASSERT_TRUE(s.ok()) << s.ToString();
  EXPECT_EQ(walked, expected);
}

TEST_F(TableTest, PackRemovesDeletedAndRebuildsTags) {
  AddNames();
  IndexLastName();
  ASSERT_TRUE(table_->Go(2).ok());
  ASSERT_TRUE(table_->Delete().ok());
  ASSERT_TRUE(table_->Go(5).ok());
  ASSERT_TRUE(table_->Delete().ok());
  std::vector<int> reports;
  table_->SetProgressHook([&](ProgressPhase, int percent) { reports.push_back(percent); });
  ASSERT_TRUE(table_->Pack().ok());
  EXPECT_FALSE(reports.empty());
  EXPECT_EQ(table_->RecCount(), 4u);
  EXPECT_TRUE(table_->CheckIndexes().ok());
  ASSERT_TRUE(table_->SetOrder(1).ok());
  EXPECT_EQ(Walk(), (std::vector<std::string>{"brown", "Lee", "lee", "Leeds"}));
  Reopen();
  EXPECT_EQ(table_->RecCount(), 4u);
  EXPECT_EQ(table_->TagCount(), 1u);
  ASSERT_TRUE(table_->Zap().ok());
  EXPECT_EQ(table_->RecCount(), 0u);
  EXPECT_TRUE(table_->Eof());
  EXPECT_TRUE(table_->CheckIndexes().ok());
}

TEST_F(TableTest, SecondExclusiveOpenIsRefused) {
  std::unique_ptr<Table> other;
  OpenOptions options;
  options.env = env_.get();
  Status s = Table::Open(kPath, options, &other);
  EXPECT_TRUE(s.IsLocked()) << s.ToString();
}

TEST_F(TableTest, SharedOpeningsCoexistAndOnlyRead) {
  AddNames();
  table_.reset();
  OpenOptions shared;
  shared.env = env_.get();
  shared.exclusive = false;
  std::unique_ptr<Table> a, b, c;
  ASSERT_TRUE(Table::Open(kPath, shared, &a).ok());
  ASSERT_TRUE(Table::Open(kPath, shared, &b).ok());
  EXPECT_TRUE(a->read_only());
  EXPECT_EQ(b->RecCount(), 6u);
  EXPECT_TRUE(a->Replace("LNAME", "x").IsInvalidArgument());
  EXPECT_TRUE(a->AppendBlank().IsInvalidArgument());
  OpenOptions exclusive;
  exclusive.env = env_.get();
  EXPECT_TRUE(Table::Open(kPath, exclusive, &c).IsLocked());
}

TEST_F(TableTest, IndexChangedBehindOurBackIsNotUsed) {
  AddNames();
  IndexLastName();
  table_.reset();
  {
    // Another program appends a record without updating the index.
    std::unique_ptr<DbfFile> dbf;
    ASSERT_TRUE(DbfFile::Open(env_.get(), kPath, true, LockMode::kExclusive, &dbf).ok());
    std::string record = dbf->BlankRecord();
    ASSERT_TRUE(DbfFile::StoreText(dbf->schema().field(0), "Newman", record.data()).ok());
    uint32_t recno = 0;
    ASSERT_TRUE(dbf->AppendRecord(record, &recno).ok());
    ASSERT_TRUE(dbf->Commit().ok());
  }
  Reopen();
  EXPECT_TRUE(table_->index_status().IsCorruption());
  EXPECT_EQ(table_->TagArea("LNAME"), 0);
  EXPECT_EQ(table_->RecCount(), 7u);
  ASSERT_TRUE(table_->IndexTag(TagSpec{"LNAME", "UPPER(LNAME)", "", false}).ok());
  EXPECT_TRUE(table_->index_status().ok());
  Reopen();
  EXPECT_TRUE(table_->index_status().ok());
  EXPECT_EQ(table_->TagArea("LNAME"), 1);
}

TEST_F(TableTest, IndexChangedBackBySameCountIsChecked) {
  AddNames();
  IndexLastName();
  table_.reset();
  {
    // Another program renames a record in place, leaving the index stale.
    std::unique_ptr<DbfFile> dbf;
    ASSERT_TRUE(DbfFile::Open(env_.get(), kPath, true, LockMode::kExclusive, &dbf).ok());
    std::string record = dbf->BlankRecord();
    ASSERT_TRUE(DbfFile::StoreText(dbf->schema().field(0), "Zzz", record.data()).ok());
    ASSERT_TRUE(dbf->WriteRecord(1, record).ok());
    ASSERT_TRUE(dbf->Commit().ok());
  }
  Reopen();
  EXPECT_TRUE(table_->index_status().IsCorruption()) << table_->index_status().ToString();
}

TEST_F(TableTest, FirstIndexIsStampedWithTheTableAsLeft) {
  // Creating the first tag also marks the table as indexed; the stamp must
  // cover that write, or every later open would check every key.
  AddNames();
  IndexLastName();
  table_.reset();
  std::unique_ptr<DbfFile> dbf;
  ASSERT_TRUE(DbfFile::Open(env_.get(), kPath, false, LockMode::kShared, &dbf).ok());
  std::unique_ptr<CompoundIndex> index;
  ASSERT_TRUE(CompoundIndex::Open(env_.get(), "ADDR.CDX", false, LockMode::kShared, &index).ok());
  SyncStamp stamp;
  ASSERT_TRUE(index->ReadStamp(&stamp).ok());
  EXPECT_FALSE(stamp.writing);
  EXPECT_EQ(stamp.record_count, dbf->record_count());
  EXPECT_EQ(stamp.table_change_stamp, dbf->change_stamp());
}

TEST(TableDurabilityTest, CommitSyncsOnlyTheFilesItChanged) {
  WatchedEnv env;
  std::vector<FieldDef> fields = {FieldDef{"NAME", field_type::kCharacter, 10, 0, 0, 0},
                                  FieldDef{"NOTES", field_type::kMemo, 10, 0, 0, 0}};
  ASSERT_TRUE(Table::Create("M.DBF", fields, CreateOptions{&env}).ok());
  OpenOptions options;
  options.env = &env;
  std::unique_ptr<Table> table;
  ASSERT_TRUE(Table::Open("M.DBF", options, &table).ok());
  env.syncs.clear();
  ASSERT_TRUE(table->AppendBlank().ok());
  ASSERT_TRUE(table->Replace("NAME", "Lee").ok());
  ASSERT_TRUE(table->Commit().ok());
  EXPECT_GT(env.syncs["M.DBF"], 0);
  EXPECT_EQ(env.syncs["M.FPT"], 0);
  ASSERT_TRUE(table->Replace("NOTES", "a memo").ok());
  ASSERT_TRUE(table->Commit().ok());
  EXPECT_EQ(env.syncs["M.FPT"], 1);
}

TEST_F(TableTest, TemporaryIndexHoldsOnlyAddedKeys) {
  AddNames();
  ASSERT_TRUE(table_->CreateTemporaryIndex("TEMP.CDX", "UPPER(LNAME)").ok());
  EXPECT_EQ(table_->IndexOrd(), -1);
  EXPECT_TRUE(Walk().empty());
  for (uint32_t recno : {6u, 2u, 4u}) {
    ASSERT_TRUE(table_->Go(recno).ok());
    ASSERT_TRUE(table_->KeyAdd().ok());
  }
  EXPECT_EQ(Walk(), (std::vector<std::string>{"Ashlee", "brown", "lee"}));
  ASSERT_TRUE(table_->CloseTemporaryIndex().ok());
  EXPECT_FALSE(env_->FileExists("TEMP.CDX"));
  EXPECT_EQ(table_->IndexOrd(), 0);
  EXPECT_EQ(Walk().size(), 6u);
}

TEST_F(TableTest, BadTagsAreRefusedWithoutHarm) {
  AddNames();
  IndexLastName();
  EXPECT_TRUE(table_->IndexTag(TagSpec{"BAD", "UPPER(NOSUCH)", "", false}).IsInvalidArgument());
  EXPECT_TRUE(table_->IndexTag(TagSpec{"1BAD", "LNAME", "", false}).IsInvalidArgument());
  EXPECT_TRUE(table_->IndexTag(TagSpec{"BAD", "LNAME", "AMOUNT", false}).IsInvalidArgument());
  EXPECT_TRUE(table_->IndexTag(TagSpec{"BAD", "NOTES", "", false}).IsInvalidArgument());
  EXPECT_EQ(table_->TagCount(), 1u);
  EXPECT_TRUE(table_->CheckIndexes().ok());
}

TEST_F(TableTest, CopyStructureMakesAnEmptyTwin) {
  AddNames();
  ASSERT_TRUE(table_->CopyStructure("COPY.DBF").ok());
  std::unique_ptr<Table> copy;
  OpenOptions options;
  options.env = env_.get();
  ASSERT_TRUE(Table::Open("COPY.DBF", options, &copy).ok());
  EXPECT_EQ(copy->RecCount(), 0u);
  EXPECT_EQ(copy->schema().fields(), table_->schema().fields());
}

}  // namespace
}  // namespace xbase
