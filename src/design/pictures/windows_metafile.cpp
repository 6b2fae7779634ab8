// Reading and playing placeable Windows metafiles.
#include "design/pictures/windows_metafile.h"

#include "design/pictures/bitmap_file.h"
#include "design/pictures/byte_reader.h"
#include "design/pictures/gdi_context.h"
#include "design/pictures/metafile_colour.h"
#include "design/pictures/metafile_points.h"

namespace vellumo {
namespace {

constexpr int kRecordHeaderWords = 3;  // size (2 words) and function
constexpr int kFaceNameBytes = 32;
constexpr int kAnisotropic = 8;
constexpr uint16_t kOpaqueOrClipped = 0x0006;

enum Function : uint16_t {
  kEof = 0x0000,
  kRealizePalette = 0x0035,
  kSetPaletteEntries = 0x0037,
  kCreatePalette = 0x00F7,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetRop2 = 0x0104,
  kSetRelAbs = 0x0105,
  kSetPolyFillMode = 0x0106,
  kSetStretchBltMode = 0x0107,
  kSetTextCharExtra = 0x0108,
  kSaveDc = 0x001E,
  kRestoreDc = 0x0127,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kResizePalette = 0x0139,
  kDibCreatePatternBrush = 0x0142,
  kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9,
  kSetBkColor = 0x0201,
  kSetTextColor = 0x0209,
  kSetTextJustification = 0x020A,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetViewportOrg = 0x020D,
  kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F,
  kOffsetViewportOrg = 0x0211,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kSetMapperFlags = 0x0231,
  kSelectPalette = 0x0234,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kScaleWindowExt = 0x0410,
  kScaleViewportExt = 0x0412,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kAnimatePalette = 0x0436,
  kTextOut = 0x0521,
  kPolyPolygon = 0x0538,
  kRoundRect = 0x061C,
  kEscape = 0x0626,
  kCreateRegion = 0x06FF,
  kArc = 0x0817,
  kPie = 0x081A,
  kChord = 0x0830,
  kDibBitBlt = 0x0940,
  kExtTextOut = 0x0A32,
  kDibStretchBlt = 0x0B41,
  kStretchDib = 0x0F43,
};

// A y, x pair as most records store a point.
QPointF PointYX(ByteReader& r) {
  double y = r.i16();
  double x = r.i16();
  return {x, y};
}

QSizeF SizeYX(ByteReader& r) {
  double h = r.i16();
  double w = r.i16();
  return {w, h};
}

// A box stored bottom, right, top, left.
QRectF BoxBRTL(ByteReader& r) {
  double bottom = r.i16();
  double right = r.i16();
  double top = r.i16();
  double left = r.i16();
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF Points(ByteReader& r, int count) { return ReadPoints(r, count, true); }

QByteArrayView EvenBytes(ByteReader& r, int count) {
  QByteArrayView bytes = r.bytes(count);
  if (count % 2) r.skip(1);
  return bytes;
}

GdiFont ReadFont(ByteReader& r) {
  GdiFont font;
  font.height = r.i16();
  r.skip(2);  // width
  font.escapement = r.i16();
  r.skip(2);  // orientation
  font.weight = r.i16();
  font.italic = r.u8() != 0;
  font.underline = r.u8() != 0;
  font.strike_out = r.u8() != 0;
  r.skip(5);  // character set, precisions, quality, pitch and family
  QByteArrayView face = r.bytes(std::min<qsizetype>(r.remaining(), kFaceNameBytes));
  qsizetype end = face.indexOf('\0');
  font.face = QString::fromLatin1(end < 0 ? face : face.first(end));
  return font;
}

void Blit(GdiContext& context, ByteReader& r, uint16_t function, bool has_bitmap) {
  uint32_t rop = r.u32();
  QSizeF source_size;
  QPointF source_origin;
  if (function == kStretchDib) r.skip(2);  // colour usage
  if (function != kDibBitBlt) source_size = SizeYX(r);
  source_origin = PointYX(r);
  if (!has_bitmap) r.skip(2);  // reserved
  QSizeF dest_size = SizeYX(r);
  QPointF dest_origin = PointYX(r);
  if (function == kDibBitBlt) source_size = dest_size;
  QRectF dest(dest_origin, dest_size);
  if (!has_bitmap) {
    context.patternBlit(dest, rop);
    return;
  }
  QByteArrayView dib = r.bytes(r.remaining());
  QImage image = DecodePackedBitmap(dib);
  context.bitmap(image, dest, ImageSourceRect(dib, image, QRectF(source_origin, source_size)), rop);
}

// Applies one record; false when the function is not one the player knows.
bool Apply(GdiContext& context, uint16_t function, ByteReader& r, uint32_t size_words) {
  switch (function) {
    case kSaveDc: context.save(); return true;
    case kRestoreDc: context.restore(r.i16()); return true;
    case kSetBkColor: context.setBackgroundColor(ColourFromRef(r.u32())); return true;
    case kSetBkMode: context.setBackgroundOpaque(r.u16() == 2); return true;
    case kSetTextColor: context.setTextColor(ColourFromRef(r.u32())); return true;
    case kSetTextAlign: context.setTextAlign(r.u16()); return true;
    case kSetPolyFillMode: context.setWindingFill(r.u16() == 2); return true;
    case kSetMapMode: context.setMapMode(r.u16()); return true;
    case kSetWindowOrg: context.setWindowOrg(PointYX(r)); return true;
    case kSetWindowExt: context.setWindowExt(SizeYX(r)); return true;
    case kSetViewportOrg: context.setViewportOrg(PointYX(r)); return true;
    case kSetViewportExt: context.setViewportExt(SizeYX(r)); return true;
    case kOffsetWindowOrg: context.offsetWindowOrg(PointYX(r)); return true;
    case kOffsetViewportOrg: context.offsetViewportOrg(PointYX(r)); return true;
    case kScaleWindowExt:
    case kScaleViewportExt: {
      double y_den = r.i16();
      double y_num = r.i16();
      double x_den = r.i16();
      double x_num = r.i16();
      if (function == kScaleWindowExt) {
        context.scaleWindowExt(x_num, x_den, y_num, y_den);
      } else {
        context.scaleViewportExt(x_num, x_den, y_num, y_den);
      }
      return true;
    }
    case kIntersectClipRect: context.intersectClip(BoxBRTL(r)); return true;
    case kMoveTo: context.moveTo(PointYX(r)); return true;
    case kLineTo: context.lineTo(PointYX(r)); return true;
    case kSelectObject: context.selectObject(r.u16()); return true;
    case kDeleteObject: context.deleteObject(r.u16()); return true;
    case kCreatePenIndirect: {
      GdiPen pen;
      pen.style = r.u16();
      pen.width = r.i16();
      r.skip(2);  // the width's unused y
      pen.color = ColourFromRef(r.u32());
      context.storeInFreeSlot(pen);
      return true;
    }
    case kCreateBrushIndirect: {
      GdiBrush brush;
      brush.style = r.u16();
      brush.color = ColourFromRef(r.u32());
      brush.hatch = r.u16();
      context.storeInFreeSlot(brush);
      return true;
    }
    case kDibCreatePatternBrush: {
      GdiBrush brush;
      brush.style = r.u16();
      r.skip(2);  // colour usage
      brush.pattern = DecodePackedBitmap(r.bytes(r.remaining()));
      context.storeInFreeSlot(brush);
      return true;
    }
    case kCreateFontIndirect: context.storeInFreeSlot(ReadFont(r)); return true;
    case kCreatePalette:
    case kCreatePatternBrush:
    case kCreateRegion: context.storeInFreeSlot(GdiPlaceholder{}); return true;
    case kPolygon: context.polygon(Points(r, r.i16())); return true;
    case kPolyline: context.polyline(Points(r, r.i16())); return true;
    case kPolyPolygon: {
      int count = r.u16();
      std::vector<int> sizes;
      for (int i = 0; i < count && !r.overrun(); ++i) sizes.push_back(r.u16());
      std::vector<QPolygonF> polygons;
      for (int n : sizes) polygons.push_back(Points(r, n));
      context.polyPolygon(polygons);
      return true;
    }
    case kRectangle: context.rectangle(BoxBRTL(r)); return true;
    case kEllipse: context.ellipse(BoxBRTL(r)); return true;
    case kRoundRect: {
      QSizeF corner = SizeYX(r);
      context.roundRect(BoxBRTL(r), corner);
      return true;
    }
    case kArc:
    case kPie:
    case kChord: {
      QPointF end = PointYX(r);
      QPointF start = PointYX(r);
      QRectF box = BoxBRTL(r);
      context.arc(function == kArc ? ArcKind::kArc : function == kPie ? ArcKind::kPie : ArcKind::kChord, box, start,
                  end);
      return true;
    }
    case kTextOut: {
      GdiText text;
      int length = r.i16();
      text.text = QString::fromLatin1(EvenBytes(r, std::max(length, 0)));
      text.reference = PointYX(r);
      context.text(text);
      return true;
    }
    case kExtTextOut: {
      GdiText text;
      text.reference = PointYX(r);
      int length = r.i16();
      text.options = r.u16();
      if (text.options & kOpaqueOrClipped) {
        double left = r.i16();
        double top = r.i16();
        double right = r.i16();
        double bottom = r.i16();
        text.rect = QRectF(QPointF(left, top), QPointF(right, bottom));
      }
      text.text = QString::fromLatin1(EvenBytes(r, std::max(length, 0)));
      if (r.has(2ll * length)) {
        for (int i = 0; i < length; ++i) text.advances.push_back(r.i16());
      }
      context.text(text);
      return true;
    }
    case kDibBitBlt:
    case kDibStretchBlt:
    case kStretchDib: {
      bool has_bitmap = function == kStretchDib || size_words != static_cast<uint32_t>((function >> 8) + 3);
      Blit(context, r, function, has_bitmap);
      return true;
    }
    case kSetRop2:
    case kSetRelAbs:
    case kSetStretchBltMode:
    case kSetTextCharExtra:
    case kSetTextJustification:
    case kSetMapperFlags:
    case kEscape:
    case kSelectPalette:
    case kRealizePalette:
    case kSetPaletteEntries:
    case kResizePalette:
    case kAnimatePalette:
      return true;  // nothing a picture on paper shows
    default:
      return false;
  }
}

}  // namespace

std::optional<MetafileHeader> ReadPlaceableMetafileHeader(QByteArrayView metafile, QString* error) {
  ByteReader r(metafile);
  if (r.remaining() < kPlaceableHeaderSize + kMetafileHeaderSize) {
    *error = QStringLiteral("metafile ends inside its header (needs %1 bytes, %2 there)")
                 .arg(kPlaceableHeaderSize + kMetafileHeaderSize)
                 .arg(r.remaining());
    return std::nullopt;
  }
  if (r.u32() != kPlaceableMetafileKey) {
    *error = QStringLiteral("not a placeable metafile (bad key)");
    return std::nullopt;
  }
  r.skip(2);  // handle
  double left = r.i16();
  double top = r.i16();
  double right = r.i16();
  double bottom = r.i16();
  int units_per_inch = r.u16();
  r.skip(4 + 2);  // reserved, checksum
  uint16_t type = r.u16();
  uint16_t header_words = r.u16();
  if ((type != 1 && type != 2) || header_words != kMetafileHeaderSize / 2) {
    *error = QStringLiteral("metafile header is damaged (type %1, %2 words)").arg(type).arg(header_words);
    return std::nullopt;
  }
  if (right == left || bottom == top || units_per_inch == 0) {
    *error = QStringLiteral("metafile has an empty frame");
    return std::nullopt;
  }
  MetafileHeader header;
  header.device_frame = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
  header.device_per_mm = units_per_inch / 25.4;
  header.size_inches = header.device_frame.size() / units_per_inch;
  header.first_record = kPlaceableHeaderSize + kMetafileHeaderSize;
  return header;
}

PlayReport PlayPlaceableMetafile(QByteArrayView metafile, QPainter& painter, const QRectF& target) {
  PlayReport report;
  std::optional<MetafileHeader> header = ReadPlaceableMetafileHeader(metafile, &report.error);
  if (!header) return report;
  GdiContext context(painter, header->device_frame, target, header->device_per_mm);
  // Played as Windows plays a placeable metafile: its window mapped onto the frame.
  context.setMapMode(kAnisotropic);
  context.setWindowOrg(header->device_frame.topLeft());
  context.setWindowExt(header->device_frame.size());
  context.setViewportOrg(header->device_frame.topLeft());
  context.setViewportExt(header->device_frame.size());

  ByteReader records(metafile.sliced(header->first_record));
  for (int index = 1; records.remaining() > 0; ++index) {
    if (!records.has(2 * kRecordHeaderWords)) {
      report.error = QStringLiteral("metafile ends inside record %1").arg(index);
      return report;
    }
    uint32_t size_words = records.u32();
    uint16_t function = records.u16();
    if (function == kEof) return report;
    if (size_words < kRecordHeaderWords) {
      report.error = QStringLiteral("metafile record %1 has a size of %2").arg(index).arg(size_words);
      return report;
    }
    qint64 parameter_bytes = 2ll * (size_words - kRecordHeaderWords);
    if (!records.has(parameter_bytes)) {
      report.error = QStringLiteral("metafile record %1 runs past the end (needs %2 bytes, %3 left)")
                         .arg(index)
                         .arg(parameter_bytes)
                         .arg(records.remaining());
      return report;
    }
    ByteReader parameters(records.bytes(parameter_bytes));
    if (!Apply(context, function, parameters, size_words)) {
      ++report.skipped;
      continue;
    }
    if (parameters.overrun()) {
      report.error = QStringLiteral("metafile record %1 (function 0x%2) is shorter than its contents")
                         .arg(index)
                         .arg(function, 4, 16, QLatin1Char('0'));
      return report;
    }
    ++report.played;
  }
  return report;
}

}  // namespace vellumo
