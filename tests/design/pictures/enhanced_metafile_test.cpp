// Enhanced metafiles built record by record, played onto images and
// checked pixel by pixel.
#include <gtest/gtest.h>

#include "design/pictures/enhanced_metafile.h"
#include "metafile_builder.h"

namespace vellumo {
namespace {

using testing::Bytes;
using testing::DarkBox;
using testing::EmfBuilder;
using testing::Near;
using testing::RenderEmf;

constexpr uint32_t kPolygon16 = 86;
constexpr uint32_t kPolyBezier16 = 85;
constexpr uint32_t kSetWindowExtEx = 9;
constexpr uint32_t kSetViewportExtEx = 11;
constexpr uint32_t kSetMapMode = 17;
constexpr uint32_t kSetBkMode = 18;
constexpr uint32_t kSetTextAlign = 22;
constexpr uint32_t kSetTextColor = 24;
constexpr uint32_t kRectangle = 43;
constexpr uint32_t kCreatePen = 38;
constexpr uint32_t kBeginPath = 59;
constexpr uint32_t kEndPath = 60;
constexpr uint32_t kFillPath = 62;
constexpr uint32_t kStretchDiBits = 81;
constexpr uint32_t kExtCreateFontIndirectW = 82;
constexpr uint32_t kExtTextOutA = 83;
constexpr uint32_t kExtTextOutW = 84;
constexpr uint32_t kStockBlackBrush = 0x80000004;
constexpr uint32_t kStockNullPen = 0x80000008;

QByteArray Polygon16(std::initializer_list<std::pair<int, int>> points) {
  Bytes params;
  params.zeros(16).u32(static_cast<uint32_t>(points.size()));
  for (auto [x, y] : points) params.i16(static_cast<int16_t>(x)).i16(static_cast<int16_t>(y));
  return params.data();
}

QByteArray Font(uint32_t index, int height, const QString& face) {
  Bytes params;
  params.u32(index).i32(height).i32(0).i32(0).i32(0).i32(400).zeros(8);
  for (int i = 0; i < 32; ++i) params.u16(i < face.size() ? face[i].unicode() : 0);
  return params.data();
}

// Text for EMR_EXTTEXTOUTW, or for EMR_EXTTEXTOUTA with one byte a character.
QByteArray TextW(const QString& text, int x, int y, bool wide = true) {
  const uint32_t string_offset = 8 + 16 + 12 + 8 + 4 + 4 + 4 + 16 + 4;  // after the fixed fields
  Bytes params;
  params.zeros(16).u32(1).f32(0).f32(0);
  params.i32(x).i32(y).u32(static_cast<uint32_t>(text.size())).u32(string_offset).u32(0).zeros(16).u32(0);
  for (QChar c : text) wide ? params.u16(c.unicode()) : params.u8(static_cast<uint8_t>(c.unicode()));
  params.zeros(4 - params.data().size() % 4);
  return params.data();
}

TEST(EnhancedMetafile, HeaderGivesFrameInDevicePixels) {
  QString error;
  auto header = ReadEnhancedMetafileHeader(EmfBuilder(QSize(254, 127)).finish(), &error);
  ASSERT_TRUE(header) << error.toStdString();
  EXPECT_EQ(header->device_frame, QRectF(0, 0, 254, 127));
  EXPECT_DOUBLE_EQ(header->size_inches.width(), 10.0);  // 254 mm
  EXPECT_DOUBLE_EQ(header->size_inches.height(), 5.0);
}

TEST(EnhancedMetafile, PolygonAndText) {
  QByteArray emf = EmfBuilder()
                       .brush(1, Qt::green)
                       .select(1)
                       .select(kStockNullPen)
                       .record(kPolygon16, Polygon16({{0, 0}, {100, 0}, {100, 40}, {0, 40}}))
                       .record(kExtCreateFontIndirectW, Font(2, -30, QStringLiteral("Liberation Sans")))
                       .select(2)
                       .record(kSetBkMode, {1})
                       .record(kSetTextColor, {static_cast<int32_t>(testing::Ref(Qt::black))})
                       .record(kSetTextAlign, {24})  // baseline
                       .record(kExtTextOutW, TextW(QStringLiteral("HH"), 10, 90))
                       .finish();
  PlayReport report;
  QImage image = RenderEmf(emf, &report);
  ASSERT_TRUE(report.ok()) << report.error.toStdString();
  EXPECT_EQ(report.skipped, 0);
  EXPECT_TRUE(Near(image.pixelColor(50, 20), Qt::green));
  EXPECT_TRUE(Near(image.pixelColor(50, 45), Qt::white));
  QImage lower = image.copy(0, 45, 100, 55);
  QRect ink = DarkBox(lower).translated(0, 45);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR(ink.bottom(), 89, 1);  // the capitals sit on the baseline
  EXPECT_NEAR(ink.height(), 21, 4);
  EXPECT_GE(ink.left(), 10);
}

TEST(EnhancedMetafile, SymbolFontTextAtItsPrivateCodes) {
  // Wide text in the symbol font may carry its codes at U+F020..U+F0FF:
  // U+F04A and "J" are both the smiling face, as is "J" in 8-bit text.
  auto emf = [](const QString& text, bool wide = true) {
    return EmfBuilder()
        .record(kExtCreateFontIndirectW, Font(1, -40, QStringLiteral("WingDings")))
        .select(1)
        .record(kSetBkMode, {1})
        .record(kSetTextAlign, {24})
        .record(wide ? kExtTextOutW : kExtTextOutA, TextW(text, 20, 70, wide))
        .finish();
  };
  PlayReport report;
  QImage private_code = RenderEmf(emf(QStringLiteral("\uF04A")), &report);
  ASSERT_TRUE(report.ok());
  QImage letter = RenderEmf(emf(QStringLiteral("J")), &report);
  QImage expected = testing::Render(QSize(100, 100), [](QPainter& p, const QRectF&) {
    QFont font(QStringLiteral("Symbola"));
    font.setPixelSize(40);
    p.setFont(font);
    p.drawText(QPointF(20, 70), QStringLiteral("\u263A"));
  });
  EXPECT_EQ(private_code, expected);
  EXPECT_EQ(letter, expected);
  EXPECT_EQ(RenderEmf(emf(QStringLiteral("J"), false), &report), expected);  // 8-bit text
}

TEST(EnhancedMetafile, IsotropicMappingKeepsProportions) {
  // Window 200 × 100 onto a viewport 100 × 100: one scale for both axes,
  // the smaller (0.5).
  QByteArray emf = EmfBuilder()
                       .record(kSetMapMode, {7})
                       .record(kSetWindowExtEx, {200, 100})
                       .record(kSetViewportExtEx, {100, 100})
                       .record(37, {static_cast<int32_t>(kStockBlackBrush)})
                       .record(kRectangle, {0, 0, 100, 100})
                       .finish();
  PlayReport report;
  QImage image = RenderEmf(emf, &report);
  ASSERT_TRUE(report.ok());
  EXPECT_TRUE(Near(image.pixelColor(40, 40), Qt::black));
  EXPECT_TRUE(Near(image.pixelColor(60, 40), Qt::white));
  EXPECT_TRUE(Near(image.pixelColor(40, 60), Qt::white));
}

TEST(EnhancedMetafile, FilledBezierPath) {
  Bytes curve;
  curve.zeros(16).u32(4).i16(0).i16(100).i16(0).i16(0).i16(100).i16(0).i16(100).i16(100);
  QByteArray emf = EmfBuilder()
                       .brush(1, Qt::red)
                       .select(1)
                       .record(kBeginPath, {})
                       .record(kPolyBezier16, curve.data())
                       .record(kEndPath, {})
                       .record(kFillPath, {0, 0, 0, 0})
                       .finish();
  PlayReport report;
  QImage image = RenderEmf(emf, &report);
  ASSERT_TRUE(report.ok()) << report.error.toStdString();
  EXPECT_TRUE(Near(image.pixelColor(50, 60), Qt::red));  // under the arch
  EXPECT_TRUE(Near(image.pixelColor(50, 10), Qt::white));
  EXPECT_TRUE(Near(image.pixelColor(3, 30), Qt::white));
}

TEST(EnhancedMetafile, StretchDiBitsKeepsRowsTheRightWayUp) {
  QByteArray dib = testing::TestBitmap();
  const uint32_t info_offset = 8 + 72;
  Bytes params;
  params.zeros(16).i32(0).i32(0).i32(0).i32(0).i32(2).i32(2);
  params.u32(info_offset).u32(40).u32(info_offset + 40).u32(static_cast<uint32_t>(dib.size() - 40));
  params.u32(0).u32(0x00CC0020).i32(100).i32(100);
  params.raw(dib);
  PlayReport report;
  QImage image = RenderEmf(EmfBuilder().record(kStretchDiBits, params.data()).finish(), &report);
  ASSERT_TRUE(report.ok()) << report.error.toStdString();
  EXPECT_TRUE(testing::ShowsTestBitmap(image));
}

TEST(EnhancedMetafile, PenWidthIsInLogicalUnits) {
  // A 10-unit pen in a window twice the viewport draws 5 pixels wide.
  QByteArray emf = EmfBuilder()
                       .record(kSetMapMode, {8})
                       .record(kSetWindowExtEx, {200, 200})
                       .record(kSetViewportExtEx, {100, 100})
                       .record(kCreatePen, {1, 0, 10, 0, static_cast<int32_t>(testing::Ref(Qt::blue))})
                       .select(1)
                       .record(37, {static_cast<int32_t>(0x80000005)})  // null brush
                       .record(kRectangle, {40, 40, 160, 160})
                       .finish();
  PlayReport report;
  QImage image = RenderEmf(emf, &report);
  int blue = 0;
  for (int x = 0; x < 50; ++x) blue += Near(image.pixelColor(x, 50), Qt::blue) ? 1 : 0;
  EXPECT_NEAR(blue, 5, 1);
  EXPECT_TRUE(Near(image.pixelColor(50, 50), Qt::white));
}

TEST(EnhancedMetafile, UnknownRecordsAreSkippedAndCounted) {
  QByteArray emf = EmfBuilder()
                       .record(500, {1, 2})
                       .record(37, {static_cast<int32_t>(kStockBlackBrush)})
                       .record(kRectangle, {0, 0, 50, 50})
                       .finish();
  PlayReport report;
  QImage image = RenderEmf(emf, &report);
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(report.skipped, 1);
  EXPECT_TRUE(Near(image.pixelColor(25, 25), Qt::black));
}

TEST(EnhancedMetafile, DamagedRecordsEndPlayingWithAnError) {
  PlayReport report;
  RenderEmf(EmfBuilder().rawRecord(kRectangle, 0, {}).finish(false), &report);
  EXPECT_EQ(report.error.toStdString(), "metafile record 2 has a size of 0");

  RenderEmf(EmfBuilder().rawRecord(kRectangle, 200, QByteArray(16, '\0')).finish(false), &report);
  EXPECT_EQ(report.error.toStdString(), "metafile record 2 runs past the end (needs 200 bytes, 24 left)");

  RenderEmf(EmfBuilder().record(kPolygon16, Polygon16({{0, 0}}).left(20)).finish(), &report);
  EXPECT_EQ(report.error.toStdString(), "metafile record 2 (type 86) is shorter than its contents");
}

TEST(EnhancedMetafile, DamagedHeadersAreRefused) {
  QString error;
  QByteArray emf = EmfBuilder().finish();
  EXPECT_FALSE(ReadEnhancedMetafileHeader(emf.left(60), &error));
  EXPECT_EQ(error.toStdString(), "metafile ends inside its header (needs 88 bytes, 60 there)");
  QByteArray unsigned_emf = emf;
  unsigned_emf[40] = 'X';
  EXPECT_FALSE(ReadEnhancedMetafileHeader(unsigned_emf, &error));
  EXPECT_EQ(error.toStdString(), "not an enhanced metafile (bad signature)");
}

}  // namespace
}  // namespace vellumo
