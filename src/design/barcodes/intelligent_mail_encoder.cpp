// Checking, encoding and laying out an Intelligent Mail barcode.
#include "design/barcodes/intelligent_mail_encoder.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "design/barcodes/digit_text.h"
#include "design/barcodes/intelligent_mail_bar_map.h"
#include "design/barcodes/intelligent_mail_binary.h"
#include "design/barcodes/intelligent_mail_symbols.h"

namespace vellumo {
namespace {

// "2", "6 or 9", "0, 5, 9 or 11".
std::string LengthsText(std::initializer_list<size_t> lengths) {
  std::string text;
  size_t index = 0;
  for (size_t length : lengths) {
    if (index > 0) text += index + 1 == lengths.size() ? " or " : ", ";
    text += std::to_string(length);
    ++index;
  }
  return text;
}

// Empty when `text` is digits of one of `lengths`, else why not.
std::string DigitsError(std::string_view name, std::string_view text,
                        std::initializer_list<size_t> lengths) {
  const bool length_allowed = std::find(lengths.begin(), lengths.end(), text.size()) != lengths.end();
  if (IsDecimalText(text) && length_allowed) return {};
  return "The " + std::string(name) + " must be " + LengthsText(lengths) + " digits, not \"" +
         std::string(text) + "\".";
}

}  // namespace

std::string IntelligentMailFieldError(const IntelligentMailFields& fields) {
  std::string error = DigitsError("barcode identifier", fields.barcode_id, {2});
  if (error.empty() && fields.barcode_id[1] > '4') {
    error = "The second digit of the barcode identifier must be 0 to 4, not \"" +
            fields.barcode_id + "\".";
  }
  if (error.empty()) error = DigitsError("service type identifier", fields.service_type, {3});
  if (error.empty()) error = DigitsError("mailer identifier", fields.mailer_id, {6, 9});
  if (error.empty()) {
    // Mailer identifier and serial number share 15 digits.
    error = fields.mailer_id.size() == 6
                ? DigitsError("serial number after a 6-digit mailer identifier",
                              fields.serial_number, {9})
                : DigitsError("serial number after a 9-digit mailer identifier",
                              fields.serial_number, {6});
  }
  if (error.empty()) error = DigitsError("routing code", fields.routing_code, {0, 5, 9, 11});
  return error;
}

std::string IntelligentMailTrackingCode(const IntelligentMailFields& fields) {
  return fields.barcode_id + fields.service_type + fields.mailer_id + fields.serial_number;
}

IntelligentMailBarcode EncodeIntelligentMail(const IntelligentMailFields& fields) {
  IntelligentMailBarcode barcode;
  barcode.error = IntelligentMailFieldError(fields);
  if (!barcode.ok()) return barcode;
  const IntelligentMailValue value =
      IntelligentMailBinary(IntelligentMailTrackingCode(fields), fields.routing_code);
  const uint16_t fcs = IntelligentMailCrc11(value);
  const IntelligentMailCodewords codewords = AddOrientationAndFcs(SplitIntoCodewords(value), fcs);
  barcode.states = CharactersToBarStates(CodewordsToCharacters(codewords, fcs));
  return barcode;
}

Bars IntelligentMailBars(std::string_view states) {
  const bool valid = states.size() == kIntelligentMailBarCount &&
                     states.find_first_not_of("FADT") == std::string_view::npos;
  if (!valid) return {};
  const double tracker_top = kIntelligentMailExtension;
  const double ascender_height = kIntelligentMailTrackerHeight + kIntelligentMailExtension;
  Bars bars;
  bars.reserve(states.size());
  for (size_t i = 0; i < states.size(); ++i) {
    Bar bar{static_cast<double>(i) * kIntelligentMailBarPitch, 0, kIntelligentMailBarWidth, 0};
    switch (states[i]) {
      case kFullBar:
        bar.height = kIntelligentMailFullBarHeight;
        break;
      case kAscenderBar:
        bar.height = ascender_height;
        break;
      case kDescenderBar:
        bar.top = tracker_top;
        bar.height = ascender_height;
        break;
      default:
        bar.top = tracker_top;
        bar.height = kIntelligentMailTrackerHeight;
        break;
    }
    bars.push_back(bar);
  }
  return bars;
}

}  // namespace vellumo
