// Importing PNG and SVG files as bitmap pictures.
#include <gtest/gtest.h>

#include "design/pictures/picture_import.h"
#include "metafile_builder.h"

namespace vellumo {
namespace {

using testing::Near;

QImage BitmapOf(const DesignPicture& picture) { return QImage::fromData(picture.content(), "BMP"); }

TEST(PictureImport, PngBecomesA24BitBitmap) {
  QImage source(200, 100, QImage::Format_ARGB32);
  source.fill(Qt::transparent);
  {
    QPainter p(&source);
    p.fillRect(0, 0, 100, 100, Qt::red);
    p.fillRect(100, 0, 100, 50, Qt::blue);
  }
  PictureRead read = ImportImageFile(testing::Encoded(source, "PNG"), QSizeF(2, 1));  // 100 dpi wanted at 300
  ASSERT_TRUE(read.picture) << read.error.toStdString();
  const DesignPicture& picture = *read.picture;
  EXPECT_EQ(picture.className(), QStringLiteral("TBitmap"));
  EXPECT_EQ(picture.block().left(8), QByteArray("\x07TBitmap"));
  EXPECT_EQ(static_cast<uint8_t>(picture.content()[28]), 24);
  EXPECT_EQ(picture.naturalSize(), QSizeF(200, 100));  // never more pixels than the file has
  QImage bitmap = BitmapOf(picture);
  EXPECT_TRUE(Near(bitmap.pixelColor(50, 50), Qt::red, 2));
  EXPECT_TRUE(Near(bitmap.pixelColor(150, 25), Qt::blue, 2));
  EXPECT_TRUE(Near(bitmap.pixelColor(150, 75), Qt::white, 2));  // transparency laid on white
  // The block reads back as it was made.
  EXPECT_EQ(DesignPicture::fromBlock(picture.block()).picture->content(), picture.content());
}

TEST(PictureImport, LargeRasterIsReducedToThePrintResolution) {
  QImage source(2000, 1000, QImage::Format_RGB32);
  source.fill(Qt::green);
  PictureRead read = ImportImageFile(testing::Encoded(source, "PNG"), QSizeF(1, 0.5));
  ASSERT_TRUE(read.picture);
  EXPECT_EQ(read.picture->naturalSize(), QSizeF(300, 150));
}

TEST(PictureImport, SvgIsDrawnAtThePrintResolution) {
  QByteArray svg =
      "<?xml version=\"1.0\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"50\" viewBox=\"0 0 100 50\">"
      "<rect x=\"0\" y=\"0\" width=\"50\" height=\"50\" fill=\"#ff0000\"/>"
      "<rect x=\"50\" y=\"0\" width=\"50\" height=\"50\" fill=\"#0000ff\"/></svg>";
  PictureRead read = ImportImageFile(svg, QSizeF(2, 1));
  ASSERT_TRUE(read.picture) << read.error.toStdString();
  EXPECT_EQ(read.picture->naturalSize(), QSizeF(600, 300));
  QImage bitmap = BitmapOf(*read.picture);
  EXPECT_TRUE(Near(bitmap.pixelColor(150, 150), Qt::red, 2));
  EXPECT_TRUE(Near(bitmap.pixelColor(450, 150), Qt::blue, 2));
}

TEST(PictureImport, LongSideIsCapped) {
  QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"5\"><rect width=\"10\" height=\"5\"/></svg>";
  PictureRead read = ImportImageFile(svg, QSizeF(40, 20));  // 12000 pixels at 300 dpi
  ASSERT_TRUE(read.picture) << read.error.toStdString();
  EXPECT_EQ(read.picture->naturalSize(), QSizeF(kImportMaxPixels, kImportMaxPixels / 2));
}

TEST(PictureImport, BitmapAndMetafileFilesAreStoredAsTheyAre) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray bmp = testing::Encoded(image, "BMP");
  QByteArray wmf = testing::WmfBuilder().brush(Qt::red).finish();
  QByteArray emf = testing::EmfBuilder().finish();
  QByteArray ico = testing::Encoded(image, "ICO");
  struct Case {
    QByteArray file;
    PictureKind kind;
  };
  for (const Case& c : {Case{bmp, PictureKind::kBitmap}, Case{wmf, PictureKind::kPlaceableMetafile},
                        Case{emf, PictureKind::kEnhancedMetafile}, Case{ico, PictureKind::kIcon}}) {
    PictureRead read = LoadPictureFile(c.file, QSizeF(1, 1));
    ASSERT_TRUE(read.picture) << read.error.toStdString();
    EXPECT_EQ(read.picture->kind(), c.kind);
    EXPECT_EQ(read.picture->content(), c.file);
  }
  // A PNG is converted.
  PictureRead png = LoadPictureFile(testing::Encoded(image, "PNG"), QSizeF(1, 1));
  ASSERT_TRUE(png.picture);
  EXPECT_EQ(png.picture->kind(), PictureKind::kBitmap);
  EXPECT_TRUE(png.picture->content().startsWith("BM"));
  // A damaged metafile is refused, not converted.
  EXPECT_EQ(LoadPictureFile(wmf.left(30), QSizeF(1, 1)).error.toStdString(),
            "picture data's metafile: metafile ends inside its header (needs 40 bytes, 30 there)");
}

TEST(PictureImport, UnreadableFilesGiveAnError) {
  EXPECT_EQ(ImportImageFile("not an image", QSizeF(1, 1)).error.toStdString(), "the image file cannot be read");
  EXPECT_EQ(ImportImageFile("<svg", QSizeF(1, 1)).error.toStdString(), "the SVG image cannot be read");
}

}  // namespace
}  // namespace vellumo
