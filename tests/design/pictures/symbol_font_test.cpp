// The symbol font mapping: known codes, a character for every code, the
// substitute font's glyphs, and other fonts' codes as Windows-1252.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include "design/pictures/symbol_font.h"

namespace vellumo {
namespace {

TEST(SymbolFont, KnownCodes) {
  EXPECT_EQ(SymbolFont::codePoint(0x4A), U'\u263A');  // smiling face
  EXPECT_EQ(SymbolFont::codePoint(0xFC), U'\u2714');  // heavy check mark
  EXPECT_EQ(SymbolFont::codePoint(0x22), U'\u2702');  // scissors
  EXPECT_EQ(SymbolFont::codePoint(0x28), U'\U0001F57F');  // black touchtone telephone
  EXPECT_EQ(SymbolFont::codePoint(0x5E), U'\u2648');  // Aries
  EXPECT_EQ(SymbolFont::codePoint(0x81), U'\u2780');  // circled sans-serif digit one
  EXPECT_EQ(SymbolFont::codePoint(0xE8), U'\U0001F87A');
  EXPECT_EQ(SymbolFont::characterName(0x4A), QStringLiteral("WHITE SMILING FACE"));
}

TEST(SymbolFont, EveryCodeMapsToACharacter) {
  for (int code = 0x21; code <= 0xFF; ++code) {
    SCOPED_TRACE(code);
    if (code == 0x7F) continue;  // unassigned in the font, drawn blank
    char32_t c = SymbolFont::codePoint(static_cast<uint8_t>(code));
    EXPECT_GT(c, 0x7Fu);  // a symbol, not the code's letter
    EXPECT_FALSE(SymbolFont::characterName(static_cast<uint8_t>(code)).isEmpty());
  }
  EXPECT_EQ(SymbolFont::codePoint(0x20), U' ');
}

TEST(SymbolFont, ResolvesByFontNameIgnoringCase) {
  for (const char* name : {"WingDings", "Wingdings", "WINGDINGS"}) {
    SymbolGlyph glyph = SymbolFont::resolve(QString::fromLatin1(name), 0x4A);
    EXPECT_EQ(glyph.family, SymbolFont::substituteFamily());
    EXPECT_EQ(glyph.text, QStringLiteral("\u263A"));
  }
  SymbolGlyph arial = SymbolFont::resolve(QStringLiteral("Arial"), 0x4A);
  EXPECT_EQ(arial.family, QStringLiteral("Arial"));
  EXPECT_EQ(arial.text, QStringLiteral("J"));
  EXPECT_EQ(SymbolFont::resolve(QStringLiteral("Arial"), 0x80).text, QStringLiteral("\u20AC"));  // Windows-1252
  EXPECT_EQ(SymbolFont::resolve(QStringLiteral("Arial"), 0xE9).text, QStringLiteral("\u00E9"));
  EXPECT_EQ(SymbolFont::resolveText(QStringLiteral("Wingdings"), u"J\u00FC"), QStringLiteral("\u263A\u2714"));
}

TEST(SymbolFont, SubstituteFontHasEveryMappedGlyph) {
  QFont font(SymbolFont::substituteFamily());
  font.setPixelSize(24);
  ASSERT_EQ(QFontInfo(font).family(), SymbolFont::substituteFamily()) << "install the font (scripts/install-deps)";
  QRawFont raw = QRawFont::fromFont(font);
  ASSERT_TRUE(raw.isValid());
  int missing = 0;
  for (int code = 0x21; code <= 0xFF; ++code) {
    if (code == 0x7F) continue;
    char32_t c = SymbolFont::codePoint(static_cast<uint8_t>(code));
    if (!raw.supportsCharacter(static_cast<uint>(c))) {
      ADD_FAILURE() << "no glyph for code 0x" << std::hex << code << " (U+" << static_cast<uint32_t>(c) << ")";
      ++missing;
    }
  }
  EXPECT_EQ(missing, 0);
}

}  // namespace
}  // namespace vellumo
