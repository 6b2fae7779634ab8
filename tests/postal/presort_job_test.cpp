// The presort over a table: which records take part, in which order, the
// records left out, the status texts, stopping, and failures that leave
// no file behind.
#include <gtest/gtest.h>

#include <QFile>

#include "postal/presort_file.h"
#include "postal/presort_job.h"
#include "postal/presort_scan.h"
#include "support/watched_env.h"
#include "test_home.h"
#include "zip_table.h"

namespace vellumo {
namespace {

class PresortJobTest : public HomeTest {
 protected:
  std::unique_ptr<xbase::Table> Table(const std::vector<std::string>& zips) {
    return MakeZipTable(DataPath("ZIPS.DBF").toStdString(), zips);
  }
  static QByteArray FileText() {
    QFile file(PresortFilePath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }
  static void PutOlderFile() {
    QFile file(PresortFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("** Unknown\r\n00123\r\n");
  }
  PresortRun Run(xbase::Table& table, std::function<bool()> keep_going = nullptr) {
    PresortHooks hooks;
    hooks.status = [this](const QString& text) { statuses_ << text; };
    hooks.keep_going = std::move(keep_going);
    return RunPresort(table, PresortFilePath(), hooks);
  }

  QStringList statuses_;
};

TEST_F(PresortJobTest, WritesTheGroupsOfTheRecordsShown) {
  auto table = Table(Joined({Copies(12, "12345"), Copies(3, "12346")}));
  const PresortRun run = Run(*table);
  ASSERT_EQ(run.outcome, PresortOutcome::kCompleted) << run.error.toStdString();
  EXPECT_EQ(FileText(), QByteArray("** 5-digit 12345\r\n12345\r\n** ADC ALBANY NY 120\r\n12346\r\n"));
  EXPECT_EQ(run.records_read, 15u);
  EXPECT_TRUE(run.left_out.empty());
}

TEST_F(PresortJobTest, ZipPlusFourCountsWithItsFiveDigitKey) {
  auto table = Table(Joined({Copies(5, "12345-6789"), Copies(5, "12345")}));
  ASSERT_EQ(Run(*table).outcome, PresortOutcome::kCompleted);
  EXPECT_EQ(FileText(), QByteArray("** 5-digit 12345\r\n12345\r\n"));
}

TEST_F(PresortJobTest, RecordsWithUnusableZipsAreNamedAndAppearNowhere) {
  auto table = Table({"12001", "K1A 0B1", "", "12001", " 12001", "A1234", "0000"});
  const PresortRun run = Run(*table);
  ASSERT_EQ(run.outcome, PresortOutcome::kCompleted);
  EXPECT_EQ(FileText(), QByteArray("** ADC ALBANY NY 120\r\n12001\r\n"));
  EXPECT_EQ(run.left_out, (std::vector<uint32_t>{2, 3, 5, 6, 7}));
  EXPECT_EQ(run.records_read, 7u);
}

TEST_F(PresortJobTest, RecordsThatAllFailWriteAnEmptyFile) {
  PutOlderFile();
  auto table = Table({"K1A 0B1", "", "SW1A 1AA"});
  const PresortRun run = Run(*table);
  ASSERT_EQ(run.outcome, PresortOutcome::kCompleted);
  EXPECT_TRUE(QFile::exists(PresortFilePath()));
  EXPECT_EQ(FileText(), QByteArray());
  EXPECT_EQ(run.left_out, (std::vector<uint32_t>{1, 2, 3}));
}

TEST_F(PresortJobTest, ReadsOnlyTheRecordsTheTableShowsInRecordNumberOrder) {
  auto table = Table({"12001", "99901", "12002", "12003", "12004"});
  ASSERT_TRUE(table->Go(3).ok());
  ASSERT_TRUE(table->Delete().ok());
  ASSERT_TRUE(table->SetFilter("LNAME <> \"N5\"").ok());
  std::vector<uint32_t> seen;
  PresortScan scan(*table);
  ASSERT_TRUE(scan.Start().ok());
  while (!scan.done()) {
    ASSERT_TRUE(scan.Read(1).ok());
    seen.push_back(scan.last_record());
  }
  EXPECT_EQ(seen, (std::vector<uint32_t>{1, 2, 4}));
  EXPECT_EQ(scan.Finish().lines, (std::vector<std::string>{"** ADC ALBANY NY 120", "12001", "12003",
                                                           "** ADC SEATTLE WA 980", "99901"}));
}

TEST_F(PresortJobTest, ReadsInChunksOfTheSizeAsked) {
  auto table = Table(Copies(25, "12001"));
  PresortScan scan(*table);
  ASSERT_TRUE(scan.Start().ok());
  ASSERT_TRUE(scan.Read(10).ok());
  EXPECT_EQ(scan.last_record(), 10u);
  EXPECT_FALSE(scan.done());
  ASSERT_TRUE(scan.Read(100).ok());
  EXPECT_EQ(scan.last_record(), 25u);
  EXPECT_TRUE(scan.done());
  EXPECT_EQ(scan.Finish().records_read, 25u);
}

TEST_F(PresortJobTest, TellsItsProgressEveryHundredRecords) {
  auto table = Table(Copies(250, "12001"));
  ASSERT_EQ(Run(*table).outcome, PresortOutcome::kCompleted);
  EXPECT_EQ(statuses_, (QStringList{"Reading database records...", "Reading record 100", "Reading record 200",
                                    "Sorting Zip Codes..."}));
}

TEST_F(PresortJobTest, StoppingWritesNothingAndLeavesAnOlderFileAsItWas) {
  PutOlderFile();
  auto table = Table(Copies(300, "12001"));
  int records = 0;
  const PresortRun run = Run(*table, [&records] { return ++records < 150; });
  EXPECT_EQ(run.outcome, PresortOutcome::kCancelled);
  EXPECT_EQ(records, 150);  // stopped right after the record it was told at
  EXPECT_EQ(FileText(), QByteArray("** Unknown\r\n00123\r\n"));
  EXPECT_FALSE(statuses_.contains("Sorting Zip Codes..."));

  QFile::remove(PresortFilePath());
  records = 0;
  EXPECT_EQ(Run(*table, [&records] { return ++records < 10; }).outcome, PresortOutcome::kCancelled);
  EXPECT_FALSE(QFile::exists(PresortFilePath()));
}

TEST_F(PresortJobTest, AnUnwritableProgramDirectoryFailsWithAClearError) {
  auto table = Table(Copies(3, "12001"));
  QFile plain(dir_.path() + "/plain");
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  SetProgramDirectory(dir_.path() + "/plain");
  const PresortRun run = Run(*table);
  EXPECT_EQ(run.outcome, PresortOutcome::kFailed);
  EXPECT_TRUE(run.error.startsWith("Unable to write ")) << run.error.toStdString();
  EXPECT_TRUE(run.error.contains("PRESORT.PSL"));
}

TEST_F(PresortJobTest, ATableWithoutZipsOrWithUnreadableRecordsFails) {
  std::unique_ptr<xbase::Table> no_zip;
  const std::string path = DataPath("NOZIP.DBF").toStdString();
  ASSERT_TRUE(xbase::Table::Create(path, {{.name = "LNAME", .length = 10}}).ok());
  ASSERT_TRUE(xbase::Table::Open(path, {}, &no_zip).ok());
  PresortRun run = Run(*no_zip);
  EXPECT_EQ(run.outcome, PresortOutcome::kFailed);
  EXPECT_EQ(run.error, "Unable to read the database records\r\nthe table has no ZIP field");

  xbase::WatchedEnv env(xbase::Env::Default());
  auto table = MakeZipTable(DataPath("WATCHED.DBF").toStdString(), Copies(500, "12001"), {.env = &env});
  ASSERT_TRUE(table->Close().ok());
  ASSERT_TRUE(xbase::Table::Open(DataPath("WATCHED.DBF").toStdString(), {.env = &env}, &table).ok());
  env.fail_reads = true;
  run = Run(*table);
  EXPECT_EQ(run.outcome, PresortOutcome::kFailed);
  EXPECT_TRUE(run.error.startsWith("Unable to read the database records\r\n")) << run.error.toStdString();
  EXPECT_FALSE(QFile::exists(PresortFilePath()));
}

TEST(PacedKeepGoingTest, AsksAtTheFirstCallThenOnlyAfterTheIntervalAndKeepsTheAnswer) {
  int asked = 0;
  bool answer = true;
  auto hourly = PacedKeepGoing([&] {
    ++asked;
    return answer;
  }, std::chrono::hours(1));
  EXPECT_TRUE(hourly());
  answer = false;
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(hourly());
  EXPECT_EQ(asked, 1);

  asked = 0;
  auto always = PacedKeepGoing([&] {
    ++asked;
    return answer;
  }, std::chrono::milliseconds(0));
  EXPECT_FALSE(always());
  EXPECT_FALSE(always());
  EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace vellumo
