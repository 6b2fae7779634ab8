// Date conversions used by the expression evaluator. Dates are Julian day
// numbers; 0 is the empty date.
#pragma once

#include <cstddef>
#include <cstdint>

namespace xbase::expr {

// Bytes in a stored date (YYYYMMDD) and in DTOC()'s MM/DD/YYYY.
inline constexpr size_t kDateTextLength = 8;
inline constexpr size_t kDisplayDateLength = 10;

// Reads YYYYMMDD; blanks or anything that is not a valid date give 0.
int32_t DecodeDateText(const char* text);
// Writes YYYYMMDD, or 8 blanks for the empty date.
void EncodeDateText(int32_t jd, char* out);
// Reads MM/DD/YYYY or MM/DD/YY (19YY) after leading blanks; otherwise 0.
int32_t ParseDisplayDate(const char* text, size_t len);
// Writes MM/DD/YYYY, or 10 blanks for the empty date.
void FormatDisplayDate(int32_t jd, char* out);
// Today in local time.
int32_t Today();

}  // namespace xbase::expr
