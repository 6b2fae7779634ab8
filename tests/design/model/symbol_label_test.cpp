// The symbol: its defaults, the character chosen with its font, its size
// following the character whenever its bounds change on a page, the page's
// Font command passing it by, and its stored form.
#include <gtest/gtest.h>

#include "design/model/symbol_label.h"
#include "design/model/text_label.h"
#include "design/pictures/symbol_font.h"
#include "design/stream/font_size.h"
#include "page_fixture.h"
#include "stored_bytes.h"
#include "stored_round_trip.h"

namespace vellumo::design {
namespace {

using namespace testing;

StoredFont SymbolFontOf(int points) {
  StoredFont font;
  font.name = "WingDings";
  font.height = FontHeightFromPoints(points);
  return font;
}

TEST(Symbol, StartsAsABracketInTheSymbolFontAt24Points) {
  TGSymbolLabel symbol;
  EXPECT_EQ(symbol.Caption, "[");
  EXPECT_EQ(symbol.Code(), 0x5B);
  EXPECT_EQ(symbol.Font.name, "WingDings");
  EXPECT_EQ(symbol.Font.height, -32);
  EXPECT_EQ(symbol.Font.colour, kClBlack);
}

TEST(Symbol, EveryCodeFrom32To255IsKeptAsItsOwnCharacter) {
  TGSymbolLabel symbol;
  for (int code = 32; code <= 255; ++code) {
    symbol.SetSymbol(SymbolFontOf(24), uint8_t(code));
    EXPECT_EQ(symbol.Code(), code);
  }
  // The chooser's list position 59 is the code 91.
  symbol.SetSymbol(SymbolFontOf(24), 59 + 32);
  EXPECT_EQ(symbol.Caption, "[");
}

TEST(Symbol, ItsSizeIsATenthMoreThanItsCharacterAndFollowsTheFont) {
  TGSymbolLabel symbol;
  const QSize at24 = symbol.SymbolSize();
  // 24 points are 32 units; the character and the tenth lie around that.
  EXPECT_GT(at24.height(), 32);
  EXPECT_LT(at24.height(), 64);
  EXPECT_GT(at24.width(), 10);
  symbol.SetSymbol(SymbolFontOf(48), symbol.Code());
  EXPECT_EQ(symbol.Bounds().size(), symbol.SymbolSize());
  EXPECT_GT(symbol.Height(), at24.height() * 3 / 2);
}

using SymbolOnPage = PageTest;

TEST_F(SymbolOnPage, TheSymbolToolDrawsASymbolOfItsCharactersSize) {
  page_.SetPanelState(TLPanelState::psSymbolLabel);
  auto* symbol = dynamic_cast<TGSymbolLabel*>(page_.CreateObjectInRect(QRect(20, 10, 120, 60)));
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(symbol->Bounds(), QRect(QPoint(20, 10), symbol->SymbolSize()));
}

TEST_F(SymbolOnPage, OnAPageNewBoundsGiveWayToTheCharactersSize) {
  auto* symbol = static_cast<TGSymbolLabel*>(page_.PlaceObject(std::make_unique<TGSymbolLabel>(), QRect(0, 0, 90, 90)));
  const QSize size = symbol->SymbolSize();
  symbol->SetBounds(QRect(30, 40, 200, 5));
  EXPECT_EQ(symbol->Bounds(), QRect(QPoint(30, 40), size));
  symbol->SetLeft(50);
  EXPECT_EQ(symbol->Bounds(), QRect(QPoint(50, 40), size));
}

TEST_F(SymbolOnPage, OffAPageAndWhenReadFromAFileTheBoundsAreKept) {
  TGSymbolLabel loose;
  loose.SetBounds(QRect(1, 2, 200, 5));
  EXPECT_EQ(loose.Bounds(), QRect(1, 2, 200, 5));
  std::unique_ptr<TGGraphicControl> read = RoundTrip(loose);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Bounds(), QRect(1, 2, 200, 5));
}

TEST_F(SymbolOnPage, ThePagesFontCommandPassesTheSymbolBy) {
  auto* symbol = page_.PlaceObject(std::make_unique<TGSymbolLabel>(), QRect(0, 0, 40, 40));
  auto* text = static_cast<TGPLabel*>(page_.PlaceObject(std::make_unique<TGPLabel>(), QRect(0, 50, 40, 40)));
  page_.SelectAll();
  StoredFont courier = DefaultTextFont();
  courier.name = "Courier New";
  page_.ApplyFontToSelection(courier);
  EXPECT_EQ(static_cast<TGSymbolLabel*>(symbol)->Font, SymbolFontOf(24));
  EXPECT_EQ(text->Font, courier);
}

TEST(SymbolStoredForm, DefaultSymbolWritesItsBracketInTheSymbolFont) {
  TGSymbolLabel symbol;
  symbol.SetName("Special1");
  symbol.SetBounds(QRect(10, 20, 30, 40));
  EXPECT_EQ(BytesOf(symbol), List(Record("TGSymbolLabel", "Special1",
                                         Common(10, 20, 30, 40) + Text("Caption", "[") + BlackFont("WingDings", -32) +
                                             Bool("Transparent", true) + Ident("BackColor", "clWhite"))));
}

TEST(SymbolStoredForm, AHighCodeIsWrittenAsItsOneByteAndReadBack) {
  TGSymbolLabel symbol;
  symbol.SetName("Special1");
  symbol.SetSymbol(SymbolFontOf(24), 0x80);
  symbol.SetBounds(QRect(10, 20, 30, 40));
  symbol.Transparent = false;
  const std::string bytes = BytesOf(symbol);
  EXPECT_EQ(bytes, List(Record("TGSymbolLabel", "Special1",
                               Common(10, 20, 30, 40) + Text("Caption", "\x80") + BlackFont("WingDings", -32) +
                                   Bool("Transparent", false) + Ident("BackColor", "clWhite"))));
  std::unique_ptr<TGGraphicControl> copy = ReadBack(bytes);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(dynamic_cast<TGSymbolLabel&>(*copy).Code(), 0x80);
}

}  // namespace
}  // namespace vellumo::design
