// Text object fonts: stored form to drawing style.
#include "design/model/text_font.h"

#include <cstdlib>

#include "design/model/qt_colour.h"
#include "design/stream/font_size.h"

namespace vellumo::design {

StoredFont DefaultTextFont() {
  StoredFont font;
  font.name = "Arial";
  font.height = FontHeightFromPoints(10);
  font.colour = kClBlack;
  return font;
}

TextStyle StyleOfFont(const StoredFont& font) {
  TextStyle style;
  style.name = QString::fromStdString(font.name);
  // A positive height is a cell height; either sign gives the size.
  style.points = std::abs(PointsFromFontHeight(font.height));
  style.bold = (font.style & kFontBold) != 0;
  style.italic = (font.style & kFontItalic) != 0;
  style.underline = (font.style & kFontUnderline) != 0;
  return style;
}

QColor FontColour(const StoredFont& font) { return QtColour(font.colour); }

}  // namespace vellumo::design
