// The counter: its run through a print job, caption and stored form.
#include "design/model/counter_label.h"

#include <cstdio>

namespace vellumo::design {
namespace {

// Leading zeros beyond this many are not asked for by any design; the
// cap keeps a damaged file from asking for an enormous caption.
constexpr int32_t kMostLeadingZeros = 99;

}  // namespace

std::string CounterCaption(const std::string& before, int32_t number, int32_t leading_zeros,
                           const std::string& after) {
  char digits[128];
  if (leading_zeros > 0) {
    const int n = leading_zeros < kMostLeadingZeros ? leading_zeros : kMostLeadingZeros;
    std::snprintf(digits, sizeof digits, "%*.*d", n, n, int(number));
  } else {
    std::snprintf(digits, sizeof digits, "%d", int(number));
  }
  return before + digits + after;
}

TGCounterLabel::TGCounterLabel() { RefreshCaption(); }

void TGCounterLabel::SetStartingnumber(int32_t number) {
  starting_number_ = number;
  ResetCounters();
}

void TGCounterLabel::ResetCounters() {
  current_ = starting_number_;
  printed_with_current_ = 0;
  RefreshCaption();
}

void TGCounterLabel::LabelPrinted() {
  if (RepeatEach <= 0) return;
  if (++printed_with_current_ < RepeatEach) return;
  printed_with_current_ = 0;
  current_ = int32_t(uint32_t(current_) + 1u);
  RefreshCaption();
}

void TGCounterLabel::SetCounterSettings(const CounterSettings& settings) {
  TextBefore = settings.TextBefore;
  TextAfter = settings.TextAfter;
  RepeatEach = settings.RepeatEach;
  LeadingZeros = settings.LeadingZeros;
  SetStartingnumber(settings.Startingnumber);
  if (Angle() == 0) {
    SetBounds(QRect(Left(), Top(), 10, Height()));
    GrowToFit();
  }
  Changed();
}

std::string TGCounterLabel::CurrentCaption() const {
  return CounterCaption(TextBefore, current_, LeadingZeros, TextAfter);
}

void TGCounterLabel::RefreshCaption() { Caption = CurrentCaption(); }

TGBaseLabel::ShownText TGCounterLabel::Shown(const TBaseReport&, bool) const {
  return {QString::fromStdString(CurrentCaption()), StyleOfFont(Font)};
}

std::optional<std::string> TGCounterLabel::StoredCaption() const {
  // The caption of the run's start, so that a design saved after a
  // preview advanced its counters is the same file as before.
  return CounterCaption(TextBefore, starting_number_, LeadingZeros, TextAfter);
}

void TGCounterLabel::WriteOwnProperties(PropertyWriter& writer) const {
  TGBaseLabel::WriteOwnProperties(writer);
  writer.TextIfSet("TextBefore", TextBefore);
  writer.TextIfSet("TextAfter", TextAfter);
  writer.Integer("Startingnumber", starting_number_);
  writer.Integer("RepeatEach", RepeatEach);
  writer.Integer("LeadingZeros", LeadingZeros);
}

Status TGCounterLabel::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  const std::string_view name = property.name;
  Status s;
  if (name == "TextBefore") {
    s = Take(reader.Text(property), &TextBefore);
  } else if (name == "TextAfter") {
    s = Take(reader.Text(property), &TextAfter);
  } else if (name == "Startingnumber") {
    int32_t number = 0;
    s = Take(reader.Integer(property), &number);
    if (s.ok()) SetStartingnumber(number);
  } else if (name == "RepeatEach") {
    s = Take(reader.Integer(property), &RepeatEach);
  } else if (name == "LeadingZeros") {
    s = Take(reader.Integer(property), &LeadingZeros);
  } else {
    return TGBaseLabel::ReadOwnProperty(reader, property);
  }
  if (s.ok()) RefreshCaption();
  return s;
}

}  // namespace vellumo::design
