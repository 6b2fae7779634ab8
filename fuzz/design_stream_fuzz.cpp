// Fuzz target: any bytes as a design file and as a report design. Reading
// must end in success or a Status; what is read must be readable by the
// typed accessors, and must write back to bytes that read the same and
// write the same again (floating-point values, which are never written,
// aside).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "design/stream/design_stream_reader.h"
#include "design/stream/design_stream_writer.h"
#include "design/stream/property_reader.h"

namespace {

using namespace vellumo::design;

constexpr std::array<std::string_view, 3> kNames = {"taLeftJustify", "fsBold", "clBlue"};

void ReadEveryWay(const std::vector<StoredObject>& objects) {
  for (const StoredObject& object : objects) {
    const PropertyReader reader(object);
    for (const StoredProperty& property : object.properties) {
      (void)reader.Integer(property);
      (void)reader.Boolean(property);
      (void)reader.Text(property);
      (void)reader.Enumeration(property, kNames);
      (void)reader.ColourValue(property);
      (void)reader.Cursor(property);
      (void)reader.SetOf(property, kNames);
      (void)reader.Binary(property);
      (void)reader.StringList(property);
    }
  }
}

// Floating-point values are read but never written; nothing else may
// fail to write once it has been read.
void ExpectWritable(const Status& status) {
  if (status.message().find("floating-point") == std::string::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  DesignReadResult design = DecodeDesignStream(bytes);
  ReadEveryWay(design.objects);
  if (design.status.ok()) {
    Result<std::string> written = EncodeDesignStream(design.objects);
    if (written.ok()) {
      DesignReadResult reread = DecodeDesignStream(*written);
      if (!reread.status.ok() || reread.objects != design.objects) __builtin_trap();
      Result<std::string> again = EncodeDesignStream(reread.objects);
      if (!again.ok() || *again != *written) __builtin_trap();
    } else {
      ExpectWritable(written.status());
    }
  }

  ReportReadResult report = DecodeReportDesign(bytes);
  ReadEveryWay(report.report.header);
  ReadEveryWay(report.report.detail);
  ReadEveryWay(report.report.footer);
  if (report.status.ok()) {
    Result<std::string> written = EncodeReportDesign(report.report);
    if (written.ok()) {
      ReportReadResult reread = DecodeReportDesign(*written);
      if (!reread.status.ok() || reread.report != report.report) __builtin_trap();
      Result<std::string> again = EncodeReportDesign(reread.report);
      if (!again.ok() || *again != *written) __builtin_trap();
    } else {
      ExpectWritable(written.status());
    }
  }
  return 0;
}
