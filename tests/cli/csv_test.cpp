// CSV parsing and quoting.
#include <gtest/gtest.h>

#include "csv.h"

namespace cli {
namespace {

TEST(CsvTest, QuotesCommasAndLineBreaks) {
  std::vector<CsvRow> rows;
  ASSERT_TRUE(ParseCsv("A,B,C\r\n\"x, y\",\"say \"\"hi\"\"\",\"two\nlines\"\n\n1,,3", &rows).ok());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], (CsvRow{"x, y", "say \"hi\"", "two\nlines"}));
  EXPECT_EQ(rows[2], (CsvRow{"1", "", "3"}));
}

TEST(CsvTest, MalformedInputNamesTheLine) {
  std::vector<CsvRow> rows;
  xbase::Status s = ParseCsv("A\n\"open\nstill open", &rows);
  EXPECT_TRUE(s.IsInvalidArgument());
  EXPECT_NE(s.message().find("line 2"), std::string::npos) << s.message();
  EXPECT_TRUE(ParseCsv("A\nab\"c\n", &rows).IsInvalidArgument());
  EXPECT_TRUE(ParseCsv("\"a\"b\n", &rows).IsInvalidArgument());
}

TEST(CsvTest, WrittenFieldsParseBack) {
  CsvRow row = {"plain", "with,comma", "\"quoted\"", " padded ", "", "line\r\nbreak"};
  std::vector<CsvRow> rows;
  ASSERT_TRUE(ParseCsv(CsvLine(row), &rows).ok());
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], row);
}

}  // namespace
}  // namespace cli
