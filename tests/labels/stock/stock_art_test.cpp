// The art behind a label design: one label's size, two colours only, the
// label's shape, and a band only for stocks with pre-printed artwork.
#include <gtest/gtest.h>

#include <QImage>

#include "labels/stock/stock_art.h"

namespace vellumo {
namespace {

StockGeometry Label(double width, double height, const char* shape) {
  StockGeometry geometry;
  geometry.label_width = width;
  geometry.label_height = height;
  geometry.shape = shape;
  return geometry;
}

int GreyPixels(const QImage& image) {
  int grey = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) grey += image.pixel(x, y) == kStockArtInk.rgb() ? 1 : 0;
  }
  return grey;
}

TEST(StockArtTest, ArtNameIsThePartBeforeTheFirstDotUpperCased) {
  EXPECT_EQ(StockArtName("av5196.bmp"), "AV5196");
  EXPECT_EQ(StockArtName("AVWSI13"), "AVWSI13");
  EXPECT_EQ(StockArtName("av8166.x.y"), "AV8166");
  EXPECT_EQ(StockArtName(""), "");
  EXPECT_TRUE(HasPrintedArtwork("AV12295"));
  EXPECT_TRUE(HasPrintedArtwork("AVWSI15"));
  EXPECT_FALSE(HasPrintedArtwork("AV5160"));
  EXPECT_FALSE(HasPrintedArtwork("av5196"));  // names are compared upper-cased
}

TEST(StockArtTest, ImageIsOneLabelAtZoomOneInWhiteAndLightGreyOnly) {
  for (const char* art : {"", "AV5160.BMP", "av5196.bmp"}) {
    const QImage image = DrawStockArt(Label(2.625, 1, "RR"), art);
    EXPECT_EQ(image.size(), QSize(252, 96)) << art;
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        ASSERT_TRUE(pixel == qRgb(255, 255, 255) || pixel == kStockArtInk.rgb()) << art << " at " << x << "," << y;
        white += pixel == qRgb(255, 255, 255) ? 1 : 0;
      }
    }
    EXPECT_GT(white, image.width() * image.height() / 2) << art;  // light art, mostly white
    EXPECT_GT(GreyPixels(image), 0) << art;
  }
  EXPECT_EQ(DrawStockArt(Label(4.004, 1.333, "SR"), "").size(), QSize(384, 128));  // rounded, not cut
  EXPECT_EQ(DrawStockArt(Label(0, 0, "SR"), "").size(), QSize(1, 1));
}

TEST(StockArtTest, OutlineFollowsTheLabelsShape) {
  const QImage square = DrawStockArt(Label(2, 2, "SR"), "");
  const QImage round = DrawStockArt(Label(2, 2, "RR"), "");
  const QImage ellipse = DrawStockArt(Label(2, 2, "EL"), "");
  const QPoint corner(3, 3);   // on a square outline's corner
  const QPoint middle(96, 3);  // the top edge's middle, on every outline
  EXPECT_EQ(square.pixel(corner), kStockArtInk.rgb());
  EXPECT_NE(round.pixel(corner), kStockArtInk.rgb());
  EXPECT_NE(ellipse.pixel(corner), kStockArtInk.rgb());
  for (const QImage* image : {&square, &round, &ellipse}) EXPECT_EQ(image->pixel(middle), kStockArtInk.rgb());
  // Nothing is drawn at the very edge, where the page draws its own outline.
  EXPECT_EQ(square.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(square.pixel(0, 96), qRgb(255, 255, 255));
  EXPECT_EQ(DrawStockArt(Label(2, 2, "??"), ""), square);  // unknown codes draw a rectangle
}

TEST(StockArtTest, StocksWithArtworkShowABandOthersOnlyTheOutline) {
  const StockGeometry label = Label(3.5, 2, "RR");
  const QImage plain = DrawStockArt(label, "");
  EXPECT_EQ(DrawStockArt(label, "AV9999.BMP"), plain);  // unknown artwork: the outline alone
  const QImage art = DrawStockArt(label, "av5196.bmp");
  EXPECT_GT(GreyPixels(art), 2 * GreyPixels(plain));
  // The band stays near the edge: the label's middle is left white.
  for (int y = 20; y < art.height() - 20; ++y) {
    for (int x = 20; x < art.width() - 20; ++x) ASSERT_EQ(art.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
  }
}

}  // namespace
}  // namespace vellumo
