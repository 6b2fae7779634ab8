// Table: opening and closing, the current record's fields, appending,
// replacing, deletion marks and commit.
#include "xbase/table.h"

#include "record_fields.h"
#include "table_impl.h"

namespace xbase {
namespace {

Env* EnvOrDefault(Env* env) { return env != nullptr ? env : Env::Default(); }

Status OpenMemo(Env* env, const std::string& path, const DbfFile& dbf, bool writable,
                LockMode lock, std::unique_ptr<MemoFile>* memo) {
  if (!dbf.schema().has_memo_fields()) return Status::OK();
  bool dbt = dbf.dialect() == DbfDialect::kDBase3 || dbf.dialect() == DbfDialect::kDBase4;
  std::string extension = dbt ? ".DBT" : ".FPT";
  std::string memo_path = FindCompanionFile(env, path, extension);
  if (memo_path.empty()) {
    return Status::NotFound("the memo file " + CompanionFileName(path, extension) + " is missing");
  }
  MemoFormat format = !dbt ? MemoFormat::kFpt
                      : dbf.dialect() == DbfDialect::kDBase3 ? MemoFormat::kDbt3
                                                             : MemoFormat::kDbt4;
  return MemoFile::Open(env, memo_path, format, writable && !dbt, lock, memo);
}

}  // namespace

Table::Table(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Table::~Table() {
  if (impl_->dbf) (void)Close();
}

Status Table::Create(const std::string& path, const std::vector<FieldDef>& fields,
                     const CreateOptions& options) {
  Env* env = EnvOrDefault(options.env);
  std::unique_ptr<DbfFile> dbf;
  XBASE_RETURN_IF_ERROR(DbfFile::Create(env, path, fields, LockMode::kExclusive, &dbf));
  if (dbf->schema().has_memo_fields()) {
    std::unique_ptr<MemoFile> memo;
    // A memo file left by an earlier table of that name is overwritten
    // under its own name, not joined by a second one differing in case.
    Status s = MemoFile::CreateFpt(env, CompanionFilePath(env, path, ".FPT"),
                                   MemoFile::kDefaultFptBlockSize, LockMode::kExclusive, &memo);
    if (!s.ok()) {
      dbf.reset();
      (void)env->RemoveFile(path);
      return s;
    }
  }
  // A stale index of an earlier table by that name must not be taken for ours.
  std::string old_index = FindCompanionFile(env, path, ".CDX");
  if (!old_index.empty()) XBASE_RETURN_IF_ERROR(env->RemoveFile(old_index));
  return Status::OK();
}

Status Table::Open(const std::string& path, const OpenOptions& options,
                   std::unique_ptr<Table>* result) {
  auto impl = std::make_unique<Impl>();
  impl->env = EnvOrDefault(options.env);
  impl->path = path;
  impl->read_only = options.read_only || !options.exclusive;
  impl->lock = options.exclusive ? LockMode::kExclusive : LockMode::kShared;
  impl->durable_commits = options.durable_commits;
  XBASE_RETURN_IF_ERROR(
      DbfFile::Open(impl->env, path, !impl->read_only, impl->lock, &impl->dbf));
  XBASE_RETURN_IF_ERROR(
      OpenMemo(impl->env, path, *impl->dbf, !impl->read_only, impl->lock, &impl->memo));
  XBASE_RETURN_IF_ERROR(impl->OpenStructuralIndex());
  impl->buffer = impl->dbf->BlankRecord();
  result->reset(new Table(std::move(impl)));
  return (*result)->GoTop();
}

Status Table::Close() {
  if (!impl_->dbf) return Status::OK();
  Status s = Status::OK();
  if (!impl_->read_only) {
    impl_->durable_commits = true;
    if (impl_->unsynced) s = impl_->MarkWriting();  // makes Commit write and sync
    if (s.ok()) s = Commit();
  }
  Status t = CloseIndexes();
  impl_->memo.reset();
  impl_->dbf.reset();
  return s.ok() ? t : s;
}

const std::string& Table::path() const { return impl_->path; }
const Schema& Table::schema() const { return impl_->dbf->schema(); }
bool Table::read_only() const { return impl_->read_only; }
int Table::FieldIndex(std::string_view name) const { return schema().FieldIndex(name); }

const FieldDef* Table::Impl::FindField(std::string_view name) const {
  int i = dbf->schema().FieldIndex(name);
  return i < 0 ? nullptr : &dbf->schema().field(static_cast<size_t>(i));
}

void Table::Impl::SetEof() {
  recno = dbf->record_count() + 1;
  eof = true;
  buffer = dbf->BlankRecord();
  loaded = true;
  record_status = Status::OK();
  dirty = false;
  appended = false;
  cursor_on_record = false;
}

Status Table::Impl::LoadRecord(uint32_t number) {
  if (number < 1 || number > dbf->record_count()) {
    return Status::Corruption(path + ": there is no record " + std::to_string(number));
  }
  // The bytes are read when a field is first asked for: moving through
  // records in an order need not touch them.
  loaded = false;
  record_status = Status::OK();
  recno = number;
  eof = false;
  dirty = false;
  appended = false;
  return Status::OK();
}

const std::string& Table::Impl::Record() const {
  if (!loaded) {
    // The record number was checked on the move, so the file holds it.
    std::string_view view;
    record_status = dbf->RecordView(recno, &view);
    if (record_status.ok()) {
      buffer.assign(view);
    } else {
      buffer = dbf->BlankRecord();
    }
    loaded = true;
  }
  return buffer;
}

Status Table::Impl::FlushRecord() {
  if (!dirty && !appended) return Status::OK();
  XBASE_RETURN_IF_ERROR(MarkWriting());
  if (appended) {
    uint32_t number = 0;
    XBASE_RETURN_IF_ERROR(dbf->AppendRecord(buffer, &number));
    recno = number;
    NoteDeletionMark(number, buffer[0] == '*');
    XBASE_RETURN_IF_ERROR(UpdateTags(nullptr, &buffer, number));
  } else {
    XBASE_RETURN_IF_ERROR(dbf->WriteRecord(recno, buffer));
    NoteDeletionMark(recno, buffer[0] == '*');
    XBASE_RETURN_IF_ERROR(UpdateTags(&original, &buffer, recno));
  }
  dirty = false;
  appended = false;
  cursor_on_record = false;
  return Status::OK();
}

uint32_t Table::RecNo() const { return impl_->recno; }
uint32_t Table::RecCount() const {
  return impl_->dbf->record_count() + (impl_->appended ? 1 : 0);
}
bool Table::Bof() const { return impl_->bof; }
bool Table::Eof() const { return impl_->eof; }

std::string Table::GetString(std::string_view field) const {
  return FieldString(schema(), impl_->Record().data(), field);
}

std::string Table::GetTrimString(std::string_view field) const {
  return FieldTrimString(schema(), impl_->Record().data(), field);
}

bool Table::GetLogical(std::string_view field) const {
  return FieldLogical(schema(), impl_->Record().data(), field);
}

Status Table::Impl::ReadMemo(const char* record, std::string_view field, std::string* text) const {
  text->clear();
  const FieldDef* f = FindField(field);
  if (f == nullptr || !DbfFile::IsMemoField(*f)) {
    return Status::InvalidArgument(std::string(field) + " is not a memo field");
  }
  if (!memo) return Status::NotFound("the table has no memo file");
  uint32_t block = 0;
  XBASE_RETURN_IF_ERROR(DbfFile::MemoBlock(*f, record, &block));
  return block == 0 ? Status::OK() : memo->Read(block, text);
}

Status Table::GetMemo(std::string_view field, std::string* text) const {
  return impl_->ReadMemo(impl_->Record().data(), field, text);
}

Status Table::Read(uint32_t number, Record* record) const {
  const Impl& t = *impl_;
  record->schema_ = &schema();
  record->recno_ = number;
  record->bytes_.clear();
  if (!t.eof && number == t.recno) {
    // The current record as the user sees it, changes included; also a
    // new record not yet written.
    record->bytes_ = t.Record();
    return Status::OK();
  }
  if (number < 1 || number > t.dbf->record_count()) {
    return Status::NotFound(t.path + " has no record " + std::to_string(number));
  }
  std::string_view view;
  XBASE_RETURN_IF_ERROR(t.dbf->RecordView(number, &view));
  record->bytes_.assign(view);
  return Status::OK();
}

Status Table::ReadMemo(const Record& record, std::string_view field, std::string* text) const {
  if (record.schema_ != &schema()) {
    text->clear();
    return Status::InvalidArgument("the record was not read from " + impl_->path);
  }
  return impl_->ReadMemo(record.bytes_.data(), field, text);
}

std::string_view Table::RecordBuffer() const { return impl_->Record(); }

Status Table::RecordStatus() const {
  impl_->Record();
  return impl_->record_status;
}

void Table::Impl::BeginChange() {
  if (!dirty && !appended) original = Record();
}

Status Table::Replace(std::string_view field, std::string_view value) {
  if (impl_->read_only) return Status::InvalidArgument(impl_->path + " is open read-only");
  if (impl_->eof) return Status::InvalidArgument("no current record");
  impl_->BeginChange();
  const FieldDef* f = impl_->FindField(field);
  if (f == nullptr) return Status::InvalidArgument("no field named " + std::string(field));
  if (DbfFile::IsMemoField(*f)) {
    if (!impl_->memo) return Status::NotFound("the table has no memo file");
    XBASE_RETURN_IF_ERROR(impl_->MarkWriting());
    // A damaged old pointer is not reused: the text goes to new blocks.
    uint32_t block = 0;
    if (!DbfFile::MemoBlock(*f, impl_->buffer.data(), &block).ok()) block = 0;
    XBASE_RETURN_IF_ERROR(impl_->memo->Write(value, &block));
    DbfFile::StoreMemoBlock(*f, block, impl_->buffer.data());
  } else {
    XBASE_RETURN_IF_ERROR(DbfFile::StoreText(*f, value, impl_->buffer.data()));
  }
  impl_->dirty = true;
  return Status::OK();
}

Status Table::ReplaceLogical(std::string_view field, bool value) {
  return Replace(field, value ? "T" : "F");
}

Status Table::AppendBlank() {
  if (impl_->read_only) return Status::InvalidArgument(impl_->path + " is open read-only");
  XBASE_RETURN_IF_ERROR(impl_->FlushRecord());
  impl_->buffer = impl_->dbf->BlankRecord();
  impl_->loaded = true;
  impl_->appended = true;
  impl_->dirty = false;
  impl_->recno = impl_->dbf->record_count() + 1;
  impl_->eof = false;
  impl_->bof = false;
  impl_->cursor_on_record = false;
  return Status::OK();
}

Status Table::Commit() {
  if (impl_->read_only) return Status::OK();
  XBASE_RETURN_IF_ERROR(impl_->FlushRecord());
  if (!impl_->stamp_writing) return Status::OK();
  // The memo header first, so that a committed record never points past it.
  if (impl_->memo) XBASE_RETURN_IF_ERROR(impl_->memo->Flush(impl_->durable_commits));
  XBASE_RETURN_IF_ERROR(impl_->dbf->Commit(impl_->durable_commits));
  impl_->unsynced = !impl_->durable_commits;
  if (impl_->temp_cdx) XBASE_RETURN_IF_ERROR(impl_->temp_cdx->Flush());
  return impl_->WriteCleanStamp();
}

Status Table::Delete() {
  if (impl_->eof) return Status::InvalidArgument("no current record");
  if (impl_->read_only) return Status::InvalidArgument(impl_->path + " is open read-only");
  impl_->BeginChange();
  impl_->buffer[0] = '*';
  impl_->dirty = true;
  return impl_->FlushRecord();
}

Status Table::Recall() {
  if (impl_->eof) return Status::InvalidArgument("no current record");
  if (impl_->read_only) return Status::InvalidArgument(impl_->path + " is open read-only");
  impl_->BeginChange();
  impl_->buffer[0] = ' ';
  impl_->dirty = true;
  return impl_->FlushRecord();
}

bool Table::Deleted() const { return !impl_->eof && impl_->Record()[0] == '*'; }
void Table::SetDeleted(bool hide) { impl_->hide_deleted = hide; }
bool Table::deleted_hidden() const { return impl_->hide_deleted; }
void Table::SetProgressHook(ProgressHook hook) { impl_->progress = std::move(hook); }

}  // namespace xbase
