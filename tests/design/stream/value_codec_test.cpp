// Single values: their byte forms, and the refusal of what is damaged or
// beyond the stream.
#include "design/stream/value_codec.h"

#include "design/stream/stream_tags.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellumo::design {
namespace {

using namespace std::string_literals;

std::string Encoded(const Value& value) {
  std::string out;
  Status s = EncodeValue(value, &out);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return out;
}

Result<Value> Decoded(std::string_view bytes) {
  ByteReader reader(bytes);
  Result<Value> value = DecodeValue(reader);
  if (value.ok()) {
    EXPECT_TRUE(reader.AtEnd()) << "bytes left after the value";
  }
  return value;
}

std::string DecodeError(std::string_view bytes) {
  Result<Value> value = Decoded(bytes);
  EXPECT_FALSE(value.ok());
  return value.ok() ? std::string() : value.status().message();
}

TEST(ValueCodecTest, IntegersTakeTheSmallestForm) {
  EXPECT_EQ(Encoded(Value::Integer(0)), "\x02\x00"s);
  EXPECT_EQ(Encoded(Value::Integer(127)), "\x02\x7F"s);
  EXPECT_EQ(Encoded(Value::Integer(-128)), "\x02\x80"s);
  EXPECT_EQ(Encoded(Value::Integer(128)), "\x03\x80\x00"s);
  EXPECT_EQ(Encoded(Value::Integer(-129)), "\x03\x7F\xFF"s);
  EXPECT_EQ(Encoded(Value::Integer(32767)), "\x03\xFF\x7F"s);
  EXPECT_EQ(Encoded(Value::Integer(-32768)), "\x03\x00\x80"s);
  EXPECT_EQ(Encoded(Value::Integer(32768)), "\x04\x00\x80\x00\x00"s);
  EXPECT_EQ(Encoded(Value::Integer(-32769)), "\x04\xFF\x7F\xFF\xFF"s);
  EXPECT_EQ(Encoded(Value::Integer(INT32_MIN)), "\x04\x00\x00\x00\x80"s);
}

TEST(ValueCodecTest, IntegersOfEveryWidthReadSigned) {
  EXPECT_EQ(Decoded("\x02\xF3"s)->integer(), -13);
  EXPECT_EQ(Decoded("\x03\x8E\x00"s)->integer(), 142);
  EXPECT_EQ(Decoded("\x03\x00\x80"s)->integer(), -32768);
  EXPECT_EQ(Decoded("\x04\x56\x34\x12\x00"s)->integer(), 0x123456);
  EXPECT_EQ(Decoded("\x04\xFF\xFF\xFF\xFF"s)->integer(), -1);
  // A wider form than needed is still read.
  EXPECT_EQ(Decoded("\x04\x05\x00\x00\x00"s)->integer(), 5);
}

TEST(ValueCodecTest, OtherKindsAndTheirTags) {
  EXPECT_EQ(Encoded(Value::Boolean(false)), "\x08"s);
  EXPECT_EQ(Encoded(Value::Boolean(true)), "\x09"s);
  EXPECT_EQ(Encoded(Value::Nil()), "\x0D"s);
  EXPECT_EQ(Encoded(Value::Identifier("taCenter")), "\x07\x08" "taCenter"s);
  EXPECT_EQ(Encoded(Value::Set({"fsBold", "fsItalic"})), "\x0B\x06" "fsBold" "\x08" "fsItalic" "\x00"s);
  EXPECT_EQ(Encoded(Value::Set({})), "\x0B\x00"s);
  EXPECT_EQ(Encoded(Value::Binary("\x00\x01"s)), "\x0A\x02\x00\x00\x00\x00\x01"s);
  EXPECT_EQ(Encoded(Value::List({Value::Integer(1), Value::List({})})), "\x01\x02\x01\x01\x00\x00"s);
  EXPECT_EQ(Encoded(Value::String("")), "\x06\x00"s);
  for (const Value& value :
       {Value::Boolean(false), Value::Boolean(true), Value::Nil(), Value::Identifier("clBlue"),
        Value::Set({"fsBold"}), Value::Binary("\xFF\x00"s), Value::String("x"),
        Value::List({Value::String("a"), Value::Set({})})}) {
    EXPECT_EQ(*Decoded(Encoded(value)), value);
  }
}

TEST(ValueCodecTest, TextLengthIsCountedInCodePageBytes) {
  // 255 accented letters are 510 UTF-8 bytes but 255 in the file: still short.
  std::string accented;
  for (int i = 0; i < 255; ++i) accented += "é";
  const std::string bytes = Encoded(Value::String(accented));
  EXPECT_EQ(bytes.substr(0, 2), "\x06\xFF"s);
  EXPECT_EQ(bytes.size(), 2u + 255u);
  EXPECT_EQ(Decoded(bytes)->text(), accented);
  EXPECT_EQ(Encoded(Value::String(std::string(256, 'a'))).substr(0, 5), "\x0C\x00\x01\x00\x00"s);
}

TEST(ValueCodecTest, ExtendedFloatsAreReadButNeverWritten) {
  // 1.0: integer bit set, exponent 0x3FFF.
  EXPECT_EQ(Decoded("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F"s)->extended(), 1.0);
  // -2.5 = -1.25 * 2^1.
  EXPECT_EQ(Decoded("\x05\x00\x00\x00\x00\x00\x00\x00\xA0\x00\xC0"s)->extended(), -2.5);
  std::string out;
  EXPECT_TRUE(EncodeValue(Value::Extended(1.0), &out).IsInvalidArgument());
}

TEST(ValueCodecTest, NamesLongerThanAShortStringAreRefusedOnWriting) {
  std::string out;
  EXPECT_TRUE(EncodeValue(Value::Identifier(std::string(256, 'a')), &out).IsInvalidArgument());
  out.clear();
  EXPECT_TRUE(EncodeValue(Value::Set({std::string(300, 'a')}), &out).IsInvalidArgument());
  out.clear();
  // An empty member would read back as the end of the set.
  EXPECT_TRUE(EncodeValue(Value::Set({"fsBold", ""}), &out).IsInvalidArgument());
}

TEST(ValueCodecTest, LengthsBeyondTheEndAreRefused) {
  EXPECT_NE(DecodeError("\x06\x05" "ab"s).find("ends inside a string"), std::string::npos);
  EXPECT_NE(DecodeError("\x07\x09" "clB"s).find("ends inside an identifier"), std::string::npos);
  // A four-byte length far larger than the stream must not be allocated.
  EXPECT_NE(DecodeError("\x0C\xF0\xFF\xFF\xFF" "abc"s).find("ends inside a long string"), std::string::npos);
  EXPECT_NE(DecodeError("\x0A\xFF\xFF\xFF\xFF"s).find("ends inside a binary block"), std::string::npos);
  EXPECT_NE(DecodeError("\x0A\x01\x00"s).find("ends inside a binary block"), std::string::npos);
  EXPECT_NE(DecodeError("\x03\x01"s).find("16-bit"), std::string::npos);
  EXPECT_NE(DecodeError("\x04\x01\x02\x03"s).find("32-bit"), std::string::npos);
  EXPECT_NE(DecodeError("\x05\x00\x00"s).find("floating-point"), std::string::npos);
  EXPECT_NE(DecodeError(""s).find("ends inside a value"), std::string::npos);
}

TEST(ValueCodecTest, ListsAndSetsThatNeverEndAreRefused) {
  EXPECT_NE(DecodeError("\x01\x02\x01\x02\x02"s).find("list that is never ended"), std::string::npos);
  EXPECT_NE(DecodeError("\x0B\x06" "fsBold"s).find("set that is never ended"), std::string::npos);
}

TEST(ValueCodecTest, NestingIsLimited) {
  const auto nested = [](int depth) {
    return std::string(depth, '\x01') + std::string(depth, '\x00');
  };
  EXPECT_TRUE(Decoded(nested(kMaxValueNesting)).ok());
  EXPECT_NE(DecodeError(nested(kMaxValueNesting + 1)).find("nested"), std::string::npos);
  // Far deeper input ends at the limit instead of exhausting the stack.
  EXPECT_NE(DecodeError(std::string(100000, '\x01')).find("nested"), std::string::npos);
}

TEST(ValueCodecTest, UnknownTagsCollectionsAndEndMarksAreRefused) {
  EXPECT_NE(DecodeError("\x2A"s).find("unknown value tag 2A at offset 0"), std::string::npos);
  EXPECT_NE(DecodeError("\xFF"s).find("unknown value tag FF"), std::string::npos);
  Result<Value> collection = Decoded("\x0E\x00"s);
  ASSERT_FALSE(collection.ok());
  EXPECT_NE(collection.status().message().find("collection"), std::string::npos);
  EXPECT_NE(DecodeError("\x00"s).find("end-of-list mark where a value belongs"), std::string::npos);
}

}  // namespace
}  // namespace vellumo::design
