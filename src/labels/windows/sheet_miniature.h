// A sheet of labels drawn small: every position of the stock as a
// rectangle, red when it will be printed and white when it stays blank;
// a click on a rectangle switches it.
#pragma once

#include <QRectF>
#include <QWidget>

#include "labels/setup/sheet_position_mask.h"
#include "labels/stock/stock_geometry.h"

namespace vellumo {

class SheetMiniature : public QWidget {
  Q_OBJECT

 public:
  // REQUIRES: the geometry's positions fit the mask (CheckSheetPositions).
  SheetMiniature(const StockGeometry& geometry, const SheetPositionMask& mask, QWidget* parent = nullptr);

  [[nodiscard]] const SheetPositionMask& mask() const { return mask_; }
  void SetMask(const SheetPositionMask& mask);
  // Where position `index` is drawn, in the widget's pixels.
  [[nodiscard]] QRectF CellRect(int index) const;
  // The position drawn at `point`, -1 for none.
  [[nodiscard]] int CellAt(QPointF point) const;

  [[nodiscard]] QSize sizeHint() const override { return {170, 220}; }

 signals:
  void MaskChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // The sheet's paper within the widget, keeping its proportions.
  [[nodiscard]] QRectF SheetRect() const;

  StockGeometry geometry_;
  SheetPositionMask mask_;
};

}  // namespace vellumo
