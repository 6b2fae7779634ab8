// The metafile drawing state and its drawing operations on a QPainter.
#include "design/pictures/gdi_context.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "design/pictures/symbol_font.h"

namespace vellumo {
namespace {

enum MapMode { kText = 1, kLoMetric, kHiMetric, kLoEnglish, kHiEnglish, kTwips, kIsotropic, kAnisotropic };
enum PenStyle { kSolid = 0, kDash, kDot, kDashDot, kDashDotDot, kNullPen, kInsideFrame };
enum BrushStyle { kSolidBrush = 0, kNullBrush = 1, kHatched = 2 };
constexpr uint32_t kPenStyleMask = 0x0F;
constexpr uint32_t kEndCapMask = 0x0F00;
constexpr uint32_t kEndCapSquare = 0x0100;
constexpr uint32_t kEndCapFlat = 0x0200;
constexpr uint32_t kJoinMask = 0xF000;
constexpr uint32_t kJoinBevel = 0x1000;
constexpr uint32_t kJoinMiter = 0x2000;
constexpr uint32_t kTextUpdatePosition = 1;
constexpr uint32_t kTextRight = 2;
constexpr uint32_t kTextCenter = 6;
constexpr uint32_t kTextBottom = 8;
constexpr uint32_t kTextBaseline = 24;
constexpr uint32_t kOpaqueRect = 2;
constexpr uint32_t kClipRect = 4;
constexpr uint32_t kSourceAnd = 0x008800C6;
constexpr uint32_t kSourcePaint = 0x00EE0086;
constexpr uint32_t kSourceInvert = 0x00660046;
constexpr uint32_t kPatternCopy = 0x00F00021;
constexpr uint32_t kBlackness = 0x00000042;
constexpr uint32_t kWhiteness = 0x00FF0062;
constexpr double kDefaultFontPixels = 12;  // device pixels, as a reference display's system font
constexpr double kMaxFontPixels = 10000;   // beyond any page; a bigger font is damage

Qt::BrushStyle HatchPattern(uint32_t hatch) {
  switch (hatch) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;  // "\\\\" lines
    case 3: return Qt::BDiagPattern;  // "////" lines
    case 4: return Qt::CrossPattern;
    default: return Qt::DiagCrossPattern;
  }
}

// Degrees of the point's direction from the box's centre, measured as Qt
// measures arcs on an ellipse (counter-clockwise on screen).
double ArcAngle(const QRectF& box, QPointF point) {
  QPointF c = box.center();
  double rx = std::max(box.width() / 2, 1e-9);
  double ry = std::max(box.height() / 2, 1e-9);
  return qRadiansToDegrees(std::atan2(-(point.y() - c.y()) / ry, (point.x() - c.x()) / rx));
}

// A transform a damaged metafile may give: all numbers finite, and not
// collapsing the picture to a line.
bool IsUsable(const QTransform& t) {
  for (double v : {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()}) {
    if (!std::isfinite(v)) return false;
  }
  return t.isInvertible();
}

QSizeF Scaled(QSizeF extent, double x_num, double x_den, double y_num, double y_den) {
  if (x_den == 0 || y_den == 0) return extent;
  return QSizeF(extent.width() * x_num / x_den, extent.height() * y_num / y_den);
}

}  // namespace

GdiContext::GdiContext(QPainter& painter, const QRectF& device_frame, const QRectF& target, double device_per_mm)
    : painter_(painter), target_(target), device_per_mm_(device_per_mm > 0 ? device_per_mm : 96 / 25.4) {
  painter_.save();
  if (device_frame.width() != 0 && device_frame.height() != 0) {
    device_to_target_ = QTransform::fromTranslate(-device_frame.left(), -device_frame.top()) *
                        QTransform::fromScale(target.width() / device_frame.width(),
                                              target.height() / device_frame.height()) *
                        QTransform::fromTranslate(target.left(), target.top());
  }
  state_.clip = target;
}

GdiContext::~GdiContext() { painter_.restore(); }

void GdiContext::storeObject(uint32_t index, GdiObject object) {
  // The table grows only as far as a sane metafile needs.
  constexpr uint32_t kMaxObjects = 65536;
  if (index >= kMaxObjects) return;
  if (index >= objects_.size()) {
    objects_.resize(index + 1);
    used_.resize(index + 1, false);
  }
  objects_[index] = std::move(object);
  used_[index] = true;
}

