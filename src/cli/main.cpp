// vellumo-cli: command-line access to Vellumo's tables and design files.
#include <QCoreApplication>
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

}  // namespace
}  // namespace cli

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // the application home is found from the executable
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
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
