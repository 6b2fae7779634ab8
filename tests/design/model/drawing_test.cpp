// One drawing path for screen and paper: a page drawn on screen equals
// the same page printed at the screen's resolution, the page background
// and grid, and barcode bars printed into a PDF at the right places.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include "design/model/fim_barcode.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/line_shape.h"
#include "design/model/postnet_barcode.h"
#include "ink.h"
#include "page_fixture.h"
#include "printed_page.h"
#include "printing/pdf_file.h"
#include "printing/report_destinations.h"

namespace vellumo::design {
namespace {

using testing::PageTest;
using testing::PrintedAt;

QImage OnScreen(const TGBasePanel& page) {
  QImage image(qRound(page.Size().width() * page.Zoom()), qRound(page.Size().height() * page.Zoom()),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  page.Paint(painter);
  return image;
}

class Drawing : public PageTest {
 protected:
  void SetUp() override {
    record_.SetField("ZIP", "12345-6789");
    record_.SetField("STREET", "123 MAIN ST");
    page_.SetRecord(&record_);
    page_.Shape = TLabelShapeType::lsRectangle;
    auto* shape = static_cast<TGLabelShapes*>(AddShape(4, 4, 80, 40));
    shape->Shape = TShapeType::stRoundRect;
    shape->Pen.width = 3;
    shape->Brush.colour = 0x00C0FF;
    auto line = std::make_unique<TGLineShape>();
    line->Pen.width = 2;
    page_.PlaceObject(std::move(line), QRect(100, 10, 120, 15));
    page_.PlaceObject(std::make_unique<TGFIMBarCode>(), QRect(180, 30, 60, 54));
    page_.SetPanelState(TLPanelState::psPostNetBarCode);
    page_.CreateObjectInRect(QRect(4, 70, 249, 12));
  }
  MapRecordSource record_;
};

TEST_F(Drawing, ScreenAtZoomOneEqualsPrintAt96Dpi) {
  const QImage printed = PrintedAt(page_, 96);
  const QImage screen = OnScreen(page_);
  ASSERT_EQ(printed.size(), screen.size());
  EXPECT_GT(InkBox(printed).width(), 200);
  EXPECT_EQ(DifferingPixels(printed, screen), 0);
}

TEST_F(Drawing, ScreenAtZoomTwoEqualsPrintAt192Dpi) {
  page_.SetZoom(2.0f);
  const QImage printed = PrintedAt(page_, 192);
  const QImage screen = OnScreen(page_);
  ASSERT_EQ(printed.size(), screen.size());
  EXPECT_EQ(DifferingPixels(printed, screen), 0);
}

TEST_F(Drawing, BarcodeWithoutAPrintableZipShowsAnOutlineOnScreenOnly) {
  record_.SetField("ZIP", "1234");
  page_.RefreshAllData();
  const QImage printed = PrintedAt(page_, 96);
  const QImage screen = OnScreen(page_);
  const QRect left_of_the_fim(3, 69, 170, 14);
  EXPECT_TRUE(InkBox(printed.copy(left_of_the_fim), 200).isEmpty());
  EXPECT_GT(InkBox(screen.copy(left_of_the_fim), 200).width(), 160);
}

using PageBackground = PageTest;

TEST_F(PageBackground, GridDotsAreGreenEveryFourUnitsFromTwo) {
  page_.Shape = TLabelShapeType::lsRectangle;
  page_.ShowGrid = true;
  const QImage image = OnScreen(page_);
  EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(6, 10), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(4, 2), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::white));
  page_.GridSize = TGridSize::gs8x8;
  const QImage coarse = OnScreen(page_);
  EXPECT_EQ(coarse.pixelColor(10, 10), QColor(0, 128, 0));
  EXPECT_EQ(coarse.pixelColor(6, 2), QColor(Qt::white));
}

TEST_F(PageBackground, GridIsClippedToTheEllipse) {
  page_.Shape = TLabelShapeType::lsEllipse;
  page_.ShowGrid = true;
  const QImage image = OnScreen(page_);
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(126, 46), QColor(0, 128, 0));
}

