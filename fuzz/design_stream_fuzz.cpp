// Fuzz target: any bytes as a design file and as a report design. Reading
// must end in success or a Status; what is read must be readable by the
// typed accessors (whatever its name), and must write back to bytes that read the same and
// write the same again (floating-point values, which are never written,
// aside).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "design/stream/design_stream_reader.h"
#include "design/stream/design_stream_writer.h"
#include "design/stream/nested_properties.h"
#include "design/stream/picture_data.h"
#include "design/stream/property_reader.h"

namespace {

using namespace vellumo::design;

constexpr std::array<std::string_view, 3> kNames = {"taLeftJustify", "fsBold", "clBlue"};

// A picture block that reads must write back to the same bytes.
void CheckPicture(const std::string& block) {
  Result<StoredPicture> picture = DecodePictureData(block);
  if (!picture.ok()) return;
  Result<std::string> again = EncodePictureData(*picture);
  if (!again.ok() || *again != block) __builtin_trap();
}

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
      if (Result<std::string> block = reader.Binary(property); block.ok()) CheckPicture(*block);
      (void)reader.StringList(property);
      StoredFont font;
      StoredPen pen;
      StoredBrush brush;
      (void)ReadFont(reader, property, "Font", &font);
      (void)ReadPen(reader, property, "Pen", &pen);
      (void)ReadBrush(reader, property, "Brush", &brush);
    }
  }
}

// Writes what was read, reads that and writes it again: the model must
// survive and the second writing must give the same bytes. Floating-point
// values are read but never written; nothing else may fail to write once
// it has been read.
template <typename Model, typename Encode, typename Decode, typename ModelOf>
void CheckRewrite(const Model& model, Encode encode, Decode decode, ModelOf model_of) {
  Result<std::string> written = encode(model);
  if (!written.ok()) {
    if (written.status().message().find("floating-point") == std::string::npos) __builtin_trap();
    return;
  }
  const auto reread = decode(*written);
  if (!reread.status.ok() || model_of(reread) != model) __builtin_trap();
  Result<std::string> again = encode(model_of(reread));
  if (!again.ok() || *again != *written) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  DesignReadResult design = DecodeDesignStream(bytes);
  ReadEveryWay(design.objects);
  if (design.status.ok()) {
    CheckRewrite(
        design.objects, [](const std::vector<StoredObject>& objects) { return EncodeDesignStream(objects); },
        DecodeDesignStream, [](const DesignReadResult& read) { return read.objects; });
  }

  ReportReadResult report = DecodeReportDesign(bytes);
  ReadEveryWay(report.report.header);
  ReadEveryWay(report.report.detail);
  ReadEveryWay(report.report.footer);
  if (report.status.ok()) {
    CheckRewrite(report.report, EncodeReportDesign, DecodeReportDesign,
                 [](const ReportReadResult& read) { return read.report; });
  }
  return 0;
}
