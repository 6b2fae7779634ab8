// The page's pop-up menu: z-order, clipboard, deletion, alignment,
// centring, locking and selectability of the selection or of every
// object, and the font of the selected objects; with a history also Undo
// and Redo at its top.
#pragma once

#include <QPoint>

#include "design/commands/command_context.h"
#include "design/commands/menu_items.h"

namespace vellumo::design {

class TGBasePanel;

// The items as the menu opens now: the selection commands only with a
// selection, "Paste" only with a clipboard file, "Lock All" and "Unlock
// All" only with objects on the page; "Undo" and "Redo" only with a step
// to take back or do again.
[[nodiscard]] MenuItems PageMenuItems(const TGBasePanel& page, const DesignHistory* history);

// Carries out a page menu item, as one step named after it. "Font" asks
// the context's font chooser, starting from the page's font, and gives
// the chosen font to every selected object; a clipboard command that
// fails says why.
void RunPageCommand(TGBasePanel& page, const MenuChoice& choice, const CommandContext& context);

// Shows the page menu at a screen position and carries out the item chosen.
void ShowPageMenu(TGBasePanel& page, QPoint global_pos, const CommandContext& context);
void ShowPageMenu(TGBasePanel& page, QPoint global_pos, QWidget* parent, DesignHistory* history);

}  // namespace vellumo::design
