// Placeable Windows metafiles built record by record, played onto images
// and checked pixel by pixel.
#include <gtest/gtest.h>

#include "design/pictures/windows_metafile.h"
#include "metafile_builder.h"

namespace vellumo {
namespace {

using testing::Bytes;
using testing::DarkBox;
using testing::Near;
using testing::RenderWmf;
using testing::WmfBuilder;

constexpr uint16_t kMoveTo = 0x0214;
constexpr uint16_t kLineTo = 0x0213;
constexpr uint16_t kDeleteObject = 0x01F0;
constexpr uint16_t kSetWindowOrg = 0x020B;
constexpr uint16_t kSetWindowExt = 0x020C;
constexpr uint16_t kSaveDc = 0x001E;
constexpr uint16_t kRestoreDc = 0x0127;
constexpr uint16_t kSetTextAlign = 0x012E;
constexpr uint16_t kSetBkMode = 0x0102;
constexpr uint16_t kTextOut = 0x0521;
constexpr uint16_t kCreateFont = 0x02FB;
constexpr uint16_t kStretchDib = 0x0F43;
constexpr uint16_t kPolygon = 0x0324;
constexpr uint16_t kPolyPolygon = 0x0538;
constexpr uint16_t kSetPolyFillMode = 0x0106;
constexpr uint16_t kEllipse = 0x0418;
constexpr uint16_t kPie = 0x081A;
constexpr uint16_t kCreatePalette = 0x00F7;

QByteArray FontRecord(int height, int escapement = 0, const char* face = "Liberation Sans") {
  Bytes font;
  font.i16(static_cast<int16_t>(height)).i16(0).i16(static_cast<int16_t>(escapement)).i16(0).i16(700);
  font.u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0);
  font.raw(QByteArray(face)).u8(0);
  return font.data();
}

QByteArray TextOutRecord(const QByteArray& text, int x, int y) {
  Bytes params;
  params.i16(static_cast<int16_t>(text.size())).raw(text);
  if (text.size() % 2) params.u8(0);
  params.i16(static_cast<int16_t>(y)).i16(static_cast<int16_t>(x));
  return params.data();
}

TEST(WindowsMetafile, HeaderGivesFrameAndSize) {
  QString error;
  auto header = ReadPlaceableMetafileHeader(WmfBuilder(QRect(10, 20, 200, 100), 100).finish(), &error);
  ASSERT_TRUE(header) << error.toStdString();
  EXPECT_EQ(header->device_frame, QRectF(10, 20, 200, 100));
  EXPECT_DOUBLE_EQ(header->size_inches.width(), 2.0);
  EXPECT_DOUBLE_EQ(header->size_inches.height(), 1.0);
}

TEST(WindowsMetafile, FilledRectangleAndLine) {
  QByteArray wmf = WmfBuilder()
                       .brush(Qt::red)
                       .select(0)
                       .pen(Qt::blue, 4)
                       .select(1)
                       .rectangle(QRect(QPoint(10, 10), QPoint(60, 60)))
                       .record(kMoveTo, {85, 10})
                       .record(kLineTo, {85, 90})
                       .finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  ASSERT_TRUE(report.ok()) << report.error.toStdString();
  EXPECT_EQ(report.skipped, 0);
  EXPECT_TRUE(Near(image.pixelColor(35, 35), Qt::red));   // inside the rectangle
  EXPECT_TRUE(Near(image.pixelColor(10, 35), Qt::blue));  // its outline
  EXPECT_TRUE(Near(image.pixelColor(50, 85), Qt::blue));  // on the line
  EXPECT_TRUE(Near(image.pixelColor(5, 5), Qt::white));
  EXPECT_TRUE(Near(image.pixelColor(75, 35), Qt::white));
  EXPECT_TRUE(Near(image.pixelColor(50, 95), Qt::white));
}

TEST(WindowsMetafile, StretchesOntoTheTarget) {
  QByteArray wmf = WmfBuilder().brush(Qt::red).select(0).rectangle(QRect(QPoint(0, 0), QPoint(50, 50))).finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report, QSize(200, 100));
  EXPECT_TRUE(Near(image.pixelColor(90, 40), Qt::red));
  EXPECT_TRUE(Near(image.pixelColor(110, 40), Qt::white));
  EXPECT_TRUE(Near(image.pixelColor(90, 60), Qt::white));
}

