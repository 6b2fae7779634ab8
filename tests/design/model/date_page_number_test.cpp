// The date and time object's caption from its clock in the locale's
// formats, the page number ("##" on screen, the page's number on paper),
// the symbol printed as the picture its code stands for, and the stored
// form of the date and page-number objects.
#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QTemporaryDir>

#include "design/model/date_time_label.h"
#include "design/model/page_number_label.h"
#include "design/model/symbol_label.h"
#include "design/pictures/symbol_font.h"
#include "design/stream/font_size.h"
#include "ink.h"
#include "pdf_probe.h"
#include "printing/pdf_file.h"
#include "stored_bytes.h"
#include "stored_round_trip.h"

namespace vellumo::design {
namespace {

using namespace testing;

const QDateTime kMoment(QDate(2026, 3, 4), QTime(17, 5, 9));

QString Caption(TGDateFormat date, TGTimeFormat time) { return DateTimeCaption(kMoment, date, time); }

TEST(DateTime, StartsAsTheShortDateWithoutTime) {
  TGDateTimeLabel stamp;
  EXPECT_EQ(stamp.DateFormat, dtfDateShort);
  EXPECT_EQ(stamp.TimeFormat, dtfTimeNone);
}

TEST(DateTime, TheDateAndTheTimeComeInTheLocalesFormatsJoinedByASpace) {
  const QLocale locale;
  const QString short_date = locale.toString(kMoment.date(), QLocale::ShortFormat);
  const QString long_date = locale.toString(kMoment.date(), QLocale::LongFormat);
  const QString short_time = locale.toString(kMoment.time(), QLocale::ShortFormat);
  const QString long_time = locale.toString(kMoment.time(), QLocale::LongFormat);
  EXPECT_EQ(Caption(dtfDateShort, dtfTimeNone), short_date);
  EXPECT_EQ(Caption(dtfDateLong, dtfTimeNone), long_date);
  EXPECT_EQ(Caption(dtfDateShort, dtfTimeLong), short_date + " " + long_time);
  EXPECT_EQ(Caption(dtfDateLong, dtfTimeShort), long_date + " " + short_time);
  EXPECT_TRUE(Caption(dtfDateNone, dtfTimeNone).isEmpty());
  EXPECT_NE(short_date, long_date);
}

TEST(DateTime, WithNoDateTheTimeBeginsWithASpace) {
  const QString caption = Caption(dtfDateNone, dtfTimeShort);
  EXPECT_EQ(caption, " " + QLocale().toString(kMoment.time(), QLocale::ShortFormat));
  EXPECT_TRUE(caption.contains(QLatin1String("5")));
}

TEST(DateTimeStoredForm, BothFormatsAreAlwaysWrittenAfterTheTextPart) {
  TGDateTimeLabel stamp;
  stamp.SetName("Special1");
  stamp.SetBounds(QRect(10, 20, 100, 30));
  EXPECT_EQ(BytesOf(stamp),
            List(Record("TGDateTimeLabel", "Special1",
                        Common(10, 20, 100, 30) + PlainTextEnd("Text") + Ident("DateFormat", "dtfDateShort") +
                            Ident("TimeFormat", "dtfTimeNone"))));
  stamp.DateFormat = dtfDateNone;
  stamp.TimeFormat = dtfTimeLong;
  stamp.Caption.clear();
  const std::string bytes = BytesOf(stamp);
  EXPECT_EQ(bytes, List(Record("TGDateTimeLabel", "Special1",
                               Common(10, 20, 100, 30) + PlainTextEnd("") + Ident("DateFormat", "dtfDateNone") +
                                   Ident("TimeFormat", "dtfTimeLong"))));
  std::unique_ptr<TGGraphicControl> copy = ReadBack(bytes);
  ASSERT_NE(copy, nullptr);
  const auto& read = dynamic_cast<TGDateTimeLabel&>(*copy);
  EXPECT_EQ(read.DateFormat, dtfDateNone);
  EXPECT_EQ(read.TimeFormat, dtfTimeLong);
}

TEST(DateTimeStoredForm, AFormatThatIsNotOneOfItsValuesIsRefused) {
  TGDateTimeLabel stamp;
  const std::string bytes =
      List(Record("TGDateTimeLabel", "Special1", Common(1, 2, 3, 4) + Ident("TimeFormat", "dtfTimeShortest")));
  DesignReadResult read = DecodeDesignStream(bytes);
  ASSERT_EQ(read.objects.size(), 1u);
  EXPECT_FALSE(stamp.Restore(read.objects[0]).ok());
}

TEST(PageNumberStoredForm, WritesTheTextPartOnly) {
  TGPageNumberLabel number;
  number.SetName("Special1");
  number.SetBounds(QRect(10, 20, 100, 30));
  EXPECT_EQ(BytesOf(number), List(Record("TGPageNumberLabel", "Special1",
                                         Common(10, 20, 100, 30) + PlainTextEnd("Text"))));
  number.Alignment = taRightJustify;
  EXPECT_EQ(BytesOf(number), List(Record("TGPageNumberLabel", "Special1",
                                         Common(10, 20, 100, 30) + Ident("Alignment", "taRightJustify") +
                                             PlainTextEnd("Text"))));
}

// Objects printed into a PDF of `pages` pages of 4 × 2 inches, every page
// the same objects, read back word by word.
class PrintedText : public ::testing::Test {
 protected:
  std::vector<PdfWord> Print(const std::vector<const TGGraphicControl*>& objects, int pages) {
    PageMetrics metrics;
    metrics.width = Length::Inches(4);
    metrics.height = Length::Inches(2);
    const QString pdf = dir_.filePath(QStringLiteral("objects.pdf"));
    TReportPdf canvas(pdf, metrics);
    canvas.OnPrint = [&](TBaseReport& r) {
      for (int page = 1; page <= pages; ++page) {
        if (page > 1) r.NewPage();
        for (const TGGraphicControl* object : objects) object->PrintAt(r, 0, 0);
      }
    };
    EXPECT_TRUE(canvas.Execute()) << canvas.LastError().toStdString();
    EXPECT_EQ(PageCountOf(pdf), pages);
    return WordsOf(pdf);
  }

