// The text dialogs: what they show of the object, what "Ok" and "Cancel"
// do to it, and the 3-D sample drawn by the object's own drawing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "design/windows/colour_button.h"
#include "design/windows/effects_sample.h"
#include "design/windows/font_3d_effects.h"
#include "design/windows/get_label_text.h"
#include "design/windows/multi_line_text_editor.h"
#include "dialog_fixture.h"

namespace vellumo::design {
namespace {

using testing::ButtonCaptions;
using testing::DialogTest;

QStringList Entries(const QComboBox* box) {
  QStringList entries;
  for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
  return entries;
}

// How many pixels of the widget are drawn in `colour`.
int PixelsIn(QWidget* widget, QColor colour) {
  const QImage image = widget->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y).rgb() == colour.rgb();
  }
  return count;
}

class TextDialogTest : public DialogTest {};

TEST_F(TextDialogTest, LabelTextShowsCaptionAndOkReplacesItAndGrows) {
  TGPLabel* label = Place<TGPLabel>();
  label->Caption = "Old";
  TGetLabelText dialog(*label);
  EXPECT_EQ(dialog.windowTitle(), "Text");
  EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "Enter Text");
  EXPECT_EQ(dialog.text_edit()->text(), "Old");
  EXPECT_EQ(ButtonCaptions(dialog), QStringList({"Ok", "Cancel", "Help"}));

  dialog.text_edit()->setText("A caption long enough to need more than the default width");
  dialog.Apply(*label);
  EXPECT_EQ(label->Caption, "A caption long enough to need more than the default width");
  EXPECT_GT(label->Width(), 142);
  EXPECT_EQ(label->Height(), 33);  // a line of 10-point text is lower than that: it never shrinks
  EXPECT_EQ(label->Bounds().topLeft(), QPoint(10, 10));
  EXPECT_GE(changes_, 1);
}

TEST_F(TextDialogTest, LabelTextGrowsToTheLargerFontAndLeavesTurnedTextsSize) {
  TGPLabel* label = Place<TGPLabel>();
  label->Font.height = -64;  // 48 points
  ReplaceCaption(*label, "Big");
  EXPECT_GT(label->Height(), 33);

  TGPLabel* turned = Place<TGPLabel>();
  turned->SetAngle(90);
  const QRect before = turned->Bounds();
  ReplaceCaption(*turned, "A caption long enough to need more than the default width");
  EXPECT_EQ(turned->Bounds(), before);
}

TEST_F(TextDialogTest, LabelTextCancelLeavesTheObject) {
  TGPLabel* label = Place<TGPLabel>();
  AnswerNextDialog(false);
  EXPECT_FALSE(TGetLabelText::Edit(*label, nullptr));
  EXPECT_EQ(label->Caption, "Text");
  EXPECT_EQ(changes_, 0);
  AnswerNextDialog(true);
  EXPECT_TRUE(TGetLabelText::Edit(*label, nullptr));
  EXPECT_GE(changes_, 1);
}

TEST_F(TextDialogTest, EditorShowsLinesInTheObjectsFontAndOkReplacesThem) {
  auto* text = Place<TGMultiLineLabel>();
  text->Items = {"first", "second"};
  text->Font.name = "Courier New";
  TMultiLineTextEditor dialog(*text);
  EXPECT_EQ(dialog.windowTitle(), "Multi-line Text Editor");
  EXPECT_EQ(dialog.text_edit()->toPlainText(), "first\nsecond");
  EXPECT_EQ(dialog.text_edit()->font().family(), "Courier New");
  EXPECT_EQ(ButtonCaptions(dialog), QStringList({"Ok", "Cancel", "Help"}));

  dialog.text_edit()->setPlainText("one\n\nthree\n");
  dialog.Apply(*text);
  EXPECT_EQ(text->Items, (std::vector<std::string>{"one", "", "three"}));
  EXPECT_GE(changes_, 1);

  dialog.text_edit()->clear();
  dialog.Apply(*text);
  EXPECT_TRUE(text->Items.empty());
}

TEST_F(TextDialogTest, EditorOkSizesTheObjectToItsLines) {
  auto* text = Place<TGMultiLineLabel>();
  ReplaceLines(*text, "one");
  const int one_line = text->Height();
  ReplaceLines(*text, "one\ntwo\nthree");
  EXPECT_NEAR(text->Height(), 3 * one_line, 2);
  EXPECT_EQ(text->Width(), 142);  // short lines: never narrower
  ReplaceLines(*text, "");
  EXPECT_EQ(text->Height(), one_line);  // room for the placeholder

  ReplaceLines(*text, "a line far wider than the object is at its present width");
  EXPECT_GT(text->Width(), 142);
  EXPECT_EQ(text->Height(), one_line);

  text->SetBounds(QRect(10, 10, 142, 33));
  text->WordWrap = true;
  ReplaceLines(*text, "a line far wider than the object is at its present width");
  EXPECT_EQ(text->Width(), 142);
  EXPECT_GT(text->Height(), one_line);  // wrapped onto several lines
}

