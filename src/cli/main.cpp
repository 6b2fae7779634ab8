// vellumo-cli: command-line access to Vellumo's tables and design files.
#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <iostream>
#include <string>

#include "commands.h"

namespace cli {
namespace {

void PrintHelp(std::ostream& out) {
  out << "usage: vellumo-cli COMMAND ARGUMENTS\n\n"
         "Records hidden by a deletion mark are left out unless --all is given.\n\n"
         "Commands:\n";
  for (const Command& c : AllCommands()) {
    out << "  " << c.name << " " << c.usage << "\n      " << c.summary << "\n";
  }
}

// Drawing needs fonts, hence a GUI application, which draws off screen
// unless QT_QPA_PLATFORM names a platform.
bool Draws(const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == "labels") return true;
  return args.size() >= 2 && args[0] == "design" && args[1] == "render";
}

std::unique_ptr<QCoreApplication> NewApplication(int& argc, char** argv, bool draws) {
  if (!draws) return std::make_unique<QCoreApplication>(argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace
}  // namespace cli

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // The application home is found from the executable.
  std::unique_ptr<QCoreApplication> app = cli::NewApplication(argc, argv, cli::Draws(args));
  std::ios::sync_with_stdio(false);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    cli::PrintHelp(std::cout);
    return args.empty() ? 2 : 0;
  }
  for (const cli::Command& c : cli::AllCommands()) {
    if (args[0] == c.name) {
      int code = c.run(cli::Words(args.begin() + 1, args.end()), std::cout, std::cerr);
      std::cout.flush();
      if (!std::cout) {
        std::cerr << "vellumo-cli: cannot write the output\n";
        return 2;
      }
      return code;
    }
  }
  std::cerr << "vellumo-cli: unknown command \"" << args[0] << "\" (try vellumo-cli --help)\n";
  return 2;
}
