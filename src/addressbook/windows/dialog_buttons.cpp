// The common Ok / Cancel / Help row.
#include "addressbook/windows/dialog_buttons.h"

#include <QDialog>

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
  }
  return buttons;
}

}  // namespace vellumo
