// POSTNET: the digits a ZIP code and street address give, the check
// digit, the test that a ZIP text may be printed at all, and the bars.
#pragma once

#include <string>
#include <string_view>

#include "design/barcodes/bar.h"

namespace vellumo {

enum class TPostNetBarCodeType { pnbc5Digit, pnbc9Digit, pnbc11Digit };

// Bar geometry in inches: every bar 0.015 wide at a pitch of 0.046; full
// bars 0.125 high, half bars 0.055, both on the same baseline.
inline constexpr double kPostnetBarWidth = 0.015;
inline constexpr double kPostnetBarPitch = 0.046;
inline constexpr double kPostnetFullBarHeight = 0.125;
inline constexpr double kPostnetHalfBarHeight = 0.055;

// True when the ZIP text is at least 5 characters long and lies from
// "00000" to "99999-9999" in byte-wise comparison; any other ZIP prints no
// barcode at all.
[[nodiscard]] bool IsPrintablePostnetZip(std::string_view zip);

// The smallest digit that brings the sum of the digits in `digits` to a
// multiple of 10; other characters do not count.
[[nodiscard]] char PostnetCheckDigit(std::string_view digits);

// The routing digits of a ZIP code and street address, without check
// digit. Only the digits of the ZIP text count. A sorting machine reads
// only 5, 9 or 11 digits, so the longest of those forms the digits allow
// is taken: for pnbc11Digit the ZIP+4 and the address's delivery point,
// for pnbc9Digit the ZIP+4, and the 5-digit ZIP when there is no complete
// +4. Empty when the ZIP text has fewer than 5 digits. The same digits
// serve as the routing code of an Intelligent Mail barcode.
[[nodiscard]] std::string ZipRoutingDigits(std::string_view zip, std::string_view address,
                                           TPostNetBarCodeType type);

// The digits a POSTNET code encodes: ZipRoutingDigits and their check
// digit; empty when there are no routing digits.
[[nodiscard]] std::string PostnetDigits(std::string_view zip, std::string_view address,
                                        TPostNetBarCodeType type);

// The bars of `digits` (check digit included) from left to right: a full
// frame bar, five bars per digit, a full frame bar. The first bar starts
// at 0. No bars at all when `digits` is empty or holds anything but '0'
// to '9'.
[[nodiscard]] Bars PostnetBars(std::string_view digits);

// What a POSTNET object prints for a record: no bars for a ZIP that fails
// IsPrintablePostnetZip, else the bars of PostnetDigits.
[[nodiscard]] Bars PostnetBarsForRecord(std::string_view zip, std::string_view address,
                                        TPostNetBarCodeType type);

}  // namespace vellumo
