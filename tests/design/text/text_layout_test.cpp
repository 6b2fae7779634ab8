// Multi-line layout measured on real destinations: wrapped lines within
// the box on a PDF page and on a 96 dpi canvas, line placement by
// alignment, sizing to the lines and shrinking the font to fit.
#include "design/text/text_layout.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "fixed_pitch.h"
#include "ink.h"
#include "printing/pdf_file.h"
#include "printing/report_destinations.h"

namespace vellumo {
namespace {

const QString kParagraph = QStringLiteral(
    "Please deliver the parcel to the side entrance of the building between nine and five on weekdays, "
    "and ring the bell marked Reception twice");

QStringList Words(const QStringList& lines) {
  return lines.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Each destination the layout must hold on.
class WrapOnDestinationTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    if (GetParam() == 0) {
      PageMetrics metrics;
      canvas_ = std::make_unique<TReportPdf>(dir_.filePath(QStringLiteral("wrap.pdf")), metrics);
    } else {
      canvas_ = std::make_unique<TCanvasReport>(QSizeF(8.5, 11), 96);
    }
  }
  QTemporaryDir dir_;
  std::unique_ptr<TBaseReport> canvas_;
};

TEST_P(WrapOnDestinationTest, WrappedLinesStayWithinTheBoxAndKeepEveryWord) {
  for (const TextStyle& style : {TextStyle{"Arial", 10}, TextStyle{"Times New Roman", 12, true, true},
                                 TextStyle{"Courier New", 9}}) {
    for (double width : {0.8, 1.3, 2.0, 3.1}) {
      const TextMeasure measure = MeasureOn(*canvas_, style);
      const QStringList lines = WrapLines({kParagraph}, width, measure);
      ASSERT_GT(lines.size(), 1);
      for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_LE(canvas_->TextWidth(lines[i]), width) << lines[i].toStdString();
        // Greedy: the next word would not have fitted on the line.
        if (i + 1 < lines.size()) {
          const QString next_word = lines[i + 1].section(QLatin1Char(' '), 0, 0);
          EXPECT_GT(canvas_->TextWidth(lines[i] + QLatin1Char(' ') + next_word), width);
        }
      }
      EXPECT_EQ(Words(lines), kParagraph.split(QLatin1Char(' ')));
    }
  }
}

TEST_P(WrapOnDestinationTest, WordWiderThanTheBoxIsBrokenBetweenCharacters) {
  const TextMeasure measure = MeasureOn(*canvas_, {"Arial", 10});
  const QString word = QStringLiteral("Supercalifragilisticexpialidocious");
  const QStringList lines = WrapLines({"to " + word + " end"}, 0.5, measure);
  ASSERT_GT(lines.size(), 3);
  for (const QString& line : lines) EXPECT_LE(canvas_->TextWidth(line), 0.5);
  // Pieces of the word follow each other with nothing lost; blanks only
  // where the text had them.
  EXPECT_EQ(lines.join(QString()).remove(QLatin1Char(' ')).toStdString(), ("to" + word + "end").toStdString());
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [](const QString& l) { return l.isEmpty(); }));
}

INSTANTIATE_TEST_SUITE_P(Destinations, WrapOnDestinationTest, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "Pdf" : "Canvas96"; });

// The wrapped and placed lines drawn at 96 dpi, unclipped: their ink stays
// within the box, whatever the alignment.
TEST(PlacedLinesInkTest, DrawnLinesStayWithinTheBox) {
  constexpr double kLeft = 0.5, kTop = 0.5, kWidth = 1.3, kHeight = 2.0;
  for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
    TCanvasReport canvas(QSizeF(3, 3), 96);
    canvas.OnPrint = [&](TBaseReport& c) {
      const TextMeasure measure = MeasureOn(c, {"Arial", 10});
      const QStringList lines = WrapLines({kParagraph}, kWidth, measure);
      const QRectF page = c.MakeRect(0, 0, 3, 3);
      for (const PlacedLine& line : PlaceLines(lines, QSizeF(kWidth, kHeight), alignment, measure)) {
        c.TextInRect(page, kLeft + line.x, kTop + line.top, line.text);
      }
    };
    ASSERT_TRUE(canvas.Execute());
    const QRect ink = InkBox(canvas.pages().at(0));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), static_cast<int>(kLeft * 96) - 1) << alignment;
    EXPECT_LE(ink.right(), static_cast<int>((kLeft + kWidth) * 96) + 1) << alignment;
    EXPECT_LE(ink.bottom(), static_cast<int>((kTop + kHeight) * 96) + 1) << alignment;
  }
}

