// Field-lengths dialog rules.
#include "core/field_lengths_form.h"

namespace vellumo {

const std::array<FieldLengthsForm::Edit, FieldLengths::kCount>& FieldLengthsForm::Edits() {
  static const std::array<Edit, FieldLengths::kCount> edits = {{
      {"First Name", "FNAME"},   {"Last Name", "LNAME"},     {"Prefix", "PREFIX"},
      {"Title", "TITLE"},        {"Organization", "ORG"},    {"Address #1", "STREET"},
      {"Address #2", "STREET2"}, {"City", "CITY"},           {"State", "STATE"},
      {"Zip/Postal", "ZIP"},     {"Country", "COUNTRY"},     {"Phone #1", "PHONE"},
      {"Phone #2", "PHONE2"},    {"Fax", "FAX"},             {"E-Mail", "EMAIL"},
      {"Codes", "CODES"},        {"Comments #1", "USER1"},   {"Comments #2", "USER2"},
  }};
  return edits;
}

FieldLengthsForm::FieldLengthsForm(const FieldLengths& current) : current_(current) {
  for (int i = 0; i < FieldLengths::kCount; ++i) {
    fallbacks_[i] = current.Get(QLatin1String(Edits()[i].field));
    texts_[i] = QString::number(fallbacks_[i]);
  }
}

void FieldLengthsForm::Leave(int edit) {
  bool ok = false;
  int width = texts_[edit].trimmed().toInt(&ok);
  if (!ok || width < kMinimum || width > kMaximum) texts_[edit] = QString::number(fallbacks_[edit]);
}

void FieldLengthsForm::ResetToDefaults() {
  FieldLengths defaults = FieldLengths::DialogDefaults();
  for (int i = 0; i < FieldLengths::kCount; ++i) {
    fallbacks_[i] = defaults.Get(QLatin1String(Edits()[i].field));
    texts_[i] = QString::number(fallbacks_[i]);
  }
}

FieldLengths FieldLengthsForm::Accept() {
  FieldLengths result = current_;
  for (int i = 0; i < FieldLengths::kCount; ++i) {
    Leave(i);
    bool ok = false;
    int width = texts_[i].trimmed().toInt(&ok);
    if (ok) result.Set(QLatin1String(Edits()[i].field), width);
  }
  return result;
}

}  // namespace vellumo
