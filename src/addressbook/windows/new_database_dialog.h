// TNewDataBaseName ("Create new database"): the name of a new address
// database, and the field widths it will be created with.
#pragma once

#include <QDialog>

#include "core/field_lengths.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vellumo {

class TNewDataBaseName : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1037;

  explicit TNewDataBaseName(QWidget* parent = nullptr);

  QString name() const;
  const FieldLengths& lengths() const { return lengths_; }
  QLineEdit* name_edit() const { return name_edit_; }
  QPushButton* ok_button() const { return ok_; }
  QLabel* invalid_label() const { return invalid_; }

 private:
  void NameChanged();
  void SpecifyFieldLengthsClick();

  FieldLengths lengths_;
  QLineEdit* name_edit_;
  QLabel* invalid_;
  QPushButton* ok_;
};

}  // namespace vellumo
