// Creation of a system table with its rows and its one tag.
#include "table_writer.h"

#include <memory>

namespace sysdata {
namespace {

// Rows appended between commits.
constexpr size_t kCommitEvery = 500;

xbase::Status RemoveIfPresent(xbase::Env* env, const std::string& path) {
  if (path.empty() || !env->FileExists(path)) return xbase::Status::OK();
  return env->RemoveFile(path);
}

xbase::Status RemoveTableFiles(xbase::Env* env, const std::string& path) {
  XBASE_RETURN_IF_ERROR(RemoveIfPresent(env, xbase::FindCompanionFile(env, path, ".CDX")));
  return RemoveIfPresent(env, path);
}

xbase::Status FillTable(xbase::Env* env, const std::string& path,
                        const std::vector<xbase::FieldDef>& fields, const std::vector<TableRow>& rows,
                        const xbase::TagSpec& tag) {
  XBASE_RETURN_IF_ERROR(xbase::Table::Create(path, fields, xbase::CreateOptions{env}));
  xbase::OpenOptions options;
  options.env = env;
  std::unique_ptr<xbase::Table> table;
  XBASE_RETURN_IF_ERROR(xbase::Table::Open(path, options, &table));
  for (size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].size() != fields.size()) {
      return xbase::Status::InvalidArgument(path + " row " + std::to_string(r + 1) + " has " +
                                            std::to_string(rows[r].size()) + " values for " +
                                            std::to_string(fields.size()) + " fields");
    }
    XBASE_RETURN_IF_ERROR(table->AppendBlank());
    for (size_t f = 0; f < fields.size(); ++f) {
      xbase::Status s = table->Replace(fields[f].name, rows[r][f]);
      if (!s.ok()) return s.WithContext(path + " row " + std::to_string(r + 1));
    }
    if ((r + 1) % kCommitEvery == 0) XBASE_RETURN_IF_ERROR(table->Commit());
  }
  XBASE_RETURN_IF_ERROR(table->IndexTag(tag));
  return table->Close();
}

}  // namespace

xbase::Status WriteTable(xbase::Env* env, const std::string& path,
                         const std::vector<xbase::FieldDef>& fields, const std::vector<TableRow>& rows,
                         const xbase::TagSpec& tag) {
  XBASE_RETURN_IF_ERROR(RemoveTableFiles(env, path));
  xbase::Status s = FillTable(env, path, fields, rows, tag);
  if (!s.ok()) {
    // The first error is the one to report; a failed clean-up adds nothing.
    (void)RemoveTableFiles(env, path);
  }
  return s;
}

}  // namespace sysdata
