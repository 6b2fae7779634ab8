// TGLabelShapes: rectangles, rounded rectangles and ellipses with a pen
// and a brush; Trpshapes is the same object under the class name report
// bands store.
#pragma once

#include "design/model/graphic_control.h"

namespace vellumo::design {

// The square and circle kinds draw exactly like rectangle and ellipse.
enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TGLabelShapes : public TGGraphicControl {
 public:
  static constexpr int kDefaultRoundPerc = 25;

  TGLabelShapes() : TGGraphicControl(25, 25) {}
  [[nodiscard]] std::string_view ClassName() const override { return "TGLabelShapes"; }

  TShapeType Shape = TShapeType::stRectangle;
  StoredPen Pen;      // width in design units
  StoredBrush Brush;  // white, solid
  int32_t RoundPerc = kDefaultRoundPerc;  // corner size in percent of the longer side
  [[nodiscard]] bool Transparent() const { return transparent_; }
  // True makes the brush clear, false solid.
  void SetTransparent(bool transparent);

  // The pen prints trunc(width / ScreenPPI × 100) hundredths of an inch wide.
  void PrintAt(TBaseReport& canvas, double x0, double y0) const override;

 protected:
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;

 private:
  bool transparent_ = false;
};

class Trpshapes : public TGLabelShapes {
 public:
  [[nodiscard]] std::string_view ClassName() const override { return "Trpshapes"; }
};

}  // namespace vellumo::design
