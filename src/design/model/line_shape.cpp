// Lines: stored properties, printing and stretching to the page's edges.
#include "design/model/line_shape.h"

#include <string_view>

#include "design/model/design_units.h"
#include "design/model/qt_colour.h"
#include "printing/drawing_styles.h"

namespace vellumo::design {
namespace {

constexpr std::string_view kLineStyleNames[] = {"stHorizontal", "stVertical", "stAngleSlopingUp",
                                                "stAngleSlopingDown"};

}  // namespace

void TGLineShape::StretchToEdges(const QSize& page) {
  if (LineStyle == TLineStyle::stHorizontal) SetBounds(QRect(0, Top(), page.width(), Height()));
  if (LineStyle == TLineStyle::stVertical) SetBounds(QRect(Left(), 0, Width(), page.height()));
}

void TGLineShape::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  canvas.SetPen(QtColour(Pen.colour), int(Pen.style), pmCopy, -Pen.width);
  const int half_pen = Pen.width / 2;
  const double xl = x0 + InchesFromUnits(Left());
  const double xr = x0 + InchesFromUnits(Right());
  const double yt = y0 + InchesFromUnits(Top() + half_pen);
  const double yb = y0 + InchesFromUnits(Bottom() + half_pen);
  switch (LineStyle) {
    case TLineStyle::stHorizontal:
      canvas.MoveTo(xl, yt);
      canvas.LineTo(xr, yt);
      break;
    case TLineStyle::stVertical:
      canvas.MoveTo(xl, yt);
      canvas.LineTo(xl, yb);
      break;
    case TLineStyle::stAngleSlopingUp:
      canvas.MoveTo(xl, yb);
      canvas.LineTo(xr, yt);
      break;
    case TLineStyle::stAngleSlopingDown:
      canvas.MoveTo(xl, yt);
      canvas.LineTo(xr, yb);
      break;
  }
}

void TGLineShape::WriteOwnProperties(PropertyWriter& writer) const {
  writer.EnumerationIfNot("LineStyle", int(LineStyle), int(TLineStyle::stHorizontal), kLineStyleNames);
  WritePen(writer, "Pen", Pen);
}

Status TGLineShape::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  if (property.name == "LineStyle") return Take(reader.Enumeration(property, kLineStyleNames), &LineStyle);
  if (property.name.starts_with("Pen.")) return ReadPen(reader, property, "Pen", &Pen);
  return TGGraphicControl::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