  QTemporaryDir dir_;
};

TEST_F(PrintedText, PageNumbersPrintTheNumberOfTheirPage) {
  TGPageNumberLabel number;
  number.SetBounds(QRect(96, 48, 100, 20));
  const std::vector<PdfWord> words = Print({&number}, 2);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].text, QStringLiteral("1"));
  EXPECT_EQ(words[0].page, 1);
  EXPECT_EQ(words[1].text, QStringLiteral("2"));
  EXPECT_EQ(words[1].page, 2);
  EXPECT_NEAR(words[1].x_min, 72, 2);
}

TEST_F(PrintedText, DatesPrintTheMomentOfTheirClock) {
  TGDateTimeLabel stamp;
  stamp.SetBounds(QRect(0, 0, 300, 20));
  stamp.DateFormat = dtfDateNone;
  stamp.TimeFormat = dtfTimeShort;
  stamp.Clock = [] { return kMoment; };
  const std::vector<PdfWord> words = Print({&stamp}, 1);
  QString printed;
  for (const PdfWord& w : words) printed += (printed.isEmpty() ? "" : " ") + w.text;
  EXPECT_EQ(printed, Caption(dtfDateNone, dtfTimeShort).trimmed());
}

TEST_F(PrintedText, ASymbolPrintsTheCharacterItsCodeStandsFor) {
  // The smiling face, and a code whose 8-bit text character lies beyond
  // U+00FF (0x82 is a low quotation mark as text).
  for (uint8_t code : {uint8_t(0x4A), uint8_t(0x82)}) {
    TGSymbolLabel symbol;
    symbol.SetSymbol(symbol.Font, code);
    const std::vector<PdfWord> words = Print({&symbol}, 1);
    ASSERT_EQ(words.size(), 1u) << int(code);
    const char32_t expected = SymbolFont::codePoint(code);
    EXPECT_EQ(words[0].text, QString::fromUcs4(&expected, 1)) << int(code);
  }
  EXPECT_EQ(SymbolFont::codePoint(0x4A), U'\u263A');
}

// What a view shows of an object at zoom 1.0 on a white image.
QImage OnScreen(const TGGraphicControl& object) {
  QImage image(200, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  object.PaintObject(painter, 1.0f);
  return image;
}

TEST(PageNumberOnScreen, ShowsTwoHashes) {
  TGPageNumberLabel number;
  number.SetBounds(QRect(0, 0, 150, 40));
  TGPLabel hashes;
  hashes.SetBounds(number.Bounds());
  hashes.Caption = "##";
  EXPECT_EQ(DifferingPixels(OnScreen(number), OnScreen(hashes)), 0);
  EXPECT_FALSE(InkBox(OnScreen(number)).isEmpty());
}

}  // namespace
}  // namespace vellumo::design
