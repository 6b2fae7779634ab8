// Date keys, tag ids and the small text helpers.
#include <QDir>
#include <QFile>

#include "core/date_keys.h"
#include "core/tag_id.h"
#include "core/text_utils.h"
#include "test_home.h"

namespace vellumo {
namespace {

TEST(DateKeysTest, ValidKeysAndDisplay) {
  SetShortDateFormat(kProgramShortDateFormat);
  EXPECT_TRUE(IsDateKey("19970428"));
  EXPECT_TRUE(IsDateKey("19970428 and more"));
  EXPECT_FALSE(IsDateKey("19970230"));
  EXPECT_FALSE(IsDateKey("abcdefgh"));
  EXPECT_FALSE(IsDateKey("1997 428"));
  EXPECT_FALSE(IsDateKey("1997042"));
  EXPECT_EQ(DisplayDateKey("19970428"), "04/28/1997");
  EXPECT_EQ(DisplayDateKey("19970230"), "");
  EXPECT_EQ(DisplayDateKey(""), "");
  SetShortDateFormat("dd.MM.yyyy");
  EXPECT_EQ(DisplayDateKey("19970428"), "28.04.1997");
  SetShortDateFormat(kProgramShortDateFormat);
}

TEST(DateKeysTest, Normalising) {
  SetShortDateFormat(kProgramShortDateFormat);
  EXPECT_EQ(NormaliseDateKey("19970428"), "19970428");
  EXPECT_EQ(NormaliseDateKey("04/28/1997"), "19970428");
  EXPECT_EQ(NormaliseDateKey("4/8/1997"), "19970408");
  EXPECT_EQ(NormaliseDateKey("1997-04-28"), "19970428");
  EXPECT_EQ(NormaliseDateKey("letters"), "");
  EXPECT_EQ(NormaliseDateKey("02/30/1997"), "");
  EXPECT_EQ(NormaliseDateKey("   "), "");
}

TEST(TagIdTest, Base36FromDateAndTime) {
  EXPECT_EQ(MakeTagId(QDateTime(QDate(2024, 3, 15), QTime(14, 5, 9))), "T57MJZ1");
  EXPECT_EQ(ToBase36(0), "");
  EXPECT_EQ(ToBase36(35), "Z");
  EXPECT_EQ(ToBase36(36), "10");
  EXPECT_LE(MakeTagId(QDateTime(QDate(2030, 12, 31), QTime(23, 59, 59))).size(), 7);
}

class TagIdStoreTest : public HomeTest {};

TEST_F(TagIdStoreTest, MadeOnceThenKeptUntilRenewed) {
  QString first = CurrentTagId();
  EXPECT_FALSE(first.isEmpty());
  EXPECT_EQ(CurrentTagId(), first);
  // Renewals within one second still give new ids.
  QString second, third, error;
  ASSERT_TRUE(RenewTagId(&second, &error));
  ASSERT_TRUE(RenewTagId(&third, &error));
  EXPECT_NE(second, first);
  EXPECT_NE(third, second);
  EXPECT_EQ(CurrentTagId(), third);
  EXPECT_TRUE(error.isEmpty());
}

TEST_F(TagIdStoreTest, AnIdThatCannotBeStoredIsReportedNotLost) {
  const QString first = CurrentTagId();
  const QByteArray settings = BlockSettings();
  QString renewed = QStringLiteral("unchanged"), error;
  EXPECT_FALSE(RenewTagId(&renewed, &error)) << "a renewal that is not stored must not count";
  EXPECT_EQ(renewed, "unchanged");
  EXPECT_TRUE(error.startsWith("Unable to write " + SettingsFilePath())) << error.toStdString();

  error.clear();
  EXPECT_FALSE(CurrentTagId(&error).isEmpty()) << "an id still serves for this run";
  EXPECT_FALSE(error.isEmpty()) << "but the caller learns it was not stored";

  UnblockSettings(settings);
  EXPECT_EQ(CurrentTagId(), first) << "the stored id is the one before the failed renewal";
}

TEST(TextUtilsTest, TrimsAndPrinterNames) {
  EXPECT_EQ(TrimLeft("  a b "), "a b ");
  EXPECT_EQ(TrimRight("  a b "), "  a b");
  EXPECT_EQ(TrimBoth("   "), "");
  EXPECT_EQ(PrinterNameWithoutPort("HP LaserJet on LPT1:"), "HP LaserJet");
  EXPECT_EQ(PrinterNameWithoutPort("Canon ON NE01: ON x"), "Canon");
  EXPECT_EQ(PrinterNameWithoutPort("Monitor"), "Monitor");
}

TEST_F(TagIdStoreTest, CopyWholeFile) {
  QString a = DataPath("a.bin"), b = DataPath("b.bin");
  QFile f(a);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  QByteArray data(5000, 'x');
  data[4999] = 'y';
  f.write(data);
  f.close();
  EXPECT_FALSE(CopyWholeFile(a, a));
  EXPECT_FALSE(CopyWholeFile(DataPath("missing"), b));
  ASSERT_TRUE(CopyWholeFile(a, b));
  QFile g(b);
  ASSERT_TRUE(g.open(QIODevice::ReadOnly));
  EXPECT_EQ(g.readAll(), data);
}

}  // namespace
}  // namespace vellumo