TEST_F(TextDialogTest, LinesSplitAtEveryKindOfLineEnd) {
  EXPECT_EQ(LinesOfText("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(LinesOfText("\n"), (std::vector<std::string>{""}));
}

TEST_F(TextDialogTest, EditorStopsTypingAt254CharactersButKeepsALongerStoredText) {
  auto* text = Place<TGMultiLineLabel>();
  TMultiLineTextEditor dialog(*text);
  dialog.text_edit()->insertPlainText(QString(300, 'x'));
  EXPECT_EQ(dialog.text_edit()->toPlainText().size(), kMaxMultiLineText);
  dialog.text_edit()->moveCursor(QTextCursor::Start);
  dialog.text_edit()->insertPlainText("ab");
  EXPECT_EQ(dialog.text_edit()->toPlainText(), QString(kMaxMultiLineText, 'x'));

  const std::string stored(300, 'y');
  text->Items = {stored};
  TMultiLineTextEditor long_one(*text);
  long_one.text_edit()->insertPlainText("z");
  long_one.Apply(*text);
  EXPECT_EQ(text->Items, std::vector<std::string>{stored});
}

TEST_F(TextDialogTest, EditorCancelLeavesTheLines) {
  auto* text = Place<TGMultiLineLabel>();
  text->Items = {"kept"};
  AnswerNextDialog(false);
  EXPECT_FALSE(TMultiLineTextEditor::Edit(*text, nullptr));
  EXPECT_EQ(text->Items, std::vector<std::string>{"kept"});
  EXPECT_EQ(changes_, 0);
}

TEST_F(TextDialogTest, EffectsShowTheObjectsValuesInListsOfTheirOrder) {
  TGPLabel* label = Place<TGPLabel>();
  label->Effects = TextEffects{sdLeft, 4, hdUp, 7};
  TGFont3DEffects dialog(*label);
  EXPECT_EQ(dialog.windowTitle(), "Text 3D Effects");
  EXPECT_EQ(Entries(dialog.shadow_direction()),
            QStringList({"None", "Right", "Left", "Lower Right", "Lower Left", "Down"}));
  EXPECT_EQ(Entries(dialog.highlight_direction()),
            QStringList({"None", "Right", "Left", "Upper Right", "Upper Left", "Up"}));
  EXPECT_EQ(Entries(dialog.shadow_depth()), QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(dialog.shadow_direction()->currentIndex(), sdLeft);
  EXPECT_EQ(dialog.shadow_depth()->currentText(), "4");
  EXPECT_EQ(dialog.highlight_direction()->currentIndex(), hdUp);
  EXPECT_EQ(dialog.highlight_depth()->currentText(), "7");
  EXPECT_EQ(dialog.shadow_colour()->colour(), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(dialog.highlight_colour()->colour(), QColor(0, 0xFF, 0xFF));
  EXPECT_EQ(dialog.font_colour()->colour(), QColor(Qt::black));
  EXPECT_EQ(dialog.Choice(), LookOf(*label));
}

TEST_F(TextDialogTest, EffectsOkCopiesFontColourAndTheSixValues) {
  TGPLabel* label = Place<TGPLabel>();
  label->Font.name = "Times New Roman";
  TGFont3DEffects dialog(*label);
  dialog.shadow_direction()->setCurrentIndex(sdDown);
  dialog.shadow_depth()->setCurrentIndex(3);
  dialog.highlight_direction()->setCurrentIndex(hdright);
  dialog.highlight_depth()->setCurrentIndex(10);
  dialog.shadow_colour()->setColour(QColor(0x10, 0x20, 0x30));
  dialog.highlight_colour()->setColour(Qt::red);
  dialog.font_colour()->setColour(Qt::blue);
  dialog.Apply(*label);
  EXPECT_EQ(label->Effects.DirectionShadow, sdDown);
  EXPECT_EQ(label->Effects.DepthShadow, 3);
  EXPECT_EQ(label->Effects.DirectionHighlight, hdright);
  EXPECT_EQ(label->Effects.DepthHighlight, 10);
  EXPECT_EQ(label->colorShadow, 0x302010u);  // $00BBGGRR
  EXPECT_EQ(label->colorHighlight, 0x0000FFu);
  EXPECT_EQ(label->Font.colour, 0xFF0000u);
  EXPECT_EQ(label->Font.name, "Times New Roman");
  EXPECT_GE(changes_, 1);
}

TEST_F(TextDialogTest, EffectsKeepWhatWasNotChanged) {
  TGPLabel* label = Place<TGPLabel>();
  label->colorShadow = 0x80000010;  // a system colour stays one
  label->Effects.DepthShadow = 15;  // deeper than the list goes
  const TextLook before = LookOf(*label);
  TGFont3DEffects dialog(*label);
  EXPECT_EQ(dialog.shadow_depth()->currentText(), "15");
  dialog.Apply(*label);
  EXPECT_EQ(LookOf(*label), before);
}

TEST_F(TextDialogTest, EffectsCancelLeavesTheObject) {
  TGPLabel* label = Place<TGPLabel>();
  const TextLook before = LookOf(*label);
  AnswerNextDialog(false);
  EXPECT_FALSE(TGFont3DEffects::Edit(*label, nullptr));
  EXPECT_EQ(LookOf(*label), before);
  EXPECT_EQ(changes_, 0);
}

TEST_F(TextDialogTest, SampleFollowsEveryChange) {
  TGPLabel* label = Place<TGPLabel>();
  label->Font.height = -32;
  TGFont3DEffects dialog(*label);
  dialog.show();
  EXPECT_EQ(dialog.sample()->sample().Caption, "Sample");
  dialog.shadow_colour()->setColour(Qt::red);
  EXPECT_EQ(PixelsIn(dialog.sample(), Qt::red), 0);  // depth 0 draws no copy
  dialog.shadow_depth()->setCurrentIndex(3);
  EXPECT_EQ(LookOf(dialog.sample()->sample()), dialog.Choice());
  EXPECT_GT(PixelsIn(dialog.sample(), Qt::red), 0);
  dialog.shadow_direction()->setCurrentIndex(sdNone);
  EXPECT_EQ(PixelsIn(dialog.sample(), Qt::red), 0);
  dialog.font_colour()->setColour(Qt::blue);
  EXPECT_GT(PixelsIn(dialog.sample(), Qt::blue), 0);
}

}  // namespace
}  // namespace vellumo::design
