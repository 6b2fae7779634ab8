// Stored fonts to widget fonts and back.
#include "design/windows/screen_font.h"

#include <cmath>

#include "design/model/text_font.h"
#include "design/stream/font_size.h"

namespace vellumo::design {

QFont ScreenFont(const StoredFont& stored) {
  const TextStyle style = StyleOfFont(stored);
  QFont font(style.name);
  if (style.points > 0) font.setPointSizeF(style.points);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  return font;
}

StoredFont StoredFontOf(const QFont& chosen, const StoredFont& base) {
  StoredFont font = base;
  font.name = chosen.family().toStdString();
  // A font sized in pixels has no point size; it keeps the stored height.
  if (chosen.pointSizeF() > 0) {
    font.height = FontHeightFromPoints(static_cast<int32_t>(std::lround(chosen.pointSizeF())));
  }
  font.style = 0;
  if (chosen.bold()) font.style |= kFontBold;
  if (chosen.italic()) font.style |= kFontItalic;
  if (chosen.underline()) font.style |= kFontUnderline;
  if (chosen.strikeOut()) font.style |= kFontStrikeOut;
  return font;
}

}  // namespace vellumo::design
