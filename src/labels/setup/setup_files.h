// Cloning and deleting a label set-up: the row of the set-up table and the
// design file in sysdata go together.
#pragma once

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

// REQUIRES for both: `table` is the set-up table positioned on the set-up;
// `env` is Env::Default() when null.

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