void GdiContext::storeInFreeSlot(GdiObject object) {
  auto free = std::find(used_.begin(), used_.end(), false);
  storeObject(static_cast<uint32_t>(free - used_.begin()), std::move(object));
}

void GdiContext::selectObject(uint32_t index) {
  if (index >= objects_.size() || !used_[index]) return;
  const GdiObject& object = objects_[index];
  if (auto* pen = std::get_if<GdiPen>(&object)) state_.pen = *pen;
  if (auto* brush = std::get_if<GdiBrush>(&object)) state_.brush = *brush;
  if (auto* font = std::get_if<GdiFont>(&object)) state_.font = *font;
}

void GdiContext::selectStockObject(uint32_t stock) {
  static const int kBrushGrey[] = {255, 192, 128, 64, 0};
  if (stock < 5) state_.brush = GdiBrush{kSolidBrush, QColor(kBrushGrey[stock], kBrushGrey[stock], kBrushGrey[stock]), 0, {}};
  if (stock == 5) state_.brush = GdiBrush{kNullBrush, Qt::white, 0, {}};
  if (stock == 6) state_.pen = GdiPen{kSolid, 0, Qt::white};
  if (stock == 7) state_.pen = GdiPen{kSolid, 0, Qt::black};
  if (stock == 8) state_.pen = GdiPen{kNullPen, 0, Qt::black};
  if (stock >= 10 && stock != 15 && stock <= 17) state_.font = GdiFont{};
}

void GdiContext::deleteObject(uint32_t index) {
  if (index >= objects_.size()) return;
  objects_[index] = GdiPlaceholder{};
  used_[index] = false;
}

void GdiContext::setWindowExt(QSizeF extent) {
  if (extent.width() != 0 && extent.height() != 0) state_.window_ext = extent;
}

void GdiContext::setViewportExt(QSizeF extent) {
  if (extent.width() != 0 && extent.height() != 0) state_.viewport_ext = extent;
}

void GdiContext::scaleWindowExt(double x_num, double x_den, double y_num, double y_den) {
  setWindowExt(Scaled(state_.window_ext, x_num, x_den, y_num, y_den));
}

void GdiContext::scaleViewportExt(double x_num, double x_den, double y_num, double y_den) {
  setViewportExt(Scaled(state_.viewport_ext, x_num, x_den, y_num, y_den));
}

void GdiContext::setWorldTransform(const QTransform& transform) {
  if (IsUsable(transform)) state_.world = transform;
}

void GdiContext::modifyWorldTransform(const QTransform& transform, uint32_t mode) {
  if (!IsUsable(transform)) return;
  // The metafile's left-multiply applies its transform first.
  if (mode == 1) state_.world = QTransform();
  if (mode == 2) state_.world = transform * state_.world;
  if (mode == 3) state_.world = state_.world * transform;
  if (mode == 4) state_.world = transform;
}

void GdiContext::intersectClip(const QRectF& logical_rect) {
  QRectF rect = logicalToTarget().mapRect(logical_rect.normalized());
  state_.clip = state_.clip ? state_.clip->intersected(rect) : rect;
}

void GdiContext::save() {
  constexpr size_t kMaxSaves = 1024;
  if (saved_.size() < kMaxSaves) saved_.push_back(state_);
}

void GdiContext::restore(int which) {
  const auto count = static_cast<int>(saved_.size());
  int index = which < 0 ? count + which : which - 1;
  if (index < 0 || index >= count) return;
  state_ = saved_[index];
  saved_.resize(index);
}

