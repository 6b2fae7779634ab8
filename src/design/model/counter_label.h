// TGCounterLabel: a single-line text showing a number that advances as
// labels are printed, between a text before and a text after it, with at
// least LeadingZeros digits. The number starts at Startingnumber and
// advances by one after every RepeatEach printed labels.
#pragma once

#include <cstdint>
#include <string>

#include "design/model/text_label.h"

namespace vellumo::design {

// What the counter dialog sets, all at once.
struct CounterSettings {
  std::string TextBefore;
  int32_t Startingnumber = 1;
  int32_t RepeatEach = 1;
  std::string TextAfter;
  int32_t LeadingZeros = 0;
};

// TextBefore + number + TextAfter; with LeadingZeros n > 0 the number has
// at least n digits, filled with leading zeros.
std::string CounterCaption(const std::string& before, int32_t number, int32_t leading_zeros,
                           const std::string& after);

class TGCounterLabel : public TGBaseLabel {
 public:
  TGCounterLabel();
  [[nodiscard]] std::string_view ClassName() const override { return "TGCounterLabel"; }

  std::string TextBefore;
  std::string TextAfter;
  // Labels printed with one value before it advances; 0 or less never advances.
  int32_t RepeatEach = 1;
  // The least number of digits (0: as many as the number has).
  int32_t LeadingZeros = 0;

  [[nodiscard]] int32_t Startingnumber() const { return starting_number_; }
  // Also starts the run again (ResetCounters).
  void SetStartingnumber(int32_t number);
  [[nodiscard]] int32_t CurrentValue() const { return current_; }

  // The current value becomes the starting number, with no label printed yet.
  void ResetCounters() override;
  // One more label printed with the current value; after RepeatEach of
  // them the value advances by one (past the largest 32-bit number it
  // continues at the smallest).
  void LabelPrinted() override;

  // Takes the dialog's settings, starts the run again and rebuilds the
  // caption; an unrotated counter becomes 10 wide and grows to fit it.
  void SetCounterSettings(const CounterSettings& settings);

 protected:
  [[nodiscard]] ShownText Shown(const TBaseReport& canvas, bool on_screen) const override;
  // The caption of the starting number: the run's progress is not stored.
  [[nodiscard]] std::optional<std::string> StoredCaption() const override;
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;

 private:
  [[nodiscard]] std::string CurrentCaption() const;
  void RefreshCaption();

  int32_t starting_number_ = 1;
  int32_t current_ = 1;
  int32_t printed_with_current_ = 0;
};

}  // namespace vellumo::design
