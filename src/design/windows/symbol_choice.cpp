// The symbol chooser's positions, columns and font caption.
#include "design/windows/symbol_choice.h"

#include "design/model/text_font.h"

namespace vellumo::design {

int SymbolColumns(int points) {
  struct Band {
    int lowest, highest, columns;
  };
  static constexpr Band kBands[] = {{6, 10, 14}, {11, 20, 10}, {21, 30, 8}, {31, 40, 6},
                                    {41, 50, 4}, {51, 60, 3},  {61, 72, 2}};
  for (const Band& band : kBands) {
    if (points >= band.lowest && points <= band.highest) return band.columns;
  }
  return 1;
}

QString SymbolFontCaption(const StoredFont& font) {
  const TextStyle style = StyleOfFont(font);
  QString caption = style.name + QStringLiteral(", ") + QString::number(style.points) + QStringLiteral("pt ");
  if (style.italic) {
    caption += QStringLiteral("Italic ");
  } else if (style.bold) {
    caption += QStringLiteral("Bold ");
  }
  return caption;
}

}  // namespace vellumo::design