TEST(WrapLinesTest, ShortAndEmptyItemsStayAsTheyAre) {
  TCanvasReport canvas(QSizeF(8.5, 11), 96);
  const TextMeasure measure = MeasureOn(canvas, {});
  EXPECT_EQ(WrapLines({"one", "", "two  words"}, 3, measure), QStringList({"one", "", "two  words"}));
}

TEST(WrapLinesTest, BoxWithNoWidthStillEnds) {
  EXPECT_EQ(WrapLines({"ab c", ""}, 0, FixedPitch()), QStringList({"a", "b", "c", ""}));
}

TEST(MeasureOnTest, LineHeightFollowsTheFontSize) {
  TCanvasReport canvas(QSizeF(8.5, 11), 96);
  canvas.LineHeightMethodUsed = LineHeightMethod::kLinesPerInch;
  EXPECT_DOUBLE_EQ(MeasureOn(canvas, {"Arial", 12}).line_height, 0.2);
  EXPECT_GT(MeasureOn(canvas, {"Arial", 12, true}).width("Wide"), MeasureOn(canvas, {"Arial", 12}).width("Wide"));
}

TEST(PlaceLinesTest, AlignmentOffsets) {
  const QSizeF box(2.0, 1.0);
  const double unit = 1.0 / 96;
  auto left = PlaceLines({"abcd"}, box, taLeftJustify, FixedPitch());
  auto right = PlaceLines({"abcd"}, box, taRightJustify, FixedPitch());
  auto centre = PlaceLines({"abcd"}, box, taCenter, FixedPitch());
  EXPECT_DOUBLE_EQ(left[0].x, 0);
  EXPECT_DOUBLE_EQ(right[0].x, 2.0 - 0.4 - unit);
  EXPECT_DOUBLE_EQ(centre[0].x, 1.0 + unit - 0.2);
}

TEST(PlaceLinesTest, LinesBeyondTheBoxAreLeftOutAndTheLastBandIsCut) {
  const auto two_bands = PlaceLines({"one", "two", "three"}, QSizeF(1, 2.0 / 6), taLeftJustify, FixedPitch());
  ASSERT_EQ(two_bands.size(), 2u);
  EXPECT_DOUBLE_EQ(two_bands[1].top, 1.0 / 6);
  const auto cut = PlaceLines({"one", "two", "three"}, QSizeF(1, 0.25), taLeftJustify, FixedPitch());
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_DOUBLE_EQ(cut[0].height, 1.0 / 6);
  EXPECT_NEAR(cut[1].height, 0.25 - 1.0 / 6, 1e-12);
  EXPECT_EQ(PlaceLines({"one", "two", "three"}, QSizeF(1, 1), taLeftJustify, FixedPitch()).size(), 3u);
  EXPECT_TRUE(PlaceLines({}, QSizeF(1, 1), taLeftJustify, FixedPitch()).empty());
}

TEST(SizeToLinesTest, OnePitchPerLineAndAtLeastTheWidestLine) {
  EXPECT_EQ(SizeToLines({"ab", "abcdefgh", "abc"}, 0.5, FixedPitch()), QSizeF(0.8, 0.5));
  EXPECT_EQ(SizeToLines({"ab"}, 2.0, FixedPitch()), QSizeF(2.0, 1.0 / 6));
}

// A font whose characters are points / 100 inches wide, lines points / 60.
MeasureAtSize ScaledPitch(std::vector<double>* tried) {
  return [tried](double points) {
    tried->push_back(points);
    return TextMeasure{[points](const QString& t) { return points / 100 * static_cast<double>(t.size()); },
                       points / 60};
  };
}

