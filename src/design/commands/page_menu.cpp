// The page pop-up menu's items and what they do.
#include "design/commands/page_menu.h"

#include <QAction>

#include "design/commands/design_history.h"
#include "design/commands/menu_widget.h"
#include "design/model/base_panel.h"
#include "design/model/text_font.h"
#include "design/windows/screen_font.h"

namespace vellumo::design {
namespace {

MenuItem EnabledIf(bool enabled, MenuItem item) {
  item.enabled = enabled;
  return item;
}

MenuItems HistoryItems(const DesignHistory& history) {
  return {EnabledIf(history.CanUndo(), Item(history.UndoAction()->text(), MenuCommand::kUndo)),
          EnabledIf(history.CanRedo(), Item(history.RedoAction()->text(), MenuCommand::kRedo)), Separator()};
}

void ChangeFont(TGBasePanel& page, const CommandContext& context) {
  const StoredFont base = page.Font.value_or(DefaultTextFont());
  const std::optional<QFont> chosen = context.choose_font(ScreenFont(base), context.parent);
  if (chosen) page.ApplyFontToSelection(StoredFontOf(*chosen, base));
}

void RunOnPage(TGBasePanel& page, const MenuChoice& choice, const CommandContext& context) {
  switch (choice.command) {
    case MenuCommand::kBringToFront: return page.BringSelectionToFront();
    case MenuCommand::kSendToBack: return page.SendSelectionToBack();
    case MenuCommand::kCut: return ReportFailure(QStringLiteral("The objects could not be cut."), page.Cut());
    case MenuCommand::kCopy: return ReportFailure(QStringLiteral("The objects could not be copied."), page.Copy());
    case MenuCommand::kPaste:
      return ReportFailure(QStringLiteral("The objects of the clipboard could not all be pasted."), page.Paste());
    case MenuCommand::kDelete: return page.Delete();
    case MenuCommand::kAlignLeft: return page.AlignLeft();
    case MenuCommand::kAlignRight: return page.AlignRight();
    case MenuCommand::kAlignTops: return page.AlignTops();
    case MenuCommand::kAlignBottoms: return page.AlignBottoms();
    case MenuCommand::kCenterVertically: return page.CenterVertically();
    case MenuCommand::kCenterHorizontally: return page.CenterHorizontally();
    case MenuCommand::kLockAll: return page.LockAll();
    case MenuCommand::kUnlockAll: return page.UnlockAll();
    case MenuCommand::kMarkAllSelectable: return page.MarkAllSelectable();
    case MenuCommand::kMarkAllUnselectable: return page.MarkAllUnselectable();
    case MenuCommand::kSelectAll: return page.SelectAll();
    case MenuCommand::kFont: return ChangeFont(page, context);
    default: return;
  }
}

}  // namespace

MenuItems PageMenuItems(const TGBasePanel& page, const DesignHistory* history) {
  const bool selection = !page.Selection().empty();
  const bool objects = !page.Objects().empty();
  MenuItems items = history ? HistoryItems(*history) : MenuItems();
  const MenuItems page_items = {
      EnabledIf(selection, Item(QStringLiteral("Bring To Front"), MenuCommand::kBringToFront)),
      EnabledIf(selection, Item(QStringLiteral("Send To Back"), MenuCommand::kSendToBack)),
      Separator(),
      EnabledIf(selection, Item(QStringLiteral("Cut"), MenuCommand::kCut)),
      EnabledIf(selection, Item(QStringLiteral("Copy"), MenuCommand::kCopy)),
      EnabledIf(page.ClipboardExists(), Item(QStringLiteral("Paste"), MenuCommand::kPaste)),
      Separator(),
      EnabledIf(selection, Item(QStringLiteral("Delete"), MenuCommand::kDelete)),
      Separator(),
      EnabledIf(selection, Item(QStringLiteral("Align Left"), MenuCommand::kAlignLeft)),
      EnabledIf(selection, Item(QStringLiteral("Align Right"), MenuCommand::kAlignRight)),
      EnabledIf(selection, Item(QStringLiteral("Align Tops"), MenuCommand::kAlignTops)),
      EnabledIf(selection, Item(QStringLiteral("Align Bottoms"), MenuCommand::kAlignBottoms)),
      Separator(),
      EnabledIf(selection, Item(QStringLiteral("Center Vertically"), MenuCommand::kCenterVertically)),
      EnabledIf(selection, Item(QStringLiteral("Center Horizontally"), MenuCommand::kCenterHorizontally)),
      Separator(),
      EnabledIf(objects, Item(QStringLiteral("Lock All"), MenuCommand::kLockAll)),
      EnabledIf(objects, Item(QStringLiteral("Unlock All"), MenuCommand::kUnlockAll)),
      Separator(),
      Item(QStringLiteral("Mark All Selectable"), MenuCommand::kMarkAllSelectable),
      Item(QStringLiteral("Mark All Unselectable"), MenuCommand::kMarkAllUnselectable),
      Item(QStringLiteral("Select All"), MenuCommand::kSelectAll),
      Separator(),
      EnabledIf(selection, Item(QStringLiteral("Font"), MenuCommand::kFont)),
  };
  items.insert(items.end(), page_items.begin(), page_items.end());
  return items;
}

void RunPageCommand(TGBasePanel& page, const MenuChoice& choice, const CommandContext& context) {
  if (choice.command == MenuCommand::kUndo || choice.command == MenuCommand::kRedo) {
    // Taking a step back or forth is not a step of its own.
    if (!context.history) return;
    choice.command == MenuCommand::kUndo ? context.history->Undo() : context.history->Redo();
    return;
  }
  const MenuItems items = PageMenuItems(page, context.history);
  if (!Offers(items, choice)) return;
  RunAsStep(context, StepName(items, choice), [&] { RunOnPage(page, choice, context); });
}

void ShowPageMenu(TGBasePanel& page, QPoint global_pos, const CommandContext& context) {
  if (const std::optional<MenuChoice> choice = ExecMenu(PageMenuItems(page, context.history), global_pos,
                                                        context.parent)) {
    RunPageCommand(page, *choice, context);
  }
}

void ShowPageMenu(TGBasePanel& page, QPoint global_pos, QWidget* parent, DesignHistory* history) {
  CommandContext context;
  context.parent = parent;
  context.history = history;
  ShowPageMenu(page, global_pos, context);
}

}  // namespace vellumo::design
