// The symbol chooser: the list's positions, columns and fonts, the font
// button's caption and font dialog, and what "Ok" and "Cancel" do.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "design/pictures/symbol_font.h"
#include "design/stream/font_size.h"
#include "design/windows/symbol_choice.h"
#include "design/windows/symbol_selector.h"
#include "dialog_fixture.h"

namespace vellumo::design {
namespace {

using testing::ButtonCaptions;

StoredFont FontOf(const char* name, int points, uint32_t style) {
  StoredFont font;
  font.name = name;
  font.height = FontHeightFromPoints(points);
  font.style = style;
  return font;
}

TEST(SymbolChoiceTest, ColumnsFollowTheListFontSize) {
  const struct {
    int points, columns;
  } cases[] = {{0, 1},   {5, 1},   {6, 14},  {10, 14}, {11, 10}, {20, 10}, {21, 8},  {30, 8},  {31, 6},
               {40, 6},  {41, 4},  {50, 4},  {51, 3},  {60, 3},  {61, 2},  {72, 2},  {73, 1},  {-12, 1}};
  for (const auto& c : cases) EXPECT_EQ(SymbolColumns(c.points), c.columns) << c.points << " points";
}

TEST(SymbolChoiceTest, PositionsHoldTheCodesFrom32) {
  EXPECT_EQ(SymbolCodeAt(0), 32);
  EXPECT_EQ(SymbolCodeAt(59), 91);
  EXPECT_EQ(SymbolCodeAt(kSymbolCount - 1), 255);
  EXPECT_EQ(SymbolPosition(91), 59);
  EXPECT_EQ(SymbolPosition(32), 0);
  EXPECT_EQ(SymbolPosition(31), -1);
  EXPECT_EQ(SymbolPosition(0), -1);
}

TEST(SymbolChoiceTest, FontCaptionNamesSizeAndItalicBeforeBold) {
  EXPECT_EQ(SymbolFontCaption(FontOf("WingDings", 24, 0)), "WingDings, 24pt ");
  EXPECT_EQ(SymbolFontCaption(FontOf("Arial", 12, kFontBold)), "Arial, 12pt Bold ");
  EXPECT_EQ(SymbolFontCaption(FontOf("Arial", 12, kFontItalic)), "Arial, 12pt Italic ");
  EXPECT_EQ(SymbolFontCaption(FontOf("Arial", 12, kFontBold | kFontItalic)), "Arial, 12pt Italic ");
  EXPECT_EQ(SymbolFontCaption(FontOf("Arial", 12, kFontUnderline)), "Arial, 12pt ");
}

class SymbolSelectorTest : public testing::DialogTest {
 protected:
  void SetUp() override { symbol_ = Place<TGSymbolLabel>(); }

  static QTableWidgetItem* ItemAt(const TGetSymbol& dialog, int position) {
    const int columns = dialog.list()->columnCount();
    return dialog.list()->item(position / columns, position % columns);
  }

