// vellumo-cli seek: record numbers of keys looked up in a tag.
#include <ostream>

#include "arguments.h"
#include "commands.h"
#include "table_access.h"
#include "xbase/codepage.h"

namespace cli {
namespace {

// Keys of a --keys file: one per line, without the line end.
std::vector<std::string> KeyLines(const std::string& text) {
  std::vector<std::string> keys;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    keys.push_back(line);
    start = end + 1;
  }
  return keys;
}

}  // namespace

int SeekCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {"keys"}, {"exact", "all"}, &a);
  if (!s.ok()) return Fail(err, s);
  bool from_file = a.HasValue("keys");
  if (a.positional.size() < 2 || (from_file == (a.positional.size() > 2))) {
    return Fail(err, "usage: vellumo-cli seek TABLE TAG [--exact] [--all] (KEY... | --keys FILE)");
  }
  std::unique_ptr<xbase::Table> table;
  s = OpenTable(a.positional[0], true, &table);
  if (!s.ok()) return Fail(err, s);
  int area = table->TagArea(a.positional[1]);
  if (area == 0) return Fail(err, "the table has no tag named " + a.positional[1]);
  s = table->SetOrder(area);
  if (!s.ok()) return Fail(err, s);
  table->SetExact(a.Has("exact"));
  table->SetDeleted(!a.Has("all"));

  std::vector<std::string> keys(a.positional.begin() + 2, a.positional.end());
  if (from_file) {
    std::string text;
    s = ReadFile(a.Value("keys"), &text);
    if (!s.ok()) return Fail(err, s);
    keys = KeyLines(text);
  }
  size_t found = 0;
  std::string results;
  for (const std::string& key : keys) {
    s = table->Seek(xbase::Utf8ToWindows1252(key));
    if (!s.ok()) return Fail(err, s);
    uint32_t recno = table->Found() ? table->RecNo() : 0;
    if (recno != 0) ++found;
    results += std::to_string(recno);
    results += '\n';
  }
  out << results;
  if (from_file) out << "found " << found << " of " << keys.size() << "\n";
  return kExitOk;
}

}  // namespace cli
