// Opening tables written by other programs (dBASE III/IV, Visual FoxPro)
// and tables whose headers lie about the file.
#include <gtest/gtest.h>

#include <cstring>

#include "coding.h"
#include "dbf_file.h"
#include "memo_file.h"

namespace xbase {
namespace {

// Builds DBF bytes by hand, field by field, so tests can bend any part.
struct TableImage {
  uint8_t version = 0x03;
  uint8_t code_page = 0;
  uint8_t flags = 0;
  std::vector<FieldDef> fields;
  bool store_offsets = false;
  size_t backlink = 0;
  std::vector<std::string> records;  // without the deletion flag
  // Overrides of the computed header values, when set.
  int header_length = -1;
  int record_length = -1;
  int64_t record_count = -1;

  std::string Bytes() const {
    size_t computed_header = 32 + 32 * fields.size() + 1 + backlink;
    size_t computed_record = 1;
    for (const FieldDef& f : fields) computed_record += f.length;
    std::string out(computed_header, '\0');
    out[0] = static_cast<char>(version);
    out[1] = 99, out[2] = 12, out[3] = 31;
    EncodeLE32(out.data() + 4, record_count >= 0 ? record_count : records.size());
    EncodeLE16(out.data() + 8, header_length >= 0 ? header_length : computed_header);
    EncodeLE16(out.data() + 10, record_length >= 0 ? record_length : computed_record);
    out[28] = static_cast<char>(flags);
    out[29] = static_cast<char>(code_page);
    uint32_t offset = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
      char* d = out.data() + 32 + 32 * i;
      std::memcpy(d, fields[i].name.data(), std::min<size_t>(fields[i].name.size(), 11));
      d[11] = fields[i].type;
      if (store_offsets) EncodeLE32(d + 12, fields[i].offset ? fields[i].offset : offset);
      d[16] = static_cast<char>(fields[i].length);
      d[17] = static_cast<char>(fields[i].decimals);
      d[18] = static_cast<char>(fields[i].flags);
      offset += fields[i].length;
    }
    out[32 + 32 * fields.size()] = 0x0D;
    for (const std::string& r : records) out += " " + r;
    out += '\x1A';
    return out;
  }
};

class DbfOpenTest : public ::testing::Test {
 protected:
  void SetUp() override { env_ = NewMemEnv(); }

  void Put(const std::string& path, const std::string& bytes) {
    std::unique_ptr<File> file;
    ASSERT_TRUE(env_->CreateFile(path, LockMode::kNone, &file).ok());
    ASSERT_TRUE(file->WriteAt(0, bytes).ok());
  }

  Status Open(const std::string& bytes, std::unique_ptr<DbfFile>* dbf) {
    Put("T.DBF", bytes);
    return DbfFile::Open(env_.get(), "T.DBF", false, LockMode::kNone, dbf);
  }

  std::vector<std::string> Row(DbfFile* dbf, uint32_t recno) {
    std::string_view record;
    EXPECT_TRUE(dbf->RecordView(recno, &record).ok());
    std::vector<std::string> texts;
    for (const FieldDef& f : dbf->schema().fields()) {
      texts.push_back(DbfFile::FieldAsText(f, record.data()));
    }
    return texts;
  }

