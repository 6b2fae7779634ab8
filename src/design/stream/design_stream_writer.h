// Writes design streams: one list of object records for a label, envelope
// or clipboard file, four lists for a report.
#pragma once

#include <span>
#include <string>

#include "design/stream/result.h"
#include "design/stream/stored_object.h"

namespace vellumo::design {

// A list start, the object records, a list end; an empty list is 01 00.
// Each record is the signature, class and component names, the properties
// in the order given and the two end marks (properties, children). Fails
// for what the stream cannot hold (see EncodeValue, and empty class or
// property names, which would read back as end marks); the message names
// the object and the property ("object 2 (TGPLabel Special1): property
// Font.Style: a set member without a name").
Result<std::string> EncodeDesignStream(std::span<const StoredObject> objects);

// The header, detail and footer band lists, then a list of the settings.
Result<std::string> EncodeReportDesign(const ReportDesign& report);

}  // namespace vellumo::design
