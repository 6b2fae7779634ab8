// Delivery-point digits scanned backwards from the end of an address.
#include "design/barcodes/delivery_point.h"

#include <algorithm>
#include <array>

#include "design/barcodes/digit_text.h"

namespace vellumo {
namespace {

constexpr std::string_view kNoDeliveryPoint = "99";

char RaiseAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// APO and FPO count only as words of their own, so that a street such as
// NAPOLEON AVE keeps the digits of its house number.
bool IsMilitaryAddress(std::string_view upper) {
  for (std::string_view word : {std::string_view("APO"), std::string_view("FPO")}) {
    for (size_t at = upper.find(word); at != std::string_view::npos; at = upper.find(word, at + 1)) {
      const bool starts_word = at == 0 || !IsLetter(upper[at - 1]);
      const size_t end = at + word.size();
      const bool ends_word = end == upper.size() || !IsLetter(upper[end]);
      if (starts_word && ends_word) return true;
    }
  }
  return false;
}

bool IsOrdinalSuffix(std::string_view pair) {
  constexpr std::array<std::string_view, 4> kSuffixes = {"ST", "ND", "RD", "TH"};
  return std::find(kSuffixes.begin(), kSuffixes.end(), pair) != kSuffixes.end();
}

}  // namespace

std::string DeliveryPointDigits(std::string_view address) {
  std::string upper(address);
  std::transform(upper.begin(), upper.end(), upper.begin(), RaiseAscii);
  if (IsMilitaryAddress(upper)) return std::string(kNoDeliveryPoint);

  // result[0] is the tens digit, result[1] the units digit.
  std::string result = "  ";
  bool skip_word = false;     // the digits of this word belong to a fraction
  bool ordinal_word = false;  // the digits of this word belong to a name like 5TH
  bool have_units = false;
  bool have_tens = false;
  const std::string_view text(upper);
  for (size_t i = text.size(); i-- > 0;) {
    const char c = text[i];
    if (IsDecimalDigit(c)) {
      if (skip_word || ordinal_word || (have_units && have_tens)) continue;
      if (!have_units) {
        result[1] = c;
        have_units = true;
      } else {
        result[0] = c;
        have_tens = true;
      }
    } else if (c == ' ') {
      if (have_units || have_tens) break;
      skip_word = false;
      ordinal_word = false;
    } else if (c == '/' && (have_units || have_tens)) {
      skip_word = true;
      have_units = false;
      have_tens = false;
      result = "  ";
    } else if (have_units && !have_tens) {
      result[0] = '0';
      have_tens = true;
    } else if (IsOrdinalSuffix(text.substr(i, 2))) {
      ordinal_word = true;
    }
  }
  if (result == "  ") return std::string(kNoDeliveryPoint);
  if (result[0] == ' ') result[0] = '0';
  return result;
}

}  // namespace vellumo
