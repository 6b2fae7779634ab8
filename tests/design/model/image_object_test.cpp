// Pictures on the page: the stored bytes with defaults left out, the
// picture block read back byte for byte for a bitmap and a metafile,
// sizing to the picture, and the picture's ink inside the object's box on
// screen and in a PDF.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include "design/model/image_object.h"
#include "design/stream/design_stream_reader.h"
#include "ink.h"
#include "metafile_builder.h"
#include "sample_pictures.h"
#include "page_fixture.h"
#include "printing/pdf_file.h"
#include "printing/report_destinations.h"
#include "stored_bytes.h"
#include "stored_round_trip.h"

namespace vellumo::design {
namespace {

using namespace testing;
using vellumo::testing::Encoded;

TEST(ImageStoredForm, EmptyPictureWritesTheCommonPartOnly) {
  TGImage image;
  image.SetName("Special1");
  EXPECT_EQ(image.Width(), 105);
  EXPECT_EQ(image.Height(), 105);
  EXPECT_TRUE(image.Stretch());
  EXPECT_FALSE(image.AutoSize());
  EXPECT_EQ(BytesOf(image), List(Record("TGImage", "Special1", Common(0, 0, 105, 105))));
}

TEST(ImageStoredForm, AutoSizeWritesTrueAndStretchFalseAroundTheBlock) {
  TGImage image;
  image.SetName("Special1");
  image.SetAutoSize(true);  // clears Stretch
  const DesignPicture picture = BlackBitmap();
  image.SetPicture(picture);
  const std::string block = picture.block().toStdString();
  const uint32_t n = uint32_t(block.size());
  const std::string binary = Short("Picture.Data") + '\x0A' + char(n & 0xFF) + char((n >> 8) & 0xFF) +
                             char((n >> 16) & 0xFF) + char(n >> 24) + block;
  EXPECT_EQ(BytesOf(image), List(Record("TGImage", "Special1",
                                        Common(0, 0, 40, 20) + Bool("AutoSize", true) + binary +
                                            Bool("Stretch", false))));
}

TEST(ImageStoredForm, BitmapAndMetafileBlocksReadBackByteForByte) {
  for (const DesignPicture& picture : {BlackBitmap(), BlackMetafile()}) {
    SCOPED_TRACE(picture.className().toStdString());
    TGImage image;
    image.SetName("Special1");
    image.SetPicture(picture);
    const std::string bytes = BytesOf(image);
    std::unique_ptr<TGGraphicControl> copy = RoundTrip(image);
    ASSERT_NE(copy, nullptr);
    const auto* read = dynamic_cast<const TGImage*>(copy.get());
    ASSERT_NE(read, nullptr);
    ASSERT_NE(read->Picture(), nullptr);
    EXPECT_EQ(read->Picture()->block(), picture.block());
    EXPECT_EQ(BytesOf(*read), bytes);
  }
}

TEST(ImageStoredForm, DamagedPictureBlockIsAnError) {
  // A bitmap of 100 bytes that are not there.
  const std::string block = Short("TBitmap") + std::string("\x64\0\0\0", 4);
  const std::string damaged = Short("Picture.Data") + '\x0A' + char(block.size()) + std::string(3, '\0') + block;
  DesignReadResult read = DecodeDesignStream(List(Record("TGImage", "Special1", Common(0, 0, 10, 10) + damaged)));
  ASSERT_TRUE(read.status.ok()) << read.status.ToString();
  ASSERT_EQ(read.objects.size(), 1u);
  TGImage image;
  EXPECT_FALSE(image.Restore(read.objects[0]).ok());
}

TEST(ImageSizing, StretchAndAutoSizeExcludeEachOther) {
  TGImage image;
  image.SetAutoSize(true);
  EXPECT_FALSE(image.Stretch());
  image.SetStretch(true);
  EXPECT_FALSE(image.AutoSize());
}

TEST(ImageSizing, AutoSizeTakesThePicturesSizeInDesignUnits) {
  TGImage image;
  image.SetAutoSize(true);
  image.SetPicture(BlackMetafile());  // one inch: 96 units
  EXPECT_EQ(image.Bounds().size(), QSize(96, 96));
  image.SetPicture(BlackBitmap());
  EXPECT_EQ(image.Bounds().size(), QSize(40, 20));
}

QImage PrintedAt(const TGBasePanel& page, double dpi) {
  TCanvasReport canvas(QSizeF(page.Size().width() / 96.0, page.Size().height() / 96.0), dpi);
  canvas.OnPrint = [&](TBaseReport& r) { page.PrintObjects(r, 0, 0); };
  EXPECT_TRUE(canvas.Execute());
  return canvas.pages().empty() ? QImage() : canvas.pages().front();
}

// Edges within a pixel: a metafile's rectangle may leave its last row out.
void ExpectNear(const QRect& ink, const QRect& box) {
  EXPECT_NEAR(ink.left(), box.left(), 1);
  EXPECT_NEAR(ink.top(), box.top(), 1);
  EXPECT_NEAR(ink.right(), box.right(), 1);
  EXPECT_NEAR(ink.bottom(), box.bottom(), 1);
}

using ImagePrinting = PageTest;

TEST_F(ImagePrinting, StretchedPictureCoversTheWholeBox) {
  auto image = std::make_unique<TGImage>();
  image->SetPicture(BlackMetafile());
  page_.PlaceObject(std::move(image), QRect(0, 0, 10, 10))->SetBounds(QRect(48, 24, 96, 48));
  ExpectNear(InkBox(PrintedAt(page_, 96)), QRect(48, 24, 96, 48));
  // At twice the resolution the box is twice as large in pixels.
  ExpectNear(InkBox(PrintedAt(page_, 192)), QRect(96, 48, 192, 96));
}

TEST_F(ImagePrinting, UnstretchedPictureKeepsItsSizeAndIsClippedToTheBox) {
  auto image = std::make_unique<TGImage>();
  image->SetPicture(BlackBitmap());
  image->SetStretch(false);
  TGGraphicControl* placed = page_.PlaceObject(std::move(image), QRect(0, 0, 10, 10));
  placed->SetBounds(QRect(10, 10, 100, 50));
  EXPECT_EQ(InkBox(PrintedAt(page_, 96)), QRect(10, 10, 40, 20));
  placed->SetBounds(QRect(10, 10, 30, 15));
  EXPECT_EQ(InkBox(PrintedAt(page_, 96)), QRect(10, 10, 30, 15));
}

TEST_F(ImagePrinting, ScreenDrawingEqualsPrinting) {
  auto image = std::make_unique<TGImage>();
  image->SetPicture(BlackBitmap());
  page_.PlaceObject(std::move(image), QRect(0, 0, 10, 10))->SetBounds(QRect(20, 12, 80, 40));
  QImage screen(page_.Size(), QImage::Format_RGB32);
  screen.fill(Qt::white);
  QPainter painter(&screen);
  for (const auto& object : page_.Objects()) object->PaintObject(painter, 1.0f);
  painter.end();
  EXPECT_EQ(DifferingPixels(screen, PrintedAt(page_, 96)), 0);
}

TEST_F(ImagePrinting, PdfInkLiesInsideTheObjectsBox) {
  for (const DesignPicture& picture : {BlackBitmap(), BlackMetafile()}) {
    SCOPED_TRACE(picture.className().toStdString());
    page_.ClearObjects();
    auto image = std::make_unique<TGImage>();
    image->SetPicture(picture);
    page_.PlaceObject(std::move(image), QRect(0, 0, 10, 10))->SetBounds(QRect(48, 24, 96, 48));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("picture.pdf"));
    PageMetrics metrics;
    metrics.width = Length::Inches(4);
    metrics.height = Length::Inches(2);
    metrics.dpi = 1200;
    TReportPdf canvas(pdf, metrics);
    // The page printed a quarter inch across and down.
    canvas.OnPrint = [&](TBaseReport& r) { page_.PrintObjects(r, 0.25, 0.25); };
    ASSERT_TRUE(canvas.Execute()) << canvas.LastError().toStdString();
    QProcess tool;
    const QString stem = dir.filePath(QStringLiteral("page"));
    tool.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"), QStringLiteral("-singlefile"), pdf,
                stem});
    tool.waitForFinished(-1);
    const QImage page(stem + QStringLiteral(".pgm"));
    ASSERT_FALSE(page.isNull());
    // 0.75 in, 0.5 in, 1 in × 0.5 in at 100 dpi, give or take a pixel.
    ExpectNear(InkBox(page), QRect(75, 50, 100, 50));
  }
}

