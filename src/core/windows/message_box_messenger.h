// The Messenger of the running application: modal message boxes over the
// active window, captioned as the core asks.
#pragma once

#include "core/messages.h"

namespace vellumo {

class MessageBoxMessenger final : public Messenger {
 public:
  void ShowInformation(const QString& text) override;
  bool AskYesNo(const QString& text, const QString& caption) override;
  bool AskYesNoDefaultNo(const QString& text, const QString& caption) override;
};

}  // namespace vellumo
