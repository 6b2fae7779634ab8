// TAddressQueryForm ("Address Filter"): the 18 field conditions and the
// flags "Tagged" and "Reverse" of the main window's filter, laid out like
// the record form. "Test" puts them in force and counts the matches.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "core/filter_expression.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vellumo {

class AddressBook;

class TAddressQueryForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1033;

  TAddressQueryForm(AddressBook& book, QWidget* parent = nullptr);

  // The edit of a condition by its field expression ("LNAME", "CITY+STATE").
  QLineEdit* condition_edit(const QString& field_expression) const;
  QCheckBox* tagged_box() const { return tagged_; }
  QCheckBox* reverse_box() const { return reverse_; }
  QLabel* count_line() const { return count_; }
  QLabel* date_hint() const { return date_hint_; }

  // "Test": puts the conditions in force and shows the number of matches;
  // conditions the engine could not put in force show "Filter not
  // applied" with the reason.
  void TestButtonClick();
  // "Clear": empties every condition, then tests.
  void ClearButtonClick();
  // "Ok" tests, then closes; "Cancel" puts back the conditions in force
  // before the window opened, flags included, and the record shown then
  // (a test has moved to the first match).
  void accept() override;
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FilterConditions ConditionsFromEdits() const;

  AddressBook& book_;
  const FilterConditions kept_;
  const uint32_t kept_record_;  // 0 when there was none
  std::array<QLineEdit*, FilterConditions::kCount> edits_{};
  QCheckBox* tagged_;
  QCheckBox* reverse_;
  QLabel* count_;
  QLabel* date_hint_;
};

}  // namespace vellumo
