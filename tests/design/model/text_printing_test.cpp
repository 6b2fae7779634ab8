// Text objects on paper: every printed word lies within its object's box,
// shadow and highlight copies print only with a depth, and an address too
// long for its box is shrunk until it fits (or reported as not fitting).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "ink.h"
#include "page_fixture.h"
#include "pdf_probe.h"
#include "printing/pdf_file.h"

namespace vellumo::design {
namespace {

using namespace testing;

constexpr double kPointsPerUnit = 72.0 / 96.0;

class TextOnPaper : public PageTest {
 protected:
  TextOnPaper() {
    record_.SetField("PREFIX", "Dr.");
    record_.SetField("FNAME", "Johanna");
    record_.SetField("MIDDLE", "Q");
    record_.SetField("LNAME", "Worthington-Smythe");
    record_.SetField("TITLE", "Director of Regional Operations");
    record_.SetField("ORG", "Consolidated Widgets Incorporated");
    record_.SetField("STREET", "12345 Extraordinarily Long Boulevard");
    record_.SetField("STREET2", "Building 7 Suite 1200");
    record_.SetField("CITY", "Springfield");
    record_.SetField("STATE", "IL");
    record_.SetField("ZIP", "62701");
    record_.SetField("COUNTRY", "");
    record_.SetLabel("Last Name", "LNAME");
    page_.SetRecord(&record_);
  }

  // The words printed from the page at its corner, the page printing.
  std::vector<PdfWord> Print() {
    PageMetrics metrics;
    metrics.width = Length::Inches(4);
    metrics.height = Length::Inches(2);
    const QString pdf = dir_.filePath(QStringLiteral("text.pdf"));
    page_.Printing = true;
    page_.RefreshAllData();
    TReportPdf canvas(pdf, metrics);
    canvas.OnPrint = [&](TBaseReport& r) { page_.PrintObjects(r, 0, 0); };
    EXPECT_TRUE(canvas.Execute()) << canvas.LastError().toStdString();
    page_.Printing = false;
    return WordsOf(pdf);
  }

  static void ExpectWithin(const std::vector<PdfWord>& words, const QRect& units) {
    const double slack = 0.5;
    for (const PdfWord& w : words) {
      EXPECT_GE(w.x_min, units.left() * kPointsPerUnit - slack) << w.text.toStdString();
      EXPECT_GE(w.y_min, units.top() * kPointsPerUnit - slack) << w.text.toStdString();
      EXPECT_LE(w.x_max, (units.left() + units.width()) * kPointsPerUnit + slack) << w.text.toStdString();
      EXPECT_LE(w.y_max, (units.top() + units.height()) * kPointsPerUnit + slack) << w.text.toStdString();
    }
  }

  static int Count(const std::vector<PdfWord>& words, const char* text) {
    int n = 0;
    for (const PdfWord& w : words) n += w.text == QLatin1String(text);
    return n;
  }

