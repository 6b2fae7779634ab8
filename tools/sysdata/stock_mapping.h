// Turns one complete template (equivalents and aliases already resolved to
// their base's geometry) into a catalogue row, or says why it cannot be one.
#pragma once

#include <string>

#include "label_template.h"
#include "stock.h"

namespace sysdata {

// What the application's label pages can hold.
inline constexpr int kMaxAcross = 10;
inline constexpr int kMaxDown = 30;
inline constexpr int kMaxLabelsPerSheet = 200;

enum class SkipReason {
  kNone,
  kMalformed,        // a value of the template could not be read
  kNoLabel,          // the template describes no label
  kSeveralLabels,    // more than one label shape on the sheet
  kUnknownPaper,     // a paper id the paper-size file does not list
  kIrregularLayout,  // labels that do not form one grid with a middle gap
  kTooManyLabels,    // beyond kMaxAcross, kMaxDown or kMaxLabelsPerSheet
  kOutOfRange,       // a length that is not positive or does not fit its field
};

// A short phrase for reports ("labels not on one grid").
const char* SkipReasonText(SkipReason reason);

// Fills *stock from `t` and returns kNone, or returns why it cannot and
// puts the particulars into *detail. REQUIRES: t.equivalent_part is empty.
SkipReason MapTemplate(const LabelTemplate& t, const PaperSizes& papers, Stock* stock,
                       std::string* detail);

}  // namespace sysdata
