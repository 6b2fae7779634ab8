// Editing, cloning and deleting set-ups with their design files. A clone's
// design is copied byte for byte: the copy is the same design, whatever it
// holds.
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

// Appends the set-up's row and commits it. When that fails, the half-made
// row is marked deleted and the design file just made for it at
// `design_path` is removed.
xbase::Status AppendSetup(xbase::Table& table, const LabelSetup& setup, xbase::Env* env,
                          const std::string& design_path) {
  xbase::Status s = table.AppendBlank();
  if (s.ok()) {
    s = WriteLabelSetup(table, setup);
    if (s.ok()) s = table.Commit();
    if (s.ok()) return s;
    xbase::Status undo = table.Delete();
    if (undo.ok()) undo = table.Commit();
    s = WithUndoFailure(s, undo, "removing the new row");
  }
  return WithUndoFailure(s, env->RemoveFile(design_path), "removing " + design_path);
}

}  // namespace

xbase::Status BeginNewSetup(const std::string& sysdata_dir, SetupEdit* edit, xbase::Env* env) {
  SetupEdit begun{NewLabelSetup(), /*is_new=*/true, /*load_design=*/false};
  XBASE_RETURN_IF_ERROR(NextDesignFileName(sysdata_dir, &begun.setup.design_file, EnvOrDefault(env)));
  *edit = std::move(begun);
  return xbase::Status::OK();
}

xbase::Status BeginSetupChange(const xbase::Table& table, const std::string& sysdata_dir, SetupEdit* edit,
                               xbase::Env* env) {
  env = EnvOrDefault(env);
  SetupEdit begun;
  XBASE_RETURN_IF_ERROR(ReadLabelSetup(table, &begun.setup));
  begun.load_design = DesignFileExists(env, sysdata_dir, begun.setup.design_file);
  if (!begun.load_design) XBASE_RETURN_IF_ERROR(NextDesignFileName(sysdata_dir, &begun.setup.design_file, env));
  *edit = std::move(begun);
  return xbase::Status::OK();
}

xbase::Status StoreSetup(xbase::Table& table, const std::string& sysdata_dir, const SetupEdit& edit,
                         const SaveDesign& save_design, xbase::Env* env) {
  env = EnvOrDefault(env);
  XBASE_RETURN_IF_ERROR(CheckLabelSetup(edit.setup));
  // The design first: its file is replaced only once the new one is whole,
  // and a row is never stored naming a design that was not saved.
  const std::string design_path = DesignFilePath(sysdata_dir, edit.setup.design_file);
  XBASE_RETURN_IF_ERROR(save_design(design_path));
  if (!edit.is_new) {
    XBASE_RETURN_IF_ERROR(WriteLabelSetup(table, edit.setup));
    return table.Commit();
  }
  return AppendSetup(table, edit.setup, env, design_path);
}

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
  XBASE_RETURN_IF_ERROR(CheckLabelSetup(setup));
  const std::string copy_path = DesignFilePath(sysdata_dir, setup.design_file);
  XBASE_RETURN_IF_ERROR(design::ReplaceFileSafely(env, copy_path, *design));

  XBASE_RETURN_IF_ERROR(AppendSetup(table, setup, env, copy_path));
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
