// Naming and finding label design files.
#include "labels/setup/design_file_names.h"

namespace vellumo {
namespace {

constexpr size_t kDesignFileNameLimit = 12;
constexpr int kFirstNumber = 100001;
constexpr int kLastNumber = 199999;

// "BIN" + the number without its leading 1 + ".L".
std::string NameOf(int number) { return "BIN" + std::to_string(number).substr(1) + ".L"; }

}  // namespace

bool IsDesignFileName(std::string_view name) {
  return !name.empty() && name.size() <= kDesignFileNameLimit && name != "." && name != ".." &&
         name.find_first_of("/\\:") == std::string_view::npos;
}

std::string DesignFilePath(const std::string& sysdata_dir, std::string_view name) {
  std::string path = sysdata_dir;
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

bool DesignFileExists(xbase::Env* env, const std::string& sysdata_dir, std::string_view name) {
  return IsDesignFileName(name) && env->FileExists(DesignFilePath(sysdata_dir, name));
}

xbase::Status NextDesignFileName(const std::string& sysdata_dir, std::string* name, xbase::Env* env) {
  if (env == nullptr) env = xbase::Env::Default();
  for (int number = kFirstNumber; number <= kLastNumber; ++number) {
    std::string candidate = NameOf(number);
    if (!env->FileExists(DesignFilePath(sysdata_dir, candidate))) {
      *name = std::move(candidate);
      return xbase::Status::OK();
    }
  }
  return xbase::Status::InvalidArgument("There is no free name left for a label design in " + sysdata_dir +
                                        ": every name from " + NameOf(kFirstNumber) + " to " +
                                        NameOf(kLastNumber) + " is taken");
}

}  // namespace vellumo
