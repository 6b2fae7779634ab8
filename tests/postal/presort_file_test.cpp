// The presort file: bytes with CR LF line ends, safe replacement of an
// older file, clear errors, and reading it back as groups.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "postal/presort_file.h"
#include "postal/presort_groups.h"
#include "test_home.h"

namespace vellumo {
namespace {

class PresortFileTest : public HomeTest {
 protected:
  QString error_;

  static QByteArray Contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }
  static void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
};

TEST_F(PresortFileTest, LivesInTheProgramDirectory) {
  EXPECT_EQ(PresortFilePath(), QDir(dir_.path()).filePath("PRESORT.PSL"));
}

TEST_F(PresortFileTest, IsWrittenByteForByteWithCrLfLineEnds) {
  // Worked by hand: 11 records in 10001; 6 in 35001 and 4 in 35002 (run
  // 350 totals 10); 2 in 12001 (ALBANY); 1 in 00123 (prefix not listed).
  ZipTally tally;
  const std::vector<std::pair<const char*, int>> counts = {
      {"10001", 11}, {"35001", 6}, {"35002", 4}, {"12001", 2}, {"00123", 1}};
  for (const auto& [key, count] : counts) {
    for (int i = 0; i < count; ++i) tally.Add(key);
  }
  ASSERT_TRUE(WritePresortFile(PresortFilePath(), PresortLines(tally.SortedRecords()), &error_)) << error_.toStdString();
  EXPECT_EQ(Contents(PresortFilePath()),
            QByteArray("** 5-digit 10001\r\n10001\r\n** 3-digit 350\r\n35001\r\n35002\r\n"
                       "** ADC ALBANY NY 120\r\n12001\r\n** Unknown\r\n00123\r\n"));
}

TEST_F(PresortFileTest, NoLinesMakeAnEmptyFile) {
  ASSERT_TRUE(WritePresortFile(PresortFilePath(), {}, &error_)) << error_.toStdString();
  EXPECT_TRUE(QFile::exists(PresortFilePath()));
  EXPECT_EQ(Contents(PresortFilePath()), QByteArray());
}

TEST_F(PresortFileTest, ReplacesAnOlderFileAndLeavesNoTemporaryFileBehind) {
  Put(PresortFilePath(), "** Unknown\r\n00123\r\n00124\r\n00125\r\n");
  ASSERT_TRUE(WritePresortFile(PresortFilePath(), {"** 5-digit 12345", "12345"}, &error_)) << error_.toStdString();
  EXPECT_EQ(Contents(PresortFilePath()), QByteArray("** 5-digit 12345\r\n12345\r\n"));
  const QStringList left = QDir(dir_.path()).entryList(QDir::Files);
  EXPECT_EQ(left, QStringList{"PRESORT.PSL"});
}

TEST_F(PresortFileTest, AnUnwritablePlaceGivesAClearErrorAndKeepsTheOlderFile) {
  // A directory where the file would go: the rename into place fails.
  ASSERT_TRUE(QDir().mkpath(PresortFilePath() + "/held"));
  QString error;
  EXPECT_FALSE(WritePresortFile(PresortFilePath(), {"** Unknown", "00123"}, &error));
  EXPECT_TRUE(error.startsWith("Unable to write " + QDir::toNativeSeparators(PresortFilePath()) + "\r\n"))
      << error.toStdString();
  EXPECT_TRUE(QFileInfo(PresortFilePath()).isDir());

  // A program directory below a plain file cannot be written at all.
  Put(dir_.path() + "/plain", "x");
  const QString path = dir_.path() + "/plain/PRESORT.PSL";
  EXPECT_FALSE(WritePresortFile(path, {"** Unknown", "00123"}, &error));
  EXPECT_TRUE(error.startsWith("Unable to write ")) << error.toStdString();
  EXPECT_GT(error.size(), QStringLiteral("Unable to write ").size() + path.size() + 2);  // with a reason
}

TEST_F(PresortFileTest, ReadsBackAsGroupsOfASeparatorAndItsKeys) {
  const std::vector<std::string> lines = {"** 5-digit 12345", "12345", "** 3-digit 123", "12301", "12302",
                                          "** ADC ALBANY NY 120",  "12001", "** Unknown",     "00123"};
  ASSERT_TRUE(WritePresortFile(PresortFilePath(), lines, &error_)) << error_.toStdString();
  std::vector<PresortGroup> groups;
  QString error;
  ASSERT_TRUE(ReadPresortFile(PresortFilePath(), &groups, &error)) << error.toStdString();
  const std::vector<PresortGroup> expected = {{"** 5-digit 12345", {"12345"}},
                                              {"** 3-digit 123", {"12301", "12302"}},
                                              {"** ADC ALBANY NY 120", {"12001"}},
                                              {"** Unknown", {"00123"}}};
  EXPECT_EQ(groups, expected);
}

TEST_F(PresortFileTest, ParsingAcceptsPlainLineFeedsAndAnUnendedLastLine) {
  std::vector<PresortGroup> groups;
  QString error;
  ASSERT_TRUE(ParsePresortText("** ADC X\n12001\r\n12002", &groups, &error));
  EXPECT_EQ(groups, (std::vector<PresortGroup>{{"** ADC X", {"12001", "12002"}}}));
  ASSERT_TRUE(ParsePresortText("", &groups, &error));
  EXPECT_TRUE(groups.empty());
  // Any line holding "**" is a separator, wherever the mark stands.
  ASSERT_TRUE(ParsePresortText("a**b\r\n1\r\n", &groups, &error));
  EXPECT_EQ(groups, (std::vector<PresortGroup>{{"a**b", {"1"}}}));
}

TEST_F(PresortFileTest, TextsThatAreNoPresortListAreRefusedNamingTheLine) {
  std::vector<PresortGroup> groups = {{"kept", {}}};
  QString error;
  EXPECT_FALSE(ParsePresortText("12345\r\n** 5-digit 12345\r\n", &groups, &error));
  EXPECT_EQ(error, "Line 1 is a key before the first separator");
  EXPECT_FALSE(ParsePresortText("** Unknown\r\n\r\n00123\r\n", &groups, &error));
  EXPECT_EQ(error, "Line 2 is empty");
  EXPECT_EQ(groups, (std::vector<PresortGroup>{{"kept", {}}}));

  Put(PresortFilePath(), "12345\r\n");
  EXPECT_FALSE(ReadPresortFile(PresortFilePath(), &groups, &error));
  EXPECT_EQ(error, QDir::toNativeSeparators(PresortFilePath()) +
                       " is not a presort list\r\nLine 1 is a key before the first separator");
}

TEST_F(PresortFileTest, AMissingFileCannotBeRead) {
  std::vector<PresortGroup> groups;
  QString error;
  EXPECT_FALSE(ReadPresortFile(PresortFilePath(), &groups, &error));
  EXPECT_TRUE(error.startsWith("Unable to read " + QDir::toNativeSeparators(PresortFilePath()) + "\r\n"));
}

}  // namespace
}  // namespace vellumo