TEST_F(PageBackground, OutlineIsDottedAlongTheEdges) {
  page_.Shape = TLabelShapeType::lsRectangle;
  page_.DrawOutline = true;
  const QImage image = OnScreen(page_);
  int dark = 0;
  for (int x = 20; x < 220; ++x) dark += qGray(image.pixel(x, 0)) < 160 ? 1 : 0;
  EXPECT_GT(dark, 40);
  EXPECT_LT(dark, 160);
  EXPECT_EQ(qGray(image.pixel(120, 48)), 255);
}

TEST_F(PageBackground, NoGridNoOutlineIsPlainWhite) {
  const QImage image = OnScreen(page_);
  EXPECT_TRUE(InkBox(image, 255).isEmpty());
}

// ---- Bars on paper.

constexpr double kRenderDpi = 2400;

// The page of a one-page PDF rendered in grey at kRenderDpi.
QImage RenderPdf(const QString& pdf, const QTemporaryDir& dir) {
  QProcess tool;
  const QString stem = dir.filePath(QStringLiteral("page"));
  tool.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kRenderDpi), QStringLiteral("-gray"),
                                          QStringLiteral("-singlefile"), pdf, stem});
  tool.waitForFinished(-1);
  QImageReader::setAllocationLimit(512);  // megabytes; the page is large at this resolution
  return QImage(stem + QStringLiteral(".pgm"));
}

struct DarkRun {
  double left, right;  // inches
};

// The dark runs along the row at `y` inches.
std::vector<DarkRun> DarkRuns(const QImage& page, double y) {
  std::vector<DarkRun> runs;
  const int row = int(y * kRenderDpi);
  bool inside = false;
  for (int x = 0; x <= page.width(); ++x) {
    const bool dark = x < page.width() && qGray(page.pixel(x, row)) < 128;
    if (dark && !inside) runs.push_back({x / kRenderDpi, 0});
    if (!dark && inside) runs.back().right = x / kRenderDpi;
    inside = dark;
  }
  return runs;
}

class BarsOnPaper : public PageTest {
 protected:
  QImage Print(const TGBasePanel& page, double x0, double y0) {
    PageMetrics metrics;
    metrics.width = Length::Inches(4);
    metrics.height = Length::Inches(2);
    metrics.dpi = 4800;
    const QString pdf = dir_.filePath(QStringLiteral("bars.pdf"));
    TReportPdf canvas(pdf, metrics);
    canvas.OnPrint = [&](TBaseReport& r) { page.PrintObjects(r, x0, y0); };
    EXPECT_TRUE(canvas.Execute()) << canvas.LastError().toStdString();
    return RenderPdf(pdf, dir_);
  }
  QTemporaryDir dir_;
};

TEST_F(BarsOnPaper, PostnetBarsStandAtTheirPitchOnOneBaseline) {
  MapRecordSource record;
  record.SetField("ZIP", "12345");
  page_.SetRecord(&record);
  auto barcode = std::make_unique<TGPostNetBarCode>();
  barcode->Postal.zip_field = "ZIP";
  barcode->BarCodeType = TPostNetBarCodeType::pnbc5Digit;
  page_.PlaceObject(std::move(barcode), QRect(48, 24, 249, 12));
  page_.RefreshAllData();
  const QImage image = Print(page_, 0.25, 0.5);
  ASSERT_FALSE(image.isNull());
  // Object at 0.5 in + 0.25 in across, 0.25 in + 0.5 in down.
  const double left = 0.75, top = 0.75;
  const std::vector<DarkRun> all = DarkRuns(image, top + 0.1);
  ASSERT_EQ(all.size(), 32u);
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_NEAR(all[i].left, left + 0.046 * double(i), 0.001) << "bar " << i;
    EXPECT_NEAR(all[i].right, left + 0.046 * double(i) + 0.015, 0.001) << "bar " << i;
  }
  EXPECT_NEAR(all.back().right, left + 1.441, 0.001);
  // Full bars only near the top: the frame bars and, for 1 2 3 4 5 and
  // check digit 5, the full bars of hhhFF hhFhF hhFFh hFhhF hFhFh hFhFh.
  const std::vector<DarkRun> full = DarkRuns(image, top + 0.03);
  const std::vector<int> full_positions = {0, 4, 5, 8, 10, 13, 14, 17, 20, 22, 24, 27, 29, 31};
  ASSERT_EQ(full.size(), full_positions.size());
  for (size_t i = 0; i < full.size(); ++i) {
    EXPECT_NEAR(full[i].left, left + 0.046 * full_positions[i], 0.001) << "full bar " << i;
  }
  // Nothing above the top, nothing below the baseline.
  EXPECT_TRUE(DarkRuns(image, top - 0.002).empty());
  EXPECT_TRUE(DarkRuns(image, top + 0.127).empty());
}

