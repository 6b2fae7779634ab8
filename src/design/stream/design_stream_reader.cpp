// Object records and lists of them, read from stream form.
#include "design/stream/design_stream_reader.h"

#include "design/stream/byte_reader.h"
#include "design/stream/stream_tags.h"
#include "design/stream/value_codec.h"

namespace vellumo::design {

namespace {

constexpr auto kEndMark = static_cast<uint8_t>(Tag::kEndOfList);

Status ReadSignature(ByteReader& reader) {
  Result<std::string_view> signature = reader.Bytes(kObjectSignature.size(), "an object signature");
  if (!signature.ok()) return signature.status();
  if (*signature != kObjectSignature) {
    return Status::Corruption("bad object signature " + HexBytes(*signature) + " (\"TPF0\" expected)");
  }
  return Status::OK();
}

Status ReadProperties(ByteReader& reader, StoredObject* object) {
  for (;;) {
    Result<std::string> name = DecodeShortString(reader, "a property name");
    if (!name.ok()) return name.status();
    if (name->empty()) return Status::OK();
    Result<Value> value = DecodeValue(reader);
    if (!value.ok()) return value.status().WithContext("property " + *name);
    object->properties.push_back({std::move(name).value(), std::move(value).value()});
  }
}

// Reads the body after the signature into *object, which names the object
// in an error as far as it was read.
Status ReadBody(ByteReader& reader, StoredObject* object) {
  Result<std::string> class_name = DecodeShortString(reader, "a class name");
  if (!class_name.ok()) return class_name.status();
  if (class_name->empty()) return Status::Corruption("an object without a class name");
  object->class_name = std::move(class_name).value();
  Result<std::string> component_name = DecodeShortString(reader, "a component name");
  if (!component_name.ok()) return component_name.status();
  object->component_name = std::move(component_name).value();
  XBASE_RETURN_IF_ERROR(ReadProperties(reader, object));
  Result<uint8_t> children = reader.Byte("the end of the child objects");
  if (!children.ok()) return children.status();
  if (*children != kEndMark) {
    return Status::Corruption("child objects, which design objects never have");
  }
  return Status::OK();
}

std::string ObjectContext(size_t index, const StoredObject& partial) {
  std::string context = "object " + std::to_string(index);
  if (!partial.class_name.empty()) context += " (" + DescribeObject(partial) + ")";
  return context;
}

// Reads one list of object records, appending each complete one.
Status ReadObjectList(ByteReader& reader, std::vector<StoredObject>* objects) {
  Result<uint8_t> start = reader.Byte("the start of a list of objects");
  if (!start.ok()) return start.status();
  if (*start != static_cast<uint8_t>(Tag::kList)) {
    return Status::Corruption("a list of objects must start with byte 01, not " + HexByte(*start));
  }
  for (size_t index = 1;; ++index) {
    Result<uint8_t> next = reader.PeekByte("a list of objects that is never ended");
    if (!next.ok()) return next.status();
    if (*next == kEndMark) break;
    StoredObject object;
    Status s = ReadSignature(reader);
    if (s.ok()) s = ReadBody(reader, &object);
    if (!s.ok()) return s.WithContext(ObjectContext(index, object));
    objects->push_back(std::move(object));
  }
  (void)reader.Byte("the end of a list of objects");  // the zero just peeked
  return Status::OK();
}

Status ReadSettings(ByteReader& reader, std::vector<Value>* settings) {
  Result<uint8_t> start = reader.PeekByte("the settings list");
  if (!start.ok()) return start.status();
  if (*start != static_cast<uint8_t>(Tag::kList)) {
    return Status::Corruption("the settings must be a list");
  }
  Result<Value> list = DecodeValue(reader);
  if (!list.ok()) return list.status();
  *settings = list->items();
  return Status::OK();
}

Status ExpectEnd(const ByteReader& reader) {
  if (reader.AtEnd()) return Status::OK();
  return Status::Corruption(std::to_string(reader.remaining()) + " bytes after the end of the design at offset " +
                            std::to_string(reader.position()));
}

}  // namespace

DesignReadResult DecodeDesignStream(std::string_view bytes) {
  DesignReadResult result;
  ByteReader reader(bytes);
  result.status = ReadObjectList(reader, &result.objects);
  if (result.status.ok()) result.status = ExpectEnd(reader);
  return result;
}

ReportReadResult DecodeReportDesign(std::string_view bytes) {
  ReportReadResult result;
  ByteReader reader(bytes);
  const struct {
    const char* name;
    std::vector<StoredObject>* objects;
  } bands[] = {{"header band", &result.report.header},
               {"detail band", &result.report.detail},
               {"footer band", &result.report.footer}};
  for (const auto& band : bands) {
    Status s = ReadObjectList(reader, band.objects);
    if (!s.ok()) {
      result.status = s.WithContext(band.name);
      return result;
    }
  }
  Status s = ReadSettings(reader, &result.report.settings);
  if (!s.ok()) {
    result.status = s.WithContext("report settings");
    return result;
  }
  result.status = ExpectEnd(reader);
  return result;
}

}  // namespace vellumo::design
