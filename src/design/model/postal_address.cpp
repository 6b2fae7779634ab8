// The record address of postal barcodes.
#include "design/model/postal_address.h"

namespace vellumo::design {

void PostalAddress::Refresh(const RecordSource& record) {
  zip = record.FieldValue(zip_field);
  address = record.FieldValue(address_field);
}

void PostalAddress::Clear() {
  zip.clear();
  address.clear();
}

void PostalAddress::Write(PropertyWriter& writer) const {
  writer.TextIfSet("ZipCodeField", zip_field);
  writer.TextIfSet("AddressField", address_field);
}

bool PostalAddress::Read(const PropertyReader& reader, const StoredProperty& property, Status* status) {
  if (property.name == "ZipCodeField") {
    *status = Take(reader.Text(property), &zip_field);
    return true;
  }
  if (property.name == "AddressField") {
    *status = Take(reader.Text(property), &address_field);
    return true;
  }
  return false;
}

}  // namespace vellumo::design