QTransform GdiContext::mapping() const {
  const State& s = state_;
  auto metric = [&](double mm_per_unit) {
    double k = mm_per_unit * device_per_mm_;
    return QTransform::fromTranslate(-s.window_org.x(), -s.window_org.y()) * QTransform::fromScale(k, -k) *
           QTransform::fromTranslate(s.viewport_org.x(), s.viewport_org.y());
  };
  double sx = s.viewport_ext.width() / s.window_ext.width();
  double sy = s.viewport_ext.height() / s.window_ext.height();
  switch (s.map_mode) {
    case kLoMetric: return metric(0.1);
    case kHiMetric: return metric(0.01);
    case kLoEnglish: return metric(0.254);
    case kHiEnglish: return metric(0.0254);
    case kTwips: return metric(25.4 / 1440);
    case kIsotropic: {
      double k = std::min(std::abs(sx), std::abs(sy));
      sx = std::copysign(k, sx);
      sy = std::copysign(k, sy);
      break;
    }
    case kAnisotropic: break;
    default: sx = sy = 1; break;  // text mode: one logical unit is one device unit
  }
  return QTransform::fromTranslate(-s.window_org.x(), -s.window_org.y()) * QTransform::fromScale(sx, sy) *
         QTransform::fromTranslate(s.viewport_org.x(), s.viewport_org.y());
}

QTransform GdiContext::logicalToTarget() const { return state_.world * mapping() * device_to_target_; }

Qt::FillRule GdiContext::fillRule() const { return state_.winding_fill ? Qt::WindingFill : Qt::OddEvenFill; }

void GdiContext::preparePainter(bool with_pen, bool with_brush) {
  painter_.setTransform(logicalToTarget());
  painter_.setClipping(false);
  if (state_.clip) {
    painter_.setTransform(QTransform());
    painter_.setClipRect(*state_.clip);
    painter_.setTransform(logicalToTarget());
  }
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setBackground(state_.background_color);
  painter_.setBackgroundMode(state_.background_opaque ? Qt::OpaqueMode : Qt::TransparentMode);

  const GdiPen& p = state_.pen;
  uint32_t style = p.style & kPenStyleMask;
  if (!with_pen || style == kNullPen) {
    painter_.setPen(Qt::NoPen);
  } else {
    static const Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
    QPen pen(p.color, p.width <= 1e-9 ? 0 : p.width);
    pen.setStyle(style < 5 ? kStyles[style] : Qt::SolidLine);
    uint32_t cap = p.style & kEndCapMask;
    pen.setCapStyle(cap == kEndCapSquare ? Qt::SquareCap : cap == kEndCapFlat ? Qt::FlatCap : Qt::RoundCap);
    uint32_t join = p.style & kJoinMask;
    pen.setJoinStyle(join == kJoinBevel ? Qt::BevelJoin : join == kJoinMiter ? Qt::MiterJoin : Qt::RoundJoin);
    painter_.setPen(pen);
  }

  const GdiBrush& b = state_.brush;
  if (!with_brush || b.style == kNullBrush) {
    painter_.setBrush(Qt::NoBrush);
  } else if (b.style == kHatched) {
    painter_.setBrush(QBrush(b.color, HatchPattern(b.hatch)));
  } else if (b.style != kSolidBrush && !b.pattern.isNull()) {
    painter_.setBrush(QBrush(b.pattern));
  } else {
    painter_.setBrush(b.color);
  }
}

void GdiContext::drawPath(const QPainterPath& path, bool stroke, bool fill) {
  preparePainter(stroke, fill);
  painter_.drawPath(path);
}

bool GdiContext::addToPath(const QPainterPath& shape) {
  if (!path_open_) return false;
  path_.addPath(shape);
  return true;
}

void GdiContext::moveTo(QPointF point) {
  state_.position = point;
  if (path_open_) path_.moveTo(point);
}

void GdiContext::lineTo(QPointF point) {
  if (path_open_) {
    if (path_.elementCount() == 0) path_.moveTo(state_.position);
    path_.lineTo(point);
  } else {
    preparePainter(true, false);
    painter_.drawLine(state_.position, point);
  }
  state_.position = point;
}

void GdiContext::polygon(const QPolygonF& points) {
  QPainterPath shape;
  shape.addPolygon(points);
  shape.closeSubpath();
  shape.setFillRule(fillRule());
  if (!addToPath(shape)) drawPath(shape, true, true);
}

void GdiContext::polyPolygon(const std::vector<QPolygonF>& polygons) {
  QPainterPath shape;
  shape.setFillRule(fillRule());
  for (const QPolygonF& points : polygons) {
    shape.addPolygon(points);
    shape.closeSubpath();
  }
  if (!addToPath(shape)) drawPath(shape, true, true);
}

