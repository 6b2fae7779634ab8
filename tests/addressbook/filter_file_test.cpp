// Filter files: the 20-line layout, the name rules, and lenient reading.
#include <QFile>

#include "addressbook/filter_file.h"
#include "test_home.h"

namespace vellumo {
namespace {

class FilterFileTest : public HomeTest {
 protected:
  QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }
  void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
};

TEST_F(FilterFileTest, LinesFollowTheFilterWindowsOrder) {
  FilterConditions conditions;
  conditions[QStringLiteral("LNAME")] = QStringLiteral("Jo");
  conditions[QStringLiteral("DATE")] = QStringLiteral("1997");
  conditions[QStringLiteral("USER2")] = QStringLiteral("café");
  conditions.tagged = true;
  QString error;
  ASSERT_TRUE(SaveFilterTo(PathOf("names.FLT"), conditions, &error)) << error.toStdString();
  QFile file(PathOf("names.FLT"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_EQ(lines.size(), 20);
  EXPECT_EQ(lines[0], "Jo\r");
  EXPECT_EQ(lines[14], "1997\r");    // the date is the 15th line
  EXPECT_EQ(lines[17], "caf\xE9\r");  // Windows-1252 on disk
  EXPECT_EQ(lines[18], "T\r");
  EXPECT_EQ(lines[19], "F");

  FilterConditions restored;
  ASSERT_TRUE(RestoreFilterFrom(PathOf("names.FLT"), &restored, &error));
  EXPECT_EQ(restored, conditions);
}

TEST_F(FilterFileTest, ShortFilesRestoreEmptySlotsAndOnlyCapitalTSetsAFlag) {
  WriteRaw(PathOf("short.FLT"), "SMITH\r\n");
  FilterConditions restored;
  QString error;
  ASSERT_TRUE(RestoreFilterFrom(PathOf("short.FLT"), &restored, &error));
  EXPECT_EQ(restored[QStringLiteral("LNAME")], QStringLiteral("SMITH"));
  EXPECT_TRUE(restored[QStringLiteral("FNAME")].isEmpty());
  EXPECT_FALSE(restored.tagged);

  QByteArray lower_t;
  for (int i = 0; i < 18; ++i) lower_t += "\r\n";
  lower_t += "t\r\nT\r\nextra line\r\n";
  WriteRaw(PathOf("flags.FLT"), lower_t);
  ASSERT_TRUE(RestoreFilterFrom(PathOf("flags.FLT"), &restored, &error));
  EXPECT_FALSE(restored.tagged);
  EXPECT_TRUE(restored.reverse);
}

TEST_F(FilterFileTest, SaveNamesGetTheFltExtensionOrAreRefused) {
  QString error;
  EXPECT_EQ(FilterSaveName(QStringLiteral("/x/names"), &error), QStringLiteral("/x/names.FLT"));
  EXPECT_EQ(FilterSaveName(QStringLiteral("/x/names.flt"), &error), QStringLiteral("/x/names.flt"));
  EXPECT_TRUE(FilterSaveName(QStringLiteral("/x/names.txt"), &error).isEmpty());
  EXPECT_EQ(error, QStringLiteral("Must have a .FLT extension"));
  EXPECT_TRUE(IsFilterFileName(QStringLiteral("a.Flt")));
  EXPECT_FALSE(IsFilterFileName(QStringLiteral("a.flt.txt")));
}

TEST_F(FilterFileTest, UnreadableFilesAreReportedAndChangeNothing) {
  FilterConditions conditions;
  conditions[QStringLiteral("LNAME")] = QStringLiteral("keep");
  QString error;
  EXPECT_FALSE(RestoreFilterFrom(PathOf("missing.FLT"), &conditions, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(conditions[QStringLiteral("LNAME")], QStringLiteral("keep"));
  WriteRaw(PathOf("huge.FLT"), QByteArray(100000, 'x'));
  EXPECT_FALSE(RestoreFilterFrom(PathOf("huge.FLT"), &conditions, &error));
  EXPECT_EQ(conditions[QStringLiteral("LNAME")], QStringLiteral("keep"));
}

}  // namespace
}  // namespace vellumo
