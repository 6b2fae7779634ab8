// Checking and applying the identifiers of an Intelligent Mail barcode.
#include "design/windows/imb_identifiers.h"

#include "design/windows/page_changes.h"

namespace vellumo::design {
namespace {

constexpr size_t kShortMailerId = 6;
constexpr size_t kLongMailerId = 9;

void TakeIdentifiers(TGIMBarCode& barcode, const IMbIdentifiers& identifiers) {
  barcode.BarcodeIdentifier = identifiers.barcode_id;
  barcode.ServiceType = identifiers.service_type;
  barcode.MailerId = identifiers.mailer_id;
  barcode.SerialNumber = identifiers.serial_number;
  barcode.SerialFromCounter = identifiers.serial_from_counter;
  barcode.SerialStart = identifiers.serial_start;
}

}  // namespace

IMbIdentifiers IdentifiersOf(const TGIMBarCode& barcode) {
  return {barcode.BarcodeIdentifier, barcode.ServiceType,      barcode.MailerId,
          barcode.SerialNumber,      barcode.SerialFromCounter, barcode.SerialStart};
}

int SerialDigits(std::string_view mailer_id) {
  if (mailer_id.size() == kShortMailerId) return int(kLongMailerId);
  if (mailer_id.size() == kLongMailerId) return int(kShortMailerId);
  return 0;
}

std::string IdentifiersError(const IMbIdentifiers& identifiers) {
  // The fields as the barcode itself would encode them, for a record
  // without a routing code (which any record may be).
  TGIMBarCode probe;
  TakeIdentifiers(probe, identifiers);
  IntelligentMailFields fields = probe.Fields();
  fields.routing_code.clear();
  const int width = SerialDigits(identifiers.mailer_id);
  if (!identifiers.serial_from_counter) return IntelligentMailFieldError(fields);
  // A counted serial number is checked as its first number, below.
  fields.serial_number = std::string(size_t(width), '0');
  const std::string error = IntelligentMailFieldError(fields);
  if (!error.empty()) return error;
  const std::string first = std::to_string(identifiers.serial_start);
  if (identifiers.serial_start >= 0 && first.size() <= size_t(width)) return {};
  return "The first serial number must be 0 to " + std::string(size_t(width), '9') + " after a " +
         std::to_string(identifiers.mailer_id.size()) + "-digit mailer identifier, not \"" + first + "\".";
}

void ApplyIdentifiers(TGIMBarCode& barcode, const IMbIdentifiers& identifiers) {
  TakeIdentifiers(barcode, identifiers);
  TellPage(barcode);
}

}  // namespace vellumo::design
