// The object menu's commands by family, for the object menu's runner:
// each carries out the commands of its own classes and leaves any other
// command or object alone.
#pragma once

#include <optional>

#include "design/commands/command_context.h"
#include "design/commands/menu_items.h"
#include "design/stream/colours.h"

namespace vellumo::design {

class TGBasePanel;
class TGGraphicControl;

// Single-line and multi-line texts, data fields, the address block,
// counters, symbols, dates.
void RunTextObjectCommand(TGBasePanel& page, TGGraphicControl& object, const MenuChoice& choice,
                          const CommandContext& context);
// Shapes, lines, pictures and barcodes.
void RunGraphicObjectCommand(TGBasePanel& page, TGGraphicControl& object, const MenuChoice& choice,
                             const CommandContext& context);

// The colour chosen starting from `current`, in the stored form; none
// when the chooser was cancelled.
[[nodiscard]] std::optional<Colour> ChosenColour(const CommandContext& context, Colour current);

}  // namespace vellumo::design
