// The commands every object's menu has, and the object menu itself.
#include "design/commands/menu_widget.h"
#include "design/commands/object_command_parts.h"
#include "design/commands/object_menu.h"
#include "design/model/base_panel.h"
#include "design/model/qt_colour.h"
#include "design/windows/text_edits.h"

namespace vellumo::design {
namespace {

// Whether the command is one every object's menu has; it is carried out then.
bool RunCommonCommand(TGBasePanel& page, TGGraphicControl& object, const MenuChoice& choice) {
  switch (choice.command) {
    case MenuCommand::kBringToFront: page.BringToFront(&object); break;
    case MenuCommand::kSendToBack: page.SendToBack(&object); break;
    case MenuCommand::kCut: ReportFailure(QStringLiteral("The objects could not be cut."), page.Cut(&object)); break;
    case MenuCommand::kCopy:
      ReportFailure(QStringLiteral("The objects could not be copied."), page.Copy(&object));
      break;
    case MenuCommand::kDelete: page.Delete(&object); break;
    case MenuCommand::kClone:
      ReportFailure(QStringLiteral("The object could not be cloned."), page.Clone(&object).status());
      break;
    case MenuCommand::kLocked:
      object.Locked = !object.Locked;
      page.NotifyChanged();
      break;
    case MenuCommand::kUnselectable: page.SetObjectUnselectable(&object, true); break;
    case MenuCommand::kCenterVertically: page.CenterObjectVertically(&object); break;
    case MenuCommand::kCenterHorizontally: page.CenterObjectHorizontally(&object); break;
    default: return false;
  }
  return true;
}

}  // namespace

std::optional<Colour> ChosenColour(const CommandContext& context, Colour current) {
  const std::optional<QColor> chosen = context.choose_colour(QtColour(current), context.parent);
  if (!chosen) return std::nullopt;
  return StoredColour(*chosen);
}

void RunObjectCommand(TGBasePanel& page, TGGraphicControl& object, const MenuChoice& choice,
                      const CommandContext& context) {
  const MenuItems items = ObjectMenuItems(object);
  if (!Offers(items, choice)) return;
  RunAsStep(context, StepName(items, choice), [&] {
    if (RunCommonCommand(page, object, choice)) return;
    RunTextObjectCommand(page, object, choice, context);
    RunGraphicObjectCommand(page, object, choice, context);
  });
}

void ShowObjectMenu(TGBasePanel& page, TGGraphicControl& object, QPoint global_pos, const CommandContext& context) {
  if (const std::optional<MenuChoice> choice = ExecMenu(ObjectMenuItems(object), global_pos, context.parent)) {
    RunObjectCommand(page, object, *choice, context);
  }
}

void ShowObjectMenu(TGBasePanel& page, TGGraphicControl& object, QPoint global_pos, QWidget* parent,
                    DesignHistory* history) {
  CommandContext context;
  context.parent = parent;
  context.history = history;
  ShowObjectMenu(page, object, global_pos, context);
}

}  // namespace vellumo::design
