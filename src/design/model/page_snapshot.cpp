// Snapshots of a page's design: the object stream a design file would
// hold, and the page's objects put back from one.
#include "design/model/base_panel.h"
#include "design/stream/design_stream_reader.h"
#include "design/stream/design_stream_writer.h"

namespace vellumo::design {

Result<std::string> TGBasePanel::DesignSnapshot() const {
  std::vector<TGGraphicControl*> all;
  for (const std::unique_ptr<TGGraphicControl>& object : objects_) all.push_back(object.get());
  Result<std::vector<StoredObject>> stored = StoreObjects(all);
  if (!stored.ok()) return stored.status();
  return EncodeDesignStream(*stored);
}

Status TGBasePanel::RestoreSnapshot(std::string_view bytes) {
  DesignReadResult decoded = DecodeDesignStream(bytes);
  if (!decoded.status.ok()) return decoded.status;
  // Every object is made before any is replaced, so that a snapshot that
  // cannot be read changes nothing.
  std::vector<std::unique_ptr<TGGraphicControl>> restored;
  for (const StoredObject& record : decoded.objects) {
    std::unique_ptr<TGGraphicControl> object = CreateObject(record.class_name);
    if (!object) return Status::Corruption(DescribeObject(record) + ": class " + record.class_name + " not found");
    XBASE_RETURN_IF_ERROR(object->Restore(record));
    object->SetName(record.component_name);
    restored.push_back(std::move(object));
  }
  selection_.clear();
  objects_.clear();
  for (std::unique_ptr<TGGraphicControl>& object : restored) Adopt(std::move(object));
  RefreshAllData();
  return Status::OK();
}

}  // namespace vellumo::design
