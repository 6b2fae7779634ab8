// Field-length settings and their correction.
#include "core/field_lengths.h"

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

const QString kSection = QStringLiteral("NewFileFieldLengths");
constexpr std::array<int, FieldLengths::kCount> kDefaults = {30, 30, 12, 30, 30, 40, 40, 30, 20,
                                                             10, 30, 30, 30, 40, 40, 30, 40, 40};

int IndexOf(const QString& field) {
  const auto& names = FieldLengths::Names();
  for (int i = 0; i < FieldLengths::kCount; ++i) {
    if (field.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

}  // namespace

const std::array<const char*, FieldLengths::kCount>& FieldLengths::Names() {
  static const std::array<const char*, kCount> names = {
      "LNAME", "FNAME",   "PREFIX", "TITLE",  "ORG", "STREET", "STREET2", "CITY",  "STATE",
      "ZIP",   "COUNTRY", "PHONE",  "PHONE2", "FAX", "EMAIL",  "CODES",   "USER1", "USER2"};
  return names;
}

FieldLengths FieldLengths::Defaults() {
  FieldLengths f;
  f.widths = kDefaults;
  return f;
}

FieldLengths FieldLengths::DialogDefaults() {
  FieldLengths f = Defaults();
  f.Set(QStringLiteral("FAX"), 30);
  return f;
}

int FieldLengths::DefaultFor(const QString& field) {
  int i = IndexOf(field);
  return i < 0 ? 0 : kDefaults[i];
}

int FieldLengths::Get(const QString& field) const {
  int i = IndexOf(field);
  return i < 0 ? 0 : widths[i];
}

void FieldLengths::Set(const QString& field, int width) {
  int i = IndexOf(field);
  if (i >= 0) widths[i] = width;
}

FieldLengths FieldLengths::Corrected() const {
  FieldLengths f = *this;
  for (int i = 0; i < kCount; ++i) {
    if (f.widths[i] < kMinimum || f.widths[i] > kMaximum) f.widths[i] = kDefaults[i];
  }
  return f;
}

FieldLengths ReadFieldLengths() {
  SettingsFile settings(SettingsFilePath());
  FieldLengths f = FieldLengths::Defaults();
  for (int i = 0; i < FieldLengths::kCount; ++i) {
    QString key = QStringLiteral("Field") + QLatin1String(FieldLengths::Names()[i]);
    f.widths[i] = settings.ReadInt(kSection, key, kDefaults[i]);
  }
  return f.Corrected();
}

void WriteFieldLengths(const FieldLengths& lengths) {
  FieldLengths f = lengths.Corrected();
  SettingsFile settings(SettingsFilePath());
  for (int i = 0; i < FieldLengths::kCount; ++i) {
    settings.WriteInt(kSection, QStringLiteral("Field") + QLatin1String(FieldLengths::Names()[i]),
                      f.widths[i]);
  }
  settings.SaveOrTell();
}

}  // namespace vellumo
