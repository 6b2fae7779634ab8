// The numbered pen styles, pen modes and brush styles that designs store,
// turned into what a QPainter draws with.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace vellumo {

// Pen styles 0..6.
enum PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// Pen modes 0..15; pmCopy (4) is plain drawing.
enum PenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
// Brush styles 0..7.
enum BrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// How a pen mode draws: not at all (pmNop), in a fixed colour (pmBlack,
// pmWhite), in the inverted pen colour (pmNotCopy), or by combining with
// what is already on the page. Combining modes need a raster device; on
// vector devices (PDF, printers) they draw as plain copies.
struct PenModeEffect {
  bool draws = true;
  bool fixed_color = false;
  QColor color;
  bool invert_color = false;
  QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
};
PenModeEffect EffectOfPenMode(int mode);

Qt::PenStyle QtPenStyle(int style);

// A brush of `style` in `color`; a non-null `pattern` is tiled instead of
// the style's hatch (a clear style stays clear).
QBrush QtBrush(const QColor& color, int style, const QImage& pattern);

}  // namespace vellumo
