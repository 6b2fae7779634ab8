// The two delivery-point digits of a street address for the 11-digit
// POSTNET code: the last two digits of the house number, found by
// scanning the address from its end.
#pragma once

#include <string>
#include <string_view>

namespace vellumo {

// Always two digits. "99" when the address is a military one (the word
// APO or FPO) or has no usable number; a one-digit house number gets a
// leading '0' ("7 OAK" gives "07"). Digits of a fraction ("12 1/2 ELM ST")
// and of an ordinal street name ("1234 5TH AVE") are passed over.
[[nodiscard]] std::string DeliveryPointDigits(std::string_view address);

}  // namespace vellumo
