// The button row most dialogs end with: "Ok", "Cancel" and, when the
// dialog has a help context, "Help" opening its page (F1 too).
#pragma once

#include <QDialogButtonBox>
#include <QPushButton>

class QDialog;

namespace vellumo {

struct DialogButtons {
  QDialogButtonBox* box;
  QPushButton* ok;
  QPushButton* cancel;
};

// Ok accepts and Cancel rejects `dialog`; help_context 0 adds no Help button.
DialogButtons AddDialogButtons(QDialog* dialog, const QString& ok_caption, int help_context);

}  // namespace vellumo
