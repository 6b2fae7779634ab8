// Design files and the object clipboard file on disk. A file is replaced
// only once its successor is complete: the bytes go to a temporary file
// beside it, are flushed to stable storage, and the temporary file is then
// renamed over the old one, so a full disk or a crash half way leaves the
// earlier design intact.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "design/stream/design_stream_reader.h"
#include "design/stream/result.h"
#include "design/stream/stored_object.h"
#include "xbase/env.h"

namespace vellumo::design {

// The temporary file of `path` is `path` + this.
inline constexpr std::string_view kTemporaryFileSuffix = ".new";

// REQUIRES for all: env outlives the call.

// Replaces (or creates) the file with exactly `bytes`. On failure the file
// is as it was and the temporary file is removed.
Status ReplaceFileSafely(xbase::Env* env, const std::string& path, std::string_view bytes);

// The whole file; NotFound when it does not exist.
Result<std::string> ReadWholeFile(xbase::Env* env, const std::string& path);

// A label or envelope design, or the object clipboard: one list.
Status WriteDesignFile(xbase::Env* env, const std::string& path, std::span<const StoredObject> objects);
// A missing file gives no objects and a NotFound status, which callers
// take as an empty page.
DesignReadResult ReadDesignFile(xbase::Env* env, const std::string& path);

// A report design: three band lists and the settings list.
Status WriteReportFile(xbase::Env* env, const std::string& path, const ReportDesign& report);
ReportReadResult ReadReportFile(xbase::Env* env, const std::string& path);

}  // namespace vellumo::design
