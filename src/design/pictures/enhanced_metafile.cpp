// Reading and playing enhanced metafiles.
#include "design/pictures/enhanced_metafile.h"

#include "design/pictures/bitmap_file.h"
#include "design/pictures/byte_reader.h"
#include "design/pictures/gdi_context.h"
#include "design/pictures/metafile_colour.h"
#include "design/pictures/metafile_points.h"

namespace vellumo {
namespace {

constexpr int kRecordHeaderSize = 8;  // type and size
constexpr int kFaceNameChars = 32;
constexpr uint32_t kStockObject = 0x80000000;
constexpr uint32_t kOpaqueOrClipped = 0x0006;
constexpr int kBoundsSize = 16;

enum Record : uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExtEx = 9,
  kSetWindowOrgEx = 10,
  kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12,
  kSetBrushOrgEx = 13,
  kEof = 14,
  kSetPixelV = 15,
  kSetMapperFlags = 16,
  kSetMapMode = 17,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetRop2 = 20,
  kSetStretchBltMode = 21,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kMoveToEx = 27,
  kIntersectClipRect = 30,
  kScaleViewportExtEx = 31,
  kScaleWindowExtEx = 32,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSetWorldTransform = 35,
  kModifyWorldTransform = 36,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kChord = 46,
  kPie = 47,
  kSelectPalette = 48,
  kCreatePalette = 49,
  kRealizePalette = 52,
  kLineTo = 54,
  kSetMiterLimit = 58,
  kBeginPath = 59,
  kEndPath = 60,
  kCloseFigure = 61,
  kFillPath = 62,
  kStrokeAndFillPath = 63,
  kStrokePath = 64,
  kAbortPath = 68,
  kGdiComment = 70,
  kBitBlt = 76,
  kStretchBlt = 77,
  kStretchDiBits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kCreateDibPatternBrushPt = 94,
  kExtCreatePen = 95,
  kSetIcmMode = 98,
  kSetLayout = 115,
};

QPointF PointL(ByteReader& r) {
  double x = r.i32();
  double y = r.i32();
  return {x, y};
}

QSizeF SizeL(ByteReader& r) {
  double w = r.i32();
  double h = r.i32();
  return {w, h};
}

QRectF RectL(ByteReader& r) {
  QPointF top_left = PointL(r);
  QPointF bottom_right = PointL(r);
  return QRectF(top_left, bottom_right);
}

QTransform XForm(ByteReader& r) {
  double m11 = r.f32();
  double m12 = r.f32();
  double m21 = r.f32();
  double m22 = r.f32();
  double dx = r.f32();
  double dy = r.f32();
  return QTransform(m11, m12, m21, m22, dx, dy);
}

QPolygonF PolyRecord(ByteReader& r, bool short_points) {
  r.skip(kBoundsSize);
  return ReadPoints(r, r.u32(), short_points);
}

std::vector<QPolygonF> PolyPolyRecord(ByteReader& r, bool short_points) {
  r.skip(kBoundsSize);
  uint32_t polygons = r.u32();
  r.skip(4);  // total point count
  std::vector<uint32_t> counts;
  if (!r.has(4ll * polygons)) {
    r.skip(r.remaining() + 1);
    return {};
  }
  for (uint32_t i = 0; i < polygons; ++i) counts.push_back(r.u32());
  std::vector<QPolygonF> result;
  for (uint32_t n : counts) result.push_back(ReadPoints(r, n, short_points));
  return result;
}

GdiFont ReadFont(ByteReader& r) {
  GdiFont font;
  font.height = r.i32();
  r.skip(4);  // width
  font.escapement = r.i32();
  r.skip(4);  // orientation
  font.weight = r.i32();
  font.italic = r.u8() != 0;
  font.underline = r.u8() != 0;
  font.strike_out = r.u8() != 0;
  r.skip(5);  // character set, precisions, quality, pitch and family
  QString face;
  for (int i = 0; i < kFaceNameChars; ++i) {
    char16_t c = r.u16();
    if (c == 0) break;
    face += QChar(c);
  }
  font.face = face;
  return font;
}

// A part of the record given by offset and size from the record's start;
// empty when it lies outside the record.
QByteArrayView Part(QByteArrayView record, uint32_t offset, uint32_t size) {
  if (offset > record.size() || size > record.size() - offset) return {};
  return record.sliced(offset, size);
}

class EnhancedPlayer {
 public:
  EnhancedPlayer(GdiContext& context, QByteArrayView record) : context_(context), record_(record), r_(record) {
    r_.skip(kRecordHeaderSize);
  }
  [[nodiscard]] bool overrun() const { return r_.overrun(); }
  bool apply(uint32_t type);

