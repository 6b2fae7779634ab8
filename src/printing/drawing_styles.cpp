// Pen styles, pen modes and brush styles as Qt drawing state.
#include "printing/drawing_styles.h"

#include <algorithm>

namespace vellumo {

PenModeEffect EffectOfPenMode(int mode) {
  PenModeEffect effect;
  switch (mode) {
    case pmBlack:
      effect.fixed_color = true;
      effect.color = Qt::black;
      break;
    case pmWhite:
      effect.fixed_color = true;
      effect.color = Qt::white;
      break;
    case pmNop:
      effect.draws = false;
      break;
    case pmNot:
      effect.composition = QPainter::RasterOp_NotDestination;
      break;
    case pmNotCopy:
      effect.invert_color = true;
      break;
    case pmMergePenNot:
      effect.composition = QPainter::RasterOp_SourceOrNotDestination;
      break;
    case pmMaskPenNot:
      effect.composition = QPainter::RasterOp_SourceAndNotDestination;
      break;
    case pmMergeNotPen:
      effect.composition = QPainter::RasterOp_NotSourceOrDestination;
      break;
    case pmMaskNotPen:
      effect.composition = QPainter::RasterOp_NotSourceAndDestination;
      break;
    case pmMerge:
      effect.composition = QPainter::RasterOp_SourceOrDestination;
      break;
    case pmNotMerge:
      effect.composition = QPainter::RasterOp_NotSourceAndNotDestination;
      break;
    case pmMask:
      effect.composition = QPainter::RasterOp_SourceAndDestination;
      break;
    case pmNotMask:
      effect.composition = QPainter::RasterOp_NotSourceOrNotDestination;
      break;
    case pmXor:
      effect.composition = QPainter::RasterOp_SourceXorDestination;
      break;
    case pmNotXor:
      effect.composition = QPainter::RasterOp_NotSourceXorDestination;
      break;
    default:  // pmCopy and numbers no mode has
      break;
  }
  return effect;
}

Qt::PenStyle QtPenStyle(int style) {
  static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                             Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
  return kStyles[std::clamp(style, 0, 6)];
}

QBrush QtBrush(const QColor& color, int style, const QImage& pattern) {
  static constexpr Qt::BrushStyle kStyles[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                               Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                               Qt::CrossPattern, Qt::DiagCrossPattern};
  const Qt::BrushStyle qt_style = kStyles[std::clamp(style, 0, 7)];
  if (qt_style == Qt::NoBrush) return QBrush(Qt::NoBrush);
  if (!pattern.isNull()) return QBrush(pattern);
  return QBrush(color, qt_style);
}

}  // namespace vellumo
