// Julian day arithmetic and the date text forms of the expression language.
#include "expr_dates.h"

#include <cstring>
#include <ctime>

#include "xbase/expression.h"

namespace xbase {

// Days from the civil calendar (proleptic Gregorian) to Julian day numbers;
// 2000-01-01 is day 2451545.
int32_t JulianDay(int year, int month, int day) {
  int64_t a = (14 - month) / 12;
  int64_t y = static_cast<int64_t>(year) + 4800 - a;
  int64_t m = month + 12 * a - 3;
  return static_cast<int32_t>(day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045);
}

void CivilFromJulianDay(int32_t jd, int* year, int* month, int* day) {
  if (jd <= 0) {
    *year = *month = *day = 0;
    return;
  }
  int64_t a = static_cast<int64_t>(jd) + 32044;
  int64_t b = (4 * a + 3) / 146097;
  int64_t c = a - 146097 * b / 4;
  int64_t d = (4 * c + 3) / 1461;
  int64_t e = c - 1461 * d / 4;
  int64_t m = (5 * e + 2) / 153;
  *day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
  *month = static_cast<int>(m + 3 - 12 * (m / 10));
  *year = static_cast<int>(100 * b + d - 4800 + m / 10);
}

namespace expr {
namespace {

// Reads `n` decimal digits; -1 if any byte is not a digit.
int ReadDigits(const char* p, int n) {
  int v = 0;
  for (int i = 0; i < n; ++i) {
    if (p[i] < '0' || p[i] > '9') return -1;
    v = v * 10 + (p[i] - '0');
  }
  return v;
}

int32_t ValidJulianDay(int year, int month, int day) {
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return 0;
  int32_t jd = JulianDay(year, month, day);
  int y = 0, m = 0, d = 0;
  CivilFromJulianDay(jd, &y, &m, &d);
  return d == day ? jd : 0;  // rejects 31 April and 29 February of common years
}

void WriteDigits(int value, int n, char* out) {
  for (int i = n - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

}  // namespace

int32_t DecodeDateText(const char* text) {
  return ValidJulianDay(ReadDigits(text, 4), ReadDigits(text + 4, 2), ReadDigits(text + 6, 2));
}

void EncodeDateText(int32_t jd, char* out) {
  int y = 0, m = 0, d = 0;
  CivilFromJulianDay(jd, &y, &m, &d);
  if (jd <= 0 || y < 1 || y > 9999) {
    std::memset(out, ' ', kDateTextLength);
    return;
  }
  WriteDigits(y, 4, out);
  WriteDigits(m, 2, out + 4);
  WriteDigits(d, 2, out + 6);
}

int32_t ParseDisplayDate(const char* text, size_t len) {
  while (len > 0 && *text == ' ') {
    ++text;
    --len;
  }
  while (len > 0 && text[len - 1] == ' ') --len;
  if ((len != 8 && len != 10) || text[2] != '/' || text[5] != '/') return 0;
  int year = ReadDigits(text + 6, static_cast<int>(len) - 6);
  if (year >= 0 && len == 8) year += 1900;
  return ValidJulianDay(year, ReadDigits(text, 2), ReadDigits(text + 3, 2));
}

void FormatDisplayDate(int32_t jd, char* out) {
  int y = 0, m = 0, d = 0;
  CivilFromJulianDay(jd, &y, &m, &d);
  if (jd <= 0 || y < 1 || y > 9999) {
    std::memset(out, ' ', kDisplayDateLength);
    return;
  }
  WriteDigits(m, 2, out);
  out[2] = '/';
  WriteDigits(d, 2, out + 3);
  out[5] = '/';
  WriteDigits(y, 4, out + 6);
}

int32_t Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return 0;
  return JulianDay(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace expr
}  // namespace xbase
