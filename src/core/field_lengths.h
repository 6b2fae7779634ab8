// Widths of the 18 text fields of new address databases whose width is a
// setting (section NewFileFieldLengths, keys "Field" + field name).
#pragma once

#include <QString>
#include <array>

namespace vellumo {

struct FieldLengths {
  static constexpr int kCount = 18;
  static constexpr int kMinimum = 5;
  static constexpr int kMaximum = 80;

  // Field names in the order of the record layout.
  static const std::array<const char*, kCount>& Names();
  static FieldLengths Defaults();
  // The field-lengths dialog's "Defaults": the defaults with FAX at 30.
  static FieldLengths DialogDefaults();
  static int DefaultFor(const QString& field);

  // Width of `field` (one of Names()); 0 for other names.
  int Get(const QString& field) const;
  void Set(const QString& field, int width);
  // Every width outside 5 to 80 replaced by its field's default.
  FieldLengths Corrected() const;

  std::array<int, kCount> widths{};
};

// Read from the settings file, corrected.
FieldLengths ReadFieldLengths();
// Corrected, then written; a failure to write is told to the user.
void WriteFieldLengths(const FieldLengths& lengths);

}  // namespace vellumo
