// Result of every engine call that can fail: a code and a message a user can read.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace xbase {

class [[nodiscard]] Status {
 public:
  enum class Code { kOk, kNotFound, kCorruption, kIOError, kInvalidArgument, kLocked, kNotSupported };

  Status() = default;

  static Status OK() { return Status(); }
  static Status NotFound(std::string_view msg) { return Status(Code::kNotFound, msg); }
  static Status Corruption(std::string_view msg) { return Status(Code::kCorruption, msg); }
  static Status IOError(std::string_view msg) { return Status(Code::kIOError, msg); }
  static Status InvalidArgument(std::string_view msg) { return Status(Code::kInvalidArgument, msg); }
  static Status Locked(std::string_view msg) { return Status(Code::kLocked, msg); }
  static Status NotSupported(std::string_view msg) { return Status(Code::kNotSupported, msg); }

  bool ok() const { return code_ == Code::kOk; }
  bool IsNotFound() const { return code_ == Code::kNotFound; }
  bool IsCorruption() const { return code_ == Code::kCorruption; }
  bool IsIOError() const { return code_ == Code::kIOError; }
  bool IsInvalidArgument() const { return code_ == Code::kInvalidArgument; }
  bool IsLocked() const { return code_ == Code::kLocked; }
  bool IsNotSupported() const { return code_ == Code::kNotSupported; }

  Code code() const { return code_; }
  // The bare message, e.g. "not a DBF file (bad version byte 0x47)".
  const std::string& message() const { return message_; }
  // Code name and message, e.g. "Corruption: not a DBF file (bad version byte 0x47)".
  std::string ToString() const;

  // Returns a copy whose message is prefixed with context ("ADDR.CDX: " + message).
  Status WithContext(std::string_view context) const;

 private:
  Status(Code code, std::string_view msg) : code_(code), message_(msg) {}

  Code code_ = Code::kOk;
  std::string message_;
};

}  // namespace xbase

// Returns from the calling function when the expression yields a failed Status.
#define XBASE_RETURN_IF_ERROR(expr)          \
  do {                                       \
    ::xbase::Status _xbase_status = (expr);  \
    if (!_xbase_status.ok()) return _xbase_status; \
  } while (0)
