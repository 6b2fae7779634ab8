// The state behind xbase::Table, shared by the files that implement it:
// table.cpp (records and fields), table_navigation.cpp (orders, filter,
// scope, seek), table_index.cpp (tags and their upkeep), table_maintenance.cpp
// (pack, zap, structure copy).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cdx_index.h"
#include "dbf_file.h"
#include "memo_file.h"
#include "xbase/expression.h"
#include "xbase/table.h"

namespace xbase {

// An index tag in use: its definition, compiled key and condition.
struct ActiveTag {
  TagDefinition definition;
  std::unique_ptr<Expression> key;
  std::unique_ptr<Expression> condition;  // null when the tag has none

  // True when the record belongs in the tag; its key written to `key_out`.
  bool KeyOf(const RecordRef& record, std::string* key_out) const;
};

// Compiles a tag's expressions and derives its key layout.
Status CompileTag(const TagSpec& spec, const Schema& schema, ActiveTag* tag);
// Compiles the expressions of a tag found in an index file.
Status CompileStoredTag(const TagDefinition& definition, const Schema& schema, ActiveTag* tag);
// Turns a key as a user types it into the bytes of `tag`'s keys: text as
// given for character keys (padded to the key length when exact), numbers
// and dates (YYYYMMDD) encoded, logicals as T or F.
Status SeekKeyFor(const ActiveTag& tag, std::string_view typed, bool exact, std::string* key);
// Compiles an expression that must be logical (filters, conditions).
Status CompileFilter(std::string_view text, const Schema& schema,
                     std::unique_ptr<Expression>* result);

class Table::Impl {
 public:
  Env* env = nullptr;
  std::string path;
  bool read_only = false;
  bool durable_commits = true;
  LockMode lock = LockMode::kExclusive;
  std::unique_ptr<DbfFile> dbf;
  std::unique_ptr<MemoFile> memo;

  // Structural index; tags in area order.
  std::unique_ptr<CompoundIndex> cdx;
  std::vector<ActiveTag> tags;
  Status index_status;
  // UpdateTags' scratch: the record's new key per tag, and those to insert.
  std::vector<std::string> new_keys;
  std::vector<CompoundIndex::TagKey> tag_keys;
  // Temporary index (order -1).
  std::unique_ptr<CompoundIndex> temp_cdx;
  ActiveTag temp_tag;
  std::string temp_path;

  // Current order: 0 natural, 1..tags.size() a tag, -1 the temporary index.
  int order = 0;
  std::unique_ptr<TagCursor> cursor;
  bool cursor_on_record = false;  // cursor sits on the current record's entry
  std::string scope_low, scope_high;

  // Current record.
  uint32_t recno = 0;
  bool bof = false;
  bool eof = true;
  // What the user sees, changes included; after a move, read on first use
  // (see Record()).
  mutable std::string buffer;
  mutable bool loaded = true;
  // Why the bytes of the current record could not be read (its fields
  // then read as blank); OK otherwise.
  mutable Status record_status;
  // The record as stored, to find index keys that change; taken when the
  // first change to a stored record begins.
  std::string original;
  bool dirty = false;
  bool appended = false;  // the buffer is a new record not yet written

  std::string filter_text;
  std::unique_ptr<Expression> filter;
  bool hide_deleted = true;
  bool exact = false;
  bool soft_seek = false;
  bool found = false;
  ProgressHook progress;

  // Set once files have been written since the index's stamp was last made
  // clean; see WriteCleanStamp.
  bool stamp_writing = false;
  // Committed without being handed to stable storage.
  bool unsynced = false;

  // ---- table.cpp
  RecordRef Ref(const std::string& record, uint32_t number) const {
    return RecordRef{record.data(), number, exact};
  }
  // The current record's bytes, read from the file on first use after a move.
  const std::string& Record() const;
  // Deletion marks of all records, one bit each, read once on first need
  // and kept current by every write, so that moving without a filter passes
  // over deleted records without reading them. Pack and zap forget them.
  std::vector<uint64_t> deletion_marks;
  bool deletion_marks_known = false;
  Status DeletionMark(uint32_t number, bool* deleted);
  void NoteDeletionMark(uint32_t number, bool deleted);
  // Writes the buffer if it changed, keeping the tags current.
  Status FlushRecord();
  // Call before changing the buffer of a stored record.
  void BeginChange();
  // Makes `number` current, reading it from the file.
  Status LoadRecord(uint32_t number);
  void SetEof();
  const FieldDef* FindField(std::string_view name) const;
  // The memo of a record's memo field.
  Status ReadMemo(const char* record, std::string_view field, std::string* text) const;

  // ---- table_navigation.cpp
  // Record `number` passes deletion hiding and the filter.
  Status Visible(uint32_t number, bool* visible);
  // The current order's active tag, null in natural order.
  const ActiveTag* OrderTag() const;
  // A new cursor on the current order's tag; null in natural order.
  std::unique_ptr<TagCursor> NewOrderCursor() const;
  // Walking the current order within the scope, with the table's own
  // cursor or another one over the same tag (`walk`; null in natural
  // order). *number is 0 when there is no such entry.
  // Puts `walk` on the entry of record `number` holding `record`, or where
  // its key would be when the tag's condition leaves it out.
  Status PlaceCursor(TagCursor* walk, const char* record, uint32_t number);
  Status OrderFirst(TagCursor* walk, uint32_t* number);
  Status OrderLast(TagCursor* walk, uint32_t* number);
  // The entry after (or before) record `from`. REQUIRES: in a tag order,
  // `walk` is placed on `from`.
  Status OrderNext(TagCursor* walk, uint32_t from, bool forward, uint32_t* number);
  // The same steps for the current record with the table's cursor.
  Status PositionCursor();
  Status OrderStep(bool forward, uint32_t* number);
  Status GoToEnd(bool top);

  // ---- table_index.cpp
  Status OpenStructuralIndex();
  Status MarkWriting();
  Status WriteCleanStamp();
  Status UpdateTags(const std::string* before, const std::string* after, uint32_t number);

  // ---- table_index_build.cpp
  // Reads the table once per few tags, on several threads, and writes
  // `new_tags` into `index` in order, reporting progress per tag.
  Status WriteTags(CompoundIndex* index, const std::vector<ActiveTag>& new_tags);
  // Compares each tag of `index` with the keys the table's records make.
  Status CheckTags(const std::vector<ActiveTag>& check_tags, CompoundIndex* index);
};

// Counts the records that pass deletion hiding and the filter, reading the
// table in record order (on several threads for large tables).
Status CountVisibleRecords(Table::Impl& table, uint32_t* count);
// Calls fn(record, recno) for records first..last, reading them in large chunks.
Status ScanRecords(const DbfFile& dbf, uint32_t first, uint32_t last,
                   const std::function<void(const char*, uint32_t)>& fn);

}  // namespace xbase
