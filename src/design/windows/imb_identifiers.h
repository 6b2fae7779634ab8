// What the Intelligent Mail identifiers dialog edits and checks: the
// barcode identifier, service type, mailer identifier and serial number
// (the design's own, or a counter from a first number) of a barcode.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "design/model/intelligent_mail_barcode.h"

namespace vellumo::design {

struct IMbIdentifiers {
  std::string barcode_id;
  std::string service_type;
  std::string mailer_id;
  std::string serial_number;
  bool serial_from_counter = false;
  int32_t serial_start = 0;
};

[[nodiscard]] IMbIdentifiers IdentifiersOf(const TGIMBarCode& barcode);

// The digits the serial number fills beside the mailer identifier: 9
// after a 6-digit one, 6 after a 9-digit one, 0 for any other length.
[[nodiscard]] int SerialDigits(std::string_view mailer_id);

// Empty when a barcode with these identifiers can be encoded for any
// record, else the sentence saying which identifier is wrong and what it
// must hold: the encoder's own check, and with a counter the first number
// in the serial number's width.
[[nodiscard]] std::string IdentifiersError(const IMbIdentifiers& identifiers);

// The barcode takes the identifiers; its page is told.
void ApplyIdentifiers(TGIMBarCode& barcode, const IMbIdentifiers& identifiers);

}  // namespace vellumo::design