void GdiContext::polyline(const QPolygonF& points) {
  if (points.isEmpty()) return;
  if (path_open_) {
    path_.moveTo(points.first());
    for (qsizetype i = 1; i < points.size(); ++i) path_.lineTo(points[i]);
    return;
  }
  preparePainter(true, false);
  painter_.drawPolyline(points);
}

void GdiContext::polylineTo(const QPolygonF& points) {
  if (points.isEmpty()) return;
  QPolygonF line = points;
  line.prepend(state_.position);
  if (path_open_) {
    if (path_.elementCount() == 0) path_.moveTo(state_.position);
    for (QPointF p : points) path_.lineTo(p);
  } else {
    preparePainter(true, false);
    painter_.drawPolyline(line);
  }
  state_.position = points.last();
}

void GdiContext::polyBezier(const QPolygonF& points, bool from_current) {
  qsizetype first = from_current ? 0 : 1;
  if (points.size() < first) return;
  QPainterPath curve;
  curve.moveTo(from_current ? state_.position : points.first());
  qsizetype i = first;
  for (; i + 2 < points.size(); i += 3) curve.cubicTo(points[i], points[i + 1], points[i + 2]);
  if (from_current && i > 0) state_.position = points[i - 1];
  if (path_open_) {
    if (from_current && path_.elementCount() > 0) {
      path_.connectPath(curve);
    } else {
      path_.addPath(curve);
    }
    return;
  }
  drawPath(curve, true, false);
}

void GdiContext::rectangle(const QRectF& box) {
  QPainterPath shape;
  shape.addRect(box.normalized());
  if (!addToPath(shape)) drawPath(shape, true, true);
}

void GdiContext::roundRect(const QRectF& box, QSizeF corner) {
  QPainterPath shape;
  shape.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
  if (!addToPath(shape)) drawPath(shape, true, true);
}

void GdiContext::ellipse(const QRectF& box) {
  QPainterPath shape;
  shape.addEllipse(box.normalized());
  if (!addToPath(shape)) drawPath(shape, true, true);
}

void GdiContext::arc(ArcKind kind, const QRectF& logical_box, QPointF start, QPointF end) {
  QRectF box = logical_box.normalized();
  double from = ArcAngle(box, start);
  double sweep = ArcAngle(box, end) - from;
  while (sweep <= 0) sweep += 360;
  QPainterPath shape;
  if (kind == ArcKind::kPie) {
    shape.moveTo(box.center());
  } else {
    shape.arcMoveTo(box, from);
  }
  shape.arcTo(box, from, sweep);
  if (kind != ArcKind::kArc) shape.closeSubpath();
  if (addToPath(shape)) return;
  drawPath(shape, true, kind != ArcKind::kArc);
}