TEST(ShrinkToFitTest, StepsDownAPointAtATimeToTheFirstSizeThatFits) {
  std::vector<double> tried;
  // Ten characters fit 1 inch at 10 points; at 8 they need 0.8.
  const ShrinkResult r = ShrinkToFit({"abcdefghij"}, QSizeF(0.85, 1), 12, false, ScaledPitch(&tried));
  EXPECT_TRUE(r.fits);
  EXPECT_DOUBLE_EQ(r.points, 8);
  EXPECT_EQ(tried, (std::vector<double>{12, 11, 10, 9, 8}));
}

TEST(ShrinkToFitTest, TheObjectsOwnSizeWhenItFits) {
  std::vector<double> tried;
  const ShrinkResult r = ShrinkToFit({"abc"}, QSizeF(1, 1), 10.5, false, ScaledPitch(&tried));
  EXPECT_TRUE(r.fits);
  EXPECT_DOUBLE_EQ(r.points, 10.5);
}

TEST(ShrinkToFitTest, HeightCountsToo) {
  std::vector<double> tried;
  // Three lines need 0.375 inch at 7.5 points, 0.325 at 6.5.
  const ShrinkResult r = ShrinkToFit({"a", "b", "c"}, QSizeF(1, 0.36), 10.5, false, ScaledPitch(&tried));
  EXPECT_TRUE(r.fits);
  EXPECT_DOUBLE_EQ(r.points, 6.5);
  EXPECT_EQ(tried, (std::vector<double>{10.5, 9.5, 8.5, 7.5, 6.5}));
}

TEST(ShrinkToFitTest, ReportsOverflowAtSixPoints) {
  std::vector<double> tried;
  const ShrinkResult r = ShrinkToFit({"far too long for the box"}, QSizeF(0.5, 1), 8.5, false, ScaledPitch(&tried));
  EXPECT_FALSE(r.fits);
  EXPECT_DOUBLE_EQ(r.points, 6);
  EXPECT_EQ(tried, (std::vector<double>{8.5, 7.5, 6.5, 6}));
  tried.clear();
  const ShrinkResult small = ShrinkToFit({"far too long"}, QSizeF(0.5, 1), 5, false, ScaledPitch(&tried));
  EXPECT_FALSE(small.fits);
  EXPECT_EQ(tried, (std::vector<double>{5}));
}

TEST(ShrinkToFitTest, RewrapsAtEverySize) {
  std::vector<double> tried;
  // Two lines fit 0.34 inch from 10 points down; above 10 points fewer
  // than 19 characters fit the 2 inches, so the text takes three lines.
  const QString text = QStringLiteral("aaaa bbbb cccc dddd eeee ffff gggg hhhh");
  const ShrinkResult r = ShrinkToFit({text}, QSizeF(2, 0.34), 14, true, ScaledPitch(&tried));
  EXPECT_TRUE(r.fits);
  EXPECT_DOUBLE_EQ(r.points, 10);
  EXPECT_EQ(r.lines, QStringList({"aaaa bbbb cccc dddd", "eeee ffff gggg hhhh"}));
}

TEST(ShrinkToFitTest, PicksTheSizeOnARealCanvas) {
  TCanvasReport canvas(QSizeF(8.5, 11), 96);
  const TextStyle style{"Arial", 14};
  const QString line = QStringLiteral("Springfield  IL 62701");
  const double at9 = MeasureOn(canvas, {"Arial", 9}).width(line);
  const double at10 = MeasureOn(canvas, {"Arial", 10}).width(line);
  ASSERT_LT(at9, at10);
  const ShrinkResult r = ShrinkToFit({line}, QSizeF((at9 + at10) / 2, 1), 14, false, SizesOn(canvas, style));
  EXPECT_TRUE(r.fits);
  EXPECT_DOUBLE_EQ(r.points, 9);
}

}  // namespace
}  // namespace vellumo
