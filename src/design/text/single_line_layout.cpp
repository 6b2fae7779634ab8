// Offsets, automatic size, rectangles and origins of single-line text.
#include "design/text/single_line_layout.h"

#include <algorithm>
#include <cmath>

namespace vellumo {
namespace {

int Units(double inches) { return static_cast<int>(std::lround(inches * kScreenPpi)); }
int Trunc(double units) { return static_cast<int>(units); }

bool Turned(int angle) { return angle == 90 || angle == 270; }

// A copy's offset turned with the text.
QPoint TurnedOffset(QPoint d, int angle) {
  switch (angle) {
    case 90: return {d.y(), -d.x()};
    case 180: return {-d.x(), -d.y()};
    case 270: return {-d.y(), d.x()};
    default: return d;
  }
}

QPoint Origin(const UnitRect& r, int angle) {
  switch (angle) {
    case 90: return {r.left, r.bottom};
    case 180: return {r.right, r.bottom};
    case 270: return {r.right, r.top};
    default: return {r.left, r.top};
  }
}

// The size the text asks for: f is the height of the text with its
// shadow below and its highlight above.
QSize AutoSize(QSize size, int angle, int tw, int f) {
  int w = size.width(), h = size.height();
  if (Turned(angle)) {
    if (1.2 * tw < h) h = Trunc(1.2 * tw);
    if (h < 5) h = tw;
    if (1.2 * f < w) w = Trunc(1.2 * f);
    if (w < f) w = f;
  } else {
    if (angle == 180) {
      if (2 * tw < w) w = 2 * tw;
      if (w <= 5) w = tw;
    }
    if (1.2 * f < h) h = Trunc(1.2 * f);
    if (h < f) h = f;
  }
  return {w, h};
}

}  // namespace

QPoint ShadowOffset(TShadowDirection direction, int d) {
  switch (direction) {
    case sdRight: return {d, 0};
    case sdLeft: return {-d, 0};
    case sdDownRight: return {d, d};
    case sdDownLeft: return {-d, d};
    case sdDown: return {0, d};
    case sdNone: break;
  }
  return {0, 0};
}

QPoint HighlightOffset(THighlightDirection direction, int d) {
  switch (direction) {
    case hdright: return {d, 0};
    case hdLeft: return {-d, 0};
    case hdUpRight: return {d, -d};
    case hdUpLeft: return {-d, -d};
    case hdUp: return {0, -d};
    case hdNone: break;
  }
  return {0, 0};
}

QPoint OriginShift(const TextEffects& e) {
  const QPoint s = ShadowOffset(e.DirectionShadow, e.DepthShadow);
  const QPoint h = HighlightOffset(e.DirectionHighlight, e.DepthHighlight);
  return {std::max({0, -s.x(), -h.x()}), std::max({0, -s.y(), -h.y()})};
}

bool ShadowPrints(const TextEffects& e) { return e.DepthShadow > 0 && e.DirectionShadow != sdNone; }
bool HighlightPrints(const TextEffects& e) { return e.DepthHighlight > 0 && e.DirectionHighlight != hdNone; }

std::optional<SingleLineBox> WithAngle(const SingleLineBox& box, int angle) {
  if (angle != 0 && angle != 90 && angle != 180 && angle != 270) return std::nullopt;
  SingleLineBox turned = box;
  turned.angle = angle;
  if (angle != 0) turned.alignment = taLeftJustify;
  const QSize s = box.size;
  const bool wrong_way = Turned(angle) ? s.height() < s.width() : s.width() < s.height();
  if (wrong_way) turned.size = s.transposed();
  return turned;
}

SingleLineLayout LayOutSingleLine(const QString& caption, const SingleLineBox& box, const TextEffects& effects,
                                  const TextMeasure& measure) {
  SingleLineLayout out;
  const int angle = box.angle;
  const int line = Units(measure.line_height);
  out.text_width = Units(measure.width(caption + QLatin1Char(' ')));
  const QPoint s = ShadowOffset(effects.DirectionShadow, effects.DepthShadow);
  const QPoint h = HighlightOffset(effects.DirectionHighlight, effects.DepthHighlight);
  out.shift = OriginShift(effects);
  const int ox = out.shift.x(), oy = out.shift.y();
  out.size = AutoSize(box.size, angle, out.text_width, line + s.y() - h.y());
  const int w = out.size.width(), ht = out.size.height();

  UnitRect r = Turned(angle) ? UnitRect{oy, ox, oy + line, ht - oy} : UnitRect{ox, oy, w, oy + line};
  if (angle == 90) r = r.Moved({0, ht + r.top + h.x() - r.bottom - 1});
  if (angle == 180) r = r.Moved({w + r.left - r.right - s.y() - 1, 0});
  out.main = r;
  out.shadow = r.Moved(TurnedOffset(s, angle));
  out.highlight = r.Moved(TurnedOffset(h, angle));
  out.main_origin = Origin(out.main, angle);
  out.shadow_origin = Origin(out.shadow, angle);
  out.highlight_origin = Origin(out.highlight, angle);
  if (angle == 0) {
    int x = r.left;
    if (box.alignment == taRightJustify) x = r.right - out.text_width;
    if (box.alignment == taCenter) x = (r.right - r.left) / 2 - out.text_width / 2;
    out.main_origin.setX(x);
    out.highlight_origin.setX(x + h.x());
    out.shadow_origin.setX(x + s.x());
  }
  return out;
}

QSize GrowToFit(const QString& caption, QSize size, const SingleLineLayout& layout, const TextMeasure& measure) {
  const int left = std::max({layout.main.left, layout.shadow.left, layout.highlight.left});
  const int top = std::max({layout.main.top, layout.shadow.top, layout.highlight.top});
  const int right = left + Units(measure.width(caption + QStringLiteral("     ")));
  const int bottom = top + Units(measure.line_height);
  return size.expandedTo(QSize(right, bottom));
}

QPointF UnitsToInches(QPoint units) { return {units.x() / kScreenPpi, units.y() / kScreenPpi}; }

QRectF UnitsToInches(const UnitRect& u) {
  return {u.left / kScreenPpi, u.top / kScreenPpi, (u.right - u.left) / kScreenPpi, (u.bottom - u.top) / kScreenPpi};
}

QRectF PrintClipInches(const UnitRect& units) {
  return UnitsToInches(units).adjusted(-kPrintClipBleed, -kPrintClipBleed, 0, 0);
}

}  // namespace vellumo
