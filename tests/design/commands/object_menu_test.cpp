// Object menus: the common items, each class's own items with their check
// marks, and what choosing them does to the object and the page.
#include <QApplication>
#include <QDialog>
#include <QSpinBox>
#include <QTimer>

#include "commands_fixture.h"
#include "design/commands/object_menu.h"
#include "design/model/counter_label.h"
#include "design/model/date_time_label.h"
#include "design/model/fim_barcode.h"
#include "design/model/image_object.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/line_shape.h"
#include "design/model/multi_line_label.h"
#include "design/model/postnet_barcode.h"
#include "design/model/symbol_label.h"
#include "design/model/text_label.h"
#include "design/windows/screen_font.h"
#include "menu_test_helpers.h"

namespace vellumo::design {
namespace {

using testing::Captions;
using testing::CheckedIn;
using testing::HasItem;
using testing::ItemCaptioned;

const QStringList kCommonItems = {"Bring To Front", "Send To Back", "-", "Cut", "Copy", "Delete", "Clone"};

// The items after the common ones.
QStringList OwnCaptions(const TGGraphicControl& object) {
  return Captions(ObjectMenuItems(object)).mid(12);
}

const QStringList kSingleLineItems = {"-", "Font", "3D Effects", "Alignment", "Background Color", "Transparent"};

class ObjectMenuTest : public testing::CommandsTest {
 protected:
  void Run(TGGraphicControl& object, MenuCommand command, int value = 0) {
    RunObjectCommand(page_, object, {command, value}, context_);
  }
};

TEST_F(ObjectMenuTest, EveryObjectStartsWithTheCommonItems) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  EXPECT_EQ(Captions(ObjectMenuItems(*shape)).mid(0, 12),
            (QStringList{"Bring To Front", "Send To Back", "Cut", "Copy", "Delete", "Clone", "-", "Locked",
                         "Unselectable", "-", "Center Vertically", "Center Horizontally"}));
  EXPECT_EQ(OwnCaptions(TGPostNetBarCode()), QStringList()) << "POSTNET has no items of its own";
}

TEST_F(ObjectMenuTest, OwnItemsOfTheTextClasses) {
  EXPECT_EQ(OwnCaptions(TGPLabel()), kSingleLineItems + QStringList({"-", "Text", "-", "Rotation"}));
  EXPECT_EQ(OwnCaptions(TGPDLabel()), kSingleLineItems + QStringList({"-", "Field"}));
  EXPECT_EQ(OwnCaptions(TGCounterLabel()), kSingleLineItems + QStringList({"-", "Counter Settings", "-", "Rotation"}));
  EXPECT_EQ(OwnCaptions(TGSymbolLabel()),
            (QStringList{"-", "3D Effects", "Background Color", "Transparent", "-", "Symbol Selector"}));
  EXPECT_EQ(OwnCaptions(TGDateTimeLabel()), kSingleLineItems + QStringList({"-", "Date Format", "Time Format"}));
  EXPECT_EQ(OwnCaptions(TGMultiLineLabel()), (QStringList{"-", "Font", "Alignment", "-", "Text", "Word Wrap"}));
  EXPECT_EQ(OwnCaptions(TGDMultiLineLabel()), (QStringList{"-", "Font", "Alignment", "-", "Memo Field", "Word Wrap"}));
  EXPECT_EQ(OwnCaptions(TGDMultiLineAddressLabel()), (QStringList{"-", "Font", "Alignment", "-", "Address Layout"}));
  const MenuItems items = ObjectMenuItems(TGPLabel());
  EXPECT_EQ(Captions(ItemCaptioned(items, "Rotation").items),
            (QStringList{"No Rotation", "90 Degrees", "180 Degrees", "270 Degrees"}));
  EXPECT_EQ(Captions(ItemCaptioned(items, "Alignment").items), (QStringList{"Left", "Center", "Right"}));
  const MenuItems date = ObjectMenuItems(TGDateTimeLabel());
  EXPECT_EQ(Captions(ItemCaptioned(date, "Date Format").items),
            (QStringList{"No Date", "Windows Short Date", "Windows Long Date"}));
  EXPECT_EQ(Captions(ItemCaptioned(date, "Time Format").items),
            (QStringList{"No Time", "Windows Short Time", "Windows Long Time"}));
}

TEST_F(ObjectMenuTest, OwnItemsOfTheGraphicClasses) {
  TGLabelShapes rectangle;
  EXPECT_EQ(OwnCaptions(rectangle),
            (QStringList{"-", "Background Color", "Line Color", "Line Thickness", "-", "Transparent"}));
  for (TShapeType round : {TShapeType::stRoundRect, TShapeType::stRoundSquare}) {
    TGLabelShapes shape;
    shape.Shape = round;
    EXPECT_EQ(OwnCaptions(shape).mid(6), (QStringList{"-", "Degree of Rounding"}));
    EXPECT_EQ(Captions(ItemCaptioned(ObjectMenuItems(shape), "Degree of Rounding").items),
              (QStringList{"20 %", "30 %", "40 %", "50 %", "60 %", "70 %", "80 %"}));
  }
  TGLabelShapes ellipse;
  ellipse.Shape = TShapeType::stEllipse;
  EXPECT_FALSE(HasItem(ObjectMenuItems(ellipse), "Degree of Rounding"));
  EXPECT_EQ(OwnCaptions(Trpshapes()), OwnCaptions(rectangle));
  EXPECT_EQ(Captions(ItemCaptioned(ObjectMenuItems(rectangle), "Line Thickness").items),
            (QStringList{"1 Point", "2 Point", "3 Point", "4 Point", "5 Point", "6 Point", "7 Point", "8 Point",
                         "9 Point", "10 Point"}));

  EXPECT_EQ(OwnCaptions(TGLineShape()), (QStringList{"-", "Style", "Color", "Line Thickness", "-", "Stretch To Edges"}));
  EXPECT_EQ(Captions(ItemCaptioned(ObjectMenuItems(TGLineShape()), "Style").items),
            (QStringList{"Horizontal", "Vertical", "Angled Sloping Up", "Angled Sloping Down"}));
  EXPECT_EQ(OwnCaptions(TGImage()), (QStringList{"-", "Load Image From Disk", "-", "Stretch to Fit", "AutoSize"}));
  EXPECT_EQ(OwnCaptions(TGFIMBarCode()),
            (QStringList{"-", "Set FIM to Type A", "Set FIM to Type B", "Set FIM to Type C"}));
  EXPECT_EQ(OwnCaptions(TGIMBarCode()), (QStringList{"-", "Barcode Identifiers"}));
}

TEST_F(ObjectMenuTest, CheckMarksShowTheStateAsTheMenuOpens) {
  TGPLabel text;
  EXPECT_FALSE(ItemCaptioned(ObjectMenuItems(text), "Locked").checked);
  EXPECT_TRUE(ItemCaptioned(ObjectMenuItems(text), "Transparent").checked);
  EXPECT_EQ(CheckedIn(ItemCaptioned(ObjectMenuItems(text), "Alignment")), QStringList{"Left"});
  text.Locked = true;
  text.Transparent = false;
  text.Alignment = taRightJustify;
  EXPECT_TRUE(ItemCaptioned(ObjectMenuItems(text), "Locked").checked);
  EXPECT_FALSE(ItemCaptioned(ObjectMenuItems(text), "Transparent").checked);
  EXPECT_EQ(CheckedIn(ItemCaptioned(ObjectMenuItems(text), "Alignment")), QStringList{"Right"});

  TGMultiLineLabel lines;
  lines.Alignment = taCenter;
  lines.WordWrap = true;
  EXPECT_EQ(CheckedIn(ItemCaptioned(ObjectMenuItems(lines), "Alignment")), QStringList{"Center"});
  EXPECT_TRUE(ItemCaptioned(ObjectMenuItems(lines), "Word Wrap").checked);

  TGLabelShapes shape;
  shape.Pen.width = 4;
  shape.SetTransparent(true);
  EXPECT_EQ(CheckedIn(ItemCaptioned(ObjectMenuItems(shape), "Line Thickness")), QStringList{"4 Point"});
  EXPECT_TRUE(ItemCaptioned(ObjectMenuItems(shape), "Transparent").checked);

  TGLineShape line;
  line.LineStyle = TLineStyle::stAngleSlopingDown;
  EXPECT_EQ(CheckedIn(ItemCaptioned(ObjectMenuItems(line), "Style")), QStringList{"Angled Sloping Down"});

  TGImage image;
  EXPECT_TRUE(ItemCaptioned(ObjectMenuItems(image), "Stretch to Fit").checked);
  EXPECT_FALSE(ItemCaptioned(ObjectMenuItems(image), "AutoSize").checked);

  TGFIMBarCode fim;
  fim.FIMType = TFIMBarCodeType::fimTypeC;
  const MenuItems fim_items = ObjectMenuItems(fim);
  EXPECT_FALSE(ItemCaptioned(fim_items, "Set FIM to Type A").checked);
  EXPECT_TRUE(ItemCaptioned(fim_items, "Set FIM to Type C").checked);

  TGDateTimeLabel date;
  date.TimeFormat = dtfTimeLong;
  EXPECT_EQ(CheckedIn(ItemCaptioned(ObjectMenuItems(date), "Date Format")), QStringList{"Windows Short Date"});
  EXPECT_EQ(CheckedIn(ItemCaptioned(ObjectMenuItems(date), "Time Format")), QStringList{"Windows Long Time"});
}

TEST_F(ObjectMenuTest, ZOrderAndClipboardCommandsOfAnUnselectedObjectActOnItAlone) {
  TGGraphicControl* a = Add(QRect(0, 0, 20, 20));
  TGGraphicControl* b = Add(QRect(30, 0, 20, 20));
  TGGraphicControl* c = Add(QRect(60, 0, 20, 20));
  const std::vector<std::string> names = NamesInZOrder();
  page_.AddToSelection(a);
  page_.AddToSelection(b);
  Run(*c, MenuCommand::kSendToBack);
  EXPECT_EQ(NamesInZOrder(), (std::vector<std::string>{names[2], names[0], names[1]}));
  EXPECT_TRUE(page_.Selection().empty());
  Run(*a, MenuCommand::kBringToFront);
  EXPECT_EQ(NamesInZOrder().back(), names[0]);

  page_.AddToSelection(b);
  Run(*c, MenuCommand::kCut);
  EXPECT_EQ(NamesInZOrder(), (std::vector<std::string>{names[1], names[0]}));
  int64_t now = 0;
  page_.Now = [&now] { return now; };
  ASSERT_TRUE(page_.Paste().ok());
  ASSERT_EQ(page_.Objects().size(), 3u);
  EXPECT_EQ(page_.Objects().back()->Bounds(), QRect(75, 15, 20, 20)) << "only the object cut";

  Run(*b, MenuCommand::kDelete);  // selected: the selection goes
  EXPECT_EQ(page_.Objects().size(), 2u);
}

TEST_F(ObjectMenuTest, CloneLockUnselectableAndCentring) {
  TGGraphicControl* shape = Add(QRect(10, 10, 20, 30));
  page_.AddToSelection(shape);
  Run(*shape, MenuCommand::kClone);
  ASSERT_EQ(page_.Objects().size(), 2u);
  TGGraphicControl* clone = page_.Objects().back().get();
  EXPECT_EQ(clone->Bounds(), QRect(10, 35, 20, 30));
  EXPECT_EQ(page_.Selection(), std::vector<TGGraphicControl*>{clone});

  Run(*shape, MenuCommand::kLocked);
  EXPECT_TRUE(shape->Locked);
  Run(*shape, MenuCommand::kLocked);
  EXPECT_FALSE(shape->Locked);

  Run(*clone, MenuCommand::kUnselectable);
  EXPECT_TRUE(clone->Unselectable);
  EXPECT_TRUE(page_.Selection().empty());

  Run(*shape, MenuCommand::kCenterVertically);
  EXPECT_EQ(shape->Bounds(), QRect(10, 96 / 2 - 15, 20, 30));
  Run(*shape, MenuCommand::kCenterHorizontally);
  EXPECT_EQ(shape->Left(), 252 / 2 - 10);
  EXPECT_EQ(clone->Bounds(), QRect(10, 35, 20, 30)) << "only the object itself is centred";
}

TEST_F(ObjectMenuTest, StretchToEdgesSpansThePageForStraightLinesOnly) {
  auto* across = Add<TGLineShape>(QRect(30, 40, 50, 10));
  Run(*across, MenuCommand::kStretchToEdges);
  EXPECT_EQ(across->Bounds(), QRect(0, 40, 252, 10));
  auto* down = Add<TGLineShape>(QRect(30, 40, 10, 20));
  down->LineStyle = TLineStyle::stVertical;
  Run(*down, MenuCommand::kStretchToEdges);
  EXPECT_EQ(down->Bounds(), QRect(30, 0, 10, 96));
  auto* sloping = Add<TGLineShape>(QRect(30, 40, 10, 20));
  Run(*sloping, MenuCommand::kLineStyle, int(TLineStyle::stAngleSlopingUp));
  EXPECT_EQ(sloping->LineStyle, TLineStyle::stAngleSlopingUp);
  Run(*sloping, MenuCommand::kStretchToEdges);
  EXPECT_EQ(sloping->Bounds(), QRect(30, 40, 10, 20));
}

TEST_F(ObjectMenuTest, PensColoursAndTransparencyOfShapesAndLines) {
  auto* shape = Add(QRect(0, 0, 40, 40));
  shape->SetTransparent(true);
  changes_ = 0;
  Run(*shape, MenuCommand::kLineThickness, 7);
  EXPECT_EQ(shape->Pen.width, 7);
  EXPECT_GT(changes_, 0);

  colour_answer_ = QColor(0x12, 0x34, 0x56);
  Run(*shape, MenuCommand::kBackgroundColor);
  EXPECT_EQ(shape->Brush.colour, 0x563412u);
  EXPECT_FALSE(shape->Transparent()) << "a background colour is shown";
  EXPECT_EQ(shape->Brush.style, BrushStyle::kSolid);
  Run(*shape, MenuCommand::kLineColor);
  EXPECT_EQ(shape->Pen.colour, 0x563412u);
  EXPECT_EQ(offered_colour_, QColor(Qt::black)) << "the chooser starts at the current colour";
  Run(*shape, MenuCommand::kTransparent);
  EXPECT_TRUE(shape->Transparent());
  Run(*shape, MenuCommand::kTransparent);
  EXPECT_FALSE(shape->Transparent());

  colour_answer_.reset();
  Run(*shape, MenuCommand::kLineColor);
  EXPECT_EQ(shape->Pen.colour, 0x563412u) << "a cancelled chooser keeps the colour";

  auto* line = Add<TGLineShape>(QRect(0, 50, 40, 10));
  colour_answer_ = QColor(Qt::red);
  Run(*line, MenuCommand::kLineColor);
  EXPECT_EQ(line->Pen.colour, 0x0000FFu);
  Run(*line, MenuCommand::kLineThickness, 10);
  EXPECT_EQ(line->Pen.width, 10);
}

TEST_F(ObjectMenuTest, RoundingIsOfferedAndTakenByRoundedShapesOnly) {
  auto* rectangle = Add(QRect(0, 0, 40, 40));
  Run(*rectangle, MenuCommand::kRounding, 60);
  EXPECT_EQ(rectangle->RoundPerc, TGLabelShapes::kDefaultRoundPerc);
  auto* rounded = Add(QRect(0, 0, 40, 40));
  rounded->Shape = TShapeType::stRoundRect;
  Run(*rounded, MenuCommand::kRounding, 60);
  EXPECT_EQ(rounded->RoundPerc, 60);
}

TEST_F(ObjectMenuTest, SingleLineTextCommands) {
  auto* text = Add<TGPLabel>(QRect(10, 10, 30, 10));
  text->Caption = "A caption that needs room";
  colour_answer_ = QColor(Qt::yellow);
  Run(*text, MenuCommand::kBackgroundColor);
  EXPECT_EQ(text->BackColor, 0x00FFFFu);
  EXPECT_FALSE(text->Transparent);
  Run(*text, MenuCommand::kTransparent);
  EXPECT_TRUE(text->Transparent);
  Run(*text, MenuCommand::kAlignment, taCenter);
  EXPECT_EQ(text->Alignment, taCenter);

  QFont big(QStringLiteral("Arial"));
  big.setPointSize(20);
  font_answer_ = big;
  const QRect before = text->Bounds();
  Run(*text, MenuCommand::kFont);
  EXPECT_EQ(text->Font.height, StoredFontOf(big, DefaultTextFont()).height);
  EXPECT_GT(text->Width(), before.width()) << "a fixed text grows to its caption in the new font";
  EXPECT_GT(text->Height(), before.height());

  Run(*text, MenuCommand::kRotation, 90);
  EXPECT_EQ(text->Angle(), 90);
  EXPECT_EQ(text->Alignment, taLeftJustify);
}

TEST_F(ObjectMenuTest, SymbolsIgnoreFontAndAlignmentCommands) {
  auto* symbol = Add<TGSymbolLabel>(QRect(10, 10, 30, 30));
  const StoredFont font = symbol->Font;
  font_answer_ = QFont(QStringLiteral("Courier New"));
  Run(*symbol, MenuCommand::kFont);
  Run(*symbol, MenuCommand::kAlignment, taCenter);
  EXPECT_EQ(symbol->Font, font);
  EXPECT_EQ(symbol->Alignment, taLeftJustify);
}

TEST_F(ObjectMenuTest, MultiLineWordWrapAndAlignment) {
  auto* lines = Add<TGMultiLineLabel>(QRect(0, 0, 100, 40));
  Run(*lines, MenuCommand::kWordWrap);
  EXPECT_TRUE(lines->WordWrap);
  Run(*lines, MenuCommand::kWordWrap);
  EXPECT_FALSE(lines->WordWrap);
  Run(*lines, MenuCommand::kAlignment, taRightJustify);
  EXPECT_EQ(lines->Alignment, taRightJustify);
}

TEST_F(ObjectMenuTest, DateAndTimeFormatsAndFimTypes) {
  TGDataPanel report(PageKind::kReport, "/prog", env_.get());
  auto* date = static_cast<TGDateTimeLabel*>(report.PlaceObject(std::make_unique<TGDateTimeLabel>(), QRect(0, 0, 90, 20)));
  int report_changes = 0;
  report.LabelChangedEvent = [&] { ++report_changes; };
  RunObjectCommand(report, *date, {MenuCommand::kDateFormat, dtfDateLong}, context_);
  RunObjectCommand(report, *date, {MenuCommand::kTimeFormat, dtfTimeShort}, context_);
  EXPECT_EQ(date->DateFormat, dtfDateLong);
  EXPECT_EQ(date->TimeFormat, dtfTimeShort);
  EXPECT_EQ(report_changes, 2);

  auto* fim = Add<TGFIMBarCode>(QRect(0, 0, 60, 54));
  changes_ = 0;
  Run(*fim, MenuCommand::kFimType, int(TFIMBarCodeType::fimTypeB));
  EXPECT_EQ(fim->FIMType, TFIMBarCodeType::fimTypeB);
  EXPECT_EQ(changes_, 1);
}

TEST_F(ObjectMenuTest, ImageStretchAndAutoSizeExcludeEachOther) {
  auto* image = Add<TGImage>(QRect(0, 0, 50, 50));
  Run(*image, MenuCommand::kAutoSize);
  EXPECT_TRUE(image->AutoSize());
  EXPECT_FALSE(image->Stretch());
  Run(*image, MenuCommand::kStretchToFit);
  EXPECT_TRUE(image->Stretch());
  EXPECT_FALSE(image->AutoSize());
}

TEST_F(ObjectMenuTest, DialogItemsOpenTheClassDialogAndNameTheStep) {
  auto* text = Add<TGPLabel>(QRect(10, 10, 60, 20));
  Baseline();
  QString caption;
  QTimer::singleShot(0, [&caption] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    caption = dialog->windowTitle();
    dialog->accept();
  });
  Run(*text, MenuCommand::kText);
  Settle();
  EXPECT_EQ(caption, "Text");
  EXPECT_EQ(history_->Stack().count(), 0) << "accepting the same caption changes nothing";

  auto* counter = Add<TGCounterLabel>(QRect(10, 40, 60, 20));
  Baseline();
  QTimer::singleShot(0, [&caption] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    caption = dialog->windowTitle();
    dialog->findChild<QSpinBox*>()->setValue(42);
    dialog->accept();
  });
  Run(*counter, MenuCommand::kCounterSettings);
  Settle();
  EXPECT_EQ(caption, "Counter");
  EXPECT_EQ(counter->Startingnumber(), 42);
  ASSERT_EQ(history_->Stack().count(), 1);
  EXPECT_EQ(history_->UndoText(), "Counter Settings");
}

}  // namespace
}  // namespace vellumo::design
