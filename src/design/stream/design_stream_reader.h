// Reads design streams back into object records. Reading is bounded: every
// length is checked against what is left, lists and sets must end before
// the stream does, nesting is limited, and memory grows with the input
// only. A damaged stream ends the read with an error naming the object;
// the objects read completely before it are kept, the one being read is
// dropped.
#pragma once

#include <string_view>
#include <vector>

#include "design/stream/result.h"
#include "design/stream/stored_object.h"

namespace vellumo::design {

struct DesignReadResult {
  // The objects read completely, in stream order.
  std::vector<StoredObject> objects;
  // OK, or why reading stopped: "object 3 (TGPLabel Special1): property
  // Caption: the stream ends inside a string (offset 80: 12 bytes needed,
  // 3 left)". Objects are counted from 1.
  Status status;
};

// One list of objects (a label or envelope design, the object clipboard);
// nothing may follow it.
DesignReadResult DecodeDesignStream(std::string_view bytes);

struct ReportReadResult {
  // The bands and settings read completely; a band being read when the
  // error came holds the objects read before it.
  ReportDesign report;
  Status status;
};

// Three band lists and a settings list; nothing may follow them.
ReportReadResult DecodeReportDesign(std::string_view bytes);

}  // namespace vellumo::design
