// A table: a DBF file with its memo file and structural compound index,
// seen through a cursor with a current record, an order (natural or a tag),
// a filter, a scope and the hiding of deleted records.
//
// Typical use:
//   std::unique_ptr<xbase::Table> t;
//   Status s = xbase::Table::Open("DATA/add0001.DBF", {}, &t);
//   s = t->SetOrder(t->TagArea("LNAME"));
//   for (s = t->GoTop(); s.ok() && !t->Eof(); s = t->Skip(1)) use(t->GetTrimString("LNAME"));
//
// A Table is not thread-safe. Changes to the current record are kept in its
// buffer and written when the cursor moves, on Commit and on Close; Commit
// also makes appended records and index changes durable against a crash of
// the process.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/env.h"
#include "xbase/field.h"
#include "xbase/record.h"
#include "xbase/status.h"

namespace xbase {

struct OpenOptions {
  Env* env = nullptr;      // Env::Default() when null
  // Exclusive opening locks the files against every other opener, in this
  // process or another. A shared opening admits other shared openers and is
  // read-only.
  bool exclusive = true;
  bool read_only = false;
  // Commit hands the files to stable storage (fsync), so that committed
  // records survive a crash of the system, not only of the process. Bulk
  // work that commits often may turn this off; Close() then syncs once.
  bool durable_commits = true;
};

struct CreateOptions {
  Env* env = nullptr;
};

// A tag of the structural index as the table sees it.
struct TagInfo {
  std::string name;
  std::string key_expression;
  std::string for_expression;
  uint16_t key_length = 0;
  bool descending = false;
};

// A tag to build: name, key expression, optional condition.
struct TagSpec {
  std::string name;
  std::string key_expression;
  std::string for_expression;
  bool descending = false;
};

enum class ProgressPhase { kPacking, kIndexing, kCopying };
// Called during long operations with a percentage; while indexing, the
// percentage starts again from 0 for every tag.
using ProgressHook = std::function<void(ProgressPhase phase, int percent)>;

class Table {
 public:
  // Creates a table with these fields (types C, N, L, D, M; field order
  // kept) and, when it has memo fields, its memo file. Leaves it closed. A
  // table already at `path` is replaced (callers ask the user first); one
  // that is open elsewhere gives Status::Locked and stays as it is.
  static Status Create(const std::string& path, const std::vector<FieldDef>& fields,
                       const CreateOptions& options = {});
  static Status Open(const std::string& path, const OpenOptions& options,
                     std::unique_ptr<Table>* result);

  // Writes pending changes. Errors of that last write are lost; call
  // Close() to see them.
  ~Table();
  Status Close();

  const std::string& path() const;
  const Schema& schema() const;
  bool read_only() const;
  // Index of a field by name, case-insensitive; -1 if none.
  int FieldIndex(std::string_view name) const;

  // An empty table at `path` with this table's fields.
  Status CopyStructure(const std::string& path) const;

  // ---- Navigation, in the current order, under filter, scope and deletion hiding.
  Status GoTop();
  Status GoBottom();
  // Moves n visible records forward (negative: backward). Past the last
  // record the table is at Eof; before the first it stays on the first and
  // Bof is set.
  Status Skip(int64_t n = 1);
  // Positions on record `recno` whatever the filter; out of range: Eof.
  Status Go(uint32_t recno);
  // The current record number; RecCount() + 1 at Eof.
  uint32_t RecNo() const;
  // Records in the file, deleted or not, filter or not.
  uint32_t RecCount() const;
  bool Bof() const;
  bool Eof() const;

  // ---- Fields of the current record (empty at Eof). Unknown names give "".
  // As stored, padded to the width, for C, N, F, D and L fields; other
  // types converted to text (see the DBF layer).
  std::string GetString(std::string_view field) const;
  std::string GetTrimString(std::string_view field) const;  // trailing blanks removed
  bool GetLogical(std::string_view field) const;
  Status GetMemo(std::string_view field, std::string* text) const;
  // The raw record bytes, deletion flag first.
  std::string_view RecordBuffer() const;
  // OK, or why the bytes of the current record could not be read from
  // the file; its fields then read as blank. Field getters cannot say so
  // themselves, so readers that must not take a blank record for the real
  // one ask here.
  Status RecordStatus() const;

  // Sets a field of the current record; text for C, N, D and L fields
  // (see the DBF layer for the accepted forms), any text for memos.
  Status Replace(std::string_view field, std::string_view value);
  Status ReplaceLogical(std::string_view field, bool value);
  // Adds a blank record and makes it current.
  Status AppendBlank();
  // Writes the current record and every pending change to the files, in an
  // order that survives the process being killed at any instant.
  Status Commit();

