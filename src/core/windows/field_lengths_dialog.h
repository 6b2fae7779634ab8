// TSpecifyFieldLengths ("Specify Field Lengths"): the widths of the text
// fields of a new address database.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <array>

#include "core/field_lengths_form.h"

namespace vellumo {

class TSpecifyFieldLengths : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 2097;

  TSpecifyFieldLengths(const FieldLengths& current, QWidget* parent = nullptr);

  // The confirmed widths (valid after Ok).
  const FieldLengths& lengths() const { return lengths_; }
  // "Use these settings for all new databases" was ticked.
  bool UseForAllNewDatabases() const { return use_for_all_->isChecked(); }

  QLineEdit* edit(int i) const { return edits_[i]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OkButtonClick();
  void DefaultsButtonClick();
  void ShowForm();

  FieldLengthsForm form_;
  FieldLengths lengths_;
  std::array<QLineEdit*, FieldLengths::kCount> edits_{};
  QCheckBox* use_for_all_;
};

}  // namespace vellumo
