// The vellumo-cli commands on real files: what they print and their exit codes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "xbase/table.h"

namespace cli {
namespace {

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = (std::filesystem::temp_directory_path() / ("cli_test_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(dir_);
    table_ = dir_ + "/PEOPLE.DBF";
    ASSERT_TRUE(xbase::Table::Create(
                    table_, {xbase::FieldDef{"LNAME", 'C', 20, 0, 0, 0},
                             xbase::FieldDef{"AGE", 'N', 3, 0, 0, 0},
                             xbase::FieldDef{"ISDEL", 'L', 1, 0, 0, 0},
                             xbase::FieldDef{"NOTES", 'M', 10, 0, 0, 0}})
                    .ok());
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string WriteText(const std::string& name, const std::string& text) {
    std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  int Run(int (*command)(const Words&, std::ostream&, std::ostream&), Words args) {
    out_.str("");
    err_.str("");
    return command(args, out_, err_);
  }

  void AppendPeople() {
    std::string csv = WriteText("in.csv",
                                "LNAME,AGE,NOTES\n"
                                "Smith,40,\"likes, commas\"\n"
                                "Ångström,7,\n"
                                "smithers,12,x\n"
                                "Jones,99,\n");
    ASSERT_EQ(Run(AppendCommand, {table_, csv}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "4 records appended\n");
  }

  std::string dir_;
  std::string table_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(CommandsTest, AppendDumpRoundTripsUtf8AndMemos) {
  AppendPeople();
  ASSERT_EQ(Run(DumpCommand, {table_, "--fields", "lname,notes"}), 0) << err_.str();
  EXPECT_EQ(out_.str(),
            "LNAME,NOTES\nSmith,\"likes, commas\"\nÅngström,\nsmithers,x\nJones,\n");
}

TEST_F(CommandsTest, IndexSeekCountAndCheck) {
  AppendPeople();
  ASSERT_EQ(Run(IndexCommand, {table_, "LNAME", "UPPER(LNAME)", "AGE", "AGE"}), 0) << err_.str();
  ASSERT_EQ(Run(SeekCommand, {table_, "LNAME", "SMITH", "JONES", "NOBODY"}), 0) << err_.str();
  EXPECT_EQ(out_.str(), "1\n4\n0\n");
  ASSERT_EQ(Run(SeekCommand, {table_, "lname", "--exact", "SMITH"}), 0);
  EXPECT_EQ(out_.str(), "1\n");
  std::string keys = WriteText("keys.txt", "SMITHERS\r\nZED\n99\n");
  ASSERT_EQ(Run(SeekCommand, {table_, "LNAME", "--keys", keys}), 0);
  EXPECT_EQ(out_.str(), "3\n0\n0\nfound 1 of 3\n");
  ASSERT_EQ(Run(SeekCommand, {table_, "AGE", "99"}), 0);
  EXPECT_EQ(out_.str(), "4\n");
  ASSERT_EQ(Run(CountCommand, {table_, "--filter", "UPPER(LNAME)=\"SMITH\""}), 0);
  EXPECT_EQ(out_.str(), "2\n");
  ASSERT_EQ(Run(DumpCommand, {table_, "--order", "AGE", "--fields", "AGE"}), 0);
  EXPECT_EQ(out_.str(), "AGE\n7\n12\n40\n99\n");
  ASSERT_EQ(Run(CheckCommand, {table_}), 0) << err_.str();
  ASSERT_EQ(Run(InfoCommand, {table_}), 0);
  EXPECT_NE(out_.str().find("Records: 4"), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find("AGE        AGE"), std::string::npos) << out_.str();
}

TEST_F(CommandsTest, DeletedRecordsCountOnlyWithAll) {
  AppendPeople();
  {
    std::unique_ptr<xbase::Table> t;
    ASSERT_TRUE(xbase::Table::Open(table_, {}, &t).ok());
    ASSERT_TRUE(t->Go(2).ok());
    ASSERT_TRUE(t->Delete().ok());
  }
  ASSERT_EQ(Run(CountCommand, {table_}), 0);
  EXPECT_EQ(out_.str(), "3\n");
  ASSERT_EQ(Run(CountCommand, {table_, "--all"}), 0);
  EXPECT_EQ(out_.str(), "4\n");
  ASSERT_EQ(Run(PackCommand, {table_}), 0) << err_.str();
  EXPECT_EQ(out_.str(), "1 deleted records removed, 3 remain\n");
}

TEST_F(CommandsTest, BadInputChangesNothing) {
  AppendPeople();
  std::string bad = WriteText("bad.csv", "LNAME,AGE\nNew,12\nWorse,abc\n");
  EXPECT_EQ(Run(AppendCommand, {table_, bad}), 2);
  EXPECT_NE(err_.str().find("row 3, field AGE"), std::string::npos) << err_.str();
  std::string unknown = WriteText("unknown.csv", "LNAME,SHOESIZE\nx,1\n");
  EXPECT_EQ(Run(AppendCommand, {table_, unknown}), 2);
  EXPECT_NE(err_.str().find("SHOESIZE"), std::string::npos);
  ASSERT_EQ(Run(CountCommand, {table_, "--all"}), 0);
  EXPECT_EQ(out_.str(), "4\n");
  EXPECT_EQ(Run(CountCommand, {table_, "--filter", "UPPER(LNAME"}), 2);
  EXPECT_EQ(Run(InfoCommand, {dir_ + "/MISSING.DBF"}), 2);
  EXPECT_EQ(Run(IndexCommand, {table_, "X", "NOSUCH"}), 2);
  EXPECT_EQ(Run(DumpCommand, {table_, "--bogus"}), 2);
}

TEST_F(CommandsTest, CheckReportsAStaleIndex) {
  AppendPeople();
  ASSERT_EQ(Run(IndexCommand, {table_, "LNAME", "UPPER(LNAME)"}), 0);
  {
    // Rewrite the table with the index set aside, so the index falls behind.
    std::filesystem::rename(dir_ + "/PEOPLE.CDX", dir_ + "/SAVED.CDX");
    std::unique_ptr<xbase::Table> t;
    ASSERT_TRUE(xbase::Table::Open(table_, {}, &t).ok());
    ASSERT_TRUE(t->Go(1).ok());
    ASSERT_TRUE(t->Replace("LNAME", "Changed").ok());
    ASSERT_TRUE(t->Close().ok());
    std::filesystem::rename(dir_ + "/SAVED.CDX", dir_ + "/PEOPLE.CDX");
  }
  EXPECT_EQ(Run(CheckCommand, {table_}), 1);
  EXPECT_NE(err_.str().find("does not match"), std::string::npos) << err_.str();
}

}  // namespace
}  // namespace cli

namespace cli {
namespace {

TEST_F(CommandsTest, CreateAndRebuildAnAddressDatabase) {
  WriteText("VELLUMO.ini", "[NewFileFieldLengths]\r\nFieldCITY=3\r\nFieldZIP=5\r\n");
  std::string db = dir_ + "/add0002.DBF";
  ASSERT_EQ(Run(CreateCommand, {db, "--home", dir_}), 0) << err_.str();
  EXPECT_EQ(out_.str(), "created " + db + " with 26 tags\n");
  EXPECT_EQ(Run(CreateCommand, {db, "--home", dir_}), 2);
  EXPECT_NE(err_.str().find("already exists"), std::string::npos);
  {
    std::unique_ptr<xbase::Table> t;
    ASSERT_TRUE(xbase::Table::Open(db, {}, &t).ok());
    EXPECT_EQ(t->TagCount(), 26u);
    EXPECT_EQ(t->schema().field(static_cast<size_t>(t->FieldIndex("CITY"))).length, 30);
    EXPECT_EQ(t->schema().field(static_cast<size_t>(t->FieldIndex("ZIP"))).length, 5);
    for (const char* name : {"Ames", "Brown", "Cole"}) {
      ASSERT_TRUE(t->AppendBlank().ok());
      ASSERT_TRUE(t->Replace("LNAME", name).ok());
    }
    for (uint32_t recno : {1u, 2u}) {
      ASSERT_TRUE(t->Go(recno).ok());
      ASSERT_TRUE(t->ReplaceLogical("ISDEL", true).ok());
      ASSERT_TRUE(t->Delete().ok());
    }
  }
  std::filesystem::remove(dir_ + "/add0002.CDX");
  ASSERT_EQ(Run(RebuildCommand, {db}), 0) << err_.str();
  EXPECT_EQ(out_.str(), "rebuilt " + db + ": 2 deleted records removed, 1 remain, 26 tags\n");
  ASSERT_EQ(Run(CheckCommand, {db}), 0) << err_.str();
  EXPECT_EQ(out_.str(), "26 tags match 1 records\n");
  EXPECT_EQ(Run(RebuildCommand, {table_}), 2);  // not an address database
  EXPECT_NE(err_.str().find("has no field FNAME"), std::string::npos) << err_.str();
}

}  // namespace
}  // namespace cli
