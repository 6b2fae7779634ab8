// Symbol font codes drawn through their Unicode characters.
#include "design/pictures/symbol_font.h"

#include <string>

#include "core/text_codec.h"
#include "design/pictures/symbol_table.h"

namespace vellumo {
namespace {

constexpr uint8_t kFirstCode = 0x20;

QString FromCodePoint(char32_t code_point) { return QString::fromUcs4(&code_point, 1); }

}  // namespace

QString SymbolFont::substituteFamily() { return QStringLiteral("Symbola"); }

bool SymbolFont::isSymbolFont(const QString& font_name) {
  return font_name.trimmed().compare(QLatin1String("WingDings"), Qt::CaseInsensitive) == 0;
}

char32_t SymbolFont::codePoint(uint8_t code) { return kWingdingsTable[code - kFirstCode].code_point; }

QString SymbolFont::characterName(uint8_t code) {
  return QString::fromLatin1(kWingdingsTable[code - kFirstCode].name);
}

SymbolGlyph SymbolFont::resolve(const QString& font_name, uint8_t code) {
  if (code < kFirstCode) return {font_name, QString()};
  if (isSymbolFont(font_name)) return {substituteFamily(), FromCodePoint(codePoint(code))};
  const char byte = static_cast<char>(code);
  return {font_name, FromTable(std::string_view(&byte, 1))};
}

QString SymbolFont::resolveText(const QString& font_name, QStringView codes) {
  QString text;
  for (QChar c : codes) {
    if (c.unicode() > 0xFF) {
      text += c;
      continue;
    }
    text += resolve(font_name, static_cast<uint8_t>(c.unicode())).text;
  }
  return text;
}

}  // namespace vellumo
