// Status formatting.
#include "xbase/status.h"

namespace xbase {

std::string Status::ToString() const {
  const char* name = "OK";
  switch (code_) {
    case Code::kOk: return "OK";
    case Code::kNotFound: name = "Not found"; break;
    case Code::kCorruption: name = "Corruption"; break;
    case Code::kIOError: name = "I/O error"; break;
    case Code::kInvalidArgument: name = "Invalid argument"; break;
    case Code::kLocked: name = "Locked"; break;
    case Code::kNotSupported: name = "Not supported"; break;
  }
  return std::string(name) + ": " + message_;
}

Status Status::WithContext(std::string_view context) const {
  if (ok()) return *this;
  std::string msg(context);
  msg += ": ";
  msg += message_;
  return Status(code_, msg);
}

}  // namespace xbase
