// Table: the structural index — opening it and proving it matches the table,
// keeping its tags current on every write, creating and selecting tags —
// and the temporary index.
#include "table_impl.h"

namespace xbase {

Status Table::Impl::OpenStructuralIndex() {
  index_status = Status::OK();
  std::string index_path = FindCompanionFile(env, path, ".CDX");
  if (index_path.empty()) {
    if (dbf->has_structural_index_flag()) {
      index_status = Status::NotFound("the index file " + CompanionFileName(path, ".CDX") +
                                      " is missing");
    }
    return Status::OK();
  }
  std::unique_ptr<CompoundIndex> index;
  Status s = CompoundIndex::Open(env, index_path, !read_only, lock, &index);
  if (s.IsLocked()) return s;
  if (!s.ok()) {
    index_status = s.WithContext(index_path);
    return Status::OK();
  }
  std::vector<ActiveTag> opened(index->tag_count());
  for (size_t i = 0; i < opened.size(); ++i) {
    s = CompileStoredTag(index->tag(i), dbf->schema(), &opened[i]);
    if (s.ok() && opened[i].definition.key_length != index->tag(i).key_length) {
      s = Status::Corruption("tag " + index->tag(i).name + " stores keys of " +
                             std::to_string(index->tag(i).key_length) + " bytes but its expression makes " +
                             std::to_string(opened[i].definition.key_length));
    }
    if (!s.ok()) {
      index_status = Status::Corruption(index_path + " cannot be used: " + s.message());
      return Status::OK();
    }
    opened[i].definition = index->tag(i);
  }
  // The stamp proves the index saw every change to the table; without it,
  // every key is checked against the table.
  SyncStamp stamp;
  s = index->ReadStamp(&stamp);
  bool current = s.ok() && !stamp.writing && stamp.record_count == dbf->record_count() &&
                 stamp.table_change_stamp == dbf->change_stamp();
  if (!current) {
    s = index->CheckStructure();
    if (s.ok()) s = CheckTags(opened, index.get());
    if (!s.ok()) {
      index_status = Status::Corruption(index_path + " does not match " + path + " (" +
                                        s.message() + "); rebuild the indexes");
      return Status::OK();
    }
    if (!read_only) {
      XBASE_RETURN_IF_ERROR(
          index->WriteStamp(SyncStamp{dbf->record_count(), dbf->change_stamp(), false}));
    }
  }
  cdx = std::move(index);
  tags = std::move(opened);
  return Status::OK();
}

Status Table::Impl::MarkWriting() {
  if (stamp_writing) return Status::OK();
  if (cdx) {
    XBASE_RETURN_IF_ERROR(
        cdx->WriteStamp(SyncStamp{dbf->record_count(), dbf->change_stamp(), true}));
  }
  stamp_writing = true;
  return Status::OK();
}

Status Table::Impl::WriteCleanStamp() {
  if (cdx) {
    XBASE_RETURN_IF_ERROR(cdx->Flush());
    XBASE_RETURN_IF_ERROR(
        cdx->WriteStamp(SyncStamp{dbf->record_count(), dbf->change_stamp(), false}));
  }
  stamp_writing = false;
  return Status::OK();
}

Status Table::Impl::UpdateTags(const std::string* before, const std::string* after,
                               uint32_t number) {
  // Old keys leave their tags one by one; new ones go in together.
  std::string old_key;
  new_keys.resize(tags.size());
  tag_keys.clear();
  for (size_t i = 0; i < tags.size(); ++i) {
    const ActiveTag& tag = tags[i];
    std::string& new_key = new_keys[i];
    bool old_in = before != nullptr && tag.KeyOf(Ref(*before, number), &old_key);
    bool new_in = after != nullptr && tag.KeyOf(Ref(*after, number), &new_key);
    if (old_in && new_in && old_key == new_key) continue;
    if (old_in) {
      Status s = cdx->Delete(i, old_key, number);
      if (s.IsNotFound()) {
        return Status::Corruption("tag " + tag.definition.name + " has no entry for record " +
                                  std::to_string(number) + "; rebuild the indexes");
      }
      XBASE_RETURN_IF_ERROR(s);
    }
    if (new_in) tag_keys.push_back({i, new_key});
  }
  if (!tag_keys.empty()) XBASE_RETURN_IF_ERROR(cdx->InsertAll(tag_keys, number));
  cursor_on_record = false;
  return Status::OK();
}

Status Table::IndexTag(const TagSpec& tag) { return IndexTags({tag}); }

Status Table::IndexTags(const std::vector<TagSpec>& specs) {
  Impl& t = *impl_;
  if (t.read_only) return Status::InvalidArgument(t.path + " is open read-only");
  std::vector<ActiveTag> compiled(specs.size());
  for (size_t i = 0; i < specs.size(); ++i) {
    XBASE_RETURN_IF_ERROR(CompileTag(specs[i], schema(), &compiled[i]));
  }
  XBASE_RETURN_IF_ERROR(Commit());
  if (!t.cdx) {
    // Whatever index file lies there was not usable (index_status says
    // why); the new one takes its name.
    std::string index_path = CompanionFilePath(t.env, t.path, ".CDX");
    if (t.env->FileExists(index_path)) XBASE_RETURN_IF_ERROR(t.env->RemoveFile(index_path));
    XBASE_RETURN_IF_ERROR(CompoundIndex::Create(t.env, index_path, t.lock, &t.cdx));
    t.index_status = Status::OK();
    XBASE_RETURN_IF_ERROR(t.dbf->SetStructuralIndexFlag(true));
  }
  XBASE_RETURN_IF_ERROR(t.MarkWriting());
  XBASE_RETURN_IF_ERROR(t.WriteTags(t.cdx.get(), compiled));
  for (ActiveTag& tag : compiled) {
    int existing = TagArea(tag.definition.name);
    if (existing > 0) {
      t.tags[static_cast<size_t>(existing - 1)] = std::move(tag);
    } else {
      t.tags.push_back(std::move(tag));
    }
  }
  // Tag positions follow the index file's creation order.
  std::vector<ActiveTag> ordered(t.cdx->tag_count());
  for (ActiveTag& tag : t.tags) {
    int at = t.cdx->FindTag(tag.definition.name);
    if (at >= 0) ordered[static_cast<size_t>(at)] = std::move(tag);
  }
  t.tags = std::move(ordered);
  if (t.order > 0) t.cursor = t.NewOrderCursor();
  t.cursor_on_record = false;
  return t.WriteCleanStamp();
}

size_t Table::TagCount() const { return impl_->tags.size(); }

TagInfo Table::Tag(size_t area) const {
  const TagDefinition& d = impl_->tags.at(area - 1).definition;
  return TagInfo{d.name, d.key_expression, d.for_expression, d.key_length, d.descending};
}

int Table::TagArea(std::string_view name) const {
  for (size_t i = 0; i < impl_->tags.size(); ++i) {
    const std::string& n = impl_->tags[i].definition.name;
    if (n.size() == name.size() &&
        std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) {
          return std::toupper(static_cast<unsigned char>(a)) ==
                 std::toupper(static_cast<unsigned char>(b));
        })) {
      return static_cast<int>(i + 1);
    }
  }
  return 0;
}

