// The names of a table's index and memo files on a case-sensitive file
// system: new ones in the case of the table's extension, existing ones
// kept under their own names by every operation that rewrites them, and of
// two differing only in case, the other one never touched.
#include <gtest/gtest.h>

#include <algorithm>

#include "xbase/table.h"

namespace xbase {
namespace {

using Names = std::vector<std::string>;

class CompanionFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { env_ = NewMemEnv(); }

  void Create(const std::string& path) {
    const std::vector<FieldDef> fields = {FieldDef{"LNAME", field_type::kCharacter, 12, 0, 0, 0},
                                          FieldDef{"NOTES", field_type::kMemo, 10, 0, 0, 0}};
    Status s = Table::Create(path, fields, CreateOptions{env_.get()});
    ASSERT_TRUE(s.ok()) << s.ToString();
  }

  void Open(const std::string& path) {
    table_.reset();
    OpenOptions options;
    options.env = env_.get();
    Status s = Table::Open(path, options, &table_);
    ASSERT_TRUE(s.ok()) << s.ToString();
  }

  void AddRecord(const std::string& name) {
    ASSERT_TRUE(table_->AppendBlank().ok());
    ASSERT_TRUE(table_->Replace("LNAME", name).ok());
    ASSERT_TRUE(table_->Replace("NOTES", "memo of " + name).ok());
    ASSERT_TRUE(table_->Commit().ok());
  }

  // Appends, builds tags, deletes and packs, zaps, as a table's life does.
  void UseEveryWriter() {
    const uint32_t before = table_->RecCount();
    AddRecord("Cole");
    AddRecord("Ames");
    ASSERT_TRUE(table_->IndexTag(TagSpec{"LNAME", "UPPER(LNAME)", "", false}).ok());
    AddRecord("Bell");
    ASSERT_TRUE(table_->IndexTags({TagSpec{"LNAME", "UPPER(LNAME)", "", false},
                                   TagSpec{"NAMELEN", "LEN(TRIM(LNAME))", "", false}})
                    .ok());
    ASSERT_TRUE(table_->Go(before + 1).ok());
    ASSERT_TRUE(table_->Delete().ok());
    Status s = table_->Pack();
    ASSERT_TRUE(s.ok()) << s.ToString();
    ASSERT_EQ(table_->RecCount(), before + 2);
  }

