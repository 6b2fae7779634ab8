// Naming a table's companion files (index, memo): new ones in the case of
// the table's own extension, existing ones found whatever the case of
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

// The extension of `path` (after the last dot of its last component), "" when none.
std::string_view ExtensionOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return std::string_view(path).substr(dot + 1);
}

}  // namespace

std::string CompanionFileName(const std::string& path, std::string_view extension) {
  const std::string_view own = ExtensionOf(path);
  const bool lower = std::any_of(own.begin(), own.end(),
                                 [](char c) { return std::islower(static_cast<unsigned char>(c)); });
  std::string cased(extension);
  for (char& c : cased) {
    const auto u = static_cast<unsigned char>(c);
    c = static_cast<char>(lower ? std::tolower(u) : std::toupper(u));
  }
  return ReplaceExtension(path, cased);
}

std::string CompanionFilePath(Env* env, const std::string& path, std::string_view extension) {
  std::string found = FindCompanionFile(env, path, extension);
  return found.empty() ? CompanionFileName(path, extension) : found;
}

std::string ReplaceExtension(const std::string& path, std::string_view extension) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.find_last_of('.');
  std::string stem = (dot != std::string::npos && (slash == std::string::npos || dot > slash))
                         ? path.substr(0, dot)
                         : path;
  return stem + std::string(extension);
}

std::string FindCompanionFile(Env* env, const std::string& path, std::string_view extension) {
  // The name a new companion would get comes first, so that of two files
  // differing only in case the other is never used.
  std::string own_case = CompanionFileName(path, extension);
  if (env->FileExists(own_case)) return own_case;
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
