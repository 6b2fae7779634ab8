// The rules of the field-lengths dialog, apart from its widgets: each edit
// remembers a fall-back width; leaving an edit whose text is not a whole
// number from 10 to 80 puts the fall-back back.
#pragma once

#include <QString>
#include <array>

#include "core/field_lengths.h"

namespace vellumo {

class FieldLengthsForm {
 public:
  static constexpr int kMinimum = 10;
  static constexpr int kMaximum = 80;

  // Edits in the dialog's order, with their captions and fields.
  struct Edit {
    const char* caption;
    const char* field;
  };
  static const std::array<Edit, FieldLengths::kCount>& Edits();

  // Each edit shows the width and takes it as its fall-back.
  explicit FieldLengthsForm(const FieldLengths& current);

  const QString& text(int edit) const { return texts_[edit]; }
  void SetText(int edit, const QString& text) { texts_[edit] = text; }
  // Leaving an edit: an invalid text gets the fall-back back.
  void Leave(int edit);
  // "Defaults": every edit and fall-back the default width (FAX 30).
  void ResetToDefaults();
  // "Ok": every edit checked as if left, then the widths taken.
  FieldLengths Accept();

 private:
  FieldLengths current_;
  std::array<QString, FieldLengths::kCount> texts_;
  std::array<int, FieldLengths::kCount> fallbacks_{};
};

}  // namespace vellumo