  Names Files() {
    Names names;
    EXPECT_TRUE(env_->ListDirectory("", &names).ok());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string Contents(const std::string& path) {
    std::unique_ptr<File> file;
    uint64_t size = 0;
    size_t read = 0;
    EXPECT_TRUE(env_->OpenFile(path, false, LockMode::kNone, &file).ok());
    EXPECT_TRUE(file->Size(&size).ok());
    std::string bytes(size, '\0');
    EXPECT_TRUE(file->ReadAt(0, bytes.size(), bytes.data(), &read).ok());
    return bytes;
  }

  void WriteFile(const std::string& path, const std::string& bytes) {
    std::unique_ptr<File> file;
    ASSERT_TRUE(env_->CreateFile(path, LockMode::kNone, &file).ok());
    ASSERT_TRUE(file->WriteAt(0, bytes).ok());
  }

  // Reopened, the table finds its tags and memos.
  void ExpectCompanionsFound(const std::string& path, const std::string& index) {
    Open(path);
    EXPECT_TRUE(table_->index_status().ok()) << table_->index_status().ToString();
    EXPECT_EQ(table_->IndexName(), index);
    EXPECT_EQ(table_->TagCount(), 2u);
    EXPECT_TRUE(table_->CheckIndexes().ok());
    ASSERT_TRUE(table_->SetOrder(table_->TagArea("LNAME")).ok());
    ASSERT_TRUE(table_->GoTop().ok());
    std::string memo;
    ASSERT_TRUE(table_->GetMemo("NOTES", &memo).ok());
    EXPECT_EQ(memo, "memo of Ames");
  }

  std::unique_ptr<Env> env_;
  std::unique_ptr<Table> table_;
};

TEST_F(CompanionFilesTest, NewCompanionsTakeTheCaseOfTheTablesExtension) {
  const struct {
    const char* table;
    const char* index;
    const char* memo;
  } cases[] = {{"ours.dbf", "ours.cdx", "ours.fpt"},
               {"THEIRS.DBF", "THEIRS.CDX", "THEIRS.FPT"},
               {"Mixed.Dbf", "Mixed.cdx", "Mixed.fpt"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    env_ = NewMemEnv();
    Create(c.table);
    Names expected = {c.memo, c.table};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Files(), expected);
    Open(c.table);
    UseEveryWriter();
    ASSERT_TRUE(table_->Close().ok());
    expected.push_back(c.index);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Files(), expected);
    ExpectCompanionsFound(c.table, c.index);
  }
}

TEST_F(CompanionFilesTest, CopiesAndEmptiedTablesKeepTheRule) {
  Create("ours.dbf");
  Open("ours.dbf");
  UseEveryWriter();
  ASSERT_TRUE(table_->CopyStructure("copy.dbf").ok());
  ASSERT_TRUE(table_->CopyStructure("COPY2.DBF").ok());
  ASSERT_TRUE(table_->Zap().ok());
  ASSERT_TRUE(table_->Close().ok());
  EXPECT_EQ(Files(), (Names{"COPY2.DBF", "COPY2.FPT", "copy.dbf", "copy.fpt", "ours.cdx", "ours.dbf", "ours.fpt"}));
  ASSERT_TRUE(env_->RemoveFile("ours.cdx").ok());
  Open("ours.dbf");
  EXPECT_NE(table_->index_status().ToString().find("ours.cdx is missing"), std::string::npos)
      << table_->index_status().ToString();
}

TEST_F(CompanionFilesTest, AnExistingCompanionKeepsItsNameThroughEveryRewrite) {
  Create("ours.dbf");
  Open("ours.dbf");
  UseEveryWriter();
  ASSERT_TRUE(table_->Close().ok());
  // As an earlier version of the program left them.
  ASSERT_TRUE(env_->RenameFile("ours.cdx", "ours.CDX").ok());
  ASSERT_TRUE(env_->RenameFile("ours.fpt", "ours.FPT").ok());
  Open("ours.dbf");
  EXPECT_EQ(table_->IndexName(), "ours.CDX");
  UseEveryWriter();
  ASSERT_TRUE(table_->Close().ok());
  EXPECT_EQ(Files(), (Names{"ours.CDX", "ours.FPT", "ours.dbf"}));
  ExpectCompanionsFound("ours.dbf", "ours.CDX");
  table_.reset();
  // A new table by the same name overwrites the memo file it finds and
  // drops the old index.
  Create("ours.dbf");
  EXPECT_EQ(Files(), (Names{"ours.FPT", "ours.dbf"}));
}

TEST_F(CompanionFilesTest, OfAnIndexInBothCasesTheOtherIsNeverWritten) {
  Create("ours.dbf");
  Open("ours.dbf");
  UseEveryWriter();
  ASSERT_TRUE(table_->Close().ok());
  // Not an index at all: opening it would fail, and writing it would change it.
  const std::string foreign = "another program's file";
  WriteFile("ours.CDX", foreign);
  WriteFile("ours.FPT", foreign);
  Open("ours.dbf");
  EXPECT_TRUE(table_->index_status().ok()) << table_->index_status().ToString();
  EXPECT_EQ(table_->IndexName(), "ours.cdx");
  UseEveryWriter();
  ASSERT_TRUE(table_->Close().ok());
  EXPECT_EQ(Contents("ours.CDX"), foreign);
  EXPECT_EQ(Contents("ours.FPT"), foreign);
  ExpectCompanionsFound("ours.dbf", "ours.cdx");
  ASSERT_TRUE(table_->Zap().ok());
  ASSERT_TRUE(table_->Close().ok());
  EXPECT_EQ(Contents("ours.CDX"), foreign);
  EXPECT_EQ(Contents("ours.FPT"), foreign);
}

}  // namespace
}  // namespace xbase
