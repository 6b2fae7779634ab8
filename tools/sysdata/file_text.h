// Whole-file reads and writes through the engine's file layer.
#pragma once

#include <string>

#include "xbase/env.h"
#include "xbase/status.h"

namespace sysdata {

xbase::Status ReadFileText(xbase::Env* env, const std::string& path, std::string* text);
// Replaces the file's contents with `text`.
xbase::Status WriteFileText(xbase::Env* env, const std::string& path, const std::string& text);

}  // namespace sysdata
