// xBase expressions: compiled once against a table's fields, then evaluated
// per record for filters, index keys and display.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/field.h"
#include "xbase/status.h"

namespace xbase {

enum class ValueType { kCharacter, kNumeric, kLogical, kDate };

// A computed value. Dates are Julian day numbers (0 for an empty date).
struct Value {
  ValueType type = ValueType::kLogical;
  std::string text;      // kCharacter
  double number = 0;     // kNumeric, kDate
  bool logical = false;  // kLogical
};

// The record an expression is evaluated on.
struct RecordRef {
  const char* data = nullptr;  // record_length() bytes, deletion flag at data[0]
  uint32_t recno = 0;
  // Exact comparison (SET EXACT ON): "=" then needs equal texts after
  // trailing blanks are ignored; off, a text equal to the right operand over
  // the right operand's length matches.
  bool exact = false;
};

class Expression {
 public:
  virtual ~Expression() = default;

  // Compiles `text` against `schema`. Names of fields and functions are
  // matched without regard to case. Errors are InvalidArgument and say what
  // and where, e.g. `unknown field "LNAM" at column 7`. The language, key
  // widths and limits are described in docs/expressions.md.
  static Status Compile(std::string_view text, const Schema& schema,
                        std::unique_ptr<Expression>* result);

  virtual const std::string& text() const = 0;
  virtual ValueType type() const = 0;

  // Bytes of an index key made from this expression: the fixed width of a
  // character result, 8 for numeric and date results, 1 for logical ones.
  virtual size_t key_length() const = 0;

  // Evaluation is const and thread-safe: one compiled expression may be
  // evaluated from several threads at once.
  virtual void Evaluate(const RecordRef& record, Value* result) const = 0;
  // REQUIRES: type() == ValueType::kLogical.
  virtual bool EvaluateLogical(const RecordRef& record) const = 0;
  // Writes exactly key_length() bytes to `key`: character results padded
  // with blanks; numbers and dates as order-preserving 8-byte big-endian
  // doubles; logicals as "T" or "F".
  virtual void EvaluateKey(const RecordRef& record, char* key) const = 0;
};

// Encodes a number as an index key: IEEE double, big-endian, sign bit flipped
// for non-negative values and all bits inverted for negative ones, so that
// keys compare bytewise in numeric order.
void EncodeNumericKey(double value, char* key8);
double DecodeNumericKey(const char* key8);

// Julian day number of a Gregorian date, and back. 0 stands for "no date".
int32_t JulianDay(int year, int month, int day);
void CivilFromJulianDay(int32_t jd, int* year, int* month, int* day);

}  // namespace xbase