  TGSymbolLabel* symbol_ = nullptr;
};

TEST_F(SymbolSelectorTest, ShowsTheCharactersInTheSymbolsFontWithItsOwnChosen) {
  TGetSymbol dialog(*symbol_);
  EXPECT_EQ(dialog.windowTitle(), "Symbol Selector");
  EXPECT_EQ(ButtonCaptions(dialog), QStringList({"Ok", "Cancel", "Help"}));
  EXPECT_EQ(dialog.font_button()->text(), "WingDings, 24pt ");
  EXPECT_EQ(dialog.list()->columnCount(), 10);  // the list's 20 points
  EXPECT_EQ(dialog.list()->rowCount(), 23);
  EXPECT_EQ(dialog.Position(), 59);  // "[" is code 91
  for (int position : {0, 59, kSymbolCount - 1}) {
    const SymbolGlyph glyph = SymbolFont::resolve("WingDings", SymbolCodeAt(position));
    QTableWidgetItem* item = ItemAt(dialog, position);
    EXPECT_EQ(item->text(), glyph.text) << position;
    EXPECT_EQ(item->font().family(), SymbolFont::substituteFamily()) << position;
    EXPECT_EQ(item->font().pointSize(), 20) << position;
  }
}

TEST_F(SymbolSelectorTest, CellsAfterTheLastCharacterCannotBeChosen) {
  TGetSymbol dialog(*symbol_);
  const int last_row = dialog.list()->rowCount() - 1;
  EXPECT_TRUE(dialog.list()->item(last_row, 3)->flags() & Qt::ItemIsSelectable);
  EXPECT_EQ(dialog.list()->item(last_row, 4)->flags(), Qt::NoItemFlags);
  dialog.list()->setCurrentCell(last_row, 9);
  EXPECT_EQ(dialog.Position(), 59);  // the choice stays where it was
  dialog.list()->setCurrentCell(last_row, 3);
  EXPECT_EQ(dialog.Position(), kSymbolCount - 1);
}

TEST_F(SymbolSelectorTest, OkTakesTheCharacterAtTheChosenPosition) {
  TGetSymbol dialog(*symbol_);
  dialog.SetPosition(33);
  dialog.Apply(*symbol_);
  EXPECT_EQ(symbol_->Code(), 65);
  EXPECT_EQ(symbol_->Caption, "A");
  EXPECT_EQ(symbol_->Font.name, "WingDings");
  EXPECT_EQ(symbol_->Bounds().size(), symbol_->SymbolSize());
  EXPECT_EQ(symbol_->Bounds().topLeft(), QPoint(10, 10));
  EXPECT_GE(changes_, 1);

  dialog.SetPosition(59);
  dialog.Apply(*symbol_);
  EXPECT_EQ(symbol_->Caption, "[");
}

TEST_F(SymbolSelectorTest, ChosenFontRenamesTheListAndReachesTheSymbol) {
  symbol_->Font.colour = 0x0000FF;
  TGetSymbol dialog(*symbol_);
  QFont chosen("Arial");
  chosen.setPointSize(12);
  chosen.setBold(true);
  chosen.setItalic(true);
  dialog.TakeFont(chosen);
  EXPECT_EQ(dialog.font_button()->text(), "Arial, 12pt Italic ");
  EXPECT_EQ(ItemAt(dialog, 33)->text(), "A");  // a text font shows its letters
  EXPECT_EQ(ItemAt(dialog, 33)->font().family(), "Arial");
  EXPECT_EQ(ItemAt(dialog, 33)->font().pointSize(), 20);
  EXPECT_TRUE(ItemAt(dialog, 33)->font().italic());
  EXPECT_EQ(dialog.Position(), 59);  // the choice stays

  dialog.Apply(*symbol_);
  EXPECT_EQ(symbol_->Font.name, "Arial");
  EXPECT_EQ(symbol_->Font.height, FontHeightFromPoints(12));
  EXPECT_EQ(symbol_->Font.style, kFontBold | kFontItalic);
  EXPECT_EQ(symbol_->Font.colour, 0x0000FFu);
  EXPECT_EQ(symbol_->Caption, "[");
  EXPECT_EQ(symbol_->Bounds().size(), symbol_->SymbolSize());
}

TEST_F(SymbolSelectorTest, FontButtonOpensTheFontDialog) {
  const QString family = QFontDatabase::families().value(0);
  ASSERT_FALSE(family.isEmpty());
  TGetSymbol dialog(*symbol_);
  QTimer::singleShot(0, [&family] {
    auto* fonts = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(fonts, nullptr);
    QFont font(family);
    font.setPointSize(24);
    fonts->setCurrentFont(font);
    fonts->accept();
  });
  dialog.font_button()->click();
  EXPECT_EQ(dialog.ChosenFont().name, family.toStdString());
  EXPECT_TRUE(dialog.font_button()->text().startsWith(family + ", ")) << dialog.font_button()->text().toStdString();

  const StoredFont before = dialog.ChosenFont();
  QTimer::singleShot(0, [] {
    auto* fonts = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(fonts, nullptr);
    fonts->setCurrentFont(QFont(QStringLiteral("Arial"), 40));
    fonts->reject();
  });
  dialog.font_button()->click();
  EXPECT_EQ(dialog.ChosenFont(), before);
}

TEST_F(SymbolSelectorTest, OkWithNoCharacterKeepsTheCaptionAndTakesTheFont) {
  symbol_->Caption.clear();
  TGetSymbol dialog(*symbol_);
  EXPECT_EQ(dialog.Position(), -1);
  dialog.TakeFont(QFont(QStringLiteral("Arial"), 12));
  dialog.Apply(*symbol_);
  EXPECT_TRUE(symbol_->Caption.empty());
  EXPECT_EQ(symbol_->Font.name, "Arial");
  EXPECT_GE(changes_, 1);
}

TEST_F(SymbolSelectorTest, CancelLeavesTheSymbol) {
  const QRect bounds = symbol_->Bounds();
  AnswerNextDialog(false);
  EXPECT_FALSE(TGetSymbol::Edit(*symbol_, nullptr));
  EXPECT_EQ(symbol_->Caption, "[");
  EXPECT_EQ(symbol_->Font.name, "WingDings");
  EXPECT_EQ(symbol_->Bounds(), bounds);
  EXPECT_EQ(changes_, 0);
}

}  // namespace
}  // namespace vellumo::design
