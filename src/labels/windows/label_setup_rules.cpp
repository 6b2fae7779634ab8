// The "What to Print" rules, the stock read-outs and the presort texts.
#include "labels/windows/label_setup_rules.h"

#include "core/text_codec.h"

namespace vellumo {

WhatToPrint::WhatToPrint(bool filter_set)
    : filter_set_(filter_set), choice_(filter_set ? LabelRecordChoice::kMatchingFilter : LabelRecordChoice::kAll) {}

void WhatToPrint::Choose(LabelRecordChoice choice) {
  if (choice == choice_) return;
  if (choice == LabelRecordChoice::kMatchingFilter && !filter_set_) return;
  choice_ = choice;
  if (choice == LabelRecordChoice::kCurrentOnly) presort_checked_ = false;
  ChoiceChanged();
}

void WhatToPrint::SetStartFromCurrent(bool on) {
  if (on == start_from_current_) return;
  start_from_current_ = on;
  ChoiceChanged();
}

void WhatToPrint::SetPresort(bool on) {
  if (presort_enabled()) presort_checked_ = on;
}

void WhatToPrint::PresortMade(std::vector<uint32_t> left_out) {
  presort_made_ = true;
  left_out_ = std::move(left_out);
}

void WhatToPrint::ChoiceChanged() {
  presort_made_ = false;
  left_out_.clear();
}

std::array<QString, kStockReadoutCount> StockReadouts(const Stock& stock) {
  const StockGeometry& g = stock.geometry;
  auto length = [](double inches) { return QString::fromStdString(FormatStockLength(inches)); };
  return {stock.description.empty() ? QStringLiteral("[User Defined]") : FromTable(stock.description),
          length(g.label_height),
          length(g.label_width),
          QString::number(g.across),
          QString::number(g.down),
          QString::fromStdString(g.paper_size),
          length(g.sheet_width),
          length(g.sheet_depth)};
}

std::array<QString, kStockReadoutCount> StockReadoutCaptions() {
  return {QStringLiteral("Sheet Name"), QStringLiteral("Label Height"), QStringLiteral("Label Width"),
          QStringLiteral("# Across"),   QStringLiteral("# Down"),       QStringLiteral("Paper Size"),
          QStringLiteral("Paper Width"), QStringLiteral("Paper Height")};
}

QString PresortOrderText() {
  return QStringLiteral(
      "Labels will print/preview in the following order:\r\n  1. 5-Digit presort\r\n  2. 3-Digit presort\r\n"
      "  3. ADC presort");
}

namespace {

QString RecordsWithoutZip(size_t count) {
  return count == 1 ? QStringLiteral("1 of the chosen records has")
                    : QStringLiteral("%1 of the chosen records have").arg(count);
}

}  // namespace

QString LeftOutQuestion(size_t count) {
  return RecordsWithoutZip(count) +
         QStringLiteral(" no usable ZIP code and cannot be presorted.\r\n\r\n"
                        "Print them after the presorted groups?");
}

QString LeftOutNotPrintedText(size_t count) {
  return count == 1 ? QStringLiteral("The record without a usable ZIP code will not be printed.")
                    : QStringLiteral("The %1 records without a usable ZIP code will not be printed.").arg(count);
}

}  // namespace vellumo
