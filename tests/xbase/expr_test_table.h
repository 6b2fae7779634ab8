// A table layout like the address book's, and records filled field by field,
// for the expression tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "coding.h"
#include "xbase/expression.h"
#include "xbase/field.h"

namespace xbase::testing {

inline Schema AddressSchema() {
  return Schema({
      {"LNAME", 'C', 30, 0},   {"FNAME", 'C', 30, 0},  {"CITY", 'C', 20, 0},
      {"STATE", 'C', 2, 0},    {"ZIP", 'C', 10, 0},    {"CODES", 'C', 10, 0},
      {"PREFIX", 'C', 10, 0},  {"TAG", 'C', 10, 0},    {"DESCRIPT", 'C', 40, 0},
      {"ISDEL", 'L', 1, 0},    {"AMOUNT", 'N', 10, 2}, {"RATE", 'F', 8, 3},
      {"BORN", 'D', 8, 0},     {"COUNT", 'I', 4, 0},   {"PRICE", 'B', 8, 0},
      {"COST", 'Y', 8, 0},     {"STAMP", 'T', 8, 0},   {"NOTES", 'M', 10, 0},
  });
}

// A blank record of a schema whose fields are set by name.
class TestRecord {
 public:
  explicit TestRecord(const Schema& schema)
      : schema_(schema), bytes_(schema.record_length(), ' ') {}

  // Text fields are padded with blanks; numbers in N/F fields right-aligned.
  TestRecord& Set(const std::string& name, const std::string& value) {
    const FieldDef& f = Field(name);
    std::string v = value.substr(0, f.length);
    if (f.type == 'N' || f.type == 'F') v = std::string(f.length - v.size(), ' ') + v;
    v.resize(f.length, ' ');
    std::memcpy(&bytes_[f.offset], v.data(), f.length);
    return *this;
  }
  TestRecord& SetInt32(const std::string& name, int32_t v) {
    EncodeLE32(&bytes_[Field(name).offset], static_cast<uint32_t>(v));
    return *this;
  }
  TestRecord& SetInt64(const std::string& name, int64_t v) {
    EncodeLE64(&bytes_[Field(name).offset], static_cast<uint64_t>(v));
    return *this;
  }
  TestRecord& SetDouble(const std::string& name, double v) {
    uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return SetInt64(name, static_cast<int64_t>(bits));
  }
  TestRecord& Delete() {
    bytes_[0] = '*';
    return *this;
  }
  RecordRef Ref(uint32_t recno = 1, bool exact = false) const {
    return RecordRef{bytes_.data(), recno, exact};
  }

 private:
  const FieldDef& Field(const std::string& name) const {
    int i = schema_.FieldIndex(name);
    EXPECT_GE(i, 0) << name;
    return schema_.field(static_cast<size_t>(i));
  }

  Schema schema_;
  std::string bytes_;
};

inline std::unique_ptr<Expression> CompileOrDie(const std::string& text, const Schema& schema) {
  std::unique_ptr<Expression> e;
  Status s = Expression::Compile(text, schema, &e);
  EXPECT_TRUE(s.ok()) << text << ": " << s.ToString();
  return e;
}

// Fixture with the address schema and helpers that compile and evaluate in one go.
class ExpressionTest : public ::testing::Test {
 protected:
  ExpressionTest() : schema_(AddressSchema()), rec_(schema_) {}

  Value Eval(const std::string& text, bool exact = false) {
    auto e = CompileOrDie(text, schema_);
    Value v;
    if (e) e->Evaluate(rec_.Ref(7, exact), &v);
    return v;
  }
  std::string Text(const std::string& text) {
    Value v = Eval(text);
    EXPECT_EQ(v.type, ValueType::kCharacter) << text;
    return v.text;
  }
  double Number(const std::string& text) {
    Value v = Eval(text);
    EXPECT_TRUE(v.type == ValueType::kNumeric || v.type == ValueType::kDate) << text;
    return v.number;
  }
  bool Holds(const std::string& text, bool exact = false) {
    auto e = CompileOrDie(text, schema_);
    if (!e) return false;
    // EvaluateLogical and Evaluate must agree.
    Value v;
    e->Evaluate(rec_.Ref(7, exact), &v);
    bool fast = e->EvaluateLogical(rec_.Ref(7, exact));
    EXPECT_EQ(fast, v.logical) << text;
    return fast;
  }
  std::string Key(const std::string& text) {
    auto e = CompileOrDie(text, schema_);
    if (!e) return "";
    std::string key(e->key_length(), '\0');
    e->EvaluateKey(rec_.Ref(7), key.data());
    return key;
  }
  // The message of a failed compile, or "" when it compiled.
  std::string Error(const std::string& text) {
    std::unique_ptr<Expression> e;
    Status s = Expression::Compile(text, schema_, &e);
    return s.ok() ? "" : s.message();
  }

  Schema schema_;
  TestRecord rec_;
};

}  // namespace xbase::testing