 private:
  void text(bool eight_bit);
  void stretchDiBits();
  void blit(bool stretch);
  GdiContext& context_;
  QByteArrayView record_;
  ByteReader r_;
};

bool EnhancedPlayer::apply(uint32_t type) {
  ByteReader& r = r_;
  switch (type) {
    case kHeader: return true;
    case kPolygon:
    case kPolygon16: context_.polygon(PolyRecord(r, type == kPolygon16)); return true;
    case kPolyline:
    case kPolyline16: context_.polyline(PolyRecord(r, type == kPolyline16)); return true;
    case kPolylineTo:
    case kPolylineTo16: context_.polylineTo(PolyRecord(r, type == kPolylineTo16)); return true;
    case kPolyBezier:
    case kPolyBezier16: context_.polyBezier(PolyRecord(r, type == kPolyBezier16), false); return true;
    case kPolyBezierTo:
    case kPolyBezierTo16: context_.polyBezier(PolyRecord(r, type == kPolyBezierTo16), true); return true;
    case kPolyPolygon:
    case kPolyPolygon16: context_.polyPolygon(PolyPolyRecord(r, type == kPolyPolygon16)); return true;
    case kPolyPolyline:
    case kPolyPolyline16:
      for (const QPolygonF& line : PolyPolyRecord(r, type == kPolyPolyline16)) context_.polyline(line);
      return true;
    case kSetWindowExtEx: context_.setWindowExt(SizeL(r)); return true;
    case kSetWindowOrgEx: context_.setWindowOrg(PointL(r)); return true;
    case kSetViewportExtEx: context_.setViewportExt(SizeL(r)); return true;
    case kSetViewportOrgEx: context_.setViewportOrg(PointL(r)); return true;
    case kSetMapMode: context_.setMapMode(r.i32()); return true;
    case kSetBkMode: context_.setBackgroundOpaque(r.u32() == 2); return true;
    case kSetPolyFillMode: context_.setWindingFill(r.u32() == 2); return true;
    case kSetTextAlign: context_.setTextAlign(r.u32()); return true;
    case kSetTextColor: context_.setTextColor(ColourFromRef(r.u32())); return true;
    case kSetBkColor: context_.setBackgroundColor(ColourFromRef(r.u32())); return true;
    case kMoveToEx: context_.moveTo(PointL(r)); return true;
    case kLineTo: context_.lineTo(PointL(r)); return true;
    case kIntersectClipRect: context_.intersectClip(RectL(r)); return true;
    case kScaleViewportExtEx:
    case kScaleWindowExtEx: {
      double x_num = r.i32();
      double x_den = r.i32();
      double y_num = r.i32();
      double y_den = r.i32();
      if (type == kScaleWindowExtEx) {
        context_.scaleWindowExt(x_num, x_den, y_num, y_den);
      } else {
        context_.scaleViewportExt(x_num, x_den, y_num, y_den);
      }
      return true;
    }
    case kSetPixelV: {
      QPointF point = PointL(r);
      context_.setPixel(point, ColourFromRef(r.u32()));
      return true;
    }
    case kSaveDc: context_.save(); return true;
    case kRestoreDc: context_.restore(r.i32()); return true;
    case kSetWorldTransform: context_.setWorldTransform(XForm(r)); return true;
    case kModifyWorldTransform: {
      QTransform transform = XForm(r);
      context_.modifyWorldTransform(transform, r.u32());
      return true;
    }
    case kSelectObject: {
      uint32_t index = r.u32();
      if (index & kStockObject) {
        context_.selectStockObject(index & ~kStockObject);
      } else {
        context_.selectObject(index);
      }
      return true;
    }
    case kDeleteObject: context_.deleteObject(r.u32()); return true;
    case kCreatePen: {
      uint32_t index = r.u32();
      GdiPen pen;
      pen.style = r.u32();
      pen.width = r.i32();
      r.skip(4);  // the width's unused y
      pen.color = ColourFromRef(r.u32());
      context_.storeObject(index, pen);
      return true;
    }
    case kExtCreatePen: {
      uint32_t index = r.u32();
      r.skip(4 * 4);  // the pattern bitmap's offsets and sizes
      GdiPen pen;
      pen.style = r.u32();
      pen.width = r.u32();
      r.skip(4);  // brush style
      pen.color = ColourFromRef(r.u32());
      context_.storeObject(index, pen);
      return true;
    }
    case kCreateBrushIndirect: {
      uint32_t index = r.u32();
      GdiBrush brush;
      brush.style = r.u32();
      brush.color = ColourFromRef(r.u32());
      brush.hatch = r.u32();
      context_.storeObject(index, brush);
      return true;
    }
    case kCreateDibPatternBrushPt: {
      uint32_t index = r.u32();
      r.skip(4);  // colour usage
      uint32_t info_offset = r.u32();
      uint32_t info_size = r.u32();
      uint32_t bits_offset = r.u32();
      uint32_t bits_size = r.u32();
      GdiBrush brush;
      brush.style = 6;
      brush.pattern = DecodeBitmap(Part(record_, info_offset, info_size), Part(record_, bits_offset, bits_size));
      context_.storeObject(index, brush);
      return true;
    }
    case kCreatePalette: context_.storeObject(r.u32(), GdiPlaceholder{}); return true;
    case kExtCreateFontIndirectW: {
      uint32_t index = r.u32();
      context_.storeObject(index, ReadFont(r));
      return true;
    }
    case kEllipse: context_.ellipse(RectL(r)); return true;
    case kRectangle: context_.rectangle(RectL(r)); return true;
    case kRoundRect: {
      QRectF box = RectL(r);
      context_.roundRect(box, SizeL(r));
      return true;
    }
    case kArc:
    case kChord:
    case kPie: {
      QRectF box = RectL(r);
      QPointF start = PointL(r);
      QPointF end = PointL(r);
      context_.arc(type == kArc ? ArcKind::kArc : type == kPie ? ArcKind::kPie : ArcKind::kChord, box, start, end);
      return true;
    }
    case kBeginPath: context_.beginPath(); return true;
    case kEndPath: context_.endPath(); return true;
    case kCloseFigure: context_.closeFigure(); return true;
    case kFillPath: context_.fillPath(); return true;
    case kStrokeAndFillPath: context_.strokeAndFillPath(); return true;
    case kStrokePath: context_.strokePath(); return true;
    case kAbortPath: context_.abortPath(); return true;
    case kExtTextOutA: text(true); return true;
    case kExtTextOutW: text(false); return true;
    case kStretchDiBits: stretchDiBits(); return true;
    case kBitBlt: blit(false); return true;
    case kStretchBlt: blit(true); return true;
    case kSetBrushOrgEx:
    case kSetMapperFlags:
    case kSetRop2:
    case kSetStretchBltMode:
    case kSelectPalette:
    case kRealizePalette:
    case kSetMiterLimit:
    case kGdiComment:
    case kSetIcmMode:
    case kSetLayout:
      return true;  // nothing a picture on paper shows
    default:
      return false;
  }
}

void EnhancedPlayer::text(bool eight_bit) {
  ByteReader& r = r_;
  r.skip(kBoundsSize + 4 + 4 + 4);  // bounds, graphics mode, x and y scales
  GdiText text;
  text.eight_bit = eight_bit;
  text.reference = PointL(r);
  uint32_t length = r.u32();
  uint32_t string_offset = r.u32();
  text.options = r.u32();
  QRectF rect = RectL(r);
  if (text.options & kOpaqueOrClipped) text.rect = rect;
  uint32_t advances_offset = r.u32();
  if (r.overrun()) return;
  if (length > record_.size() / 2) {
    r.skip(r.remaining() + 1);
    return;
  }
  const uint32_t char_size = eight_bit ? 1 : 2;
  QByteArrayView chars = Part(record_, string_offset, char_size * length);
  if (chars.size() != static_cast<qsizetype>(char_size * length)) {
    r.skip(r.remaining() + 1);
    return;
  }
  ByteReader c(chars);
  for (uint32_t i = 0; i < length; ++i) text.text += QChar(static_cast<char16_t>(eight_bit ? c.u8() : c.u16()));
  QByteArrayView advances = Part(record_, advances_offset, 4 * length);
  if (advances_offset != 0 && advances.size() == 4 * static_cast<qsizetype>(length)) {
    ByteReader a(advances);
    for (uint32_t i = 0; i < length; ++i) text.advances.push_back(a.i32());
  }
  context_.text(text);
}

void EnhancedPlayer::stretchDiBits() {
  ByteReader& r = r_;
  r.skip(kBoundsSize);
  QPointF dest_origin = PointL(r);
  QPointF source_origin = PointL(r);
  QSizeF source_size = SizeL(r);
  uint32_t info_offset = r.u32();
  uint32_t info_size = r.u32();
  uint32_t bits_offset = r.u32();
  uint32_t bits_size = r.u32();
  r.skip(4);  // colour usage
  uint32_t rop = r.u32();
  QSizeF dest_size = SizeL(r);
  if (r.overrun()) return;
  QByteArrayView info = Part(record_, info_offset, info_size);
  QImage image = DecodeBitmap(info, Part(record_, bits_offset, bits_size));
  context_.bitmap(image, QRectF(dest_origin, dest_size), ImageSourceRect(info, image, QRectF(source_origin, source_size)),
                  rop);
}

void EnhancedPlayer::blit(bool stretch) {
  ByteReader& r = r_;
  r.skip(kBoundsSize);
  QRectF dest(PointL(r), SizeL(r));
  uint32_t rop = r.u32();
  QPointF source_origin = PointL(r);
  r.skip(6 * 4 + 4 + 4);  // source transform, background colour, colour usage
  uint32_t info_offset = r.u32();
  uint32_t info_size = r.u32();
  uint32_t bits_offset = r.u32();
  uint32_t bits_size = r.u32();
  QSizeF source_size = stretch ? SizeL(r) : dest.size();
  if (r.overrun()) return;
  if (info_size == 0) {
    context_.patternBlit(dest, rop);
    return;
  }
  QByteArrayView info = Part(record_, info_offset, info_size);
  QImage image = DecodeBitmap(info, Part(record_, bits_offset, bits_size));
  context_.bitmap(image, dest, ImageSourceRect(info, image, QRectF(source_origin, source_size)), rop);
}

}  // namespace

