// Cloning and deleting set-ups with their design files. A clone's design is
// copied byte for byte: the copy is the same design, whatever it holds.
#include "labels/setup/setup_files.h"

#include "design/stream/design_file.h"
#include "labels/setup/design_file_names.h"

namespace vellumo {
namespace {

xbase::Env* EnvOrDefault(xbase::Env* env) { return env != nullptr ? env : xbase::Env::Default(); }

// The failure `cause`, or, when undoing its effects failed as well, that
// failure told after the cause ("<cause>; then removing ... failed: <why>").
xbase::Status WithUndoFailure(const xbase::Status& cause, const xbase::Status& undo, std::string_view what) {
  if (undo.ok()) return cause;
  return undo.WithContext(cause.message() + "; then " + std::string(what) + " failed");
}

// Appends the clone's row and commits it; a row that cannot be completed
// is marked deleted again.
xbase::Status AppendSetup(xbase::Table& table, const LabelSetup& setup) {
  XBASE_RETURN_IF_ERROR(table.AppendBlank());
  xbase::Status s = WriteLabelSetup(table, setup);
  if (s.ok()) s = table.Commit();
  if (s.ok()) return s;
  xbase::Status undo = table.Delete();
  if (undo.ok()) undo = table.Commit();
  return WithUndoFailure(s, undo, "removing the new row");
}

}  // namespace

std::string CloneDescription(std::string_view description) {
  std::string clone = "Clone of :" + std::string(description);
  if (clone.size() > kSetupDescriptionLimit) clone.resize(kSetupDescriptionLimit);
  return clone;
}

xbase::Status CloneLabelSetup(xbase::Table& table, const std::string& sysdata_dir, xbase::Env* env,
                              LabelSetup* clone) {
  env = EnvOrDefault(env);
  LabelSetup setup;
  XBASE_RETURN_IF_ERROR(ReadLabelSetup(table, &setup));
  if (!DesignFileExists(env, sysdata_dir, setup.design_file)) {
    return xbase::Status::NotFound(kMissingDesignFileMessage);
  }
  design::Result<std::string> design = design::ReadWholeFile(env, DesignFilePath(sysdata_dir, setup.design_file));
  if (!design.ok()) return design.status();

  setup.description = CloneDescription(setup.description);
  XBASE_RETURN_IF_ERROR(NextDesignFileName(sysdata_dir, &setup.design_file, env));
  const std::string copy_path = DesignFilePath(sysdata_dir, setup.design_file);
  XBASE_RETURN_IF_ERROR(design::ReplaceFileSafely(env, copy_path, *design));

  xbase::Status s = AppendSetup(table, setup);
  if (!s.ok()) return WithUndoFailure(s, env->RemoveFile(copy_path), "removing " + copy_path);
  if (clone != nullptr) *clone = std::move(setup);
  return xbase::Status::OK();
}

xbase::Status DeleteLabelSetup(xbase::Table& table, const std::string& sysdata_dir, xbase::Env* env) {
  env = EnvOrDefault(env);
  LabelSetup setup;
  XBASE_RETURN_IF_ERROR(ReadLabelSetup(table, &setup));
  XBASE_RETURN_IF_ERROR(table.Delete());
  XBASE_RETURN_IF_ERROR(table.Commit());
  if (!DesignFileExists(env, sysdata_dir, setup.design_file)) return xbase::Status::OK();
  return env->RemoveFile(DesignFilePath(sysdata_dir, setup.design_file));
}

}  // namespace vellumo
