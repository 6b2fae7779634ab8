// The text of a record for the clipboard: chosen groups of lines, each
// ended by CR LF, blank lines left out.
#pragma once

#include <QString>

#include "core/address_layout.h"

namespace vellumo {

struct RecordTextParts {
  bool names = true;     // "Name, Organization, Title"
  bool address = true;   // "Address"
  bool phones = true;    // "Phone Numbers"
  bool codes = true;     // "Codes"
  bool comments = true;  // "Comments 1 && 2"
};

QString RecordAsText(const FieldReader& field, const RecordTextParts& parts);

}  // namespace vellumo