  // ---- Reading other records without moving the current one. These see
  // what moving to a record would show: the current record's changes not
  // yet written, and appended records not yet committed.
  //
  // Copies record `recno` whatever the filter and deletion hiding (see
  // Record::deleted()). NotFound when the table has no record of that
  // number.
  Status Read(uint32_t recno, Record* record) const;
  // The memo of a record read by Read. REQUIRES: read from this table.
  Status ReadMemo(const Record& record, std::string_view field, std::string* text) const;
  // Appends to *recnos the numbers of up to `count` visible records (the
  // current order, filter, scope and deletion hiding) that follow record
  // `from` in the order, walking forward or backward; `from` 0 starts at
  // the first (backward: the last) visible record, inclusive. The walk
  // starts from `from`'s place in the order even when the filter hides it.
  // Fewer than `count` when the order ends; NotFound when there is no
  // record `from`.
  // The current record's changes are written first, as a move would, so
  // that the order includes them; the current record, Bof and Eof are left
  // as they are.
  Status VisibleRecords(uint32_t from, bool forward, size_t count, std::vector<uint32_t>* recnos);

  // ---- Deletion marks.
  Status Delete();
  Status Recall();
  bool Deleted() const;
  // Hides records carrying the deletion mark (on by default).
  void SetDeleted(bool hide);
  bool deleted_hidden() const;

  // ---- Tags of the structural index, beside the table under its name
  // with the extension .CDX (in the case CompanionFileName gives).
  // Creates or replaces a tag and keeps it current from then on.
  Status IndexTag(const TagSpec& tag);
  // Creates or replaces several tags, reading the table once; progress is
  // reported per tag in the order given.
  Status IndexTags(const std::vector<TagSpec>& tags);
  size_t TagCount() const;
  TagInfo Tag(size_t area) const;  // REQUIRES: 1 <= area <= TagCount()
  // The 1-based position of a tag, 0 when there is none of that name.
  int TagArea(std::string_view name) const;
  // 0 selects the natural (record-number) order. Keeps the current record.
  Status SetOrder(int area);
  // The current order: 0 natural, a tag's area, or -1 for the temporary index.
  int IndexOrd() const;
  // Path of the structural index file, "" when none is open.
  std::string IndexName() const;
  // Closes the structural index (and a temporary one); natural order.
  Status CloseIndexes();
  // OK, or why the structural index found beside the table was not opened
  // (it does not match the table, or is damaged).
  const Status& index_status() const;
  // Verifies every tag against the table: each record's key present once,
  // nothing else. Corruption names the first mismatch.
  Status CheckIndexes();

  // ---- A temporary index: a separate single-tag index file, made the
  // current order, empty until records are added with KeyAdd.
  Status CreateTemporaryIndex(const std::string& path, const std::string& key_expression);
  Status KeyAdd();
  // Closes and deletes the temporary index; natural order.
  Status CloseTemporaryIndex();

  // ---- Seek in the current order. Character keys compare over the length
  // given unless exact comparison is on; logical keys are "T"/"F"; numeric
  // and date keys are given as text. Lands on the first visible match;
  // without one, on the next higher key with soft seek, else at Eof.
  Status Seek(std::string_view key);
  bool Found() const;
  void SetExact(bool exact);
  bool exact() const;
  void SetSoftSeek(bool soft);

  // ---- Filters and scopes.
  // Hides records for which `expression` is false; "" clears. Invalid
  // expressions leave the previous filter in force.
  Status SetFilter(std::string_view expression);
  const std::string& filter() const;
  // Number of visible records under filter, scope and deletion hiding.
  Status QueryRecCount(uint32_t* count);
  // InvalidArgument with the compiler's message when the expression is not
  // a valid logical expression for this table.
  Status CheckExpression(std::string_view expression) const;
  Status EvalLogical(std::string_view expression, bool* result) const;
  // Limits the current order to keys from `low` to `high` (prefixes);
  // "" leaves that end open. Cleared by SetOrder.
  Status SetScope(std::string_view low, std::string_view high);
  void ClearScope();

  // ---- Maintenance.
  // Removes marked records and rebuilds every tag.
  Status Pack();
  // Removes every record.
  Status Zap();
  void SetProgressHook(ProgressHook hook);

  class Impl;

 private:
  explicit Table(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace xbase
