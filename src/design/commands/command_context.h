// What the page and object menus need from the window they open in: the
// parent of their dialogs and messages, the undo history their steps are
// named in, the fields the field chooser offers, and the font and colour
// choosers (the platform dialogs; tests put their own answers in).
#pragma once

#include <QColor>
#include <QFont>
#include <functional>
#include <optional>
#include <vector>

#include "xbase/field.h"
#include "xbase/status.h"

class QWidget;

namespace vellumo::design {

class DesignHistory;

// The chosen font or colour; none when the chooser was cancelled.
using FontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)>;
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

[[nodiscard]] std::optional<QFont> ChooseFontInDialog(const QFont& initial, QWidget* parent);
[[nodiscard]] std::optional<QColor> ChooseColourInDialog(const QColor& initial, QWidget* parent);

struct CommandContext {
  QWidget* parent = nullptr;
  // Null: no Undo and Redo items, and steps keep the default name.
  DesignHistory* history = nullptr;
  // The bound table's fields, which the field and memo choosers offer.
  std::vector<xbase::FieldDef> table_fields;
  FontChooser choose_font = ChooseFontInDialog;
  ColourChooser choose_colour = ChooseColourInDialog;
};

// Runs `command` as one step of the context's history named `step`, or
// simply runs it without a history.
void RunAsStep(const CommandContext& context, const QString& step, const std::function<void()>& command);

// Tells the user that a command failed, with the reason.
void ReportFailure(const QString& message, const xbase::Status& status);

}  // namespace vellumo::design
