// vellumo-cli design show: the objects of a label, envelope or report
// design file, read with the stream layer alone (design render is in
// command_design_render.cpp). A report design (".R")
// holds three band lists and a settings list; any other file one list.
// A read error shows the objects read before it, then the error.
#include <algorithm>
#include <cctype>
#include <ostream>

#include "arguments.h"
#include "commands.h"
#include "design/stream/design_file.h"
#include "design_listing.h"
#include "table_access.h"
#include "xbase/env.h"

namespace cli {
namespace {

using vellumo::design::StoredObject;

bool IsReportFileName(const std::string& path) {
  return path.size() >= 2 && path[path.size() - 2] == '.' && std::toupper(uint8_t(path.back())) == 'R';
}

void ShowObjects(const std::vector<StoredObject>& objects, const char* indent, std::ostream& out) {
  for (const StoredObject& object : objects) out << indent << ShowObject(object) << "\n";
}

int ShowReport(std::string_view bytes, std::ostream& out, std::ostream& err) {
  const vellumo::design::ReportReadResult read = vellumo::design::DecodeReportDesign(bytes);
  const vellumo::design::ReportDesign& report = read.report;
  const std::pair<const char*, const std::vector<StoredObject>*> bands[] = {
      {"header", &report.header}, {"detail", &report.detail}, {"footer", &report.footer}};
  for (const auto& [name, objects] : bands) {
    out << name << ":\n";
    ShowObjects(*objects, "  ", out);
  }
  out << "settings:";
  for (const vellumo::design::Value& value : report.settings) out << " " << ShowValue(value);
  out << "\n";
  return read.status.ok() ? 0 : Fail(err, read.status);
}

int ShowDesign(std::string_view bytes, std::ostream& out, std::ostream& err) {
  const vellumo::design::DesignReadResult read = vellumo::design::DecodeDesignStream(bytes);
  ShowObjects(read.objects, "", out);
  return read.status.ok() ? 0 : Fail(err, read.status);
}

}  // namespace

int DesignCommand(const Words& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && args[0] == "render") return DesignRenderCommand(args, err);
  Arguments a;
  const xbase::Status s = ParseArguments(args, {}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 2 || a.positional[0] != "show") return Fail(err, "usage: vellumo-cli design show FILE | design render FILE ...");
  const std::string& path = a.positional[1];
  const auto bytes = vellumo::design::ReadWholeFile(xbase::Env::Default(), path);
  if (!bytes.ok()) return Fail(err, bytes.status());
  return IsReportFileName(path) ? ShowReport(*bytes, out, err) : ShowDesign(*bytes, out, err);
}

}  // namespace cli
