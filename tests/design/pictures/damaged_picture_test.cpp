// Damaged pictures: every prefix of sample metafiles and picture blocks,
// and many random byte changes, must read or play to a result (a picture,
// or an error saying why not) without a crash or a read out of bounds.
#include <gtest/gtest.h>

#include <random>

#include "design/pictures/design_picture.h"
#include "metafile_builder.h"

namespace vellumo {
namespace {

using testing::Bytes;
using testing::Render;

QByteArray SampleWmf() {
  Bytes text;
  text.i16(4).raw("Abc!").i16(30).i16(5);
  Bytes ext_text;
  ext_text.i16(60).i16(5).i16(3).u16(6).i16(0).i16(50).i16(90).i16(70).raw("xyz").u8(0).i16(8).i16(8).i16(8);
  Bytes font;
  font.i16(-12).i16(0).i16(450).i16(0).i16(400).zeros(8).raw("Wingdings").u8(0);
  Bytes dib;
  dib.u32(0x00CC0020).u16(0).i16(2).i16(2).i16(0).i16(0).i16(40).i16(40).i16(50).i16(50);
  dib.raw(testing::TestBitmap());
  Bytes polypolygon;
  polypolygon.u16(2).u16(3).u16(3).i16(0).i16(0).i16(50).i16(0).i16(0).i16(50).i16(60).i16(60).i16(90).i16(60).i16(60).i16(90);
  return testing::WmfBuilder()
      .record(0x020C, {200, 200})
      .brush(Qt::red)
      .brush(Qt::blue, 2, 3)
      .pen(Qt::green, 2, 1)
      .select(0)
      .select(2)
      .record(0x001E, {})
      .rectangle(QRect(QPoint(5, 5), QPoint(60, 60)))
      .record(0x061C, {10, 10, 90, 90, 40, 40})
      .record(0x0817, {0, 50, 50, 100, 100, 100, 0, 0})
      .record(0x0830, {0, 50, 50, 100, 100, 100, 0, 0})
      .record(0x0538, polypolygon.data())
      .record(0x02FB, font.data())
      .select(3)
      .record(0x0521, text.data())
      .record(0x0A32, ext_text.data())
      .record(0x0127, {-1})
      .record(0x0F43, dib.data())
      .record(0x01F0, {1})
      .finish();
}

QByteArray SampleEmf() {
  Bytes polygon;
  polygon.zeros(16).u32(3).i16(0).i16(0).i16(90).i16(10).i16(20).i16(80);
  Bytes polypolygon;
  polypolygon.zeros(16).u32(2).u32(6).u32(3).u32(3);
  for (int v : {0, 0, 40, 0, 0, 40, 50, 50, 90, 50, 50, 90}) polypolygon.i16(static_cast<int16_t>(v));
  Bytes font;
  font.u32(3).i32(-14).i32(0).i32(900).i32(0).i32(700).zeros(8);
  for (int i = 0; i < 32; ++i) font.u16(i < 5 ? u"Arial"[i] : 0);
  Bytes text;
  const uint32_t string_offset = 8 + 16 + 12 + 8 + 4 + 4 + 4 + 16 + 4;
  text.zeros(16).u32(1).f32(1).f32(1).i32(10).i32(50).u32(3).u32(string_offset).u32(2).i32(0).i32(0).i32(50).i32(50);
  text.u32(string_offset + 8).u16('H').u16('i').u16('!').u16(0).i32(9).i32(9).i32(9);
  QByteArray dib = testing::TestBitmap();
  Bytes stretch;
  const uint32_t info_offset = 8 + 72;
  stretch.zeros(16).i32(50).i32(50).i32(0).i32(0).i32(2).i32(2);
  stretch.u32(info_offset).u32(40).u32(info_offset + 40).u32(static_cast<uint32_t>(dib.size() - 40));
  stretch.u32(0).u32(0x00CC0020).i32(40).i32(40).raw(dib);
  Bytes transform;
  transform.f32(1).f32(0.1f).f32(0).f32(1).f32(2).f32(3).u32(2);
  return testing::EmfBuilder()
      .record(17, {8})
      .record(9, {200, 200})
      .record(11, {100, 100})
      .record(36, transform.data())
      .brush(1, Qt::red)
      .record(38, {2, 0, 3, 0, 0xFF00})
      .select(1)
      .select(2)
      .record(33, {})
      .record(86, polygon.data())
      .record(91, polypolygon.data())
      .record(42, {10, 10, 90, 60})
      .record(44, {10, 10, 90, 60, 20, 20})
      .record(47, {0, 0, 100, 100, 100, 50, 50, 0})
      .record(59, {})
      .record(27, {0, 0})
      .record(54, {100, 100})
      .record(60, {})
      .record(63, {0, 0, 0, 0})
      .record(82, font.data())
      .select(3)
      .record(84, text.data())
      .record(34, {-1})
      .record(81, stretch.data())
      .record(40, {1})
      .finish();
}

QByteArray Block(const QByteArray& class_name, const QByteArray& content) {
  return Bytes().u8(static_cast<uint8_t>(class_name.size())).raw(class_name).u32(static_cast<uint32_t>(content.size())).raw(content).data();
}

// Reads a block and draws it when it reads. Damage must come out as a
// picture or as an error text; reads out of bounds and undefined
// arithmetic are for the sanitizers to catch (the suite runs under them).
void ReadAndDraw(const QByteArray& block) {
  PictureRead read = DesignPicture::fromBlock(block);
  if (!read.picture) {
    EXPECT_FALSE(read.error.isEmpty());
    return;
  }
  EXPECT_GT(read.picture->naturalSize().width(), 0);
  Render(QSize(32, 32), [&](QPainter& p, const QRectF& r) { read.picture->draw(p, r); });
}

std::vector<QByteArray> Samples() {
  return {Block("TMetafile", SampleWmf()), Block("TMetafile", SampleEmf()),
          Block("TBitmap", testing::TestBitmap().prepend(
                               Bytes().raw("BM").u32(14 + 40 + 16).u32(0).u32(54).data()))};
}

TEST(DamagedPicture, SamplesPlayToTheEnd) {
  for (const QByteArray& block : Samples()) {
    PictureRead read = DesignPicture::fromBlock(block);
    ASSERT_TRUE(read.picture) << read.error.toStdString();
    PlayReport report;
    Render(QSize(32, 32), [&](QPainter& p, const QRectF& r) { report = read.picture->draw(p, r); });
    EXPECT_TRUE(report.ok()) << report.error.toStdString();
    EXPECT_EQ(report.skipped, 0);
  }
}

TEST(DamagedPicture, EveryPrefixGivesAResult) {
  for (const QByteArray& block : Samples()) {
    for (qsizetype length = 0; length < block.size(); ++length) {
      SCOPED_TRACE(length);
      ReadAndDraw(block.left(length));
      // A cut metafile in a block whose length agrees: the records do not.
      const qsizetype content_start = 1 + 9 + 4;
      if (block.startsWith("\x09TMetafile") && length >= content_start) {
        ReadAndDraw(Block("TMetafile", block.mid(content_start, length - content_start)));
      }
    }
  }
}

TEST(DamagedPicture, RandomByteChangesGiveAResult) {
  std::mt19937 random(20261210);  // fixed, so that a failure repeats
  for (const QByteArray& block : Samples()) {
    std::uniform_int_distribution<qsizetype> position(0, block.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> changes(1, 4);
    for (int round = 0; round < 1500; ++round) {
      QByteArray damaged = block;
      for (int n = changes(random); n > 0; --n) damaged[position(random)] = static_cast<char>(byte(random));
      SCOPED_TRACE(round);
      ReadAndDraw(damaged);
    }
  }
}

}  // namespace
}  // namespace vellumo
