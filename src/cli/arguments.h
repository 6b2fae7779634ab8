// Command-line arguments split into positional words and --options.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "xbase/status.h"

namespace cli {

struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;  // --name VALUE
  std::set<std::string> flags;                // --name

  bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
  std::string Value(const std::string& name) const {
    auto it = values.find(name);
    return it == values.end() ? "" : it->second;
  }
  bool HasValue(const std::string& name) const { return values.count(name) != 0; }
};

// Splits args; `with_values` names the options that take a value and
// `allowed_flags` those that don't. Anything else is InvalidArgument. "--"
// ends the options.
xbase::Status ParseArguments(const std::vector<std::string>& args,
                             const std::set<std::string>& with_values,
                             const std::set<std::string>& allowed_flags, Arguments* result);

// A whole number above 0; the whole text must be it.
bool ParsePositive(const std::string& text, uint32_t* value);

}  // namespace cli
