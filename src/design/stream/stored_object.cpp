// Look-up and naming of stored objects.
#include "design/stream/stored_object.h"

namespace vellumo::design {

const StoredProperty* StoredObject::Find(std::string_view name) const {
  for (const StoredProperty& property : properties) {
    if (property.name == name) return &property;
  }
  return nullptr;
}

std::string DescribeObject(const StoredObject& object) {
  if (object.component_name.empty()) return object.class_name;
  return object.class_name + " " + object.component_name;
}

}  // namespace vellumo::design