  std::unique_ptr<Env> env_;
};

TableImage SimpleTable() {
  TableImage t;
  t.fields = {{"NAME", 'C', 4}, {"QTY", 'N', 3}};
  t.records = {"abcd  1", "efgh 22", "ijkl333"};
  return t;
}

TEST_F(DbfOpenTest, DBase3TableWithDbtMemo) {
  TableImage t;
  t.version = 0x83;
  t.fields = {{"NAME", 'C', 5}, {"NOTES", 'M', 10}, {"PAID", 'L', 1}, {"DUE", 'D', 8}};
  t.records = {"Smith         1T20240131", "Jones          ?        "};
  std::unique_ptr<DbfFile> dbf;
  ASSERT_TRUE(Open(t.Bytes(), &dbf).ok());
  EXPECT_EQ(dbf->dialect(), DbfDialect::kDBase3);
  EXPECT_EQ(Row(dbf.get(), 1), (std::vector<std::string>{"Smith", "1", "T", "20240131"}));
  EXPECT_EQ(Row(dbf.get(), 2), (std::vector<std::string>{"Jones", "", "?", ""}));

  std::string dbt(512, '\0');
  EncodeLE32(dbt.data(), 3);
  dbt += "first memo\x1A\x1A";
  dbt.resize(1024, '\0');
  Put("T.DBT", dbt);
  std::unique_ptr<MemoFile> memo;
  ASSERT_TRUE(MemoFile::Open(env_.get(), "T.DBT", MemoFormat::kDbt3, false, LockMode::kNone, &memo)
                  .ok());
  std::string text;
  ASSERT_TRUE(memo->Read(1, &text).ok());
  EXPECT_EQ(text, "first memo");
}

TEST_F(DbfOpenTest, DBase4TableWithDbtMemo) {
  TableImage t;
  t.version = 0x8B;
  t.fields = {{"NOTES", 'M', 10}, {"N", 'F', 6, 2}};
  t.records = {"         1  1.50"};
  std::unique_ptr<DbfFile> dbf;
  ASSERT_TRUE(Open(t.Bytes(), &dbf).ok());
  EXPECT_EQ(dbf->dialect(), DbfDialect::kDBase4);
  EXPECT_EQ(Row(dbf.get(), 1), (std::vector<std::string>{"1", "1.50"}));

  std::string dbt(512, '\0');
  EncodeLE16(dbt.data() + 20, 64);
  EncodeLE32(dbt.data(), 10);
  dbt.resize(64 * 9);
  std::string body = "dBASE IV memo";
  dbt += std::string("\xFF\xFF\x08\x00", 4) + std::string(4, '\0') + body;
  EncodeLE32(dbt.data() + 64 * 9 + 4, static_cast<uint32_t>(8 + body.size()));
  Put("T.DBT", dbt);
  std::unique_ptr<MemoFile> memo;
  ASSERT_TRUE(MemoFile::Open(env_.get(), "T.DBT", MemoFormat::kDbt4, false, LockMode::kNone, &memo)
                  .ok());
  EXPECT_EQ(memo->block_size(), 64u);
  std::string text;
  ASSERT_TRUE(memo->Read(9, &text).ok());
  EXPECT_EQ(text, body);
}

TEST_F(DbfOpenTest, VisualFoxProTable) {
  TableImage t;
  t.version = 0x30;
  t.code_page = 0x03;
  t.store_offsets = true;
  t.backlink = 263;
  t.fields = {{"ID", 'I', 4},        {"PRICE", 'Y', 8}, {"WHEN", 'T', 8}, {"RATE", 'B', 8, 2},
              {"NOTE", 'V', 6, 0, 0x02}, {"MEMO", 'M', 4}, {"_NullFlags", '0', 1, 0, 0x05}};
  std::string r(39, '\0');
  EncodeLE32(r.data(), 42);
  EncodeLE64(r.data() + 4, 1234500);
  EncodeLE32(r.data() + 12, 2451545);
  EncodeLE32(r.data() + 16, 3600 * 1000);
  double rate = 0.25;
  std::memcpy(r.data() + 20, &rate, 8);  // the test machine is little-endian, as the format
  std::memcpy(r.data() + 28, "hi\0\0\0\x02", 6);
  EncodeLE32(r.data() + 34, 8);
  r[38] = 0x01;
  t.records = {r};
  std::unique_ptr<DbfFile> dbf;
  ASSERT_TRUE(Open(t.Bytes(), &dbf).ok());
  EXPECT_EQ(dbf->dialect(), DbfDialect::kVisualFoxPro);
  EXPECT_EQ(dbf->schema().field(6).name, "_NullFlags");
  EXPECT_EQ(Row(dbf.get(), 1), (std::vector<std::string>{"42", "123.4500", "20000101 01:00:00",
                                                         "0.25", "hi", "8", "01"}));

  std::string fpt(512, '\0');
  EncodeBE32(fpt.data(), 9);
  EncodeBE16(fpt.data() + 6, 64);
  fpt += std::string("\0\0\0\x01\0\0\0\x0A", 8) + "VFP memo \xE9";
  fpt.resize(576, '\0');
  Put("T.FPT", fpt);
  std::unique_ptr<MemoFile> memo;
  ASSERT_TRUE(MemoFile::Open(env_.get(), "T.FPT", MemoFormat::kFpt, false, LockMode::kNone, &memo)
                  .ok());
  std::string_view record;
  ASSERT_TRUE(dbf->RecordView(1, &record).ok());
  uint32_t block = 0;
  ASSERT_TRUE(DbfFile::MemoBlock(dbf->schema().field(5), record.data(), &block).ok());
  std::string text;
  ASSERT_TRUE(memo->Read(block, &text).ok());
  EXPECT_EQ(text, "VFP memo \xE9");
}

TEST_F(DbfOpenTest, HeaderCountBeyondTheFileIsCappedAndNoted) {
  TableImage t = SimpleTable();
  t.record_count = 100;
  std::unique_ptr<DbfFile> dbf;
  ASSERT_TRUE(Open(t.Bytes(), &dbf).ok());
  EXPECT_EQ(dbf->record_count(), 3u);
  EXPECT_EQ(dbf->open_note(), "T.DBF: header says 100 records but the file holds 3");
  // A partial last record does not count.
  std::string bytes = SimpleTable().Bytes();
  bytes.resize(bytes.size() - 4);
  ASSERT_TRUE(Open(bytes, &dbf).ok());
  EXPECT_EQ(dbf->record_count(), 2u);
  EXPECT_FALSE(dbf->open_note().empty());
}

TEST_F(DbfOpenTest, HeaderCountBelowTheFileIsTrusted) {
  TableImage t = SimpleTable();
  t.record_count = 1;
  std::unique_ptr<DbfFile> dbf;
  ASSERT_TRUE(Open(t.Bytes(), &dbf).ok());
  EXPECT_EQ(dbf->record_count(), 1u);
  EXPECT_TRUE(dbf->open_note().empty());
  EXPECT_TRUE(dbf->RecordView(2, nullptr).IsNotFound());
}

TEST_F(DbfOpenTest, LyingHeadersAreCorruption) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* message;
  };
  std::vector<Case> cases;
  const auto add = [&](const char* what, const TableImage& t, const char* message = nullptr) {
    cases.push_back({what, t.Bytes(), message});
  };
  TableImage t = SimpleTable();
  t.version = 0x47;
  add("version", t, "T.DBF: not a DBF file (bad version byte 0x47)");
  t = SimpleTable();
  t.header_length = 64;
  add("header too short for a terminator", t);
  t.header_length = 65;
  add("header ends before the descriptors do", t);
  t.header_length = 5000;
  add("header beyond the file", t, "T.DBF: header length 5000 exceeds the file size 122");
  t = SimpleTable();
  t.record_length = 9;
  add("record length", t, "T.DBF: record length 9 does not match the fields (8)");
  t.record_length = 0;
  add("record length 0", t);
  t = SimpleTable();
  t.fields.clear();
  t.header_length = 65;
  add("no fields", t);
  t = SimpleTable();
  t.fields[1].length = 0;
  t.record_length = 8;
  add("width 0", t);
  t = SimpleTable();
  t.fields[1].type = 'X';
  add("unknown type", t, "T.DBF: field QTY has unknown type 0x58");
  t = SimpleTable();
  t.fields = {{"D", 'D', 7}};
  t.records = {"2024010"};
  add("date width", t);
  t = SimpleTable();
  t.fields[0].name = "";
  add("empty name", t);
  t = SimpleTable();
  t.version = 0x30;
  t.backlink = 263;
  t.store_offsets = true;
  t.fields[1].offset = 7;
  add("VFP field outside its place", t);
  t = SimpleTable();
  t.version = 0x30;
  t.backlink = 0;
  add("VFP without room for the backlink", t);
  cases.push_back({"empty file", "", "T.DBF: not a DBF file (only 0 bytes)"});
  cases.push_back({"short file", std::string(31, '\x03'), nullptr});
  std::string no_terminator = SimpleTable().Bytes();
  no_terminator[32 + 64] = 'X';
  cases.push_back({"no terminator", no_terminator, nullptr});

  for (const Case& c : cases) {
    std::unique_ptr<DbfFile> dbf;
    Status s = Open(c.bytes, &dbf);
    EXPECT_TRUE(s.IsCorruption()) << c.what << ": " << s.ToString();
    EXPECT_EQ(dbf, nullptr) << c.what;
    if (c.message != nullptr) {
      EXPECT_EQ(s.message(), c.message) << c.what;
    }
  }
}

