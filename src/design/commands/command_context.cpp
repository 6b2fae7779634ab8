// The platform's font and colour dialogs as the menus' choosers, steps and
// failure messages.
#include "design/commands/command_context.h"

#include <QColorDialog>
#include <QFontDialog>

#include "core/messages.h"
#include "design/commands/design_history.h"

namespace vellumo::design {

std::optional<QFont> ChooseFontInDialog(const QFont& initial, QWidget* parent) {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, initial, parent);
  if (!chosen) return std::nullopt;
  return font;
}

std::optional<QColor> ChooseColourInDialog(const QColor& initial, QWidget* parent) {
  const QColor colour = QColorDialog::getColor(initial, parent);
  if (!colour.isValid()) return std::nullopt;
  return colour;
}

void RunAsStep(const CommandContext& context, const QString& step, const std::function<void()>& command) {
  if (context.history) {
    context.history->RunStep(step, command);
  } else {
    command();
  }
}

void ReportFailure(const QString& message, const xbase::Status& status) {
  if (!status.ok()) ShowInformation(WithReason(message, status));
}

}  // namespace vellumo::design
