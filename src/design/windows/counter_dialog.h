// TGetCounter ("Counter"): a counter's text before and after its number,
// its starting number, how many labels print each value and the least
// number of digits.
#pragma once

#include <QDialog>

#include "design/model/counter_label.h"

class QLineEdit;
class QSpinBox;

namespace vellumo::design {

class TGetCounter : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3502;
  static constexpr int kMostRepeats = 999;
  static constexpr int kMostLeadingZeros = 9;

  // Shows the object's settings.
  explicit TGetCounter(const TGCounterLabel& counter, QWidget* parent = nullptr);

  QLineEdit* text_before() const { return text_before_; }
  QSpinBox* starting_number() const { return starting_number_; }
  QSpinBox* repeat_each() const { return repeat_each_; }
  QLineEdit* text_after() const { return text_after_; }
  QSpinBox* leading_zeros() const { return leading_zeros_; }

  [[nodiscard]] CounterSettings Settings() const;
  // What "Ok" does: the object takes the settings, starts its run again
  // and, unrotated, grows to its new caption.
  void Apply(TGCounterLabel& counter) const;

  static bool Edit(TGCounterLabel& counter, QWidget* parent);

 private:
  QLineEdit* text_before_;
  QSpinBox* starting_number_;
  QSpinBox* repeat_each_;
  QLineEdit* text_after_;
  QSpinBox* leading_zeros_;
};

}  // namespace vellumo::design