std::optional<MetafileHeader> ReadEnhancedMetafileHeader(QByteArrayView metafile, QString* error) {
  ByteReader r(metafile);
  if (r.remaining() < kEnhancedHeaderMinSize) {
    *error = QStringLiteral("metafile ends inside its header (needs %1 bytes, %2 there)")
                 .arg(kEnhancedHeaderMinSize)
                 .arg(r.remaining());
    return std::nullopt;
  }
  uint32_t type = r.u32();
  uint32_t size = r.u32();
  QRectF bounds = RectL(r);
  QRectF frame = RectL(r);  // hundredths of a millimetre
  uint32_t signature = r.u32();
  if (type != kHeader || signature != kEnhancedMetafileSignature) {
    *error = QStringLiteral("not an enhanced metafile (bad signature)");
    return std::nullopt;
  }
  if (size < kEnhancedHeaderMinSize || size > metafile.size()) {
    *error = QStringLiteral("enhanced metafile header has a size of %1").arg(size);
    return std::nullopt;
  }
  r.skip(4 + 4 + 4 + 2 + 2 + 4 + 4 + 4);  // version, bytes, records, handles, reserved, description, palette
  QSizeF device_pixels = SizeL(r);
  QSizeF device_mm = SizeL(r);
  frame = frame.normalized();
  if (frame.width() <= 0 || frame.height() <= 0) {
    *error = QStringLiteral("metafile has an empty frame");
    return std::nullopt;
  }
  MetafileHeader header;
  if (device_mm.width() > 0 && device_mm.height() > 0 && device_pixels.width() > 0 && device_pixels.height() > 0) {
    double per_mm_x = device_pixels.width() / device_mm.width();
    double per_mm_y = device_pixels.height() / device_mm.height();
    header.device_per_mm = per_mm_x;
    header.device_frame = QRectF(frame.left() / 100 * per_mm_x, frame.top() / 100 * per_mm_y,
                                 frame.width() / 100 * per_mm_x, frame.height() / 100 * per_mm_y);
  } else {
    header.device_per_mm = 96 / 25.4;
    header.device_frame = bounds.normalized();
  }
  header.size_inches = frame.size() / 2540;
  header.first_record = size;
  return header;
}

