// POSTNET digits, check digit and bars.
#include "design/barcodes/postnet.h"

#include <array>

#include "design/barcodes/delivery_point.h"
#include "design/barcodes/digit_text.h"

namespace vellumo {
namespace {

constexpr size_t kZipDigits = 5;
constexpr size_t kZipPlusFourDigits = 9;

// Five bars per digit, left to right; true is a full bar, false a half bar.
using DigitPattern = std::array<bool, 5>;
constexpr std::array<DigitPattern, 10> kDigitPatterns = {{
    {true, true, false, false, false},   // 0
    {false, false, false, true, true},   // 1
    {false, false, true, false, true},   // 2
    {false, false, true, true, false},   // 3
    {false, true, false, false, true},   // 4
    {false, true, false, true, false},   // 5
    {false, true, true, false, false},   // 6
    {true, false, false, false, true},   // 7
    {true, false, false, true, false},   // 8
    {true, false, true, false, false},   // 9
}};

Bar PostnetBar(size_t index, bool full) {
  const double height = full ? kPostnetFullBarHeight : kPostnetHalfBarHeight;
  return Bar{static_cast<double>(index) * kPostnetBarPitch, kPostnetFullBarHeight - height,
             kPostnetBarWidth, height};
}

}  // namespace

bool IsPrintablePostnetZip(std::string_view zip) {
  return zip.size() >= kZipDigits && zip >= std::string_view("00000") &&
         zip <= std::string_view("99999-9999");
}

char PostnetCheckDigit(std::string_view digits) {
  int sum = 0;
  for (char c : digits) {
    if (IsDecimalDigit(c)) sum += c - '0';
  }
  return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string ZipRoutingDigits(std::string_view zip, std::string_view address,
                             TPostNetBarCodeType type) {
  const std::string zip_digits = DecimalDigitsOf(zip);
  if (zip_digits.size() < kZipDigits) return {};
  if (type == TPostNetBarCodeType::pnbc5Digit || zip_digits.size() < kZipPlusFourDigits) {
    return zip_digits.substr(0, kZipDigits);
  }
  std::string digits = zip_digits.substr(0, kZipPlusFourDigits);
  if (type == TPostNetBarCodeType::pnbc11Digit) digits += DeliveryPointDigits(address);
  return digits;
}

std::string PostnetDigits(std::string_view zip, std::string_view address,
                          TPostNetBarCodeType type) {
  std::string digits = ZipRoutingDigits(zip, address, type);
  if (!digits.empty()) digits += PostnetCheckDigit(digits);
  return digits;
}

Bars PostnetBars(std::string_view digits) {
  Bars bars;
  if (digits.empty() || !IsDecimalText(digits)) return bars;
  bars.reserve(digits.size() * 5 + 2);
  bars.push_back(PostnetBar(0, true));
  for (char c : digits) {
    for (bool full : kDigitPatterns[static_cast<size_t>(c - '0')]) {
      bars.push_back(PostnetBar(bars.size(), full));
    }
  }
  bars.push_back(PostnetBar(bars.size(), true));
  return bars;
}

Bars PostnetBarsForRecord(std::string_view zip, std::string_view address,
                          TPostNetBarCodeType type) {
  if (!IsPrintablePostnetZip(zip)) return {};
  return PostnetBars(PostnetDigits(zip, address, type));
}

}  // namespace vellumo
