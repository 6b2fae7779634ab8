// The US ZIP key of an address record: the first five bytes of its ZIP
// field, and the tests that decide whether the record is US mail that the
// presort can place.
#pragma once

#include <string_view>

namespace vellumo {

inline constexpr size_t kZipKeyLength = 5;

// The first five bytes of `zip` (all of it when shorter). `zip` is the
// field's text without its trailing blanks.
std::string_view ZipKey(std::string_view zip);

// A key takes part in the presort when, compared byte by byte, it is at
// least "00000" and at most "99999-999", and it begins with a digit. So
// "12345", "1234" and "001" pass; "", "0", "0000 ", " 1234", "K1A 0" and
// "9999:" do not.
bool IsUsZipKey(std::string_view key);

}  // namespace vellumo
