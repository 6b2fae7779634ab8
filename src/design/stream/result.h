// A value or the Status that explains why there is none, for the calls of
// the design stream layer that produce something.
#pragma once

#include <optional>
#include <utility>

#include "xbase/status.h"

namespace vellumo::design {

using xbase::Status;

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
  // REQUIRES: !status.ok()
  Result(Status status) : status_(std::move(status)) {  // NOLINT: implicit by design
    if (status_.ok()) status_ = Status::InvalidArgument("a result was made from a success without a value");
  }

  bool ok() const { return value_.has_value(); }
  const Status& status() const { return status_; }

  // REQUIRES: ok()
  const T& value() const& { return *value_; }
  T& value() & { return *value_; }
  T&& value() && { return std::move(*value_); }
  const T& operator*() const& { return *value_; }
  const T* operator->() const { return &*value_; }

 private:
  Status status_;
  std::optional<T> value_;
};

}  // namespace vellumo::design
