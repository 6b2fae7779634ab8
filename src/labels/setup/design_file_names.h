// The files in sysdata that hold label designs: "BIN" + five digits + ".L",
// the first free number taken for a new design.
#pragma once

#include <string>
#include <string_view>

#include "xbase/env.h"
#include "xbase/status.h"

namespace vellumo {

// Whether `name` can be a design file's name: not empty, at most 12
// characters, no directory part. Names read from a set-up row that are
// not are taken as a missing design, so that no file outside sysdata is
// ever read or removed on a row's word.
bool IsDesignFileName(std::string_view name);

// `sysdata_dir` (with or without its closing '/') joined with `name`.
std::string DesignFilePath(const std::string& sysdata_dir, std::string_view name);

// Whether the set-up's design file is there. False for an invalid name.
bool DesignFileExists(xbase::Env* env, const std::string& sysdata_dir, std::string_view name);

// Finds the name for a new design: the numbers 100001, 100002, ... 199999
// are tried in turn and the last five digits of the first whose file does
// not exist are taken (BIN00001.L, BIN00002.L, ...). InvalidArgument
// when every name is taken. `env` is Env::Default() when null.
xbase::Status NextDesignFileName(const std::string& sysdata_dir, std::string* name, xbase::Env* env = nullptr);

}  // namespace vellumo
