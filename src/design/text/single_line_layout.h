// The layout of a single-line text object: the offsets of its shadow and
// highlight copies, the push of the text away from copies that lie left
// of or above it, its automatic height (or width when turned), the three
// clip rectangles and the points the three copies are drawn at, for each
// of the four rotations. Geometry is in design units (kScreenPpi per
// inch); the caption is measured on the canvas that draws it.
#pragma once

#include <QPoint>
#include <QRectF>
#include <QSize>
#include <optional>

#include "design/text/text_layout.h"

namespace vellumo {

enum TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
enum THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };

struct TextEffects {
  TShadowDirection DirectionShadow = sdDownRight;
  int DepthShadow = 0;
  THighlightDirection DirectionHighlight = hdUpLeft;
  int DepthHighlight = 0;
};

// Where a copy lies relative to the main text (y grows downward).
QPoint ShadowOffset(TShadowDirection direction, int depth);
QPoint HighlightOffset(THighlightDirection direction, int depth);
// How far the text is pushed right and down so that a copy lying left of
// or above it is not cut off.
QPoint OriginShift(const TextEffects& effects);
// Whether a copy goes on paper: it needs a depth and a direction. (On
// screen both copies are drawn always, under the main text.)
bool ShadowPrints(const TextEffects& effects);
bool HighlightPrints(const TextEffects& effects);

// The object's placement as the angle rules leave it.
struct SingleLineBox {
  QSize size{142, 33};
  int angle = 0;
  TAlignment alignment = taLeftJustify;
};

// Setting the angle: only 0, 90, 180 and 270 are taken (nullopt for any
// other). A turned object is left-aligned, and one lying the wrong way
// for its angle has width and height swapped.
std::optional<SingleLineBox> WithAngle(const SingleLineBox& box, int angle);

// A rectangle in design units, right and bottom edges excluded.
struct UnitRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  [[nodiscard]] UnitRect Moved(QPoint by) const {
    return {left + by.x(), top + by.y(), right + by.x(), bottom + by.y()};
  }
  bool operator==(const UnitRect&) const = default;
};

struct SingleLineLayout {
  QSize size;  // the object's size after the automatic sizing
  QPoint shift;
  UnitRect main, shadow, highlight;
  // The reference corner of the text in each rectangle: top-left at 0°,
  // bottom-left at 90°, bottom-right at 180°, top-right at 270°.
  QPoint main_origin, shadow_origin, highlight_origin;
  int text_width = 0;  // the caption and one space
};

// Lays out `caption` in `box` with `effects`; `measure` is the object's
// font on the drawing canvas.
SingleLineLayout LayOutSingleLine(const QString& caption, const SingleLineBox& box, const TextEffects& effects,
                                  const TextMeasure& measure);

// The size an unrotated object grows to after its text or font changed:
// wide enough for the caption and five spaces from the rightmost copy's
// left edge, high enough for a line from the lowest copy's top. It never
// shrinks.
QSize GrowToFit(const QString& caption, QSize size, const SingleLineLayout& layout, const TextMeasure& measure);

// Inches from the object's top-left corner of a point or rectangle in
// design units.
QPointF UnitsToInches(QPoint units);
QRectF UnitsToInches(const UnitRect& units);

// On paper each copy is clipped to its rectangle widened by this much to
// the left and upward, so that the printer's rounding does not shave the
// first column or row of the text.
inline constexpr double kPrintClipBleed = 0.03;
QRectF PrintClipInches(const UnitRect& units);

}  // namespace vellumo
