// The messenger in force.
#include "core/messages.h"

namespace vellumo {
namespace {

class SilentMessenger final : public Messenger {
 public:
  void ShowInformation(const QString&) override {}
  bool AskYesNo(const QString&, const QString&) override { return false; }
  bool AskYesNoDefaultNo(const QString&, const QString&) override { return false; }
};

SilentMessenger silent;
Messenger* current = &silent;

}  // namespace

QString WithReason(const QString& message, const QString& reason) {
  return reason.isEmpty() ? message : message + QStringLiteral("\r\n") + reason;
}

QString WithReason(const QString& message, const xbase::Status& status) {
  return WithReason(message, QString::fromStdString(status.message()));
}

Messenger& CurrentMessenger() { return *current; }
void SetMessenger(Messenger* messenger) { current = messenger != nullptr ? messenger : &silent; }

}  // namespace vellumo
