// The ZIP code and street address a postal barcode encodes: the names of
// the fields they are read from (by field name only) and their values in
// the current record, which are not stored.
#pragma once

#include <string>

#include "design/model/graphic_control.h"

namespace vellumo::design {

struct PostalAddress {
  std::string zip_field;
  std::string address_field;
  std::string zip;
  std::string address;

  void Refresh(const RecordSource& record);
  void Clear();
  // `ZipCodeField` and `AddressField`, each if set.
  void Write(PropertyWriter& writer) const;
  // Whether the property is one of the two; `status` tells how reading it went.
  bool Read(const PropertyReader& reader, const StoredProperty& property, Status* status);
};

}  // namespace vellumo::design