// Every truncation and every single-byte change of the header must give
// either a table whose records all read, or a clear error.
TEST_F(DbfOpenTest, DamagedFilesNeverCrash) {
  TableImage t = SimpleTable();
  t.fields.push_back({"NOTES", 'M', 10});
  for (std::string& r : t.records) r += "         9";
  const std::string good = t.Bytes();
  const auto exercise = [&](const std::string& bytes) {
    std::unique_ptr<DbfFile> dbf;
    if (!Open(bytes, &dbf).ok()) return;
    for (uint32_t recno = 1; recno <= dbf->record_count(); ++recno) {
      std::string_view record;
      ASSERT_TRUE(dbf->RecordView(recno, &record).ok());
      for (const FieldDef& f : dbf->schema().fields()) DbfFile::FieldAsText(f, record.data());
    }
  };
  for (size_t cut = 0; cut <= good.size(); ++cut) exercise(good.substr(0, cut));
  for (size_t pos = 0; pos < 32 + 32 * 3 + 1; ++pos) {
    for (int value : {0x00, 0x01, 0x0D, 0x30, 0x7F, 0xFF}) {
      std::string bad = good;
      bad[pos] = static_cast<char>(value);
      exercise(bad);
    }
  }
}

}  // namespace
}  // namespace xbase
