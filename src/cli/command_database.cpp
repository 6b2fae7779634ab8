// vellumo-cli create and rebuild: address databases as the application
// makes and repairs them.
#include <unistd.h>

#include <QFile>
#include <QString>
#include <cstdio>
#include <ostream>

#include "arguments.h"
#include "commands.h"
#include "core/address_database.h"
#include "core/address_layout.h"
#include "core/application_home.h"
#include "core/field_lengths.h"
#include "core/messages.h"
#include "table_access.h"

namespace cli {
namespace {

// Tells the user what the core would show in a message box.
class StreamMessenger final : public vellumo::Messenger {
 public:
  explicit StreamMessenger(std::ostream& err) : err_(err) {}
  void ShowInformation(const QString& text) override {
    err_ << "vellumo-cli: " << text.toStdString() << "\n";
  }
  bool AskYesNo(const QString& text, const QString&) override {
    ShowInformation(text);
    return false;
  }
  bool AskYesNoDefaultNo(const QString& text, const QString& caption) override {
    return AskYesNo(text, caption);
  }

 private:
  std::ostream& err_;
};

// Installs a messenger for the lifetime of a command.
class ScopedMessenger {
 public:
  explicit ScopedMessenger(std::ostream& err) : messenger_(err) { vellumo::SetMessenger(&messenger_); }
  ~ScopedMessenger() { vellumo::SetMessenger(nullptr); }

 private:
  StreamMessenger messenger_;
};

}  // namespace

int CreateCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {"home"}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 1) return Fail(err, "usage: vellumo-cli create PATH [--home DIR]");
  if (a.HasValue("home")) vellumo::SetProgramDirectory(QString::fromStdString(a.Value("home")));
  QString path = QString::fromStdString(a.positional[0]);
  if (QFile::exists(path)) return Fail(err, a.positional[0] + " already exists");
  ScopedMessenger messenger(err);
  std::vector<std::string> names;
  for (const xbase::TagSpec& tag : vellumo::AddressTags()) names.push_back(tag.name);
  bool created = vellumo::CreateAddressDatabase(path, vellumo::ReadFieldLengths(), TerminalProgress(names));
  EndProgress();
  if (!created) return kExitError;
  out << "created " << a.positional[0] << " with " << names.size() << " tags\n";
  return kExitOk;
}

int RebuildCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 1) return Fail(err, "usage: vellumo-cli rebuild PATH");
  ScopedMessenger messenger(err);
  std::unique_ptr<xbase::Table> table;
  QString error;
  if (!vellumo::OpenTableFile(QString::fromStdString(a.positional[0]), &table,
                              vellumo::AddressFieldNames(), &error)) {
    return error.isEmpty() ? kExitError : Fail(err, error.toStdString());
  }
  uint32_t before = table->RecCount();
  bool drawn = false;
  auto show = [&](const char* what, int percent) {
    if (!isatty(STDERR_FILENO)) return;
    std::fprintf(stderr, "\r%-34s %3d%%", what, percent);
    drawn = true;
  };
  QString phase;
  bool rebuilt = vellumo::RebuildAddressDatabase(
      *table, [&](const QString& status) { phase = status; },
      [&](int gauge) { show(phase.toUtf8().constData(), gauge); });
  if (drawn) std::fputs("\n", stderr);
  uint32_t after = table->RecCount();
  s = table->Close();
  if (!rebuilt) return kExitError;
  if (!s.ok()) return Fail(err, s);
  out << "rebuilt " << a.positional[0] << ": " << before - after << " deleted records removed, "
      << after << " remain, 26 tags\n";
  return kExitOk;
}

}  // namespace cli