TEST(WindowsMetafile, WindowMapsOntoTheFrame) {
  // Logical units a tenth of the frame's, origin moved by 100.
  QByteArray wmf = WmfBuilder()
                       .record(kSetWindowOrg, {100, 100})
                       .record(kSetWindowExt, {1000, 1000})
                       .brush(Qt::red)
                       .select(0)
                       .rectangle(QRect(QPoint(300, 300), QPoint(500, 500)))
                       .finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  ASSERT_TRUE(report.ok());
  EXPECT_TRUE(Near(image.pixelColor(30, 30), Qt::red));
  EXPECT_TRUE(Near(image.pixelColor(15, 15), Qt::white));
  EXPECT_TRUE(Near(image.pixelColor(45, 45), Qt::white));
}

TEST(WindowsMetafile, WindowOffsetAndScale) {
  // Window 50 × 50 scaled by 4/2 to 100 × 100, origin 0 moved by 20:
  // logical 40..60 is device 20..40.
  QByteArray wmf = WmfBuilder()
                       .record(kSetWindowExt, {50, 50})
                       .record(0x0410, {2, 4, 2, 4})  // y denominator, numerator; x denominator, numerator
                       .record(0x020F, {20, 20})      // offset y, x
                       .brush(Qt::red)
                       .select(0)
                       .rectangle(QRect(QPoint(40, 40), QPoint(60, 60)))
                       .finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(report.skipped, 0);
  EXPECT_TRUE(Near(image.pixelColor(30, 30), Qt::red));
  EXPECT_TRUE(Near(image.pixelColor(15, 15), Qt::white));
  EXPECT_TRUE(Near(image.pixelColor(45, 45), Qt::white));
}

TEST(WindowsMetafile, NewObjectsTakeTheLowestFreeSlot) {
  // Slots: 0 palette, 1 green brush, 2 red brush; deleting 1 frees it for
  // the blue brush. A player that kept no slot for the palette, or
  // appended instead of refilling, would select the wrong brush.
  QByteArray wmf = WmfBuilder()
                       .record(kCreatePalette, {0x300, 0})
                       .brush(Qt::green)
                       .brush(Qt::red)
                       .record(kDeleteObject, {1})
                       .brush(Qt::blue)
                       .select(1)
                       .rectangle(QRect(QPoint(0, 0), QPoint(40, 40)))
                       .select(2)
                       .rectangle(QRect(QPoint(60, 60), QPoint(100, 100)))
                       .finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  ASSERT_TRUE(report.ok());
  EXPECT_TRUE(Near(image.pixelColor(20, 20), Qt::blue));
  EXPECT_TRUE(Near(image.pixelColor(80, 80), Qt::red));
}

TEST(WindowsMetafile, RestoreBringsBackTheSavedBrush) {
  QByteArray wmf = WmfBuilder()
                       .brush(Qt::red)
                       .brush(Qt::blue)
                       .select(0)
                       .record(kSaveDc, {})
                       .select(1)
                       .record(kRestoreDc, {-1})
                       .rectangle(QRect(QPoint(0, 0), QPoint(50, 50)))
                       .finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  EXPECT_TRUE(Near(image.pixelColor(25, 25), Qt::red));
}

