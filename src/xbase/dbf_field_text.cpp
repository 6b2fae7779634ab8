// Field values as text: rendering every field type a DBF may hold, and
// storing text into the types we write (C, N, F, L, D, M).
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

#include "coding.h"
#include "dbf_file.h"

namespace xbase {
namespace {

constexpr size_t kBinaryMemoPointerSize = 4;  // Visual FoxPro memo pointers
constexpr size_t kDateSize = 8;               // YYYYMMDD
constexpr size_t kDateTimeSize = 8;           // Julian day, milliseconds
constexpr size_t kCurrencySize = 8;
constexpr size_t kDoubleSize = 8;
constexpr size_t kIntegerSize = 4;
constexpr uint32_t kMillisecondsPerDay = 86400000;

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\0')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.remove_suffix(1);
  return s;
}

// The value in single quotes, for messages.
std::string Quoted(std::string_view value) {
  std::string q(1, '\'');
  q.append(value);
  q += '\'';
  return q;
}

std::string FieldDescription(const FieldDef& field) {
  std::string d = std::string(1, field.type) + "(" + std::to_string(field.length);
  if (field.type == field_type::kNumeric || field.type == field_type::kFloat) {
    d += ',';
    d += std::to_string(field.decimals);
  }
  return d + ") " + field.name;
}

bool IsDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Empty text is block 0. False when the text is not a 32-bit number.
bool ParseBlockNumber(std::string_view digits, uint32_t* block) {
  uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || (value = value * 10 + (c - '0')) > UINT32_MAX) return false;
  }
  *block = static_cast<uint32_t>(value);
  return true;
}

// "YYYYMMDD HH:MM:SS" from a Julian day number and milliseconds after midnight.
std::string DateTimeText(uint32_t julian_day, uint32_t milliseconds) {
  // Fliegel and Van Flandern's conversion to the Gregorian calendar.
  int64_t l = static_cast<int64_t>(julian_day) + 68569;
  int64_t n = 4 * l / 146097;
  l -= (146097 * n + 3) / 4;
  int64_t i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  int64_t j = 80 * l / 2447;
  int64_t day = l - 2447 * j / 80;
  l = j / 11;
  int64_t month = j + 2 - 12 * l;
  int64_t year = 100 * (n - 49) + i + l;
  // Stored times carry rounding noise of a millisecond or so.
  uint32_t seconds = std::min<uint32_t>((std::min(milliseconds, kMillisecondsPerDay) + 500) / 1000,
                                        86399);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04" PRId64 "%02" PRId64 "%02" PRId64 " %02u:%02u:%02u", year,
                month, day, seconds / 3600, seconds / 60 % 60, seconds % 60);
  return buf;
}

std::string CurrencyText(int64_t value) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%" PRIu64 ".%04" PRIu64, value < 0 ? "-" : "",
                magnitude / 10000, magnitude % 10000);
  return buf;
}

// Independent of the process's locale, which the application may set.
std::string DoubleText(double value, int decimals) {
  // Room for the largest double in fixed notation with 255 decimals.
  char buf[1024];
  std::to_chars_result r = decimals > 0 ? std::to_chars(buf, buf + sizeof buf, value,
                                                        std::chars_format::fixed, decimals)
                                        : std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

// A varchar shorter than its field keeps its length in the last byte.
std::string_view VarcharValue(std::string_view raw) {
  if (raw.empty()) return raw;
  uint8_t last = static_cast<uint8_t>(raw.back());
  if (last < raw.size() - 1 || (last == raw.size() - 1 && last < 0x20)) {
    return raw.substr(0, last);
  }
  return raw;
}

std::string HexText(std::string_view raw) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : raw) {
    out.push_back(kDigits[static_cast<uint8_t>(c) >> 4]);
    out.push_back(kDigits[static_cast<uint8_t>(c) & 0xF]);
  }
  return out;
}

