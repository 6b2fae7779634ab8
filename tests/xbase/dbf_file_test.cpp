// Creating tables and working with their records: append and commit,
// rewrite, pack, zap, flags and locks.
#include "dbf_file.h"

#include <gtest/gtest.h>

#include "coding.h"

namespace xbase {
namespace {

std::vector<FieldDef> AddressFields() {
  return {{"name", 'C', 30}, {"amount", 'N', 10, 2}, {"active", 'L', 1},
          {"born", 'D', 8},  {"notes", 'M', 10}};
}

class DbfFileTest : public ::testing::Test {
 protected:
  void SetUp() override { env_ = NewMemEnv(); }

  // Tables are opened without locks so that FileBytes can look at them.
  std::unique_ptr<DbfFile> CreateTable(std::vector<FieldDef> fields = AddressFields(),
                                       LockMode lock = LockMode::kNone) {
    std::unique_ptr<DbfFile> dbf;
    Status s = DbfFile::Create(env_.get(), "ADDR.DBF", fields, lock, &dbf);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return dbf;
  }

  std::unique_ptr<DbfFile> Reopen(bool writable = false) {
    std::unique_ptr<DbfFile> dbf;
    Status s = DbfFile::Open(env_.get(), "ADDR.DBF", writable, LockMode::kNone, &dbf);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return dbf;
  }

  std::string FileBytes() {
    std::unique_ptr<File> file;
    EXPECT_TRUE(env_->OpenFile("ADDR.DBF", false, LockMode::kNone, &file).ok());
    if (file == nullptr) return "";
    std::string_view view;
    EXPECT_TRUE(file->View(&view).ok());
    return std::string(view);
  }

  // Appends a record whose name is `name` and whose amount is `amount`.
  uint32_t Append(DbfFile* dbf, const std::string& name, const std::string& amount = "1") {
    std::string record = dbf->BlankRecord();
    const Schema& schema = dbf->schema();
    EXPECT_TRUE(DbfFile::StoreText(schema.field(0), name, record.data()).ok());
    EXPECT_TRUE(DbfFile::StoreText(schema.field(1), amount, record.data()).ok());
    uint32_t recno = 0;
    EXPECT_TRUE(dbf->AppendRecord(record, &recno).ok());
    return recno;
  }

  std::string NameOf(DbfFile* dbf, uint32_t recno) {
    std::string_view record;
    EXPECT_TRUE(dbf->RecordView(recno, &record).ok());
    std::string name = DbfFile::FieldAsText(dbf->schema().field(0), record.data());
    return name.substr(0, name.find_last_not_of(' ') + 1);
  }

  std::unique_ptr<Env> env_;
};

TEST_F(DbfFileTest, CreateWritesTheFoxProLayout) {
  auto dbf = CreateTable();
  std::string bytes = FileBytes();
  const size_t header_length = 32 + 32 * 5 + 1;
  ASSERT_EQ(bytes.size(), header_length + 1);
  EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0xF5);  // memo field present
  EXPECT_GE(static_cast<uint8_t>(bytes[1]), 124);   // year since 1900
  EXPECT_EQ(DecodeLE32(bytes.data() + 4), 0u);
  EXPECT_EQ(DecodeLE16(bytes.data() + 8), header_length);
  EXPECT_EQ(DecodeLE16(bytes.data() + 10), 1 + 30 + 10 + 1 + 8 + 10);
  EXPECT_EQ(bytes[28], 0x02);
  EXPECT_EQ(bytes[29], 0x03);
  EXPECT_EQ(std::string(bytes.data() + 32, 11), std::string("NAME\0\0\0\0\0\0\0", 11));
  EXPECT_EQ(bytes[32 + 11], 'C');
  EXPECT_EQ(DecodeLE32(bytes.data() + 32 + 12), 0u);  // FoxPro 2.x stores no offsets
  EXPECT_EQ(bytes[64 + 16], 10);
  EXPECT_EQ(bytes[64 + 17], 2);
  EXPECT_EQ(bytes[header_length - 1], 0x0D);
  EXPECT_EQ(bytes[header_length], 0x1A);

