// A label set-up's row in the set-up table and its design file in sysdata
// go together: editing, cloning and deleting a set-up.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "labels/setup/label_setup.h"
#include "xbase/env.h"
#include "xbase/status.h"
#include "xbase/table.h"

namespace vellumo {

// Told when a set-up's design is to be printed or cloned and its file is
// gone.
inline constexpr const char* kMissingDesignFileMessage =
    "Label definition file has been removed from the sysdata directory";

// "Clone of :" followed by the description, cut to the description limit.
std::string CloneDescription(std::string_view description);

// A set-up given to the label designer.
struct SetupEdit {
  LabelSetup setup;
  bool is_new = false;
  // Whether the design is to be loaded from the set-up's design file; when
  // not, the designer starts from an empty page.
  bool load_design = false;
};

// REQUIRES for all below: `table` is the set-up table; `env` is
// Env::Default() when null.

// A new set-up with a new design file name.
xbase::Status BeginNewSetup(const std::string& sysdata_dir, SetupEdit* edit, xbase::Env* env = nullptr);
// The table's current set-up; when its design file is missing the design
// starts empty under a new file name.
xbase::Status BeginSetupChange(const xbase::Table& table, const std::string& sysdata_dir, SetupEdit* edit,
                               xbase::Env* env = nullptr);

// Writes the design to the file at the path it is given.
using SaveDesign = std::function<xbase::Status(const std::string& path)>;
// Stores the edited set-up: a new one in a new row, a changed one in the
// current row, with its design saved under its file name, and commits.
// Nothing is touched when CheckLabelSetup refuses the set-up; a new
// set-up whose row cannot be stored leaves no row and no design file.
xbase::Status StoreSetup(xbase::Table& table, const std::string& sysdata_dir, const SetupEdit& edit,
                         const SaveDesign& save_design, xbase::Env* env = nullptr);

// For the two below the table is positioned on the set-up.

// Adds a copy of the current set-up under the clone description with a
// copy of its design file under a new name, commits it and leaves it
// current; the copy is stored in *clone when given. NotFound with
// kMissingDesignFileMessage, adding nothing, when the design file is
// missing. On any other failure no row and no file are left behind as
// far as the files allow; the status says what could not be undone.
xbase::Status CloneLabelSetup(xbase::Table& table, const std::string& sysdata_dir, xbase::Env* env = nullptr,
                              LabelSetup* clone = nullptr);

// Marks the current set-up's row deleted, commits, and removes its design
// file when there is one.
xbase::Status DeleteLabelSetup(xbase::Table& table, const std::string& sysdata_dir, xbase::Env* env = nullptr);

}  // namespace vellumo