// A PDF of `pages` pages, each holding the page's objects.
qint64 PdfSize(const TGBasePanel& page, int pages, const QTemporaryDir& dir) {
  const QString pdf = dir.filePath(QStringLiteral("pages%1.pdf").arg(pages));
  PageMetrics metrics;
  metrics.width = Length::Inches(4);
  metrics.height = Length::Inches(2);
  TReportPdf canvas(pdf, metrics);
  canvas.OnPrint = [&](TBaseReport& r) {
    for (int i = 0; i < pages; ++i) {
      if (i > 0) r.NewPage();
      page.PrintObjects(r, 0, 0);
    }
  };
  EXPECT_TRUE(canvas.Execute()) << canvas.LastError().toStdString();
  return QFileInfo(pdf).size();
}

TEST_F(ImagePrinting, PdfOfManyLabelsHoldsTheBitmapOnce) {
  // Noise, which no compression makes small.
  QImage noise(64, 64, QImage::Format_RGB32);
  uint32_t state = 1;
  for (int y = 0; y < noise.height(); ++y) {
    for (int x = 0; x < noise.width(); ++x) {
      state = state * 1664525u + 1013904223u;
      noise.setPixel(x, y, state >> 8);
    }
  }
  PictureRead read = DesignPicture::fromContent(QStringLiteral("TBitmap"), Encoded(noise, "BMP"));
  ASSERT_TRUE(read.picture);
  QTemporaryDir dir;
  const qint64 empty_one = PdfSize(page_, 1, dir);
  const qint64 empty_twenty = PdfSize(page_, 20, dir);
  auto image = std::make_unique<TGImage>();
  image->SetPicture(*read.picture);
  page_.PlaceObject(std::move(image), QRect(0, 0, 10, 10))->SetBounds(QRect(10, 10, 64, 64));
  const qint64 one = PdfSize(page_, 1, dir);
  const qint64 twenty = PdfSize(page_, 20, dir);
  // What the picture adds to one page, and what 19 more pages add beyond
  // empty ones: far less than 19 more copies of it.
  const qint64 picture = one - empty_one;
  const qint64 more_pages = (twenty - one) - (empty_twenty - empty_one);
  EXPECT_GT(picture, 2000);
  EXPECT_LT(more_pages, 2 * picture);
}

}  // namespace
}  // namespace vellumo::design
