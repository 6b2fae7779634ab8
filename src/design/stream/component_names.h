// Names for objects read onto a page: a stored object is not given its
// stored name but the first free "Component" + n.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo::design {

inline constexpr int kMaxComponentNumber = 1000;

// "Component" + the smallest n from 0 to 1000 that no name in `taken`
// holds (names compare without regard to case), or nothing when all 1001
// are taken.
std::optional<std::string> NextComponentName(std::span<const std::string> taken);

// The same names one after another for many objects read at once, each
// name handed out counting as taken, without looking at `taken` again.
class ComponentNamer {
 public:
  explicit ComponentNamer(std::span<const std::string> taken);
  std::optional<std::string> Next();

 private:
  std::vector<bool> used_;
  int next_ = 0;  // no free number lies below it
};

}  // namespace vellumo::design
