// Message boxes for the core's messages.
#include "core/windows/message_box_messenger.h"

#include <QApplication>
#include <QMessageBox>

namespace vellumo {
namespace {

bool Ask(const QString& text, const QString& caption, QMessageBox::StandardButton default_button) {
  return QMessageBox::question(QApplication::activeWindow(), caption, text,
                               QMessageBox::Yes | QMessageBox::No, default_button) == QMessageBox::Yes;
}

}  // namespace

void MessageBoxMessenger::ShowInformation(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Information"), text);
}

bool MessageBoxMessenger::AskYesNo(const QString& text, const QString& caption) {
  return Ask(text, caption, QMessageBox::Yes);
}

bool MessageBoxMessenger::AskYesNoDefaultNo(const QString& text, const QString& caption) {
  return Ask(text, caption, QMessageBox::No);
}

}  // namespace vellumo
