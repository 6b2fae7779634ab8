// TGLineShape: a horizontal, vertical or sloping line with a pen.
#pragma once

#include "design/model/graphic_control.h"

namespace vellumo::design {

enum class TLineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };

class TGLineShape : public TGGraphicControl {
 public:
  TGLineShape() : TGGraphicControl(10, 10) {}
  [[nodiscard]] std::string_view ClassName() const override { return "TGLineShape"; }

  TLineStyle LineStyle = TLineStyle::stHorizontal;
  StoredPen Pen;  // a width of n prints n hundredths of an inch

  // A horizontal line spans the page's width, a vertical one its height;
  // sloping lines stay.
  void StretchToEdges(const QSize& page);

  void PrintAt(TBaseReport& canvas, double x0, double y0) const override;

 protected:
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
};

}  // namespace vellumo::design
