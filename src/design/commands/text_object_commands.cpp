// The text objects' menu commands: font, 3-D look, alignment, background,
// text, rotation, word wrap, fields and the dialogs of the special texts.
#include "design/commands/object_command_parts.h"
#include "design/model/base_panel.h"
#include "design/model/counter_label.h"
#include "design/model/date_time_label.h"
#include "design/model/multi_line_label.h"
#include "design/model/symbol_label.h"
#include "design/windows/address_layout_dialog.h"
#include "design/windows/counter_dialog.h"
#include "design/windows/field_selection_box.h"
#include "design/windows/font_3d_effects.h"
#include "design/windows/get_label_text.h"
#include "design/windows/multi_line_text_editor.h"
#include "design/windows/page_changes.h"
#include "design/windows/screen_font.h"
#include "design/windows/symbol_selector.h"

namespace vellumo::design {
namespace {

// The font chosen starting from the object's; none when cancelled.
std::optional<StoredFont> ChosenFont(const CommandContext& context, const StoredFont& current) {
  const std::optional<QFont> chosen = context.choose_font(ScreenFont(current), context.parent);
  if (!chosen) return std::nullopt;
  return StoredFontOf(*chosen, current);
}

template <typename Label>
void SetAlignment(Label& label, int alignment) {
  label.Alignment = TAlignment(alignment);
  TellPage(label);
}

void RunSingleLineCommand(TGBaseLabel& label, const MenuChoice& choice, const CommandContext& context) {
  switch (choice.command) {
    case MenuCommand::kFont:
      if (const std::optional<StoredFont> font = ChosenFont(context, label.Font)) {
        label.ApplyFont(*font);
        // A fixed text keeps room for its caption in the new font.
        if (auto* text = dynamic_cast<TGPLabel*>(&label)) text->GrowToFit();
      }
      break;
    case MenuCommand::k3DEffects: TGFont3DEffects::Edit(label, context.parent); break;
    case MenuCommand::kAlignment: SetAlignment(label, choice.value); break;
    case MenuCommand::kBackgroundColor:
      if (const std::optional<Colour> colour = ChosenColour(context, label.BackColor)) {
        label.BackColor = *colour;
        label.Transparent = false;
        TellPage(label);
      }
      break;
    case MenuCommand::kTransparent:
      label.Transparent = !label.Transparent;
      TellPage(label);
      break;
    case MenuCommand::kRotation: label.SetAngle(choice.value); break;
    default: break;
  }
}

void RunMultiLineCommand(TGBasePanel& page, TGMultiLineBaseLabel& label, const MenuChoice& choice,
                         const CommandContext& context) {
  switch (choice.command) {
    case MenuCommand::kFont:
      if (const std::optional<StoredFont> font = ChosenFont(context, label.Font)) label.ApplyFont(*font);
      break;
    case MenuCommand::kAlignment: SetAlignment(label, choice.value); break;
    case MenuCommand::kWordWrap:
      label.WordWrap = !label.WordWrap;
      // A memo is read again for the new wrapping.
      page.RefreshAllData();
      TellPage(label);
      break;
    default: break;
  }
}

// The commands that open a class's own dialog.
void RunDialogCommand(TGGraphicControl& object, const MenuChoice& choice, const CommandContext& context) {
  QWidget* parent = context.parent;
  auto* text = dynamic_cast<TGPLabel*>(&object);
  auto* lines = dynamic_cast<TGMultiLineLabel*>(&object);
  auto* field = dynamic_cast<TGPDLabel*>(&object);
  auto* memo = dynamic_cast<TGDMultiLineLabel*>(&object);
  auto* address = dynamic_cast<TGDMultiLineAddressLabel*>(&object);
  auto* counter = dynamic_cast<TGCounterLabel*>(&object);
  auto* symbol = dynamic_cast<TGSymbolLabel*>(&object);
  switch (choice.command) {
    case MenuCommand::kText:
      if (text) TGetLabelText::Edit(*text, parent);
      if (lines) TMultiLineTextEditor::Edit(*lines, parent);
      break;
    case MenuCommand::kField:
      if (field) TFieldSelectionBox::Edit(*field, context.table_fields, parent);
      break;
    case MenuCommand::kMemoField:
      if (memo) TFieldSelectionBox::Edit(*memo, context.table_fields, parent);
      break;
    case MenuCommand::kAddressLayout:
      if (address) TAddressLayout::Edit(*address, parent);
      break;
    case MenuCommand::kCounterSettings:
      if (counter) TGetCounter::Edit(*counter, parent);
      break;
    case MenuCommand::kSymbolSelector:
      if (symbol) TGetSymbol::Edit(*symbol, parent);
      break;
    default: break;
  }
}

void RunDateTimeCommand(TGDateTimeLabel& date, const MenuChoice& choice) {
  if (choice.command == MenuCommand::kDateFormat) {
    date.DateFormat = TGDateFormat(choice.value);
  } else if (choice.command == MenuCommand::kTimeFormat) {
    date.TimeFormat = TGTimeFormat(choice.value);
  } else {
    return;
  }
  TellPage(date);
}

}  // namespace

void RunTextObjectCommand(TGBasePanel& page, TGGraphicControl& object, const MenuChoice& choice,
                          const CommandContext& context) {
  if (auto* label = dynamic_cast<TGBaseLabel*>(&object)) RunSingleLineCommand(*label, choice, context);
  if (auto* lines = dynamic_cast<TGMultiLineBaseLabel*>(&object)) RunMultiLineCommand(page, *lines, choice, context);
  if (auto* date = dynamic_cast<TGDateTimeLabel*>(&object)) RunDateTimeCommand(*date, choice);
  RunDialogCommand(object, choice, context);
}

}  // namespace vellumo::design
