// A record whose bytes cannot be read from the file reads as blank; the
// table says why, so that readers need not take the blank for the record.
#include <gtest/gtest.h>

#include "support/watched_env.h"
#include "xbase/table.h"

namespace xbase {
namespace {

TEST(RecordStatusTest, ARecordThatCannotBeReadSaysWhyAndTheNextMoveClearsIt) {
  WatchedEnv env;
  const std::vector<FieldDef> fields = {FieldDef{"LNAME", field_type::kCharacter, 12, 0, 0, 0}};
  ASSERT_TRUE(Table::Create("STATUS.DBF", fields, CreateOptions{&env}).ok());
  OpenOptions options;
  options.env = &env;
  std::unique_ptr<Table> table;
  ASSERT_TRUE(Table::Open("STATUS.DBF", options, &table).ok());
  for (const char* name : {"Adams", "Baker"}) {
    ASSERT_TRUE(table->AppendBlank().ok());
    ASSERT_TRUE(table->Replace("LNAME", name).ok());
  }
  ASSERT_TRUE(table->Commit().ok());

  // The records now lie in the file, beyond what the table saw of it when
  // it was opened: reading them needs the file.
  env.fail_reads = true;
  ASSERT_TRUE(table->Go(2).ok());
  EXPECT_EQ(table->GetTrimString("LNAME"), "");
  const Status failed = table->RecordStatus();
  EXPECT_FALSE(failed.ok());
  EXPECT_TRUE(failed.IsIOError()) << failed.ToString();

  env.fail_reads = false;
  ASSERT_TRUE(table->Go(1).ok());
  EXPECT_TRUE(table->RecordStatus().ok());
  EXPECT_EQ(table->GetTrimString("LNAME"), "Adams");
  ASSERT_TRUE(table->GoBottom().ok());
  EXPECT_TRUE(table->RecordStatus().ok());
  EXPECT_EQ(table->GetTrimString("LNAME"), "Baker");
}

}  // namespace
}  // namespace xbase
