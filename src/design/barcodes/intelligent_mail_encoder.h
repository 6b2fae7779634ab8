// The Intelligent Mail barcode (USPS-B-3200): the fields a mail piece
// carries, checked, encoded into the states of 65 bars, and the bars laid
// out at the nominal printed dimensions.
#pragma once

#include <string>
#include <string_view>

#include "design/barcodes/bar.h"

namespace vellumo {

// All fields are texts of digits, leading zeros included: the barcode
// identifier 2 digits (the second 0 to 4), the service type identifier 3,
// the mailer identifier 6 or 9, the serial number 9 after a 6-digit mailer
// identifier and 6 after a 9-digit one, and the routing code (the
// delivery-point ZIP) 0, 5, 9 or 11.
struct IntelligentMailFields {
  std::string barcode_id;
  std::string service_type;
  std::string mailer_id;
  std::string serial_number;
  std::string routing_code;
};

struct IntelligentMailBarcode {
  std::string error;   // why the fields cannot be encoded; empty on success
  std::string states;  // on success 65 letters, bar 1 first: F, A, D or T

  [[nodiscard]] bool ok() const { return error.empty(); }
};

// Nominal printed dimensions in inches. A full bar is the tracker with an
// ascender above it and a descender below; an ascender or descender bar is
// the tracker with one of them.
inline constexpr double kIntelligentMailBarWidth = 0.020;
inline constexpr double kIntelligentMailBarPitch = 1.0 / 22;  // 22 bars per inch
inline constexpr double kIntelligentMailFullBarHeight = 0.145;
inline constexpr double kIntelligentMailTrackerHeight = 0.048;
inline constexpr double kIntelligentMailExtension =
    (kIntelligentMailFullBarHeight - kIntelligentMailTrackerHeight) / 2;

// Empty when the fields can be encoded, else a sentence saying which field
// is wrong and what it must hold.
[[nodiscard]] std::string IntelligentMailFieldError(const IntelligentMailFields& fields);

// The 20-digit tracking code: barcode id, service type, mailer id and
// serial number in that order. REQUIRES: the fields pass the check.
[[nodiscard]] std::string IntelligentMailTrackingCode(const IntelligentMailFields& fields);

// The bar states of the fields, or the error that stops them.
[[nodiscard]] IntelligentMailBarcode EncodeIntelligentMail(const IntelligentMailFields& fields);

// The bars of 65 bar states at the nominal dimensions, bar 1 at the left
// edge; the top of a full or ascender bar is at 0. No bars for text that
// is not 65 of the letters F, A, D and T.
[[nodiscard]] Bars IntelligentMailBars(std::string_view states);

}  // namespace vellumo
