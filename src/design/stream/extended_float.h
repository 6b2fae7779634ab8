// The 10-byte x87 extended float of the stream, turned into a double.
// Design objects never write one; older files may hold one, so it is read.
#pragma once

#include <string_view>

namespace vellumo::design {

// REQUIRES: bytes.size() == kExtendedSize (little-endian: 8 bytes of
// mantissa with its explicit integer bit, then sign and 15-bit exponent).
// Values beyond a double's range become infinities or zero; the all-ones
// exponent gives an infinity or a NaN. Never fails.
double DecodeExtendedFloat(std::string_view bytes);

}  // namespace vellumo::design
