// An object's pop-up menu: the items every object has (z-order,
// clipboard, deletion, clone, locking, selectability, centring), then
// those of its class, with check marks showing the object's state as the
// menu opens.
#pragma once

#include <QPoint>

#include "design/commands/command_context.h"
#include "design/commands/menu_items.h"

namespace vellumo::design {

class TGBasePanel;
class TGGraphicControl;

[[nodiscard]] MenuItems ObjectMenuItems(const TGGraphicControl& object);

// Carries out an item of the object's menu, as one step named after it.
// Clipboard commands act on the selection when the object is selected,
// else on the object alone. After "Cut" and "Delete" the object is gone.
// REQUIRES: the object is on the page.
void RunObjectCommand(TGBasePanel& page, TGGraphicControl& object, const MenuChoice& choice,
                      const CommandContext& context);

// Shows the object's menu at a screen position and carries out the item chosen.
void ShowObjectMenu(TGBasePanel& page, TGGraphicControl& object, QPoint global_pos, const CommandContext& context);
void ShowObjectMenu(TGBasePanel& page, TGGraphicControl& object, QPoint global_pos, QWidget* parent,
                    DesignHistory* history = nullptr);

}  // namespace vellumo::design
