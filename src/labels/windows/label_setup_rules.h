// What the "Print Labels" window decides without widgets: the record
// choice of its "What to Print" panel with the presort that goes with it,
// the read-outs of a set-up's stock, and the texts said around a
// presorted run.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "labels/printing/label_records.h"
#include "labels/stock/stock_record.h"

namespace vellumo {

// The "What to Print" panel. A presort list belongs to the record choice
// it was made for: any change of the choice, or of "Start from current
// record", asks for a new one.
class WhatToPrint {
 public:
  // "Records matching filter" is chosen when the main window has a
  // filter; without one it cannot be chosen and "All records" is.
  explicit WhatToPrint(bool filter_set);

  [[nodiscard]] LabelRecordChoice choice() const { return choice_; }
  [[nodiscard]] bool matching_filter_enabled() const { return filter_set_; }
  [[nodiscard]] bool start_from_current() const { return start_from_current_; }
  [[nodiscard]] bool presort_checked() const { return presort_checked_; }
  // "Only current record" has nothing to presort.
  [[nodiscard]] bool presort_enabled() const { return choice_ != LabelRecordChoice::kCurrentOnly; }
  [[nodiscard]] bool presort_made() const { return presort_made_; }
  // A presort is wanted and none has been made for the present choice.
  [[nodiscard]] bool NeedsPresort() const { return presort_checked_ && !presort_made_; }
  // The chosen records the present presort list leaves out.
  [[nodiscard]] const std::vector<uint32_t>& left_out() const { return left_out_; }

  // "Records matching filter" without a filter is refused. "Only current
  // record" unchecks the presort; the other two leave its check as it is.
  void Choose(LabelRecordChoice choice);
  void SetStartFromCurrent(bool on);
  // Refused while the presort is disabled.
  void SetPresort(bool on);
  // A presort list was made for the present choice.
  void PresortMade(std::vector<uint32_t> left_out);

 private:
  void ChoiceChanged();

  bool filter_set_;
  LabelRecordChoice choice_;
  bool start_from_current_ = false;
  bool presort_checked_ = false;
  bool presort_made_ = false;
  std::vector<uint32_t> left_out_;
};

// Shown for a set-up's stock, in this order: "Sheet Name" (the catalogue
// name, "[User Defined]" for a stock entered by hand), "Label Height",
// "Label Width", "# Across", "# Down", "Paper Size", "Paper Width",
// "Paper Height".
inline constexpr int kStockReadoutCount = 8;
std::array<QString, kStockReadoutCount> StockReadouts(const Stock& stock);
std::array<QString, kStockReadoutCount> StockReadoutCaptions();

// The information given before a presorted run.
QString PresortOrderText();
// Before a presorted run that leaves `count` (> 0) chosen records out for
// their ZIP codes: the question whether to print them after the sorted
// groups, and what is said when the answer is No.
QString LeftOutQuestion(size_t count);
QString LeftOutNotPrintedText(size_t count);
inline constexpr const char* kLeftOutCaption = "PRESORT";

}  // namespace vellumo
