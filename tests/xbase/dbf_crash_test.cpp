// Crash safety at the file level: whatever prefix of an in-progress append
// reached the disk, the table reopens with exactly its committed records.
#include <gtest/gtest.h>

#include "dbf_file.h"

namespace xbase {
namespace {

class DbfCrashTest : public ::testing::Test {
 protected:
  void SetUp() override { env_ = NewMemEnv(); }

  std::string Bytes(const std::string& path) {
    std::unique_ptr<File> file;
    EXPECT_TRUE(env_->OpenFile(path, false, LockMode::kNone, &file).ok());
    std::string_view view;
    EXPECT_TRUE(file->View(&view).ok());
    return std::string(view);
  }

  void Put(const std::string& path, std::string_view bytes) {
    std::unique_ptr<File> file;
    ASSERT_TRUE(env_->CreateFile(path, LockMode::kNone, &file).ok());
    ASSERT_TRUE(file->WriteAt(0, bytes).ok());
  }

  std::string Record(DbfFile* dbf, int i) {
    std::string record = dbf->BlankRecord();
    EXPECT_TRUE(DbfFile::StoreText(dbf->schema().field(0), "name " + std::to_string(i),
                                   record.data()).ok());
    EXPECT_TRUE(DbfFile::StoreText(dbf->schema().field(1), std::to_string(i), record.data()).ok());
    return record;
  }

  // Opens `bytes` as a table and checks it holds exactly `expected`.
  void ExpectTable(std::string_view bytes, const std::vector<std::string>& expected,
                   const std::string& what) {
    Put("CUT.DBF", bytes);
    std::unique_ptr<DbfFile> dbf;
    Status s = DbfFile::Open(env_.get(), "CUT.DBF", true, LockMode::kNone, &dbf);
    ASSERT_TRUE(s.ok()) << what << ": " << s.ToString();
    ASSERT_EQ(dbf->record_count(), expected.size()) << what;
    for (uint32_t recno = 1; recno <= expected.size(); ++recno) {
      std::string_view record;
      ASSERT_TRUE(dbf->RecordView(recno, &record).ok()) << what;
      ASSERT_EQ(record, expected[recno - 1]) << what << ", record " << recno;
    }
    // The table stays usable: the next append lands after the committed records.
    uint32_t recno;
    ASSERT_TRUE(dbf->AppendRecord(expected.empty() ? dbf->BlankRecord() : expected[0], &recno).ok());
    EXPECT_EQ(recno, expected.size() + 1) << what;
  }

  std::unique_ptr<Env> env_;
};

TEST_F(DbfCrashTest, EveryCutOfAnAppendKeepsTheCommittedRecords) {
  std::unique_ptr<DbfFile> dbf;
  ASSERT_TRUE(DbfFile::Create(env_.get(), "T.DBF", {{"NAME", 'C', 20}, {"N", 'N', 6}},
                              LockMode::kNone, &dbf).ok());
  std::vector<std::string> committed;
  uint32_t recno;
  for (int i = 0; i < 3; ++i) {
    committed.push_back(Record(dbf.get(), i));
    ASSERT_TRUE(dbf->AppendRecord(committed.back(), &recno).ok());
  }
  ASSERT_TRUE(dbf->Commit().ok());
  const std::string at_commit = Bytes("T.DBF");

  // Two appends in progress, no commit.
  ASSERT_TRUE(dbf->AppendRecord(Record(dbf.get(), 10), &recno).ok());
  ASSERT_TRUE(dbf->AppendRecord(Record(dbf.get(), 11), &recno).ok());
  const std::string in_progress = Bytes("T.DBF");
  ASSERT_EQ(in_progress.compare(0, 32, at_commit, 0, 32), 0);  // header untouched

  // A cut anywhere from before the old end mark to the end of the appends.
  for (size_t cut = at_commit.size() - 1; cut <= in_progress.size(); ++cut) {
    ExpectTable(std::string_view(in_progress).substr(0, cut), committed,
                "cut at " + std::to_string(cut));
  }
  // Torn appends: the new bytes only partly overwrote a longer old file
  // (records of an earlier uncommitted attempt).
  std::string torn = in_progress;
  for (size_t i = at_commit.size(); i < torn.size(); i += 7) torn[i] = '\xEE';
  ExpectTable(torn, committed, "torn");

  // Once committed, the appends are part of the table, cut marker or not.
  ASSERT_TRUE(dbf->Commit().ok());
  std::vector<std::string> all = committed;
  all.push_back(Record(dbf.get(), 10));
  all.push_back(Record(dbf.get(), 11));
  std::string after = Bytes("T.DBF");
  ExpectTable(after, all, "after commit");
  ExpectTable(std::string_view(after).substr(0, after.size() - 1), all, "after commit, no mark");
}

}  // namespace
}  // namespace xbase