// Rounds a decimal number given as text to `decimals` places (halves away
// from zero) without going through binary floating point. False when the
// text is not a plain decimal number.
bool FormatDecimal(std::string_view text, int decimals, std::string* out) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return false;
  if ((!whole.empty() && !IsDigits(whole)) || (!fraction.empty() && !IsDigits(fraction))) {
    return false;
  }
  // All digits, fraction cut or padded to `decimals`, then rounded.
  std::string digits(whole);
  std::string kept(fraction.substr(0, std::min<size_t>(fraction.size(), decimals)));
  kept.resize(decimals, '0');
  digits += kept;
  if (digits.empty()) digits.assign(1, '0');
  if (fraction.size() > static_cast<size_t>(decimals) && fraction[decimals] >= '5') {
    size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  size_t integer_digits = digits.size() - decimals;
  size_t first = 0;
  while (first + 1 < integer_digits && digits[first] == '0') ++first;
  std::string result = digits.substr(first, integer_digits - first);
  if (result.empty()) result.assign(1, '0');
  if (decimals > 0) {
    result += '.';
    result.append(digits, integer_digits);
  }
  bool zero = digits.find_first_not_of('0') == std::string::npos;
  out->clear();
  if (negative && !zero) out->push_back('-');
  *out += result;
  return true;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsValidDate(std::string_view yyyymmdd) {
  if (yyyymmdd.size() != kDateSize || !IsDigits(yyyymmdd)) return false;
  int year = std::stoi(std::string(yyyymmdd.substr(0, 4)));
  int month = std::stoi(std::string(yyyymmdd.substr(4, 2)));
  int day = std::stoi(std::string(yyyymmdd.substr(6, 2)));
  static constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1 || day > kDaysInMonth[month - 1]) return false;
  return month != 2 || day < 29 || IsLeapYear(year);
}

void StorePadded(std::string_view value, const FieldDef& field, bool right_align, char* record) {
  char* dst = record + field.offset;
  size_t n = std::min<size_t>(value.size(), field.length);
  std::memset(dst, ' ', field.length);
  std::memcpy(dst + (right_align ? field.length - n : 0), value.data(), n);
}

}  // namespace

std::string_view DbfFile::RawField(const FieldDef& field, const char* record) {
  return std::string_view(record + field.offset, field.length);
}

bool DbfFile::IsMemoField(const FieldDef& field) {
  switch (field.type) {
    case field_type::kMemo:
    case field_type::kGeneral:
    case field_type::kPicture:
    case field_type::kBlob:
      return true;
    case field_type::kDouble:
      return field.length != kDoubleSize;
    default:
      return false;
  }
}

Status DbfFile::MemoBlock(const FieldDef& field, const char* record, uint32_t* block) {
  std::string_view raw = RawField(field, record);
  *block = 0;
  if (raw.size() == kBinaryMemoPointerSize) {
    *block = DecodeLE32(raw.data());
    return Status::OK();
  }
  std::string_view digits = TrimBlanks(raw);
  if (!ParseBlockNumber(digits, block)) {
    return Status::Corruption("memo field " + field.name + " holds '" + std::string(digits) +
                              "', not a block number");
  }
  return Status::OK();
}

void DbfFile::StoreMemoBlock(const FieldDef& field, uint32_t block, char* record) {
  if (field.length == kBinaryMemoPointerSize) {
    EncodeLE32(record + field.offset, block);
    return;
  }
  StorePadded(block == 0 ? "" : std::to_string(block), field, /*right_align=*/true, record);
}

