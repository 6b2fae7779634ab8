// Record layout: field offsets and case-insensitive lookup by name.
#include <cctype>

#include "xbase/field.h"

namespace xbase {

Schema::Schema(std::vector<FieldDef> fields) : fields_(std::move(fields)) {
  uint32_t offset = 1;
  for (FieldDef& f : fields_) {
    f.offset = offset;
    offset += f.length;
  }
  record_length_ = offset;
}

int Schema::FieldIndex(std::string_view name) const {
  for (size_t i = 0; i < fields_.size(); ++i) {
    const std::string& n = fields_[i].name;
    if (n.size() != name.size()) continue;
    bool same = true;
    for (size_t k = 0; k < n.size() && same; ++k) {
      same = std::toupper(static_cast<unsigned char>(n[k])) ==
             std::toupper(static_cast<unsigned char>(name[k]));
    }
    if (same) return static_cast<int>(i);
  }
  return -1;
}

bool Schema::has_memo_fields() const {
  for (const FieldDef& f : fields_) {
    if (f.type == field_type::kMemo || f.type == field_type::kGeneral ||
        f.type == field_type::kPicture || f.type == field_type::kBlob) {
      return true;
    }
  }
  return false;
}

}  // namespace xbase
