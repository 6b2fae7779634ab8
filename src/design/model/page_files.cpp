// Saving and loading a page, the object clipboard file and cloning.
#include <algorithm>

#include "design/model/base_panel.h"
#include "design/stream/component_names.h"
#include "design/stream/design_file.h"
#include "design/stream/design_stream_reader.h"
#include "design/stream/design_stream_writer.h"

namespace vellumo::design {

Result<std::vector<StoredObject>> TGBasePanel::StoreObjects(const std::vector<TGGraphicControl*>& objects) const {
  std::vector<StoredObject> stored;
  for (const TGGraphicControl* object : objects) {
    Result<StoredObject> one = object->Store();
    if (!one.ok()) return one.status();
    stored.push_back(std::move(one).value());
  }
  return stored;
}

Status TGBasePanel::ReadObjects(const std::vector<StoredObject>& stored, QPoint offset,
                                std::vector<TGGraphicControl*>* read) {
  // Names are handed out from one look at the page, not gathered again
  // for every object, which made reading a large design quadratic.
  ComponentNamer namer(Names());
  for (const StoredObject& record : stored) {
    std::unique_ptr<TGGraphicControl> object = CreateObject(record.class_name);
    if (!object) return Status::Corruption(DescribeObject(record) + ": class " + record.class_name + " not found");
    XBASE_RETURN_IF_ERROR(object->Restore(record));
    std::optional<std::string> name = namer.Next();
    if (!name) return Status::InvalidArgument(DescribeObject(record) + ": no free component name left");
    object->SetName(*name);
    object->bounds_.translate(offset);
    TGGraphicControl* adopted = Adopt(std::move(object));
    if (read) read->push_back(adopted);
  }
  return Status::OK();
}

Status TGBasePanel::SaveToFile(const std::string& path) {
  PrepareForSave();
  std::vector<TGGraphicControl*> all;
  for (const std::unique_ptr<TGGraphicControl>& object : objects_) all.push_back(object.get());
  Result<std::vector<StoredObject>> stored = StoreObjects(all);
  Status s = stored.ok() ? WriteDesignFile(env_, path, *stored) : stored.status();
  RefreshAllData();
  return s;
}

Status TGBasePanel::LoadFromFile(const std::string& path) {
  if (!env_->FileExists(path)) return Status::OK();
  DesignReadResult file = ReadDesignFile(env_, path);
  // Loading shows the design as stored: it is not a change to it.
  Status s = ReadObjects(file.objects, QPoint());
  RefreshAllData();
  return s.ok() ? file.status : s;
}

// ---- Object clipboard.

std::string TGBasePanel::ClipboardPath() const { return work_directory_ + "/" + kClipboardFileName; }
bool TGBasePanel::ClipboardExists() const { return env_->FileExists(ClipboardPath()); }

std::vector<TGGraphicControl*> TGBasePanel::CommandObjects(TGGraphicControl* from_menu) const {
  if (from_menu && !IsSelected(from_menu)) return {from_menu};
  return selection_;
}

Status TGBasePanel::Copy(TGGraphicControl* from_menu) {
  const std::vector<TGGraphicControl*> objects = CommandObjects(from_menu);
  if (objects.empty()) return Status::OK();
  Result<std::vector<StoredObject>> stored = StoreObjects(objects);
  if (!stored.ok()) return stored.status();
  return WriteDesignFile(env_, ClipboardPath(), *stored);
}

Status TGBasePanel::Cut(TGGraphicControl* from_menu) {
  XBASE_RETURN_IF_ERROR(Copy(from_menu));
  Delete(from_menu);
  return Status::OK();
}

void TGBasePanel::Delete(TGGraphicControl* from_menu) {
  for (TGGraphicControl* object : CommandObjects(from_menu)) DeleteObject(object);
}

Status TGBasePanel::Paste() {
  if (!ClipboardExists()) return Status::OK();
  const int64_t now = Now();
  if (pasted_before_ && now - last_paste_ms_ < kPasteIntervalMs) return Status::OK();
  pasted_before_ = true;
  last_paste_ms_ = now;
  DesignReadResult file = ReadDesignFile(env_, ClipboardPath());
  Status s = ReadObjects(file.objects, QPoint(kPasteOffset, kPasteOffset));
  RefreshAllData();
  NotifyChanged();
  return s.ok() ? file.status : s;
}

// ---- Clone.

Result<TGGraphicControl*> TGBasePanel::Clone(TGGraphicControl* object) {
  Result<StoredObject> stored = object->Store();
  if (!stored.ok()) return stored.status();
  // Through the bytes of the stream, as a file would hold them.
  Result<std::string> bytes = EncodeDesignStream(std::span<const StoredObject>(&*stored, 1));
  if (!bytes.ok()) return bytes.status();
  DesignReadResult decoded = DecodeDesignStream(*bytes);
  if (!decoded.status.ok()) return decoded.status;
  std::vector<TGGraphicControl*> read;
  XBASE_RETURN_IF_ERROR(ReadObjects(decoded.objects, QPoint(0, kCloneOffset), &read));
  TGGraphicControl* copy = read.front();
  const auto selected = std::find(selection_.begin(), selection_.end(), object);
  if (selected != selection_.end()) *selected = copy;
  RefreshAllData();
  NotifyChanged();
  return copy;
}

}  // namespace vellumo::design