  MapRecordSource record_;
  QTemporaryDir dir_;
};

TEST_F(TextOnPaper, FixedAndFieldTextPrintInsideTheirBoxes) {
  auto label = std::make_unique<TGPLabel>();
  label->Caption = "Greetings";
  label->Alignment = taCenter;
  TGGraphicControl* fixed = page_.PlaceObject(std::move(label), QRect(0, 0, 10, 10));
  fixed->SetBounds(QRect(20, 10, 142, 20));
  auto field = std::make_unique<TGPDLabel>();
  field->DataFieldDescript = "Last Name";
  TGGraphicControl* data = page_.PlaceObject(std::move(field), QRect(0, 0, 10, 10));
  data->SetBounds(QRect(20, 50, 200, 20));
  const std::vector<PdfWord> words = Print();
  ASSERT_EQ(Count(words, "Greetings"), 1);
  ASSERT_EQ(Count(words, "Worthington-Smythe"), 1);
  ExpectWithin({*FindWord(words, QStringLiteral("Greetings"))}, fixed->Bounds());
  ExpectWithin({*FindWord(words, QStringLiteral("Worthington-Smythe"))}, data->Bounds());
}

TEST_F(TextOnPaper, CopiesPrintOnlyWithADepth) {
  auto flat = std::make_unique<TGPLabel>();
  flat->Caption = "Flat";
  page_.PlaceObject(std::move(flat), QRect(0, 0, 10, 10))->SetBounds(QRect(10, 10, 142, 20));
  auto raised = std::make_unique<TGPLabel>();
  raised->Caption = "Raised";
  raised->Effects.DepthShadow = 3;
  raised->Effects.DepthHighlight = 3;
  TGGraphicControl* object = page_.PlaceObject(std::move(raised), QRect(0, 0, 10, 10));
  object->SetBounds(QRect(10, 60, 142, 24));
  const std::vector<PdfWord> words = Print();
  EXPECT_EQ(Count(words, "Flat"), 1);
  EXPECT_EQ(Count(words, "Raised"), 3);
}

TEST_F(TextOnPaper, AddressBlockLinesLieWithinTheBlock) {
  auto address = std::make_unique<TGDMultiLineAddressLabel>();
  TGGraphicControl* block = page_.PlaceObject(std::move(address), QRect(0, 0, 10, 10));
  block->SetBounds(QRect(24, 24, 330, 120));
  const std::vector<PdfWord> words = Print();
  ASSERT_NE(FindWord(words, QStringLiteral("Springfield")), nullptr);
  ASSERT_NE(FindWord(words, QStringLiteral("Johanna")), nullptr);
  ExpectWithin(words, block->Bounds());
  EXPECT_FALSE(dynamic_cast<TGDMultiLineAddressLabel*>(block)->LastPrintFit().shrunk);
}

TEST_F(TextOnPaper, LongAddressShrinksUntilItFits) {
  auto address = std::make_unique<TGDMultiLineAddressLabel>();
  address->ShrinkToFit = true;
  auto* block = static_cast<TGDMultiLineAddressLabel*>(page_.PlaceObject(std::move(address), QRect(0, 0, 10, 10)));
  block->SetBounds(QRect(10, 10, 200, 80));
  const std::vector<PdfWord> words = Print();
  EXPECT_TRUE(block->LastPrintFit().shrunk);
  EXPECT_TRUE(block->LastPrintFit().fits);
  // Every line printed, all inside the block.
  for (const char* word : {"Dr.", "Director", "Consolidated", "Boulevard", "Suite", "62701"}) {
    EXPECT_NE(FindWord(words, QLatin1String(word)), nullptr) << word;
  }
  ExpectWithin(words, block->Bounds());
  const PdfWord* zip = FindWord(words, QStringLiteral("62701"));
  ASSERT_NE(zip, nullptr);
  EXPECT_LT(zip->y_max - zip->y_min, 10.0);
}

TEST_F(TextOnPaper, UnshrunkLongAddressIsReportedAsNotFitting) {
  auto address = std::make_unique<TGDMultiLineAddressLabel>();
  auto* block = static_cast<TGDMultiLineAddressLabel*>(page_.PlaceObject(std::move(address), QRect(0, 0, 10, 10)));
  block->SetBounds(QRect(10, 10, 200, 80));
  const std::vector<PdfWord> words = Print();
  EXPECT_FALSE(block->LastPrintFit().shrunk);
  EXPECT_FALSE(block->LastPrintFit().fits);
  // Lines below the block are left out rather than printed past it.
  EXPECT_EQ(FindWord(words, QStringLiteral("62701")), nullptr);
}

TEST_F(TextOnPaper, AddressTooLongEvenAtSixPointsIsReportedAsNotFitting) {
  auto address = std::make_unique<TGDMultiLineAddressLabel>();
  address->ShrinkToFit = true;
  auto* block = static_cast<TGDMultiLineAddressLabel*>(page_.PlaceObject(std::move(address), QRect(0, 0, 10, 10)));
  block->SetBounds(QRect(10, 10, 60, 20));
  Print();
  EXPECT_TRUE(block->LastPrintFit().shrunk);
  EXPECT_FALSE(block->LastPrintFit().fits);
}

TEST_F(TextOnPaper, WrappedTextBreaksAtTheObjectsWidth) {
  auto text = std::make_unique<TGMultiLineLabel>();
  text->Items = {"the quick brown fox jumps over the lazy dog again and again"};
  text->WordWrap = true;
  TGGraphicControl* object = page_.PlaceObject(std::move(text), QRect(0, 0, 10, 10));
  object->SetBounds(QRect(20, 10, 120, 80));
  const std::vector<PdfWord> words = Print();
  ASSERT_EQ(words.size(), 12u);
  ExpectWithin(words, object->Bounds());
  EXPECT_GT(words.back().y_min, words.front().y_max);
}

TEST_F(TextOnPaper, EmptyMultiLineTextShowsItsPlaceholderOnScreenOnly) {
  TGGraphicControl* text = page_.PlaceObject(std::make_unique<TGMultiLineLabel>(), QRect(0, 0, 10, 10));
  text->SetBounds(QRect(30, 20, 150, 40));
  EXPECT_TRUE(Print().empty());
  QImage screen(page_.Size(), QImage::Format_RGB32);
  screen.fill(Qt::white);
  {
    QPainter painter(&screen);
    text->PaintObject(painter, 1.0f);
  }
  const QRect ink = InkBox(screen);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(text->Bounds().contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

}  // namespace
}  // namespace vellumo::design
