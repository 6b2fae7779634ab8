// "New Record": the names and ZIP asked before a record is added, for the
// duplicate check and the city/state look-up.
#pragma once

#include <QDialog>
#include <optional>

#include "addressbook/adding_rules.h"
#include "core/adding_preferences.h"

class QLineEdit;

namespace vellumo {

class NewRecordDialog : public QDialog {
  Q_OBJECT

 public:
  // The edits shown follow the preferences; each takes at most its
  // field's width.
  NewRecordDialog(const AddingPreferences& prefs, int last_width, int first_width, int zip_width,
                  QWidget* parent = nullptr);

  NewRecordRequest request() const;
  QLineEdit* last_edit() const { return last_; }
  QLineEdit* first_edit() const { return first_; }
  QLineEdit* zip_edit() const { return zip_; }

 private:
  QLineEdit* last_ = nullptr;
  QLineEdit* first_ = nullptr;
  QLineEdit* zip_ = nullptr;
};

}  // namespace vellumo