Status Table::SetOrder(int area) {
  Impl& t = *impl_;
  if (area < 0 || static_cast<size_t>(area) > t.tags.size()) {
    return Status::InvalidArgument("there is no index tag number " + std::to_string(area));
  }
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  t.order = area;
  t.cursor = t.NewOrderCursor();
  t.cursor_on_record = false;
  ClearScope();
  return Status::OK();
}

int Table::IndexOrd() const { return impl_->order; }

std::string Table::IndexName() const { return impl_->cdx ? impl_->cdx->path() : ""; }

const Status& Table::index_status() const { return impl_->index_status; }

Status Table::CloseIndexes() {
  Impl& t = *impl_;
  Status s = t.read_only ? t.FlushRecord() : Commit();
  if (t.order > 0) t.order = 0;
  t.cursor.reset();
  t.cursor_on_record = false;
  t.tags.clear();
  t.cdx.reset();
  Status temp = CloseTemporaryIndex();
  return s.ok() ? temp : s;
}

Status Table::CheckIndexes() {
  Impl& t = *impl_;
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  if (!t.cdx) return t.index_status;
  XBASE_RETURN_IF_ERROR(t.cdx->CheckStructure());
  return t.CheckTags(t.tags, t.cdx.get());
}

Status Table::CreateTemporaryIndex(const std::string& index_path,
                                   const std::string& key_expression) {
  Impl& t = *impl_;
  XBASE_RETURN_IF_ERROR(CloseTemporaryIndex());
  ActiveTag tag;
  XBASE_RETURN_IF_ERROR(CompileTag(TagSpec{"TEMP", key_expression, "", false}, schema(), &tag));
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  std::unique_ptr<CompoundIndex> index;
  XBASE_RETURN_IF_ERROR(CompoundIndex::Create(t.env, index_path, LockMode::kExclusive, &index));
  Status s = index->CreateTag(tag.definition, KeyBatch(tag.definition.key_length, 0), nullptr);
  if (!s.ok()) {
    index.reset();
    (void)t.env->RemoveFile(index_path);
    return s;
  }
  t.temp_cdx = std::move(index);
  t.temp_tag = std::move(tag);
  t.temp_path = index_path;
  t.order = -1;
  t.cursor = t.NewOrderCursor();
  t.cursor_on_record = false;
  ClearScope();
  return Status::OK();
}

Status Table::KeyAdd() {
  Impl& t = *impl_;
  if (!t.temp_cdx) return Status::InvalidArgument("no temporary index is open");
  if (t.eof) return Status::InvalidArgument("no current record");
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  std::string key;
  if (!t.temp_tag.KeyOf(t.Ref(t.Record(), t.recno), &key)) return Status::OK();
  t.cursor_on_record = false;
  return t.temp_cdx->Insert(0, key, t.recno);
}

Status Table::CloseTemporaryIndex() {
  Impl& t = *impl_;
  if (!t.temp_cdx) return Status::OK();
  if (t.order < 0) {
    t.order = 0;
    t.cursor.reset();
    t.cursor_on_record = false;
  }
  t.temp_cdx.reset();
  Status s = t.env->RemoveFile(t.temp_path);
  t.temp_path.clear();
  return s;
}

}  // namespace xbase
