// The menu commands of shapes, lines, pictures and barcodes: colours,
// line thickness and style, transparency, rounding, stretching, loading
// a picture, the FIM type and the Intelligent Mail identifiers.
#include "design/commands/object_command_parts.h"
#include "design/model/base_panel.h"
#include "design/model/fim_barcode.h"
#include "design/model/image_object.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/windows/image_browser.h"
#include "design/windows/imb_identifiers_dialog.h"
#include "design/windows/page_changes.h"

namespace vellumo::design {
namespace {

// The pen colour of a shape or a line, chosen.
void ChoosePenColour(TGGraphicControl& object, StoredPen& pen, const CommandContext& context) {
  if (const std::optional<Colour> colour = ChosenColour(context, pen.colour)) {
    pen.colour = *colour;
    TellPage(object);
  }
}

void SetPenWidth(TGGraphicControl& object, StoredPen& pen, int width) {
  pen.width = width;
  TellPage(object);
}

void RunShapeCommand(TGLabelShapes& shape, const MenuChoice& choice, const CommandContext& context) {
  switch (choice.command) {
    case MenuCommand::kBackgroundColor:
      if (const std::optional<Colour> colour = ChosenColour(context, shape.Brush.colour)) {
        shape.Brush.colour = *colour;
        shape.SetTransparent(false);
        TellPage(shape);
      }
      break;
    case MenuCommand::kLineColor: ChoosePenColour(shape, shape.Pen, context); break;
    case MenuCommand::kLineThickness: SetPenWidth(shape, shape.Pen, choice.value); break;
    case MenuCommand::kTransparent:
      shape.SetTransparent(!shape.Transparent());
      TellPage(shape);
      break;
    case MenuCommand::kRounding:
      shape.RoundPerc = choice.value;
      TellPage(shape);
      break;
    default: break;
  }
}

void RunLineCommand(TGBasePanel& page, TGLineShape& line, const MenuChoice& choice, const CommandContext& context) {
  switch (choice.command) {
    case MenuCommand::kLineStyle:
      line.LineStyle = TLineStyle(choice.value);
      TellPage(line);
      break;
    case MenuCommand::kLineColor: ChoosePenColour(line, line.Pen, context); break;
    case MenuCommand::kLineThickness: SetPenWidth(line, line.Pen, choice.value); break;
    case MenuCommand::kStretchToEdges: line.StretchToEdges(page.Size()); break;
    default: break;
  }
}

void RunImageCommand(TGImage& image, const MenuChoice& choice, const CommandContext& context) {
  switch (choice.command) {
    case MenuCommand::kLoadImage: TGImageBrowser::Edit(image, context.parent); break;
    case MenuCommand::kStretchToFit: image.SetStretch(!image.Stretch()); break;
    case MenuCommand::kAutoSize: image.SetAutoSize(!image.AutoSize()); break;
    default: break;
  }
}

}  // namespace

void RunGraphicObjectCommand(TGBasePanel& page, TGGraphicControl& object, const MenuChoice& choice,
                             const CommandContext& context) {
  if (auto* shape = dynamic_cast<TGLabelShapes*>(&object)) RunShapeCommand(*shape, choice, context);
  if (auto* line = dynamic_cast<TGLineShape*>(&object)) RunLineCommand(page, *line, choice, context);
  if (auto* image = dynamic_cast<TGImage*>(&object)) RunImageCommand(*image, choice, context);
  if (auto* fim = dynamic_cast<TGFIMBarCode*>(&object); fim && choice.command == MenuCommand::kFimType) {
    fim->FIMType = TFIMBarCodeType(choice.value);
    TellPage(*fim);
  }
  if (auto* barcode = dynamic_cast<TGIMBarCode*>(&object); barcode && choice.command == MenuCommand::kBarcodeIdentifiers) {
    TGetIMbIdentifiers::Edit(*barcode, context.parent);
  }
}

}  // namespace vellumo::design