TEST(WindowsMetafile, PolygonFillModes) {
  // Two nested squares as one poly-polygon: alternate fill leaves the
  // inner one empty, winding fill (same direction) fills it.
  auto wmf = [](int mode) {
    Bytes params;
    params.u16(2).u16(4).u16(4);
    for (auto [x, y] : {std::pair{0, 0}, {100, 0}, {100, 100}, {0, 100}, {30, 30}, {70, 30}, {70, 70}, {30, 70}}) {
      params.i16(static_cast<int16_t>(x)).i16(static_cast<int16_t>(y));
    }
    return WmfBuilder().brush(Qt::red).select(0).record(kSetPolyFillMode, {mode}).record(kPolyPolygon, params.data()).finish();
  };
  PlayReport report;
  EXPECT_TRUE(Near(RenderWmf(wmf(1), &report).pixelColor(50, 50), Qt::white));
  EXPECT_TRUE(Near(RenderWmf(wmf(2), &report).pixelColor(50, 50), Qt::red));
  EXPECT_TRUE(Near(RenderWmf(wmf(1), &report).pixelColor(15, 50), Qt::red));
}

TEST(WindowsMetafile, PolygonAndEllipse) {
  Bytes triangle;
  triangle.i16(3).i16(0).i16(0).i16(100).i16(0).i16(0).i16(100);
  QByteArray wmf = WmfBuilder()
                       .brush(Qt::green)
                       .select(0)
                       .record(kPolygon, triangle.data())
                       .brush(Qt::blue)
                       .select(1)
                       .record(kEllipse, {100, 100, 50, 50})
                       .finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  EXPECT_TRUE(Near(image.pixelColor(20, 20), Qt::green));
  EXPECT_TRUE(Near(image.pixelColor(75, 75), Qt::blue));
  EXPECT_TRUE(Near(image.pixelColor(52, 52), Qt::white));  // outside the ellipse's curve
  EXPECT_TRUE(Near(image.pixelColor(80, 40), Qt::white));  // beyond the triangle
}

TEST(WindowsMetafile, PieCoversTheCounterClockwiseQuarter) {
  // From the right (100, 50) counter-clockwise to the top (50, 0): the
  // upper right quarter of the circle.
  QByteArray wmf = WmfBuilder().brush(Qt::red).select(0).record(kPie, {0, 50, 50, 100, 100, 100, 0, 0}).finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  ASSERT_TRUE(report.ok());
  EXPECT_TRUE(Near(image.pixelColor(70, 30), Qt::red));
  EXPECT_TRUE(Near(image.pixelColor(30, 30), Qt::white));
  EXPECT_TRUE(Near(image.pixelColor(70, 70), Qt::white));
}

TEST(WindowsMetafile, TextOutWithFontAndAlignment) {
  QByteArray wmf = WmfBuilder()
                       .record(kCreateFont, FontRecord(-30))
                       .select(0)
                       .record(kSetBkMode, {1})
                       .record(kSetTextAlign, {0})
                       .record(kTextOut, TextOutRecord("HH", 20, 40))
                       .finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  ASSERT_TRUE(report.ok());
  QRect ink = DarkBox(image);
  ASSERT_FALSE(ink.isEmpty());
  // Top-aligned at y 40: the capitals start a little below and stand
  // about 70 % of the 30-unit character height.
  EXPECT_GE(ink.top(), 40);
  EXPECT_LE(ink.top(), 50);
  EXPECT_NEAR(ink.height(), 21, 4);
  EXPECT_GE(ink.left(), 20);
  EXPECT_LE(ink.left(), 26);
}

TEST(WindowsMetafile, TextEscapementTurnsTheText) {
  QByteArray wmf = WmfBuilder()
                       .record(kCreateFont, FontRecord(-20, 900))
                       .select(0)
                       .record(kSetBkMode, {1})
                       .record(kTextOut, TextOutRecord("HHHH", 40, 90))
                       .finish();
  PlayReport report;
  QRect ink = DarkBox(RenderWmf(wmf, &report));
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.height(), 2 * ink.width());  // runs upwards
  EXPECT_LE(ink.bottom(), 91);
}

