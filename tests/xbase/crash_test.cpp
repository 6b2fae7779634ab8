// A process killed at any instant while appending must leave a table that
// opens with every committed record intact, and an index that is either
// correct or reported as not matching.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "xbase/table.h"

namespace xbase {
namespace {

std::string NameOf(uint32_t recno) { return "N" + std::to_string(recno); }
std::string MemoOf(uint32_t recno) { return std::string(50 + recno % 300, static_cast<char>('a' + recno % 26)); }

const std::vector<TagSpec>& Tags() {
  static const std::vector<TagSpec> tags = {{"LNAME", "UPPER(LNAME)", "", false},
                                            {"DELETED", "DELETED()", "", false},
                                            {"NUM", "VAL(SUBSTR(LNAME, 2, 8))", "", false}};
  return tags;
}

// Appends records for ever, reporting each committed record number on `out`.
[[noreturn]] void AppendUntilKilled(const std::string& path, int out) {
  std::unique_ptr<Table> table;
  OpenOptions options;
  options.durable_commits = false;  // a killed process loses nothing the OS was handed
  if (!Table::Open(path, options, &table).ok()) _exit(2);
  if (!table->index_status().ok() || table->TagCount() != Tags().size()) {
    if (!table->IndexTags(Tags()).ok()) _exit(3);
  }
  for (;;) {
    if (!table->AppendBlank().ok()) _exit(4);
    uint32_t recno = table->RecNo();
    if (!table->Replace("LNAME", NameOf(recno)).ok()) _exit(5);
    if (recno % 3 == 0 && !table->Replace("NOTES", MemoOf(recno)).ok()) _exit(6);
    if (recno % 7 == 0 && !table->Delete().ok()) _exit(7);
    if (!table->Commit().ok()) _exit(8);
    if (write(out, &recno, sizeof recno) != sizeof recno) _exit(9);
  }
}

TEST(CrashTest, KilledAppendsLoseNoCommittedRecord) {
  std::string dir = (std::filesystem::temp_directory_path() /
                     ("xbase_crash_" + std::to_string(getpid())))
                        .string();
  std::filesystem::create_directories(dir);
  std::string path = dir + "/CRASH.DBF";
  ASSERT_TRUE(Table::Create(path, {FieldDef{"LNAME", field_type::kCharacter, 12, 0, 0, 0},
                                   FieldDef{"NOTES", field_type::kMemo, 10, 0, 0, 0}})
                  .ok());
  std::mt19937 rng(12345);
  uint32_t committed = 0;
  int stale_indexes = 0;
  constexpr int kRounds = 60;
  for (int round = 0; round < kRounds; ++round) {
    int pipe_fds[2];
    ASSERT_EQ(pipe(pipe_fds), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipe_fds[0]);
      AppendUntilKilled(path, pipe_fds[1]);
    }
    close(pipe_fds[1]);
    // Let the child commit at least once, then kill it at a random moment.
    uint32_t recno = 0;
    if (read(pipe_fds[0], &recno, sizeof recno) == sizeof recno) {
      committed = std::max(committed, recno);
      usleep(rng() % 20000);
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "child failed with exit code " << WEXITSTATUS(status);
    while (read(pipe_fds[0], &recno, sizeof recno) == sizeof recno) committed = std::max(committed, recno);
    close(pipe_fds[0]);

    std::unique_ptr<Table> table;
    Status s = Table::Open(path, {}, &table);
    ASSERT_TRUE(s.ok()) << "round " << round << ": " << s.ToString();
    ASSERT_GE(table->RecCount(), committed);
    table->SetDeleted(false);
    for (uint32_t n = 1; n <= committed; ++n) {
      ASSERT_TRUE(table->Go(n).ok());
      ASSERT_EQ(table->GetTrimString("LNAME"), NameOf(n)) << "round " << round;
      ASSERT_EQ(table->Deleted(), n % 7 == 0);
      if (n % 3 == 0) {
        std::string memo;
        ASSERT_TRUE(table->GetMemo("NOTES", &memo).ok());
        ASSERT_EQ(memo, MemoOf(n));
      }
    }
    if (table->index_status().ok()) {
      s = table->CheckIndexes();
      ASSERT_TRUE(s.ok()) << "round " << round << ": " << s.ToString();
    } else {
      ++stale_indexes;
    }
  }
  EXPECT_GT(committed, 0u);
  std::filesystem::remove_all(dir);
  RecordProperty("stale_indexes", stale_indexes);
}

}  // namespace
}  // namespace xbase
