// Table: moving through records in natural or tag order under deletion
// hiding, filter and scope; seek; filters and visible-record counts.
#include "table_impl.h"

namespace xbase {
namespace {

// Keys within a scope bound, compared over the bound's length.
bool BelowLow(std::string_view key, const std::string& low) {
  return !low.empty() && key.substr(0, low.size()) < std::string_view(low);
}
bool AboveHigh(std::string_view key, const std::string& high) {
  return !high.empty() && key.substr(0, high.size()) > std::string_view(high);
}

}  // namespace

const ActiveTag* Table::Impl::OrderTag() const {
  if (order > 0) return &tags[static_cast<size_t>(order - 1)];
  if (order < 0) return &temp_tag;
  return nullptr;
}

Status Table::Impl::Visible(uint32_t number, bool* visible) {
  if (!filter) {
    bool deleted = false;
    if (hide_deleted) XBASE_RETURN_IF_ERROR(DeletionMark(number, &deleted));
    *visible = !deleted;
    return Status::OK();
  }
  std::string_view record;
  XBASE_RETURN_IF_ERROR(dbf->RecordView(number, &record));
  *visible = !(hide_deleted && record[0] == '*') &&
             filter->EvaluateLogical(RecordRef{record.data(), number, exact});
  return Status::OK();
}

Status Table::Impl::DeletionMark(uint32_t number, bool* deleted) {
  if (!deletion_marks_known) {
    deletion_marks.assign(dbf->record_count() / 64 + 1, 0);
    XBASE_RETURN_IF_ERROR(ScanRecords(*dbf, 1, dbf->record_count(), [this](const char* r, uint32_t n) {
      if (r[0] == '*') deletion_marks[n / 64] |= uint64_t{1} << (n % 64);
    }));
    deletion_marks_known = true;
  }
  if (number / 64 < deletion_marks.size()) {
    *deleted = (deletion_marks[number / 64] >> (number % 64)) & 1;
    return Status::OK();
  }
  std::string_view record;
  XBASE_RETURN_IF_ERROR(dbf->RecordView(number, &record));
  *deleted = record[0] == '*';
  return Status::OK();
}

void Table::Impl::NoteDeletionMark(uint32_t number, bool deleted) {
  if (!deletion_marks_known) return;
  if (number / 64 >= deletion_marks.size()) deletion_marks.resize(number / 64 + 1, 0);
  uint64_t bit = uint64_t{1} << (number % 64);
  if (deleted) {
    deletion_marks[number / 64] |= bit;
  } else {
    deletion_marks[number / 64] &= ~bit;
  }
}

std::unique_ptr<TagCursor> Table::Impl::NewOrderCursor() const {
  if (order > 0) return cdx->NewCursor(static_cast<size_t>(order - 1));
  if (order < 0) return temp_cdx->NewCursor(0);
  return nullptr;
}

Status Table::Impl::PlaceCursor(TagCursor* walk, const char* record, uint32_t number) {
  std::string key;
  if (OrderTag()->KeyOf(RecordRef{record, number, exact}, &key)) {
    Status s = walk->SeekEntry(key, number);
    if (!s.IsNotFound()) return s;
  }
  // The record is not in the tag (its condition is false): continue from
  // where its key would be.
  return walk->Seek(key);
}

Status Table::Impl::OrderFirst(TagCursor* walk, uint32_t* number) {
  *number = 0;
  if (order == 0) {
    if (dbf->record_count() > 0) *number = 1;
    return Status::OK();
  }
  XBASE_RETURN_IF_ERROR(scope_low.empty() ? walk->First() : walk->Seek(scope_low));
  if (walk->Valid() && !AboveHigh(walk->key(), scope_high)) *number = walk->recno();
  return Status::OK();
}

Status Table::Impl::OrderLast(TagCursor* walk, uint32_t* number) {
  *number = 0;
  if (order == 0) {
    *number = dbf->record_count();
    return Status::OK();
  }
  if (scope_high.empty()) {
    XBASE_RETURN_IF_ERROR(walk->Last());
  } else {
    // The last key within the high bound: seek past the bound, step back.
    std::string past = scope_high;
    past.push_back('\xff');
    XBASE_RETURN_IF_ERROR(walk->Seek(past));
    XBASE_RETURN_IF_ERROR(walk->Valid() ? walk->Prev() : walk->Last());
    while (walk->Valid() && AboveHigh(walk->key(), scope_high)) {
      XBASE_RETURN_IF_ERROR(walk->Prev());
    }
  }
  if (walk->Valid() && !BelowLow(walk->key(), scope_low)) *number = walk->recno();
  return Status::OK();
}

Status Table::Impl::OrderNext(TagCursor* walk, uint32_t from, bool forward, uint32_t* number) {
  *number = 0;
  if (order == 0) {
    uint32_t next = forward ? from + 1 : from - 1;
    if (next >= 1 && next <= dbf->record_count()) *number = next;
    return Status::OK();
  }
  XBASE_RETURN_IF_ERROR(forward ? walk->Next() : walk->Prev());
  if (walk->Valid() && !BelowLow(walk->key(), scope_low) && !AboveHigh(walk->key(), scope_high)) {
    *number = walk->recno();
  }
  return Status::OK();
}

// Puts the tag cursor on the current record's entry.
Status Table::Impl::PositionCursor() {
  if (cursor_on_record) return Status::OK();
  XBASE_RETURN_IF_ERROR(PlaceCursor(cursor.get(), Record().data(), recno));
  cursor_on_record = true;
  return Status::OK();
}

Status Table::Impl::OrderStep(bool forward, uint32_t* number) {
  if (order != 0) XBASE_RETURN_IF_ERROR(PositionCursor());
  return OrderNext(cursor.get(), recno, forward, number);
}

// Moves to the first (or last) visible record of the current order.
Status Table::Impl::GoToEnd(bool top) {
  XBASE_RETURN_IF_ERROR(FlushRecord());
  uint32_t number = 0;
  XBASE_RETURN_IF_ERROR(top ? OrderFirst(cursor.get(), &number) : OrderLast(cursor.get(), &number));
  cursor_on_record = true;
  bool visible = false;
  while (number != 0) {
    XBASE_RETURN_IF_ERROR(Visible(number, &visible));
    if (visible) break;
    recno = number;
    XBASE_RETURN_IF_ERROR(OrderStep(top, &number));
  }
  bof = false;
  if (number == 0) {
    SetEof();
    bof = true;
    return Status::OK();
  }
  XBASE_RETURN_IF_ERROR(LoadRecord(number));
  cursor_on_record = order != 0;
  return Status::OK();
}

Status Table::VisibleRecords(uint32_t from, bool forward, size_t count,
                             std::vector<uint32_t>* recnos) {
  Impl& t = *impl_;
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  if (from > t.dbf->record_count()) {
    return Status::NotFound(t.path + " has no record " + std::to_string(from));
  }
  // A cursor of its own, so that the table's stays where it is.
  std::unique_ptr<TagCursor> walk = t.NewOrderCursor();
  uint32_t number = 0;
  if (from == 0) {
    XBASE_RETURN_IF_ERROR(forward ? t.OrderFirst(walk.get(), &number) : t.OrderLast(walk.get(), &number));
  } else {
    if (walk) {
      std::string_view record;
      XBASE_RETURN_IF_ERROR(t.dbf->RecordView(from, &record));
      XBASE_RETURN_IF_ERROR(t.PlaceCursor(walk.get(), record.data(), from));
    }
    XBASE_RETURN_IF_ERROR(t.OrderNext(walk.get(), from, forward, &number));
  }
  for (; number != 0 && count > 0;) {
    bool visible = false;
    XBASE_RETURN_IF_ERROR(t.Visible(number, &visible));
    if (visible) {
      recnos->push_back(number);
      --count;
    }
    if (count > 0) XBASE_RETURN_IF_ERROR(t.OrderNext(walk.get(), number, forward, &number));
  }
  return Status::OK();
}

Status Table::GoTop() { return impl_->GoToEnd(true); }
Status Table::GoBottom() { return impl_->GoToEnd(false); }

Status Table::Skip(int64_t n) {
  Impl& t = *impl_;
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  if (n == 0) return t.eof ? Status::OK() : t.LoadRecord(t.recno);
  if (n > 0 && t.eof) return Status::OK();
  if (n < 0 && t.eof) {
    // Stepping back from the end lands on the last record.
    XBASE_RETURN_IF_ERROR(GoBottom());
    if (t.eof) return Status::OK();
    ++n;
  }
  bool forward = n > 0;
  uint64_t steps = forward ? static_cast<uint64_t>(n) : static_cast<uint64_t>(-n);
  t.bof = false;
  for (uint64_t i = 0; i < steps; ++i) {
    uint32_t number = 0;
    bool visible = false;
    uint32_t here = t.recno;
    for (;;) {
      XBASE_RETURN_IF_ERROR(t.OrderStep(forward, &number));
      if (number == 0) break;
      t.recno = number;
      XBASE_RETURN_IF_ERROR(t.Visible(number, &visible));
      if (visible) break;
    }
    if (number == 0) {
      if (forward) {
        t.SetEof();
        return Status::OK();
      }
      // Before the first: stay on the first visible record.
      XBASE_RETURN_IF_ERROR(t.LoadRecord(here));
      t.cursor_on_record = false;
      t.bof = true;
      return Status::OK();
    }
  }
  bool on_cursor = t.order != 0;
  XBASE_RETURN_IF_ERROR(t.LoadRecord(t.recno));
  t.cursor_on_record = on_cursor;
  return Status::OK();
}

Status Table::Go(uint32_t number) {
  Impl& t = *impl_;
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  t.bof = false;
  t.cursor_on_record = false;
  if (number < 1 || number > t.dbf->record_count()) {
    t.SetEof();
    return Status::OK();
  }
  return t.LoadRecord(number);
}

Status Table::Seek(std::string_view key) {
  Impl& t = *impl_;
  const ActiveTag* tag = t.OrderTag();
  if (tag == nullptr) return Status::InvalidArgument("seek needs an index order");
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  std::string wanted;
  XBASE_RETURN_IF_ERROR(SeekKeyFor(*tag, key, t.exact, &wanted));
  t.found = false;
  t.bof = false;
  XBASE_RETURN_IF_ERROR(t.cursor->Seek(wanted));
  t.cursor_on_record = true;
  bool visible = false;
  while (t.cursor->Valid() && !AboveHigh(t.cursor->key(), t.scope_high)) {
    if (BelowLow(t.cursor->key(), t.scope_low)) {
      XBASE_RETURN_IF_ERROR(t.cursor->Next());
      continue;
    }
    bool matches = t.cursor->key().substr(0, wanted.size()) == wanted;
    if (!matches && !t.soft_seek) break;
    XBASE_RETURN_IF_ERROR(t.Visible(t.cursor->recno(), &visible));
    if (visible) {
      t.found = matches;
      uint32_t number = t.cursor->recno();
      XBASE_RETURN_IF_ERROR(t.LoadRecord(number));
      t.cursor_on_record = true;
      return Status::OK();
    }
    XBASE_RETURN_IF_ERROR(t.cursor->Next());
  }
  t.SetEof();
  return Status::OK();
}

bool Table::Found() const { return impl_->found; }
void Table::SetExact(bool on) { impl_->exact = on; }
bool Table::exact() const { return impl_->exact; }
void Table::SetSoftSeek(bool soft) { impl_->soft_seek = soft; }

Status Table::SetFilter(std::string_view expression) {
  Impl& t = *impl_;
  if (expression.find_first_not_of(' ') == std::string_view::npos) {
    t.filter.reset();
    t.filter_text.clear();
    return Status::OK();
  }
  std::unique_ptr<Expression> compiled;
  XBASE_RETURN_IF_ERROR(CompileFilter(expression, schema(), &compiled));
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  t.filter = std::move(compiled);
  t.filter_text = std::string(expression);
  return Status::OK();
}

const std::string& Table::filter() const { return impl_->filter_text; }

Status Table::CheckExpression(std::string_view expression) const {
  std::unique_ptr<Expression> compiled;
  return CompileFilter(expression, schema(), &compiled);
}

Status Table::EvalLogical(std::string_view expression, bool* result) const {
  std::unique_ptr<Expression> compiled;
  XBASE_RETURN_IF_ERROR(CompileFilter(expression, schema(), &compiled));
  *result = compiled->EvaluateLogical(impl_->Ref(impl_->Record(), impl_->recno));
  return Status::OK();
}

Status Table::QueryRecCount(uint32_t* count) {
  Impl& t = *impl_;
  XBASE_RETURN_IF_ERROR(t.FlushRecord());
  *count = 0;
  if (t.order == 0 || (t.scope_low.empty() && t.scope_high.empty())) {
    return CountVisibleRecords(t, count);
  }
  // A scope limits the records to a key range: walk it.
  uint32_t saved = t.recno;
  bool saved_eof = t.eof;
  uint32_t number = 0;
  bool visible = false;
  XBASE_RETURN_IF_ERROR(t.OrderFirst(t.cursor.get(), &number));
  while (number != 0) {
    XBASE_RETURN_IF_ERROR(t.Visible(number, &visible));
    if (visible) ++*count;
    XBASE_RETURN_IF_ERROR(t.cursor->Next());
    number = t.cursor->Valid() && !AboveHigh(t.cursor->key(), t.scope_high) ? t.cursor->recno() : 0;
  }
  t.cursor_on_record = false;
  if (saved_eof) {
    t.SetEof();
    return Status::OK();
  }
  return t.LoadRecord(saved);
}

Status Table::SetScope(std::string_view low, std::string_view high) {
  Impl& t = *impl_;
  const ActiveTag* tag = t.OrderTag();
  if (tag == nullptr) return Status::InvalidArgument("a scope needs an index order");
  std::string low_key, high_key;
  if (!low.empty()) XBASE_RETURN_IF_ERROR(SeekKeyFor(*tag, low, false, &low_key));
  if (!high.empty()) XBASE_RETURN_IF_ERROR(SeekKeyFor(*tag, high, false, &high_key));
  t.scope_low = std::move(low_key);
  t.scope_high = std::move(high_key);
  return Status::OK();
}

void Table::ClearScope() {
  impl_->scope_low.clear();
  impl_->scope_high.clear();
}

}  // namespace xbase
