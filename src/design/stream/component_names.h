// Names for objects read onto a page: a stored object is not given its
// stored name but the first free "Component" + n.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellumo::design {

inline constexpr int kMaxComponentNumber = 1000;

// "Component" + the smallest n from 0 to 1000 that no name in `taken`
// holds (names compare without regard to case), or nothing when all 1001
// are taken.
std::optional<std::string> NextComponentName(std::span<const std::string> taken);

}  // namespace vellumo::design
