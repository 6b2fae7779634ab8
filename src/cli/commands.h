// The commands of vellumo-cli. Each takes the words after its name, writes
// its results to `out` and its messages to `err`, and returns the process
// exit code: 0 on success, 1 when the command ran but found a fault (check),
// 2 on any error.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

using Words = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;    // arguments, e.g. "TABLE [--filter EXPR]"
  const char* summary;  // one line
  int (*run)(const Words& args, std::ostream& out, std::ostream& err);
};

// Every command, in the order help lists them.
const std::vector<Command>& AllCommands();

int InfoCommand(const Words& args, std::ostream& out, std::ostream& err);
int DumpCommand(const Words& args, std::ostream& out, std::ostream& err);
int CountCommand(const Words& args, std::ostream& out, std::ostream& err);
int IndexCommand(const Words& args, std::ostream& out, std::ostream& err);
int SeekCommand(const Words& args, std::ostream& out, std::ostream& err);
int AppendCommand(const Words& args, std::ostream& out, std::ostream& err);
int CheckCommand(const Words& args, std::ostream& out, std::ostream& err);
int PackCommand(const Words& args, std::ostream& out, std::ostream& err);
int CreateCommand(const Words& args, std::ostream& out, std::ostream& err);
int RebuildCommand(const Words& args, std::ostream& out, std::ostream& err);
int DesignCommand(const Words& args, std::ostream& out, std::ostream& err);
int LabelsCommand(const Words& args, std::ostream& out, std::ostream& err);
// design render: `args` begins with "render".
int DesignRenderCommand(const Words& args, std::ostream& err);

}  // namespace cli
