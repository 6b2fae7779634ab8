// Object records and lists of them, in stream form.
#include "design/stream/design_stream_writer.h"

#include "design/stream/stream_tags.h"
#include "design/stream/value_codec.h"

namespace vellumo::design {

namespace {

Status EncodeProperty(const StoredProperty& property, std::string* out) {
  if (property.name.empty()) return Status::InvalidArgument("a property without a name");
  XBASE_RETURN_IF_ERROR(EncodeShortString(property.name, "a property name", out));
  Status s = EncodeValue(property.value, out);
  if (!s.ok()) return s.WithContext("property " + property.name);
  return Status::OK();
}

Status EncodeRecord(const StoredObject& object, std::string* out) {
  if (object.class_name.empty()) return Status::InvalidArgument("an object without a class name");
  out->append(kObjectSignature);
  XBASE_RETURN_IF_ERROR(EncodeShortString(object.class_name, "a class name", out));
  XBASE_RETURN_IF_ERROR(EncodeShortString(object.component_name, "a component name", out));
  for (const StoredProperty& property : object.properties) {
    XBASE_RETURN_IF_ERROR(EncodeProperty(property, out));
  }
  out->push_back('\0');  // end of the properties
  out->push_back('\0');  // no child objects
  return Status::OK();
}

Status EncodeObjectList(std::span<const StoredObject> objects, std::string* out) {
  out->push_back(static_cast<char>(Tag::kList));
  for (size_t i = 0; i < objects.size(); ++i) {
    Status s = EncodeRecord(objects[i], out);
    if (!s.ok()) {
      return s.WithContext("object " + std::to_string(i + 1) + " (" + DescribeObject(objects[i]) + ")");
    }
  }
  out->push_back(static_cast<char>(Tag::kEndOfList));
  return Status::OK();
}

}  // namespace

Result<std::string> EncodeDesignStream(std::span<const StoredObject> objects) {
  std::string out;
  XBASE_RETURN_IF_ERROR(EncodeObjectList(objects, &out));
  return out;
}

Result<std::string> EncodeReportDesign(const ReportDesign& report) {
  std::string out;
  Status s = EncodeObjectList(report.header, &out);
  if (!s.ok()) return s.WithContext("header band");
  s = EncodeObjectList(report.detail, &out);
  if (!s.ok()) return s.WithContext("detail band");
  s = EncodeObjectList(report.footer, &out);
  if (!s.ok()) return s.WithContext("footer band");
  s = EncodeValue(Value::List(report.settings), &out);
  if (!s.ok()) return s.WithContext("report settings");
  return out;
}

}  // namespace vellumo::design
