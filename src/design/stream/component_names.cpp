// Free component names.
#include "design/stream/component_names.h"

#include <vector>

#include "design/stream/named_values.h"

namespace vellumo::design {

namespace {
constexpr std::string_view kComponentPrefix = "Component";

// n when the name is "Component" + n written without leading zeros, in range.
std::optional<int> ComponentNumber(std::string_view name) {
  if (name.size() <= kComponentPrefix.size() ||
      !EqualsIgnoringCase(name.substr(0, kComponentPrefix.size()), kComponentPrefix)) {
    return std::nullopt;
  }
  const std::string_view digits = name.substr(kComponentPrefix.size());
  if (digits.size() > 4 || (digits.size() > 1 && digits[0] == '0')) return std::nullopt;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n > kMaxComponentNumber) return std::nullopt;
  return n;
}
}  // namespace

std::optional<std::string> NextComponentName(std::span<const std::string> taken) {
  return ComponentNamer(taken).Next();
}

ComponentNamer::ComponentNamer(std::span<const std::string> taken) : used_(kMaxComponentNumber + 1, false) {
  for (const std::string& name : taken) {
    if (std::optional<int> n = ComponentNumber(name)) used_[*n] = true;
  }
}

std::optional<std::string> ComponentNamer::Next() {
  while (next_ <= kMaxComponentNumber && used_[next_]) ++next_;
  if (next_ > kMaxComponentNumber) return std::nullopt;
  used_[next_] = true;
  return std::string(kComponentPrefix) + std::to_string(next_);
}

}  // namespace vellumo::design
