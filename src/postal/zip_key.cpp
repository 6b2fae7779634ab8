// ZIP keys and their tests.
#include "postal/zip_key.h"

namespace vellumo {

std::string_view ZipKey(std::string_view zip) { return zip.substr(0, kZipKeyLength); }

bool IsUsZipKey(std::string_view key) {
  // std::string_view compares as unsigned bytes, which is the ordinal order.
  return key >= std::string_view("00000") && key <= std::string_view("99999-999") && !key.empty() &&
         key.front() >= '0' && key.front() <= '9';
}

}  // namespace vellumo
