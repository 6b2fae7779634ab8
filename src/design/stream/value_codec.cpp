// Encoding and decoding of one tagged value.
#include "design/stream/value_codec.h"

#include <cstdint>
#include <limits>

#include "coding.h"
#include "design/stream/extended_float.h"
#include "design/stream/stream_tags.h"
#include "xbase/codepage.h"

namespace vellumo::design {

namespace {

void PutTag(Tag tag, std::string* out) { out->push_back(static_cast<char>(tag)); }

void PutLE16(uint16_t value, std::string* out) {
  char bytes[2];
  xbase::EncodeLE16(bytes, value);
  out->append(bytes, sizeof bytes);
}

void PutLE32(uint32_t value, std::string* out) {
  char bytes[4];
  xbase::EncodeLE32(bytes, value);
  out->append(bytes, sizeof bytes);
}

Status PutLongBlock(std::string_view bytes, std::string* out) {
  if (bytes.size() > std::numeric_limits<uint32_t>::max()) {
    return Status::InvalidArgument("a block of " + std::to_string(bytes.size()) +
                                   " bytes does not fit a four-byte length");
  }
  PutLE32(static_cast<uint32_t>(bytes.size()), out);
  out->append(bytes);
  return Status::OK();
}

void EncodeInteger(int32_t value, std::string* out) {
  if (value >= std::numeric_limits<int8_t>::min() && value <= std::numeric_limits<int8_t>::max()) {
    PutTag(Tag::kInt8, out);
    out->push_back(static_cast<char>(value));
  } else if (value >= std::numeric_limits<int16_t>::min() &&
             value <= std::numeric_limits<int16_t>::max()) {
    PutTag(Tag::kInt16, out);
    PutLE16(static_cast<uint16_t>(value), out);
  } else {
    PutTag(Tag::kInt32, out);
    PutLE32(static_cast<uint32_t>(value), out);
  }
}

Status EncodeText(std::string_view utf8, std::string* out) {
  const std::string bytes = xbase::Utf8ToWindows1252(utf8);
  if (bytes.size() < kLongStringThreshold) {
    PutTag(Tag::kString, out);
    out->push_back(static_cast<char>(bytes.size()));
    out->append(bytes);
    return Status::OK();
  }
  PutTag(Tag::kLongString, out);
  return PutLongBlock(bytes, out);
}

Status EncodeAtDepth(const Value& value, int depth, std::string* out) {
  switch (value.kind()) {
    case ValueKind::kList:
      if (depth >= kMaxValueNesting) {
        return Status::InvalidArgument("lists nested more than " +
                                       std::to_string(kMaxValueNesting) + " deep");
      }
      PutTag(Tag::kList, out);
      for (const Value& item : value.items()) {
        XBASE_RETURN_IF_ERROR(EncodeAtDepth(item, depth + 1, out));
      }
      PutTag(Tag::kEndOfList, out);
      return Status::OK();
    case ValueKind::kInteger:
      EncodeInteger(value.integer(), out);
      return Status::OK();
    case ValueKind::kExtended:
      return Status::InvalidArgument("floating-point values are read but never written");
    case ValueKind::kString:
      return EncodeText(value.text(), out);
    case ValueKind::kIdentifier:
      PutTag(Tag::kIdentifier, out);
      return EncodeShortString(value.text(), "an identifier", out);
    case ValueKind::kBoolean:
      PutTag(value.boolean() ? Tag::kTrue : Tag::kFalse, out);
      return Status::OK();
    case ValueKind::kBinary:
      PutTag(Tag::kBinary, out);
      return PutLongBlock(value.text(), out);
    case ValueKind::kSet:
      PutTag(Tag::kSet, out);
      for (const std::string& member : value.members()) {
        // An empty name would end the set early.
        if (member.empty()) return Status::InvalidArgument("a set member without a name");
        XBASE_RETURN_IF_ERROR(EncodeShortString(member, "a set member", out));
      }
      out->push_back('\0');
      return Status::OK();
    case ValueKind::kNil:
      PutTag(Tag::kNil, out);
      return Status::OK();
  }
  return Status::InvalidArgument("a value of unknown kind");
}

Result<Value> DecodeList(ByteReader& reader, int depth) {
  if (depth >= kMaxValueNesting) {
    return Status::Corruption("lists nested more than " + std::to_string(kMaxValueNesting) +
                              " deep at offset " + std::to_string(reader.position()));
  }
  std::vector<Value> items;
  for (;;) {
    Result<uint8_t> next = reader.PeekByte("a list that is never ended");
    if (!next.ok()) return next.status();
    if (*next == static_cast<uint8_t>(Tag::kEndOfList)) break;
    Result<Value> item = DecodeValue(reader, depth + 1);
    if (!item.ok()) return item.status();
    items.push_back(std::move(item).value());
  }
  (void)reader.Byte("the end of a list");  // the zero just peeked
  return Value::List(std::move(items));
}

Result<Value> DecodeSet(ByteReader& reader) {
  std::vector<std::string> members;
  for (;;) {
    Result<std::string_view> member = reader.ShortString("a set that is never ended");
    if (!member.ok()) return member.status();
    if (member->empty()) break;
    members.push_back(xbase::Windows1252ToUtf8(*member));
  }
  return Value::Set(std::move(members));
}

}  // namespace

Status EncodeShortString(std::string_view utf8, std::string_view what, std::string* out) {
  const std::string bytes = xbase::Utf8ToWindows1252(utf8);
  if (bytes.size() > kMaxShortStringLength) {
    return Status::InvalidArgument(std::string(what) + " of " + std::to_string(bytes.size()) +
                                   " bytes is longer than the 255 a short string holds");
  }
  out->push_back(static_cast<char>(bytes.size()));
  out->append(bytes);
  return Status::OK();
}

Status EncodeValue(const Value& value, std::string* out) { return EncodeAtDepth(value, 0, out); }

Result<std::string> DecodeShortString(ByteReader& reader, std::string_view what) {
  Result<std::string_view> bytes = reader.ShortString(what);
  if (!bytes.ok()) return bytes.status();
  return xbase::Windows1252ToUtf8(*bytes);
}

Result<Value> DecodeValue(ByteReader& reader, int depth) {
  const size_t offset = reader.position();
  Result<uint8_t> tag = reader.Byte("a value");
  if (!tag.ok()) return tag.status();
  switch (static_cast<Tag>(*tag)) {
    case Tag::kEndOfList:
      return Status::Corruption("an end-of-list mark where a value belongs at offset " +
                                std::to_string(offset));
    case Tag::kList:
      return DecodeList(reader, depth);
    case Tag::kInt8: {
      Result<uint8_t> byte = reader.Byte("an 8-bit integer");
      if (!byte.ok()) return byte.status();
      return Value::Integer(static_cast<int8_t>(*byte));
    }
    case Tag::kInt16: {
      Result<uint16_t> word = reader.LE16("a 16-bit integer");
      if (!word.ok()) return word.status();
      return Value::Integer(static_cast<int16_t>(*word));
    }
    case Tag::kInt32: {
      Result<uint32_t> word = reader.LE32("a 32-bit integer");
      if (!word.ok()) return word.status();
      return Value::Integer(static_cast<int32_t>(*word));
    }
    case Tag::kExtended: {
      Result<std::string_view> bytes = reader.Bytes(kExtendedSize, "a floating-point number");
      if (!bytes.ok()) return bytes.status();
      return Value::Extended(DecodeExtendedFloat(*bytes));
    }
    case Tag::kString: {
      Result<std::string_view> bytes = reader.ShortString("a string");
      if (!bytes.ok()) return bytes.status();
      return Value::String(xbase::Windows1252ToUtf8(*bytes));
    }
    case Tag::kIdentifier: {
      Result<std::string> name = DecodeShortString(reader, "an identifier");
      if (!name.ok()) return name.status();
      return Value::Identifier(std::move(name).value());
    }
    case Tag::kFalse:
      return Value::Boolean(false);
    case Tag::kTrue:
      return Value::Boolean(true);
    case Tag::kBinary: {
      Result<std::string_view> bytes = reader.LongBlock("a binary block");
      if (!bytes.ok()) return bytes.status();
      return Value::Binary(std::string(*bytes));
    }
    case Tag::kSet:
      return DecodeSet(reader);
    case Tag::kLongString: {
      Result<std::string_view> bytes = reader.LongBlock("a long string");
      if (!bytes.ok()) return bytes.status();
      return Value::String(xbase::Windows1252ToUtf8(*bytes));
    }
    case Tag::kNil:
      return Value::Nil();
    case Tag::kCollection:
      return Status::NotSupported("a collection at offset " + std::to_string(offset) +
                                  ", which design objects never store");
  }
  return Status::Corruption("unknown value tag " + HexByte(*tag) + " at offset " +
                            std::to_string(offset));
}

}  // namespace vellumo::design