TEST(WindowsMetafile, SymbolFontTextDrawsItsUnicodeCharacters) {
  // "J" in the symbol font is the smiling face, drawn in the substitute font.
  QByteArray wmf = WmfBuilder()
                       .record(kCreateFont, FontRecord(-40, 0, "Wingdings"))
                       .select(0)
                       .record(kSetBkMode, {1})
                       .record(kSetTextAlign, {24})  // baseline
                       .record(kTextOut, TextOutRecord("J", 20, 70))
                       .finish();
  PlayReport report;
  QImage played = RenderWmf(wmf, &report);
  ASSERT_TRUE(report.ok());
  QImage expected = testing::Render(QSize(100, 100), [](QPainter& p, const QRectF&) {
    QFont font(QStringLiteral("Symbola"));
    font.setPixelSize(40);
    font.setWeight(QFont::Bold);
    p.setFont(font);
    p.drawText(QPointF(20, 70), QStringLiteral("\u263A"));
  });
  ASSERT_FALSE(DarkBox(expected).isEmpty());
  EXPECT_EQ(played, expected);
}

TEST(WindowsMetafile, StretchDibKeepsRowsTheRightWayUp) {
  QByteArray dib = testing::TestBitmap();
  Bytes params;
  params.u32(0x00CC0020).u16(0);                  // copy, RGB colours
  params.i16(2).i16(2).i16(0).i16(0);             // source height, width, y, x
  params.i16(100).i16(100).i16(0).i16(0);         // destination height, width, y, x
  params.raw(dib);
  PlayReport report;
  QImage image = RenderWmf(WmfBuilder().record(kStretchDib, params.data()).finish(), &report);
  ASSERT_TRUE(report.ok()) << report.error.toStdString();
  EXPECT_TRUE(testing::ShowsTestBitmap(image));
}

TEST(WindowsMetafile, UnknownRecordsAreSkippedAndCounted) {
  QByteArray wmf = WmfBuilder()
                       .record(0x0999, {1, 2, 3})
                       .brush(Qt::red)
                       .select(0)
                       .record(0x0777, {})
                       .rectangle(QRect(QPoint(0, 0), QPoint(50, 50)))
                       .finish();
  PlayReport report;
  QImage image = RenderWmf(wmf, &report);
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(report.skipped, 2);
  EXPECT_EQ(report.played, 3);
  EXPECT_TRUE(Near(image.pixelColor(25, 25), Qt::red));
}

TEST(WindowsMetafile, DamagedRecordsEndPlayingWithAnError) {
  PlayReport report;
  RenderWmf(WmfBuilder().brush(Qt::red).rawRecord(0, 0x041B, {}).finish(false), &report);
  EXPECT_EQ(report.error.toStdString(), "metafile record 2 has a size of 0");

  RenderWmf(WmfBuilder().rawRecord(50, 0x041B, QByteArray(8, '\0')).finish(false), &report);
  EXPECT_EQ(report.error.toStdString(), "metafile record 1 runs past the end (needs 94 bytes, 8 left)");

  // A polygon that claims more points than its record holds.
  RenderWmf(WmfBuilder().record(kPolygon, {40, 0, 0, 10, 10}).finish(), &report);
  EXPECT_EQ(report.error.toStdString(), "metafile record 1 (function 0x0324) is shorter than its contents");
}

TEST(WindowsMetafile, DamagedHeadersAreRefused) {
  QString error;
  QByteArray wmf = WmfBuilder().finish();
  EXPECT_FALSE(ReadPlaceableMetafileHeader(wmf.left(30), &error));
  EXPECT_EQ(error.toStdString(), "metafile ends inside its header (needs 40 bytes, 30 there)");
  wmf[0] = 0;
  EXPECT_FALSE(ReadPlaceableMetafileHeader(wmf, &error));
  EXPECT_EQ(error.toStdString(), "not a placeable metafile (bad key)");
  EXPECT_FALSE(ReadPlaceableMetafileHeader(WmfBuilder(QRect(0, 0, 0, 10)).finish(), &error));
  EXPECT_EQ(error.toStdString(), "metafile has an empty frame");
}

}  // namespace
}  // namespace vellumo
