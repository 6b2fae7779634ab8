// Which installed font and which text draw one 8-bit code of a design's
// font. Designs name the symbol font "WingDings", which no free system
// has; its codes are drawn as the Unicode characters they stand for, in
// a symbol font every installation has (see scripts/install-deps).
// Codes of any other font are Windows-1252 text in that font.
#pragma once

#include <QString>
#include <cstdint>

namespace vellumo {

struct SymbolGlyph {
  QString family;  // the installed font family to draw with
  QString text;    // the characters to draw
};

class SymbolFont {
 public:
  // The installed family that stands in for the symbol font.
  static QString substituteFamily();
  // Whether `font_name` is the symbol font (case ignored).
  static bool isSymbolFont(const QString& font_name);
  // The Unicode character for a symbol font code; REQUIRES: code >= 0x20.
  static char32_t codePoint(uint8_t code);
  // The Unicode name of that character.
  static QString characterName(uint8_t code);

  // What to draw for `code` in `font_name`; codes below 0x20 draw nothing.
  static SymbolGlyph resolve(const QString& font_name, uint8_t code);
  // A whole string of 8-bit codes (one character each, below U+0100) as
  // `font_name` shows it.
  static QString resolveText(const QString& font_name, QStringView codes);
};

}  // namespace vellumo