  dbf.reset();
  dbf = CreateTable({{"ZIP", 'C', 10}});
  EXPECT_EQ(static_cast<uint8_t>(FileBytes()[0]), 0x03);
  EXPECT_EQ(FileBytes()[28], 0x00);
}

TEST_F(DbfFileTest, InvalidDefinitionsAreRefused) {
  const std::vector<std::vector<FieldDef>> bad = {
      {},
      {{"1ST", 'C', 5}},
      {{"_X", 'C', 5}},
      {{"", 'C', 5}},
      {{"ELEVENCHARS", 'C', 5}},
      {{"BAD-NAME", 'C', 5}},
      {{"NAME", 'C', 5}, {"name", 'N', 5}},
      {{"C0", 'C', 0}},
      {{"C255", 'C', 255}},
      {{"N21", 'N', 21}},
      {{"N0", 'N', 0}},
      {{"N3_2", 'N', 3, 2}},
      {{"L2", 'L', 2}},
      {{"D7", 'D', 7}},
      {{"M4", 'M', 4}},
      {{"I", 'I', 4}},
      {{"CAF\xC9", 'C', 5}},
  };
  for (const auto& fields : bad) {
    std::unique_ptr<DbfFile> dbf;
    Status s = DbfFile::Create(env_.get(), "BAD.DBF", fields, LockMode::kNone, &dbf);
    EXPECT_TRUE(s.IsInvalidArgument()) << (fields.empty() ? "none" : fields[0].name);
  }
  std::vector<FieldDef> too_many;
  for (int i = 0; i < 256; ++i) too_many.push_back({"F" + std::to_string(i), 'C', 1});
  std::unique_ptr<DbfFile> dbf;
  EXPECT_TRUE(DbfFile::Create(env_.get(), "BAD.DBF", too_many, LockMode::kNone, &dbf)
                  .IsInvalidArgument());
}

TEST_F(DbfFileTest, ExtremeDefinitionsAreAccepted) {
  auto dbf = CreateTable({{"a_1", 'C', 254}, {"N20_18", 'N', 20, 18}, {"N1", 'N', 1},
                          {"Z234567890", 'L', 0}, {"D", 'D', 0}, {"M", 'M', 0}});
  const Schema schema = dbf->schema();
  EXPECT_EQ(schema.field(0).name, "A_1");
  EXPECT_EQ(schema.field(3).length, 1);
  EXPECT_EQ(schema.field(4).length, 8);
  EXPECT_EQ(schema.field(5).length, 10);
  std::string record = dbf->BlankRecord();
  ASSERT_TRUE(DbfFile::StoreText(schema.field(0), std::string(254, 'x'), record.data()).ok());
  ASSERT_TRUE(DbfFile::StoreText(schema.field(1), "0.1234567890123456789", record.data()).ok());
  uint32_t recno;
  ASSERT_TRUE(dbf->AppendRecord(record, &recno).ok());
  ASSERT_TRUE(dbf->Commit().ok());
  dbf.reset();
  dbf = Reopen();
  ASSERT_EQ(dbf->record_count(), 1u);
  std::string_view view;
  ASSERT_TRUE(dbf->RecordView(1, &view).ok());
  EXPECT_EQ(DbfFile::FieldAsText(dbf->schema().field(0), view.data()), std::string(254, 'x'));
  EXPECT_EQ(DbfFile::FieldAsText(dbf->schema().field(1), view.data()), "0.123456789012345679");
}

TEST_F(DbfFileTest, RecordsRoundTripThroughCommitAndReopen) {
  auto dbf = CreateTable();
  const Schema schema = dbf->schema();
  std::string record = dbf->BlankRecord();
  ASSERT_TRUE(DbfFile::StoreText(schema.field(0), "Zo\xEB M\xFCller", record.data()).ok());
  ASSERT_TRUE(DbfFile::StoreText(schema.field(1), "-1234.5", record.data()).ok());
  ASSERT_TRUE(DbfFile::StoreText(schema.field(2), "t", record.data()).ok());
  ASSERT_TRUE(DbfFile::StoreText(schema.field(3), "19800704", record.data()).ok());
  DbfFile::StoreMemoBlock(schema.field(4), 8, record.data());
  uint32_t recno;
  ASSERT_TRUE(dbf->AppendRecord(record, &recno).ok());
  EXPECT_EQ(recno, 1u);
  EXPECT_EQ(Append(dbf.get(), "second"), 2u);
  ASSERT_TRUE(dbf->Commit().ok());
  EXPECT_EQ(static_cast<uint8_t>(FileBytes().back()), 0x1A);
  dbf.reset();

  dbf = Reopen();
  ASSERT_EQ(dbf->record_count(), 2u);
  EXPECT_EQ(dbf->dialect(), DbfDialect::kFoxPro);
  EXPECT_EQ(dbf->schema().fields(), schema.fields());
  std::string copy(dbf->record_length(), '\0');
  ASSERT_TRUE(dbf->ReadRecord(1, copy.data()).ok());
  EXPECT_EQ(copy, record);
  std::vector<std::string> texts;
  for (const FieldDef& f : dbf->schema().fields()) texts.push_back(DbfFile::FieldAsText(f, copy.data()));
  EXPECT_EQ(texts, (std::vector<std::string>{"Zo\xEB M\xFCller" + std::string(20, ' '), "-1234.50",
                                             "T", "19800704", "8"}));
  EXPECT_EQ(NameOf(dbf.get(), 2), "second");
  EXPECT_TRUE(dbf->RecordView(3, nullptr).IsNotFound());
  EXPECT_TRUE(dbf->RecordView(0, nullptr).IsNotFound());
  EXPECT_TRUE(dbf->ReadRecord(3, copy.data()).IsNotFound());
  EXPECT_TRUE(dbf->WriteRecord(1, record).IsInvalidArgument());  // read-only
}

TEST_F(DbfFileTest, WriteRecordReplacesInPlaceAndViewsFollow) {
  auto dbf = CreateTable();
  Append(dbf.get(), "one");
  Append(dbf.get(), "two");
  ASSERT_TRUE(dbf->Commit().ok());
  EXPECT_EQ(NameOf(dbf.get(), 1), "one");
  std::string record = dbf->BlankRecord();
  record[0] = '*';
  ASSERT_TRUE(DbfFile::StoreText(dbf->schema().field(0), "uno", record.data()).ok());
  ASSERT_TRUE(dbf->WriteRecord(1, record).ok());
  EXPECT_EQ(NameOf(dbf.get(), 1), "uno");
  EXPECT_TRUE(dbf->WriteRecord(1, "short").IsInvalidArgument());
  EXPECT_TRUE(dbf->WriteRecord(3, record).IsNotFound());
  // Views see records appended after an earlier view was taken.
  for (int i = 0; i < 100; ++i) Append(dbf.get(), "n" + std::to_string(i));
  EXPECT_EQ(NameOf(dbf.get(), 102), "n99");
  ASSERT_TRUE(dbf->Commit().ok());
  dbf.reset();
  dbf = Reopen();
  std::string_view view;
  ASSERT_TRUE(dbf->RecordView(1, &view).ok());
  EXPECT_EQ(view[0], '*');
  EXPECT_EQ(dbf->record_count(), 102u);
}

TEST_F(DbfFileTest, AppendWithoutCommitIsNotPartOfTheTable) {
  auto dbf = CreateTable();
  Append(dbf.get(), "kept");
  ASSERT_TRUE(dbf->Commit().ok());
  uint64_t stamp = dbf->change_stamp();
  Append(dbf.get(), "lost");
  EXPECT_EQ(dbf->record_count(), 2u);
  dbf.reset();
  dbf = Reopen(/*writable=*/true);
  EXPECT_EQ(dbf->record_count(), 1u);
  EXPECT_TRUE(dbf->open_note().empty());
  // The next append takes the uncommitted record's place.
  EXPECT_EQ(Append(dbf.get(), "next"), 2u);
  ASSERT_TRUE(dbf->Commit().ok());
  EXPECT_NE(dbf->change_stamp(), stamp);
  EXPECT_EQ(NameOf(dbf.get(), 2), "next");
}

// Appended records wait in memory for one write: until then every way of
// reading or changing a record must find them there, scans must join them
// to the records in the file, and the file must not hold them.
TEST_F(DbfFileTest, AppendedRecordsAreReadAndChangedBeforeTheyAreWritten) {
  auto dbf = CreateTable();
  Append(dbf.get(), "filed");
  ASSERT_TRUE(dbf->Commit().ok());
  const size_t committed_size = FileBytes().size();
  Append(dbf.get(), "second");
  Append(dbf.get(), "third");
  EXPECT_EQ(FileBytes().size(), committed_size);
  EXPECT_EQ(NameOf(dbf.get(), 2), "second");
  std::string record(dbf->record_length(), '\0');
  ASSERT_TRUE(dbf->ReadRecord(3, record.data()).ok());
  EXPECT_EQ(DbfFile::FieldAsText(dbf->schema().field(0), record.data()).substr(0, 5), "third");
  ASSERT_TRUE(DbfFile::StoreText(dbf->schema().field(0), "changed", record.data()).ok());
  ASSERT_TRUE(dbf->WriteRecord(3, record).ok());
  std::string all(3 * dbf->record_length(), '\0');
  ASSERT_TRUE(dbf->ReadRecords(1, 3, all.data()).ok());
  EXPECT_EQ(all.substr(2 * dbf->record_length()), record);
  EXPECT_EQ(DbfFile::FieldAsText(dbf->schema().field(0), all.data()).substr(0, 5), "filed");
  ASSERT_TRUE(dbf->Commit().ok());
  EXPECT_EQ(FileBytes().size(), committed_size + 2 * dbf->record_length());
  EXPECT_EQ(FileBytes().back(), '\x1A');
  dbf = Reopen();
  EXPECT_EQ(dbf->record_count(), 3u);
  EXPECT_EQ(NameOf(dbf.get(), 3), "changed");
}

TEST_F(DbfFileTest, ManyAppendsGoOutBeforeTheCommit) {
  auto dbf = CreateTable();
  uint32_t last = 0;
  for (int i = 0; i < 20000; ++i) last = Append(dbf.get(), "r" + std::to_string(i));
  // Some went to the file to keep memory bounded; all read back in order.
  EXPECT_GT(FileBytes().size(), 200000u);
  EXPECT_EQ(NameOf(dbf.get(), 1), "r0");
  EXPECT_EQ(NameOf(dbf.get(), last), "r19999");
  std::string all(static_cast<size_t>(last) * dbf->record_length(), '\0');
  ASSERT_TRUE(dbf->ReadRecords(1, last, all.data()).ok());
  for (uint32_t n : {1u, 9000u, last}) {
    std::string name = DbfFile::FieldAsText(dbf->schema().field(0), all.data() + (n - 1) * dbf->record_length());
    EXPECT_EQ(name.substr(0, name.find_last_not_of(' ') + 1), "r" + std::to_string(n - 1));
  }
  ASSERT_TRUE(dbf->Zap().ok());
  EXPECT_EQ(dbf->record_count(), 0u);
  EXPECT_EQ(Append(dbf.get(), "again"), 1u);
}

TEST_F(DbfFileTest, PackKeepsTheChosenRecordsInOrder) {
  auto dbf = CreateTable();
  const int kRecords = 5000;  // several pack buffers' worth
  for (int i = 1; i <= kRecords; ++i) Append(dbf.get(), std::to_string(i));
  ASSERT_TRUE(dbf->Commit().ok());
  std::vector<int> percents;
  ASSERT_TRUE(dbf->Pack([](uint32_t recno, std::string_view) { return recno % 3 != 0; },
                        [&](int p) { percents.push_back(p); })
                  .ok());
  EXPECT_EQ(percents.back(), 100);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  const uint32_t kept = kRecords - kRecords / 3;
  EXPECT_EQ(dbf->record_count(), kept);
  dbf.reset();
  dbf = Reopen(true);
  ASSERT_EQ(dbf->record_count(), kept);
  EXPECT_EQ(FileBytes().size(), 32 + 32 * 5 + 1 + kept * dbf->record_length() + 1);
  EXPECT_EQ(FileBytes().back(), 0x1A);
  int expected = 1;
  for (uint32_t recno = 1; recno <= kept; ++recno, ++expected) {
    if (expected % 3 == 0) ++expected;
    ASSERT_EQ(NameOf(dbf.get(), recno), std::to_string(expected));
  }
  ASSERT_TRUE(dbf->Pack([](uint32_t, std::string_view) { return false; }, nullptr).ok());
  EXPECT_EQ(dbf->record_count(), 0u);
}

TEST_F(DbfFileTest, ZapEmptiesTheTable) {
  auto dbf = CreateTable();
  for (int i = 0; i < 10; ++i) Append(dbf.get(), "x");
  ASSERT_TRUE(dbf->Commit().ok());
  ASSERT_TRUE(dbf->Zap().ok());
  EXPECT_EQ(dbf->record_count(), 0u);
  EXPECT_EQ(FileBytes().size(), 32 + 32 * 5 + 1 + 1u);
  EXPECT_EQ(Append(dbf.get(), "again"), 1u);
  ASSERT_TRUE(dbf->Commit().ok());
  dbf.reset();
  EXPECT_EQ(Reopen()->record_count(), 1u);
}

TEST_F(DbfFileTest, StructuralIndexFlagTouchesOnlyItsBit) {
  auto dbf = CreateTable();
  Append(dbf.get(), "uncommitted");
  ASSERT_TRUE(dbf->SetStructuralIndexFlag(true).ok());
  EXPECT_TRUE(dbf->has_structural_index_flag());
  EXPECT_EQ(FileBytes()[28], 0x03);
  dbf.reset();
  dbf = Reopen(true);
  EXPECT_TRUE(dbf->has_structural_index_flag());
  EXPECT_EQ(dbf->record_count(), 0u);  // the flag did not commit the append
  ASSERT_TRUE(dbf->SetStructuralIndexFlag(false).ok());
  EXPECT_EQ(FileBytes()[28], 0x02);
}

TEST_F(DbfFileTest, SecondExclusiveOpenIsLocked) {
  auto dbf = CreateTable(AddressFields(), LockMode::kExclusive);
  std::unique_ptr<DbfFile> second;
  EXPECT_TRUE(DbfFile::Open(env_.get(), "ADDR.DBF", false, LockMode::kExclusive, &second)
                  .IsLocked());
  EXPECT_TRUE(DbfFile::Open(env_.get(), "ADDR.DBF", false, LockMode::kShared, &second)
                  .IsLocked());
  dbf.reset();
  std::unique_ptr<DbfFile> a, b;
  ASSERT_TRUE(DbfFile::Open(env_.get(), "ADDR.DBF", false, LockMode::kShared, &a).ok());
  ASSERT_TRUE(DbfFile::Open(env_.get(), "ADDR.DBF", false, LockMode::kShared, &b).ok());
  EXPECT_TRUE(DbfFile::Open(env_.get(), "ADDR.DBF", true, LockMode::kExclusive, &second)
                  .IsLocked());
}

}  // namespace
}  // namespace xbase