TEST_F(BarsOnPaper, FimTypeCBarsAreAThirtySecondWideWhateverPenWasLeftOnTheCanvas) {
  // A thick line printed before it leaves its pen on the canvas; the
  // bars must not take it up as an outline.
  auto line = std::make_unique<TGLineShape>();
  line->Pen.width = 10;
  page_.PlaceObject(std::move(line), QRect(0, 130, 96, 10));
  auto fim = std::make_unique<TGFIMBarCode>();
  fim->FIMType = TFIMBarCodeType::fimTypeC;
  page_.PlaceObject(std::move(fim), QRect(96, 0, 60, 54));
  const QImage image = Print(page_, 0, 0.5);
  ASSERT_FALSE(image.isNull());
  const std::vector<DarkRun> bars = DarkRuns(image, 0.5 + 0.3);
  const std::vector<int> positions = {1, 3, 7, 11, 15, 17};
  ASSERT_EQ(bars.size(), positions.size());
  for (size_t i = 0; i < bars.size(); ++i) {
    EXPECT_NEAR(bars[i].left, 1.0 + (positions[i] - 1) / 32.0, 0.001) << "bar " << i;
    EXPECT_NEAR(bars[i].right, 1.0 + positions[i] / 32.0, 0.001) << "bar " << i;
  }
  EXPECT_EQ(DarkRuns(image, 0.5 + 0.5600).size(), 6u);
  EXPECT_TRUE(DarkRuns(image, 0.5 + 0.5645).empty());
}

TEST_F(BarsOnPaper, IntelligentMailCounterGivesEveryPieceItsOwnBars) {
  MapRecordSource record;
  record.SetField("ZIP", "55431-1987");
  record.SetField("STREET", "123 MAIN ST");
  page_.SetRecord(&record);
  auto owned = std::make_unique<TGIMBarCode>();
  TGIMBarCode* barcode = owned.get();
  barcode->BarcodeIdentifier = "01";
  barcode->ServiceType = "234";
  barcode->MailerId = "567094";
  barcode->SerialFromCounter = true;
  barcode->SerialStart = 987654321;
  barcode->Postal.zip_field = "ZIP";
  barcode->Postal.address_field = "STREET";
  page_.PlaceObject(std::move(owned), QRect(0, 0, 284, 14));
  page_.RefreshAllData();
  page_.ResetAllCounters();
  EXPECT_EQ(barcode->Fields().serial_number, "987654321");
  EXPECT_EQ(barcode->Fields().routing_code, "55431198723");
  const QImage first = Print(page_, 0, 0);
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(DarkRuns(first, 0.07).size(), 65u);  // every bar crosses the tracker
  page_.AdvanceAllCounters();
  EXPECT_EQ(barcode->Fields().serial_number, "987654322");
  const QImage second = Print(page_, 0, 0);
  EXPECT_GT(DifferingPixels(first, second), 0);
}

TEST(IntelligentMailSerial, CounterPadsToTheWidthTheMailerIdLeaves) {
  TGIMBarCode barcode;
  barcode.SerialFromCounter = true;
  barcode.SerialStart = 42;
  barcode.MailerId = "123456789";
  EXPECT_EQ(barcode.Fields().serial_number, "000042");
  barcode.MailerId = "123456";
  EXPECT_EQ(barcode.Fields().serial_number, "000000042");
  barcode.SerialFromCounter = false;
  barcode.SerialNumber = "7";
  EXPECT_EQ(barcode.Fields().serial_number, "7");
}

}  // namespace
}  // namespace vellumo::design
