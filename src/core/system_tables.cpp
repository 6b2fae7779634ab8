// Opening, creating and rebuilding the system tables.
#include "core/system_tables.h"


#include "core/application_home.h"
#include "core/messages.h"

namespace vellumo {
namespace {

xbase::FieldDef C(const char* name, uint16_t width) {
  return xbase::FieldDef{name, xbase::field_type::kCharacter, width, 0, 0, 0};
}
xbase::FieldDef N(const char* name, uint16_t width, uint8_t decimals) {
  return xbase::FieldDef{name, xbase::field_type::kNumeric, width, decimals, 0, 0};
}

const SystemTableInfo kTables[] = {
    {SystemTable::kLetter, "LETTER.DBF", "DESCRIPT", "UPPER(descript)", true,
     "Unable to Open or Create LETTER.DBF"},
    {SystemTable::kReport, "REPORT.DBF", "DESCRIPT", "UPPER(descript)", true,
     "Unable to Open or Create REPORT.DBF"},
    {SystemTable::kEnvelope, "ENVELOPE.DBF", "DESCRIPT", "UPPER(descript)", true,
     "Unable to Open or Create ENVELOPE.DBF"},
    {SystemTable::kLabel, "LABEL.DBF", "DESCRIPT", "UPPER(descript)", true,
     "Unable to Open or Create LABEL.DBF"},
    {SystemTable::kStock, "LBLTPL.DBF", "DESCRIPT", "UPPER(descript)", false,
     "Unable to Open LBLTPL.DBF"},
    {SystemTable::kCityStateZip, "CSZ.DBF", "STATE", "UPPER(state)", false,
     "Unable to Open or Create CSZ.DBF"},
};

std::string PathOf(SystemTable table) {
  return (SystemDataDirectory() + QLatin1String(InfoOf(table).file_name)).toStdString();
}

xbase::Env* EnvOrDefault(xbase::Env* env) { return env != nullptr ? env : xbase::Env::Default(); }

xbase::Status OpenExclusive(const std::string& path, xbase::Env* env, std::unique_ptr<xbase::Table>* result) {
  xbase::OpenOptions options;
  options.env = env;
  return xbase::Table::Open(path, options, result);
}

}  // namespace

const SystemTableInfo& InfoOf(SystemTable table) {
  for (const SystemTableInfo& info : kTables) {
    if (info.id == table) return info;
  }
  return kTables[0];
}

std::vector<xbase::FieldDef> SystemTableFields(SystemTable table) {
  switch (table) {
    case SystemTable::kLetter:
      return {C("DESCRIPT", 50), xbase::FieldDef{"RTF", xbase::field_type::kMemo, 10, 0, 0, 0}};
    case SystemTable::kReport:
      return {C("DESCRIPT", 60), C("LAYOUT", 60), C("BINARY", 12)};
    case SystemTable::kEnvelope:
      return {C("DESCRIPT", 60), N("NUMBER", 5, 0), C("BINARY", 12)};
    case SystemTable::kLabel:
      return {C("DESCRIPT", 60),  C("PRINTER", 2),     N("LBLHEIGHT", 6, 3), N("LBLWIDTH", 6, 3),
              N("NBRACROSS", 2, 0), N("NBRDOWN", 2, 0), N("TOPMARG", 6, 3),   N("LEFTMARG", 6, 3),
              N("HORIZPITCH", 6, 3), N("VERTPITCH", 6, 3), N("SHEETWIDTH", 6, 3),
              N("SHEETDEPTH", 6, 3), C("PAPERSIZE", 5),  C("LBLSHAPE", 2),    C("TPLDESCRIP", 60),
              C("MANUFAC", 10),    C("PRODTYPE", 25),   N("MIDEXTRAX", 6, 3), N("MIDEXTRAY", 6, 3),
              C("ART", 12),        xbase::FieldDef{"DELETED", xbase::field_type::kLogical, 1, 0, 0, 0},
              C("BINARY", 12)};
    case SystemTable::kStock:
    case SystemTable::kCityStateZip:
      return {};
  }
  return {};
}

bool OpenSystemTable(SystemTable table, std::unique_ptr<xbase::Table>* result, xbase::Env* env) {
  env = EnvOrDefault(env);
  const SystemTableInfo& info = InfoOf(table);
  std::string path = PathOf(table);
  result->reset();
  xbase::Status s = OpenExclusive(path, env, result);
  if (!s.ok()) {
    if (!info.created_when_missing || env->FileExists(path)) {
      // A table that exists but cannot be opened is not replaced.
      ShowInformation(WithReason(QLatin1String(info.open_failure_message), s));
      return false;
    }
    xbase::CreateOptions options;
    options.env = env;
    s = xbase::Table::Create(path, SystemTableFields(table), options);
    if (s.ok()) s = OpenExclusive(path, env, result);
    if (!s.ok()) {
      result->reset();
      ShowInformation(WithReason(QLatin1String(info.open_failure_message), s));
      return false;
    }
  }
  xbase::Table& t = **result;
  if (t.IndexName().empty() || t.TagArea(info.tag) == 0) {
    // A missing or unusable index is made again; failing that, the user is
    // told and the table still opens, unordered.
    const xbase::Status s = t.IndexTag(xbase::TagSpec{info.tag, info.key, "", false});
    if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to create index files"), s));
  }
  return true;
}

const std::vector<SystemRebuildStep>& SystemRebuildSteps() {
  static const std::vector<SystemRebuildStep> steps = {
      {SystemTable::kLetter, "Rebuilding Letters File indexes"},
      {SystemTable::kLabel, "Rebuilding Label File indexes"},
      {SystemTable::kCityStateZip, "Rebuilding State/Province File indexes"},
      {SystemTable::kStock, "Rebuilding Label Setup File indexes"},
      {SystemTable::kEnvelope, "Rebuilding Envelope File indexes"},
      {SystemTable::kReport, "Rebuilding Report File indexes"},
  };
  return steps;
}

namespace {

xbase::Status PackAndIndex(SystemTable table, const xbase::ProgressHook& progress, xbase::Env* env) {
  const SystemTableInfo& info = InfoOf(table);
  std::unique_ptr<xbase::Table> t;
  XBASE_RETURN_IF_ERROR(OpenExclusive(PathOf(table), env, &t));
  t->SetProgressHook(progress);
  std::string index = t->IndexName();
  if (index.empty()) index = xbase::FindCompanionFile(env, PathOf(table), ".CDX");
  XBASE_RETURN_IF_ERROR(t->CloseIndexes());
  if (env->FileExists(index)) XBASE_RETURN_IF_ERROR(env->RemoveFile(index));
  XBASE_RETURN_IF_ERROR(t->Pack());
  XBASE_RETURN_IF_ERROR(t->IndexTag(xbase::TagSpec{info.tag, info.key, "", false}));
  return t->Close();
}

}  // namespace

bool RebuildSystemTable(SystemTable table, const xbase::ProgressHook& progress, xbase::Env* env) {
  env = EnvOrDefault(env);
  // A set-up list not made yet has nothing to rebuild.
  if (!env->FileExists(PathOf(table))) return false;
  const xbase::Status s = PackAndIndex(table, progress, env);
  if (!s.ok()) {
    ShowInformation(WithReason(QStringLiteral("Unable to rebuild ") + QLatin1String(InfoOf(table).file_name), s));
  }
  return s.ok();
}

}  // namespace vellumo