PlayReport PlayEnhancedMetafile(QByteArrayView metafile, QPainter& painter, const QRectF& target) {
  PlayReport report;
  std::optional<MetafileHeader> header = ReadEnhancedMetafileHeader(metafile, &report.error);
  if (!header) return report;
  GdiContext context(painter, header->device_frame, target, header->device_per_mm);
  qsizetype offset = 0;
  for (int index = 1; offset < metafile.size(); ++index) {
    ByteReader head(metafile.sliced(offset));
    if (!head.has(kRecordHeaderSize)) {
      report.error = QStringLiteral("metafile ends inside record %1").arg(index);
      return report;
    }
    uint32_t type = head.u32();
    uint32_t size = head.u32();
    if (size < kRecordHeaderSize) {
      report.error = QStringLiteral("metafile record %1 has a size of %2").arg(index).arg(size);
      return report;
    }
    if (size > metafile.size() - offset) {
      report.error = QStringLiteral("metafile record %1 runs past the end (needs %2 bytes, %3 left)")
                         .arg(index)
                         .arg(size)
                         .arg(metafile.size() - offset);
      return report;
    }
    if (type == kEof) return report;
    EnhancedPlayer player(context, metafile.sliced(offset, size));
    offset += size;
    if (!player.apply(type)) {
      ++report.skipped;
      continue;
    }
    if (player.overrun()) {
      report.error =
          QStringLiteral("metafile record %1 (type %2) is shorter than its contents").arg(index).arg(type);
      return report;
    }
    ++report.played;
  }
  return report;
}

}  // namespace vellumo
