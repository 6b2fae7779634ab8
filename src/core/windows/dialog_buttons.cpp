// The common Ok / Cancel / Help row; F1 presses Help.
#include "core/windows/dialog_buttons.h"

#include <QDialog>
#include <QShortcut>

#include "core/windows/help.h"

namespace vellumo {

DialogButtons AddDialogButtons(QDialog* dialog, const QString& ok_caption, int help_context) {
  DialogButtons buttons;
  buttons.box = new QDialogButtonBox(dialog);
  buttons.ok = buttons.box->addButton(ok_caption, QDialogButtonBox::AcceptRole);
  buttons.ok->setDefault(true);
  buttons.cancel = buttons.box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons.box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons.box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  if (help_context != 0) {
    QPushButton* help = buttons.box->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    QObject::connect(help, &QPushButton::clicked, dialog,
                     [dialog, help_context] { ShowHelpTopic(help_context, dialog); });
    // F1 anywhere in the dialog does what its Help button does.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(f1, &QShortcut::activated, help, &QPushButton::click);
  }
  return buttons;
}

}  // namespace vellumo