std::string DbfFile::FieldAsText(const FieldDef& field, const char* record) {
  std::string_view raw = RawField(field, record);
  if (IsMemoField(field)) {
    uint32_t block = 0;
    if (!MemoBlock(field, record, &block).ok()) return std::string(TrimBlanks(raw));
    return block == 0 ? "" : std::to_string(block);
  }
  switch (field.type) {
    case field_type::kCharacter:
      return std::string(raw);
    case field_type::kNumeric:
    case field_type::kFloat:
    case field_type::kDate:
      return std::string(TrimBlanks(raw));
    case field_type::kLogical:
      if (raw.empty()) return "?";
      switch (raw[0]) {
        case 'T': case 't': case 'Y': case 'y': return "T";
        case 'F': case 'f': case 'N': case 'n': return "F";
        default: return "?";
      }
    case field_type::kInteger:
      if (raw.size() != kIntegerSize) break;
      return std::to_string(static_cast<int32_t>(DecodeLE32(raw.data())));
    case field_type::kCurrency:
      if (raw.size() != kCurrencySize) break;
      return CurrencyText(static_cast<int64_t>(DecodeLE64(raw.data())));
    case field_type::kDouble: {
      double value;
      uint64_t bits = DecodeLE64(raw.data());
      std::memcpy(&value, &bits, sizeof value);
      return DoubleText(value, field.decimals);
    }
    case field_type::kDateTime: {
      if (raw.size() != kDateTimeSize) break;
      uint32_t day = DecodeLE32(raw.data());
      if (day == 0) return "";
      return DateTimeText(day, DecodeLE32(raw.data() + 4));
    }
    case field_type::kVarchar:
      return std::string(VarcharValue(raw));
    case field_type::kVarbinary:
      return HexText(VarcharValue(raw));
    default:
      break;
  }
  // Types we cannot interpret (and the null-flags system field) as hex.
  return HexText(raw);
}

Status DbfFile::StoreText(const FieldDef& field, std::string_view value, char* record) {
  if (IsMemoField(field)) {
    uint32_t block;
    if (!ParseBlockNumber(TrimBlanks(value), &block)) {
      return Status::InvalidArgument(Quoted(value) + " is not a memo block number for " +
                                     FieldDescription(field));
    }
    StoreMemoBlock(field, block, record);
    return Status::OK();
  }
  switch (field.type) {
    case field_type::kCharacter:
      StorePadded(value, field, /*right_align=*/false, record);
      return Status::OK();
    case field_type::kNumeric:
    case field_type::kFloat: {
      std::string_view number = TrimBlanks(value);
      std::string text;
      if (!number.empty() && !FormatDecimal(number, field.decimals, &text)) {
        return Status::InvalidArgument(Quoted(value) + " is not a number for field " +
                                       FieldDescription(field));
      }
      if (text.size() > field.length) {
        return Status::InvalidArgument("value " + std::string(number) + " does not fit field " +
                                       FieldDescription(field));
      }
      StorePadded(text, field, /*right_align=*/true, record);
      return Status::OK();
    }
    case field_type::kLogical: {
      std::string_view v = TrimBlanks(value);
      char stored;
      if (v.empty()) {
        stored = ' ';
      } else if (v.size() == 1 && std::strchr("TtFfYyNn?", v[0]) != nullptr) {
        stored = static_cast<char>(v[0] >= 'a' ? v[0] - ('a' - 'A') : v[0]);
      } else {
        return Status::InvalidArgument(Quoted(value) +
                                       " is not a logical value (T, F, Y, N) for field " +
                                       FieldDescription(field));
      }
      if (field.length == 0) return Status::InvalidArgument("field " + field.name + " has no width");
      std::memset(record + field.offset, ' ', field.length);
      record[field.offset] = stored;
      return Status::OK();
    }
    case field_type::kDate: {
      std::string_view v = TrimBlanks(value);
      if (!v.empty() && (!IsValidDate(v) || field.length != kDateSize)) {
        return Status::InvalidArgument(Quoted(value) +
                                       " is not a date (YYYYMMDD) for field " + field.name);
      }
      StorePadded(v, field, /*right_align=*/false, record);
      return Status::OK();
    }
    default:
      return Status::NotSupported("storing text into " + FieldDescription(field) +
                                  " is not supported");
  }
}

}  // namespace xbase
