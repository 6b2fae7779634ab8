// The items of each object class's pop-up menu.
#include "design/commands/object_menu.h"
#include "design/model/counter_label.h"
#include "design/model/date_time_label.h"
#include "design/model/fim_barcode.h"
#include "design/model/image_object.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/multi_line_label.h"
#include "design/model/symbol_label.h"

namespace vellumo::design {
namespace {

constexpr int kThinnestLine = 1;
constexpr int kThickestLine = 10;
constexpr int kRoundings[] = {20, 30, 40, 50, 60, 70, 80};

void Append(MenuItems& items, std::initializer_list<MenuItem> more) { items.insert(items.end(), more); }

MenuItems CommonItems(const TGGraphicControl& object) {
  return {Item(QStringLiteral("Bring To Front"), MenuCommand::kBringToFront),
          Item(QStringLiteral("Send To Back"), MenuCommand::kSendToBack),
          Item(QStringLiteral("Cut"), MenuCommand::kCut),
          Item(QStringLiteral("Copy"), MenuCommand::kCopy),
          Item(QStringLiteral("Delete"), MenuCommand::kDelete),
          Item(QStringLiteral("Clone"), MenuCommand::kClone),
          Separator(),
          CheckItem(QStringLiteral("Locked"), MenuCommand::kLocked, object.Locked),
          Item(QStringLiteral("Unselectable"), MenuCommand::kUnselectable),
          Separator(),
          Item(QStringLiteral("Center Vertically"), MenuCommand::kCenterVertically),
          Item(QStringLiteral("Center Horizontally"), MenuCommand::kCenterHorizontally)};
}

MenuItem AlignmentMenu(TAlignment current) {
  return SubMenu(QStringLiteral("Alignment"),
                 {CheckItem(QStringLiteral("Left"), MenuCommand::kAlignment, current == taLeftJustify, taLeftJustify),
                  CheckItem(QStringLiteral("Center"), MenuCommand::kAlignment, current == taCenter, taCenter),
                  CheckItem(QStringLiteral("Right"), MenuCommand::kAlignment, current == taRightJustify,
                            taRightJustify)});
}

MenuItem RotationMenu() {
  return SubMenu(QStringLiteral("Rotation"), {Item(QStringLiteral("No Rotation"), MenuCommand::kRotation, 0),
                                              Item(QStringLiteral("90 Degrees"), MenuCommand::kRotation, 90),
                                              Item(QStringLiteral("180 Degrees"), MenuCommand::kRotation, 180),
                                              Item(QStringLiteral("270 Degrees"), MenuCommand::kRotation, 270)});
}

MenuItem ThicknessMenu(int current) {
  MenuItems points;
  for (int n = kThinnestLine; n <= kThickestLine; ++n) {
    points.push_back(CheckItem(QStringLiteral("%1 Point").arg(n), MenuCommand::kLineThickness, current == n, n));
  }
  return SubMenu(QStringLiteral("Line Thickness"), std::move(points));
}

// The items of every single-line text; a symbol has neither its font
// (the chooser sets it) nor an alignment.
void AddSingleLineItems(MenuItems& items, const TGBaseLabel& label, bool font_and_alignment) {
  items.push_back(Separator());
  if (font_and_alignment) items.push_back(Item(QStringLiteral("Font"), MenuCommand::kFont));
  items.push_back(Item(QStringLiteral("3D Effects"), MenuCommand::k3DEffects));
  if (font_and_alignment) items.push_back(AlignmentMenu(label.Alignment));
  Append(items, {Item(QStringLiteral("Background Color"), MenuCommand::kBackgroundColor),
                 CheckItem(QStringLiteral("Transparent"), MenuCommand::kTransparent, label.Transparent)});
}

void AddSingleLineClassItems(MenuItems& items, const TGBaseLabel& label) {
  const bool symbol = dynamic_cast<const TGSymbolLabel*>(&label) != nullptr;
  AddSingleLineItems(items, label, !symbol);
  if (symbol) return Append(items, {Separator(), Item(QStringLiteral("Symbol Selector"), MenuCommand::kSymbolSelector)});
  if (dynamic_cast<const TGPLabel*>(&label)) {
    return Append(items, {Separator(), Item(QStringLiteral("Text"), MenuCommand::kText), Separator(), RotationMenu()});
  }
  if (dynamic_cast<const TGPDLabel*>(&label)) return Append(items, {Separator(), Item(QStringLiteral("Field"), MenuCommand::kField)});
  if (dynamic_cast<const TGCounterLabel*>(&label)) {
    return Append(items, {Separator(), Item(QStringLiteral("Counter Settings"), MenuCommand::kCounterSettings),
                          Separator(), RotationMenu()});
  }
  if (const auto* date = dynamic_cast<const TGDateTimeLabel*>(&label)) {
    const TGDateFormat day = date->DateFormat;
    const TGTimeFormat time = date->TimeFormat;
    Append(items, {Separator(),
                   SubMenu(QStringLiteral("Date Format"),
                           {CheckItem(QStringLiteral("No Date"), MenuCommand::kDateFormat, day == dtfDateNone, dtfDateNone),
                            CheckItem(QStringLiteral("Windows Short Date"), MenuCommand::kDateFormat,
                                      day == dtfDateShort, dtfDateShort),
                            CheckItem(QStringLiteral("Windows Long Date"), MenuCommand::kDateFormat, day == dtfDateLong,
                                      dtfDateLong)}),
                   SubMenu(QStringLiteral("Time Format"),
                           {CheckItem(QStringLiteral("No Time"), MenuCommand::kTimeFormat, time == dtfTimeNone, dtfTimeNone),
                            CheckItem(QStringLiteral("Windows Short Time"), MenuCommand::kTimeFormat,
                                      time == dtfTimeShort, dtfTimeShort),
                            CheckItem(QStringLiteral("Windows Long Time"), MenuCommand::kTimeFormat, time == dtfTimeLong,
                                      dtfTimeLong)})});
  }
}

void AddMultiLineItems(MenuItems& items, const TGMultiLineBaseLabel& label) {
  Append(items, {Separator(), Item(QStringLiteral("Font"), MenuCommand::kFont), AlignmentMenu(label.Alignment)});
  const MenuItem word_wrap = CheckItem(QStringLiteral("Word Wrap"), MenuCommand::kWordWrap, label.WordWrap);
  if (dynamic_cast<const TGMultiLineLabel*>(&label)) {
    return Append(items, {Separator(), Item(QStringLiteral("Text"), MenuCommand::kText), word_wrap});
  }
  if (dynamic_cast<const TGDMultiLineLabel*>(&label)) {
    return Append(items, {Separator(), Item(QStringLiteral("Memo Field"), MenuCommand::kMemoField), word_wrap});
  }
  if (dynamic_cast<const TGDMultiLineAddressLabel*>(&label)) {
    Append(items, {Separator(), Item(QStringLiteral("Address Layout"), MenuCommand::kAddressLayout)});
  }
}

void AddShapeItems(MenuItems& items, const TGLabelShapes& shape) {
  Append(items, {Separator(), Item(QStringLiteral("Background Color"), MenuCommand::kBackgroundColor),
                 Item(QStringLiteral("Line Color"), MenuCommand::kLineColor), ThicknessMenu(shape.Pen.width),
                 Separator(), CheckItem(QStringLiteral("Transparent"), MenuCommand::kTransparent, shape.Transparent())});
  if (shape.Shape != TShapeType::stRoundRect && shape.Shape != TShapeType::stRoundSquare) return;
  MenuItems roundings;
  for (int percent : kRoundings) roundings.push_back(Item(QStringLiteral("%1 %").arg(percent), MenuCommand::kRounding, percent));
  Append(items, {Separator(), SubMenu(QStringLiteral("Degree of Rounding"), std::move(roundings))});
}

void AddLineItems(MenuItems& items, const TGLineShape& line) {
  const TLineStyle style = line.LineStyle;
  const auto style_item = [style](const char* caption, TLineStyle value) {
    return CheckItem(QString::fromLatin1(caption), MenuCommand::kLineStyle, style == value, int(value));
  };
  Append(items, {Separator(),
                 SubMenu(QStringLiteral("Style"), {style_item("Horizontal", TLineStyle::stHorizontal),
                                                   style_item("Vertical", TLineStyle::stVertical),
                                                   style_item("Angled Sloping Up", TLineStyle::stAngleSlopingUp),
                                                   style_item("Angled Sloping Down", TLineStyle::stAngleSlopingDown)}),
                 Item(QStringLiteral("Color"), MenuCommand::kLineColor), ThicknessMenu(line.Pen.width), Separator(),
                 Item(QStringLiteral("Stretch To Edges"), MenuCommand::kStretchToEdges)});
}

void AddImageItems(MenuItems& items, const TGImage& image) {
  Append(items, {Separator(), Item(QStringLiteral("Load Image From Disk"), MenuCommand::kLoadImage), Separator(),
                 CheckItem(QStringLiteral("Stretch to Fit"), MenuCommand::kStretchToFit, image.Stretch()),
                 CheckItem(QStringLiteral("AutoSize"), MenuCommand::kAutoSize, image.AutoSize())});
}

void AddFimItems(MenuItems& items, const TGFIMBarCode& fim) {
  const auto type_item = [&fim](const char* caption, TFIMBarCodeType type) {
    return CheckItem(QString::fromLatin1(caption), MenuCommand::kFimType, fim.FIMType == type, int(type));
  };
  Append(items, {Separator(), type_item("Set FIM to Type A", TFIMBarCodeType::fimTypeA),
                 type_item("Set FIM to Type B", TFIMBarCodeType::fimTypeB),
                 type_item("Set FIM to Type C", TFIMBarCodeType::fimTypeC)});
}

}  // namespace

MenuItems ObjectMenuItems(const TGGraphicControl& object) {
  MenuItems items = CommonItems(object);
  if (const auto* label = dynamic_cast<const TGBaseLabel*>(&object)) AddSingleLineClassItems(items, *label);
  if (const auto* lines = dynamic_cast<const TGMultiLineBaseLabel*>(&object)) AddMultiLineItems(items, *lines);
  if (const auto* shape = dynamic_cast<const TGLabelShapes*>(&object)) AddShapeItems(items, *shape);
  if (const auto* line = dynamic_cast<const TGLineShape*>(&object)) AddLineItems(items, *line);
  if (const auto* image = dynamic_cast<const TGImage*>(&object)) AddImageItems(items, *image);
  if (const auto* fim = dynamic_cast<const TGFIMBarCode*>(&object)) AddFimItems(items, *fim);
  if (dynamic_cast<const TGIMBarCode*>(&object)) {
    Append(items, {Separator(), Item(QStringLiteral("Barcode Identifiers"), MenuCommand::kBarcodeIdentifiers)});
  }
  return items;
}

}  // namespace vellumo::design
