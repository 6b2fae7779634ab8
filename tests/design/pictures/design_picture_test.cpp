// Picture blocks: reading each class, keeping the bytes, checked lengths
// with clear errors, and drawing.
#include <gtest/gtest.h>

#include "design/pictures/design_picture.h"
#include "metafile_builder.h"

namespace vellumo {
namespace {

using testing::Bytes;
using testing::Near;
using testing::Render;

int BitsPerPixel(const QByteArray& bitmap_file) { return static_cast<uint8_t>(bitmap_file[28]); }

QByteArray Block(const QByteArray& class_name, const QByteArray& content, bool with_length = true) {
  Bytes block;
  block.u8(static_cast<uint8_t>(class_name.size())).raw(class_name);
  if (with_length) block.u32(static_cast<uint32_t>(content.size()));
  block.raw(content);
  return block.data();
}

// A palette bitmap of 1, 4 or 8 bits a pixel, laid out here because Qt
// chooses the depth it writes by itself. `rows` holds colour indexes, top row first.
QByteArray PaletteBitmapFile(int bits, const std::vector<QColor>& palette, const std::vector<std::vector<int>>& rows) {
  const int width = static_cast<int>(rows.front().size());
  const int height = static_cast<int>(rows.size());
  const int row_bytes = ((width * bits + 31) / 32) * 4;
  const int colours = 1 << bits;
  const int offset = 14 + 40 + 4 * colours;
  Bytes file;
  file.raw("BM").u32(static_cast<uint32_t>(offset + row_bytes * height)).u32(0).u32(static_cast<uint32_t>(offset));
  file.u32(40).i32(width).i32(height).u16(1).u16(static_cast<uint16_t>(bits)).u32(0);
  file.u32(static_cast<uint32_t>(row_bytes * height)).u32(0).u32(0).u32(static_cast<uint32_t>(colours)).u32(0);
  for (int i = 0; i < colours; ++i) {
    QColor c = i < static_cast<int>(palette.size()) ? palette[i] : QColor(Qt::black);
    file.u8(static_cast<uint8_t>(c.blue())).u8(static_cast<uint8_t>(c.green())).u8(static_cast<uint8_t>(c.red())).u8(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    QByteArray row(row_bytes, '\0');
    for (int x = 0; x < width; ++x) {
      int bit = x * bits;
      row[bit / 8] = static_cast<char>(row[bit / 8] | rows[y][x] << (8 - bits - bit % 8));
    }
    file.raw(row);
  }
  return file.data();
}

// 3 × 2 at 4 bits: top row red, green, blue; bottom row white.
QByteArray FourBitBitmapFile() {
  return PaletteBitmapFile(4, {Qt::white, Qt::red, Qt::green, Qt::blue}, {{1, 2, 3}, {0, 0, 0}});
}

TEST(DesignPicture, BitmapsOfEveryDepthReadAndDraw) {
  QImage rgb(4, 2, QImage::Format_RGB32);
  rgb.fill(Qt::white);
  rgb.setPixelColor(0, 0, Qt::black);

  struct Case {
    QByteArray file;
    int depth;
  };
  const std::vector<std::vector<int>> one_black = {{1, 0, 0, 0}, {0, 0, 0, 0}};
  const std::vector<QColor> palette = {Qt::white, Qt::black};
  for (const Case& c : {Case{PaletteBitmapFile(1, palette, one_black), 1}, Case{PaletteBitmapFile(8, palette, one_black), 8},
                        Case{testing::Encoded(rgb, "BMP"), 24}}) {
    SCOPED_TRACE(c.depth);
    ASSERT_EQ(BitsPerPixel(c.file), c.depth);
    PictureRead read = DesignPicture::fromBlock(Block("TBitmap", c.file));
    ASSERT_TRUE(read.picture) << read.error.toStdString();
    EXPECT_EQ(read.picture->kind(), PictureKind::kBitmap);
    EXPECT_EQ(read.picture->naturalSize(), QSizeF(4, 2));
    QImage image = Render(QSize(40, 20), [&](QPainter& p, const QRectF& r) { read.picture->draw(p, r); });
    EXPECT_TRUE(Near(image.pixelColor(5, 5), Qt::black));  // the one black pixel, stretched
    EXPECT_TRUE(Near(image.pixelColor(15, 5), Qt::white));
    EXPECT_TRUE(Near(image.pixelColor(5, 15), Qt::white));
  }

  QByteArray four = FourBitBitmapFile();
  ASSERT_EQ(BitsPerPixel(four), 4);
  PictureRead read = DesignPicture::fromBlock(Block("TBitmap", four));
  ASSERT_TRUE(read.picture) << read.error.toStdString();
  QImage image = Render(QSize(3, 2), [&](QPainter& p, const QRectF& r) { read.picture->draw(p, r); });
  EXPECT_TRUE(Near(image.pixelColor(0, 0), Qt::red, 0));
  EXPECT_TRUE(Near(image.pixelColor(1, 0), Qt::green, 0));
  EXPECT_TRUE(Near(image.pixelColor(2, 0), Qt::blue, 0));
  EXPECT_TRUE(Near(image.pixelColor(1, 1), Qt::white, 0));
}

TEST(DesignPicture, BlockIsKeptByteForByte) {
  QByteArray bitmap_block = Block("TBitmap", FourBitBitmapFile());
  QByteArray wmf_block = Block("TMetafile", testing::WmfBuilder().brush(Qt::red).finish());
  QByteArray emf_block = Block("TMetafile", testing::EmfBuilder().finish());
  for (const QByteArray& block : {bitmap_block, wmf_block, emf_block}) {
    PictureRead read = DesignPicture::fromBlock(block);
    ASSERT_TRUE(read.picture) << read.error.toStdString();
    EXPECT_EQ(read.picture->block(), block);
    EXPECT_EQ(DesignPicture::fromContent(read.picture->className(), read.picture->content()).picture->block(), block);
  }
}

TEST(DesignPicture, MetafilesAreToldApartByTheKey) {
  PictureRead wmf = DesignPicture::fromBlock(Block("TMetafile", testing::WmfBuilder(QRect(0, 0, 200, 100), 100).finish()));
  ASSERT_TRUE(wmf.picture) << wmf.error.toStdString();
  EXPECT_EQ(wmf.picture->kind(), PictureKind::kPlaceableMetafile);
  EXPECT_EQ(wmf.picture->naturalSize(), QSizeF(192, 96));  // 2 × 1 inch at 96 units an inch

  PictureRead emf = DesignPicture::fromBlock(Block("TMetafile", testing::EmfBuilder(QSize(254, 127)).finish()));
  ASSERT_TRUE(emf.picture) << emf.error.toStdString();
  EXPECT_EQ(emf.picture->kind(), PictureKind::kEnhancedMetafile);
  EXPECT_EQ(emf.picture->naturalSize(), QSizeF(960, 480));
  EXPECT_EQ(emf.picture->className(), QStringLiteral("TMetafile"));
}

TEST(DesignPicture, DrawingAMetafileReportsWhatItPlayed) {
  QByteArray wmf = testing::WmfBuilder().record(0x0999, {}).brush(Qt::red).select(0).rectangle(QRect(0, 0, 50, 50)).finish();
  PictureRead read = DesignPicture::fromBlock(Block("TMetafile", wmf));
  ASSERT_TRUE(read.picture);
  PlayReport report;
  QImage image = Render(QSize(100, 100), [&](QPainter& p, const QRectF& r) { report = read.picture->draw(p, r); });
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(report.skipped, 1);
  EXPECT_TRUE(Near(image.pixelColor(20, 20), Qt::red));
}

TEST(DesignPicture, IconsRead) {
  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(Qt::blue);
  QByteArray file = testing::Encoded(icon, "ICO");
  ASSERT_FALSE(file.isEmpty());
  PictureRead read = DesignPicture::fromBlock(Block("TIcon", file, false));
  ASSERT_TRUE(read.picture) << read.error.toStdString();
  EXPECT_EQ(read.picture->kind(), PictureKind::kIcon);
  EXPECT_EQ(read.picture->naturalSize(), QSizeF(16, 16));
}

TEST(DesignPicture, LengthsAreCheckedAgainstWhatIsLeft) {
  auto error = [](const QByteArray& block) { return DesignPicture::fromBlock(block).error.toStdString(); };
  Bytes short_bitmap;
  short_bitmap.u8(7).raw("TBitmap").u32(4000).raw(QByteArray(120, 'B'));
  EXPECT_EQ(error(short_bitmap.data()), "picture data ends inside its bitmap (needs 4000 bytes, 120 left)");
  Bytes short_metafile;
  short_metafile.u8(9).raw("TMetafile").u32(50).zeros(10);
  EXPECT_EQ(error(short_metafile.data()), "picture data ends inside its metafile (needs 50 bytes, 10 left)");
  EXPECT_EQ(error(QByteArray("\x07TBit", 5)), "picture data ends inside its class name (needs 7 bytes, 4 left)");
  EXPECT_EQ(error(QByteArray("\x07TBitmap\x01\x00", 10)),
            "picture data ends inside the length of its bitmap (needs 4 bytes, 2 left)");
  EXPECT_EQ(error(QByteArray()), "picture data is empty");
  EXPECT_EQ(error(Block("TJPEGImage", "xx")), "picture data names an unknown picture class \"TJPEGImage\"");
  EXPECT_EQ(error(Block("TBitmap", FourBitBitmapFile()) + "zz"), "picture data has 2 bytes after its bitmap");
  EXPECT_EQ(error(Block("TBitmap", "GIF89a")), "picture data's bitmap is not a Windows bitmap");
  EXPECT_EQ(error(Block("TMetafile", QByteArray(100, 'x'))),
            "picture data's metafile: not an enhanced metafile (bad signature)");
}

}  // namespace
}  // namespace vellumo
