// Splitting command-line arguments.
#include "arguments.h"

#include <charconv>

namespace cli {

xbase::Status ParseArguments(const std::vector<std::string>& args,
                             const std::set<std::string>& with_values,
                             const std::set<std::string>& allowed_flags, Arguments* result) {
  *result = Arguments{};
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (options_ended || a.size() < 3 || a.compare(0, 2, "--") != 0) {
      result->positional.push_back(a);
      continue;
    }
    if (a == "--") {
      options_ended = true;
      continue;
    }
    std::string name = a.substr(2);
    if (with_values.count(name)) {
      if (i + 1 >= args.size()) return xbase::Status::InvalidArgument(a + " needs a value");
      result->values[name] = args[++i];
    } else if (allowed_flags.count(name)) {
      result->flags.insert(name);
    } else {
      return xbase::Status::InvalidArgument("unknown option " + a);
    }
  }
  return xbase::Status::OK();
}

bool ParsePositive(const std::string& text, uint32_t* value) {
  const char* end = text.data() + text.size();
  auto [rest, error] = std::from_chars(text.data(), end, *value);
  return error == std::errc() && rest == end && *value > 0;
}

}  // namespace cli
