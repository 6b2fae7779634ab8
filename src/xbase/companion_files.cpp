// Locating a table's companion files (index, memo) whatever the case of
// their names, as tables copied from other systems often have them.
#include <algorithm>
#include <cctype>

#include "xbase/env.h"

namespace xbase {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string ReplaceExtension(const std::string& path, std::string_view extension) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.find_last_of('.');
  std::string stem = (dot != std::string::npos && (slash == std::string::npos || dot > slash))
                         ? path.substr(0, dot)
                         : path;
  return stem + std::string(extension);
}

std::string FindCompanionFile(Env* env, const std::string& path, std::string_view extension) {
  std::string wanted = ReplaceExtension(path, extension);
  if (env->FileExists(wanted)) return wanted;
  size_t slash = wanted.find_last_of('/');
  std::string dir = slash == std::string::npos ? "" : wanted.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? wanted : wanted.substr(slash + 1);
  std::vector<std::string> entries;
  if (!env->ListDirectory(dir, &entries).ok()) return "";
  std::sort(entries.begin(), entries.end());  // a stable choice when several differ only in case
  for (const std::string& entry : entries) {
    if (EqualIgnoringCase(entry, name)) return dir + entry;
  }
  return "";
}

}  // namespace xbase
