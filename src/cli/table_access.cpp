// Opening tables and files for the commands, and terminal progress.
#include "table_access.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>

namespace cli {
namespace {

bool progress_drawn = false;

}  // namespace

int Fail(std::ostream& err, const xbase::Status& status) { return Fail(err, status.message()); }

int Fail(std::ostream& err, const std::string& message) {
  err << "vellumo-cli: " << message << "\n";
  return kExitError;
}

xbase::Status OpenTable(const std::string& path, bool read_only,
                        std::unique_ptr<xbase::Table>* table) {
  xbase::OpenOptions options;
  options.read_only = read_only;
  // Reading does not lock others out: several commands may read one
  // catalogue or database at once.
  options.exclusive = !read_only;
  return xbase::Table::Open(path, options, table);
}

xbase::Status ReadFile(const std::string& path, std::string* contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return xbase::Status::IOError("cannot open " + path);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return xbase::Status::IOError("cannot read " + path);
  *contents = buffer.str();
  return xbase::Status::OK();
}

xbase::ProgressHook TerminalProgress(std::vector<std::string> names) {
  if (!isatty(STDERR_FILENO)) return nullptr;
  auto tag = std::make_shared<size_t>(0);
  auto last = std::make_shared<int>(-1);
  return [names = std::move(names), tag, last](xbase::ProgressPhase phase, int percent) {
    std::string what = "Copying";
    if (phase == xbase::ProgressPhase::kPacking) what = "Packing";
    if (phase == xbase::ProgressPhase::kIndexing) {
      // Each tag starts again from 0.
      if (percent < *last && *tag + 1 < names.size()) ++*tag;
      what = "Indexing " + (names.empty() ? std::string() : names[*tag]);
    }
    *last = percent;
    char line[64];
    std::snprintf(line, sizeof line, "%-24s %3d%%", what.c_str(), percent);
    ShowProgress(line);
  };
}

void ShowProgress(const std::string& text) {
  std::fprintf(stderr, "\r%s", text.c_str());
  std::fflush(stderr);
  progress_drawn = true;
}

void EndProgress() {
  if (progress_drawn) std::fputs("\n", stderr);
  progress_drawn = false;
}

}  // namespace cli
