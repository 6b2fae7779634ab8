// Design objects as the stream holds them: a class name, a component name
// and the stored properties in the order their class lists them. The
// design objects turn themselves into and out of these records; the stream
// reader and writer know only the records.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "design/stream/value.h"

namespace vellumo::design {

struct StoredProperty {
  // A nested property is named with its outer name and a dot ("Font.Color").
  std::string name;
  Value value;

  bool operator==(const StoredProperty&) const = default;
};

struct StoredObject {
  std::string class_name;      // e.g. "TGPLabel"
  std::string component_name;  // e.g. "Special1"; may be empty
  std::vector<StoredProperty> properties;

  // The first property of that name, or nullptr.
  [[nodiscard]] const StoredProperty* Find(std::string_view name) const;

  bool operator==(const StoredObject&) const = default;
};

// "TGPLabel Special1", or the class name alone when the object has no
// component name: how messages name an object.
std::string DescribeObject(const StoredObject& object);

// A report design: the objects of its three bands, and the report's
// settings as plain values, in the order the report layout gives them.
struct ReportDesign {
  std::vector<StoredObject> header;
  std::vector<StoredObject> detail;
  std::vector<StoredObject> footer;
  std::vector<Value> settings;

  bool operator==(const ReportDesign&) const = default;
};

}  // namespace vellumo::design
