// The pictures of the design tools and toggles, drawn with a painter on a
// 24 × 24 grid and scaled, so that they stay sharp at any size and pixel
// ratio.
#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>

class QPainter;

namespace vellumo::design {

enum class DesignIcon {
  kArrow, kText, kMultiLineText, kCounter, kSymbol, kRectangle, kEllipse, kRoundRect, kLine, kPicture,
  kPostnet, kIntelligentMail, kField, kMemo, kAddress,
  // Toggles.
  kGrid, kSnap, kArt, kFieldNames,
  // Editing.
  kUndo, kRedo,
};

// Draws `icon` into `rect` in `ink`.
void PaintDesignIcon(QPainter& painter, DesignIcon icon, const QRectF& rect, const QColor& ink);
// An icon that paints `icon` for each size asked (grey when disabled).
QIcon DesignToolIcon(DesignIcon icon);

}  // namespace vellumo::design
