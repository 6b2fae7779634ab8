// How the core tells the user something or asks a question. The windows
// install a Messenger that shows message boxes; tests install one that
// records what was said and answers as told.
#pragma once

#include <QString>

#include "xbase/status.h"

namespace vellumo {

class Messenger {
 public:
  virtual ~Messenger() = default;
  // An information box (caption "Information").
  virtual void ShowInformation(const QString& text) = 0;
  // A Yes/No question with the caption naming the action; true on Yes.
  virtual bool AskYesNo(const QString& text, const QString& caption) = 0;
  // As AskYesNo with No as the default button.
  virtual bool AskYesNoDefaultNo(const QString& text, const QString& caption) = 0;
};

// The messenger in force; never null (a silent one answering No until the
// application installs its own).
Messenger& CurrentMessenger();
// Installs `messenger` (not owned; must outlive its use); null restores the silent one.
void SetMessenger(Messenger* messenger);

// A message as the system words it, with the reason it happened (the
// engine's or the file system's) on a second line: message + "\r\n" +
// reason. An empty reason leaves the message as it is.
QString WithReason(const QString& message, const QString& reason);
QString WithReason(const QString& message, const xbase::Status& status);

inline void ShowInformation(const QString& text) { CurrentMessenger().ShowInformation(text); }
inline bool AskYesNo(const QString& text, const QString& caption) {
  return CurrentMessenger().AskYesNo(text, caption);
}
inline bool AskYesNoDefaultNo(const QString& text, const QString& caption) {
  return CurrentMessenger().AskYesNoDefaultNo(text, caption);
}

}  // namespace vellumo