void GdiContext::text(const GdiText& run) {
  const GdiFont& f = state_.font;
  QString family = f.face;
  QString text = run.text;
  if (SymbolFont::isSymbolFont(f.face)) {
    family = SymbolFont::substituteFamily();
    // Wide strings in the symbol font may carry its codes at U+F020..U+F0FF.
    QString codes;
    for (QChar c : run.text) codes += (c.unicode() & 0xFF00) == 0xF000 ? QChar(c.unicode() & 0xFF) : c;
    text = SymbolFont::resolveText(f.face, codes);
  } else if (run.eight_bit) {
    text = SymbolFont::resolveText(f.face, run.text);
  }

  preparePainter(false, false);
  const QTransform full = logicalToTarget();
  if (run.rect && (run.options & (kOpaqueRect | kClipRect))) {
    if (run.options & kOpaqueRect) painter_.fillRect(run.rect->normalized(), state_.background_color);
    if (run.options & kClipRect) painter_.setClipRect(run.rect->normalized(), Qt::IntersectClip);
  }
  const double sx = std::hypot(full.m11(), full.m12());
  const double sy = std::hypot(full.m21(), full.m22());
  if (sx <= 0 || sy <= 0) return;

  QFont font(family);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight == 0 ? 400 : f.weight, 100, 900)));
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strike_out);
  double em = f.height < 0 ? -f.height * sy : f.height * sy;
  if (f.height > 0) {  // a cell height: take off the font's internal leading
    QFont probe = font;
    probe.setPixelSize(100);
    QFontMetricsF metrics(probe);
    em *= 100 / std::max(metrics.ascent() + metrics.descent(), 1.0);
  }
  if (f.height == 0) em = kDefaultFontPixels;
  em = std::min(em, kMaxFontPixels);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
  QFontMetricsF metrics(font);

  // Text coordinates: origin at the reference point, x along the
  // escapement, in logical units scaled by the vertical scale.
  const bool use_position = state_.text_align & kTextUpdatePosition;
  QPointF origin = full.map(use_position ? state_.position : run.reference);
  QTransform placement = QTransform::fromScale(sx / sy, 1) * QTransform().rotate(-f.escapement / 10.0) *
                         QTransform::fromTranslate(origin.x(), origin.y());

  double width = 0;
  std::vector<double> offsets;
  if (!run.advances.empty()) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      offsets.push_back(width);
      width += (i < static_cast<qsizetype>(run.advances.size()) ? run.advances[i] : 0) * sy;
    }
  } else {
    width = metrics.horizontalAdvance(text);
  }
  double x = 0;
  uint32_t horizontal = state_.text_align & kTextCenter;
  if (horizontal == kTextCenter) x = -width / 2;
  else if (horizontal == kTextRight) x = -width;
  double y = metrics.ascent();
  uint32_t vertical = state_.text_align & kTextBaseline;
  if (vertical == kTextBaseline) y = 0;
  else if (vertical == kTextBottom) y = -metrics.descent();

  painter_.setTransform(placement);
  painter_.setFont(font);
  painter_.setPen(state_.text_color);
  if (state_.background_opaque) {
    painter_.fillRect(QRectF(x, y - metrics.ascent(), width, metrics.height()), state_.background_color);
  }
  if (offsets.empty()) {
    painter_.drawText(QPointF(x, y), text);
  } else {
    for (qsizetype i = 0; i < text.size(); ++i) painter_.drawText(QPointF(x + offsets[i], y), QString(text[i]));
  }
  if (use_position && horizontal != kTextCenter && horizontal != kTextRight) {
    state_.position = full.inverted().map(placement.map(QPointF(x + width, 0)));
  }
}

void GdiContext::bitmap(const QImage& image, const QRectF& dest, const QRectF& source, uint32_t rop) {
  if (image.isNull()) return;
  QRect part = source.normalized().intersected(QRectF(image.rect())).toRect();
  if (part.isEmpty()) return;
  QImage picture = image.copy(part).mirrored(dest.width() < 0, dest.height() < 0);
  preparePainter(false, false);
  if (painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::Raster) {
    if (rop == kSourceAnd) painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    if (rop == kSourcePaint) painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    if (rop == kSourceInvert) painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  }
  painter_.drawImage(dest.normalized(), picture);
}

void GdiContext::setPixel(QPointF point, QColor color) {
  preparePainter(false, false);
  painter_.fillRect(QRectF(point, QSizeF(1, 1)), color);
}

void GdiContext::patternBlit(const QRectF& dest, uint32_t rop) {
  preparePainter(false, true);
  if (rop == kBlackness) painter_.fillRect(dest.normalized(), Qt::black);
  if (rop == kWhiteness) painter_.fillRect(dest.normalized(), Qt::white);
  if (rop == kPatternCopy) painter_.fillRect(dest.normalized(), painter_.brush());
}

void GdiContext::beginPath() {
  path_ = QPainterPath();
  path_open_ = true;
}

void GdiContext::abortPath() {
  path_ = QPainterPath();
  path_open_ = false;
}

void GdiContext::closeFigure() {
  if (path_open_) path_.closeSubpath();
}

void GdiContext::fillPath() {
  path_.setFillRule(fillRule());
  drawPath(path_, false, true);
  path_ = QPainterPath();
}

void GdiContext::strokePath() {
  drawPath(path_, true, false);
  path_ = QPainterPath();
}

void GdiContext::strokeAndFillPath() {
  path_.setFillRule(fillRule());
  drawPath(path_, true, true);
  path_ = QPainterPath();
}

}  // namespace vellumo
