// Building and checking tags in bulk: keys are gathered from the records and
// sorted on worker threads, a few tags per pass over the table, while the
// calling thread writes finished tags in order. Also the bulk count of
// visible records, split the same way.
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "table_impl.h"

namespace xbase {
namespace {

// Tags read together in one pass over the records.
constexpr size_t kTagsPerPass = 4;
// Passes gathered ahead of the writer at most, to bound memory.
constexpr size_t kPassesAhead = 3;
// Below this many records one thread does all the work.
constexpr uint32_t kParallelThreshold = 50000;

size_t WorkerCount(uint32_t records) {
  if (records < kParallelThreshold) return 1;
  return std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
}

struct Pass {
  size_t first_tag = 0;
  size_t end_tag = 0;
  std::vector<KeyBatch> batches;
  bool ready = false;
};

// Runs gather passes on worker threads; Take(i) waits for pass i.
class KeyGatherer {
 public:
  KeyGatherer(const std::vector<ActiveTag>& tags, const char* records, uint32_t count,
              uint32_t record_length)
      : tags_(tags), records_(records), count_(count), record_length_(record_length) {
    for (size_t first = 0; first < tags.size(); first += kTagsPerPass) {
      passes_.push_back(Pass{first, std::min(first + kTagsPerPass, tags.size()), {}, false});
    }
    size_t workers = std::min(WorkerCount(count), passes_.size());
    for (size_t i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
  }

  ~KeyGatherer() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& t : threads_) t.join();
  }

  size_t pass_count() const { return passes_.size(); }

  // Waits for pass i and hands over its sorted batches.
  Pass Take(size_t i) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return passes_[i].ready; });
    Pass pass = std::move(passes_[i]);
    taken_ = i + 1;
    changed_.notify_all();
    return pass;
  }

 private:
  void Work() {
    for (;;) {
      size_t i;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] {
          return stopping_ || next_ >= passes_.size() || next_ < taken_ + kPassesAhead;
        });
        if (stopping_ || next_ >= passes_.size()) return;
        i = next_++;
      }
      std::vector<KeyBatch> batches = Gather(passes_[i].first_tag, passes_[i].end_tag);
      std::lock_guard<std::mutex> lock(mutex_);
      passes_[i].batches = std::move(batches);
      passes_[i].ready = true;
      changed_.notify_all();
    }
  }

  std::vector<KeyBatch> Gather(size_t first, size_t end) const {
    std::vector<KeyBatch> batches;
    for (size_t t = first; t < end; ++t) {
      batches.emplace_back(tags_[t].definition.key_length, count_);
    }
    for (uint32_t n = 1; n <= count_; ++n) {
      RecordRef record{records_ + static_cast<size_t>(n - 1) * record_length_, n, false};
      for (size_t t = first; t < end; ++t) {
        const ActiveTag& tag = tags_[t];
        if (tag.condition && !tag.condition->EvaluateLogical(record)) continue;
        tag.key->EvaluateKey(record, batches[t - first].Append(n));
      }
    }
    for (KeyBatch& b : batches) b.Sort();
    return batches;
  }

  const std::vector<ActiveTag>& tags_;
  const char* records_;
  uint32_t count_;
  uint32_t record_length_;
  std::vector<Pass> passes_;
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_ = 0;
  size_t taken_ = 0;
  bool stopping_ = false;
};

// Compares a tag's entries, in the tag's walking order, with sorted keys.
Status CompareTag(const ActiveTag& tag, TagCursor* cursor, const KeyBatch& keys) {
  const std::string& name = tag.definition.name;
  XBASE_RETURN_IF_ERROR(cursor->First());
  size_t n = keys.size();
  for (size_t i = 0; i < n; ++i) {
    size_t at = tag.definition.descending ? n - 1 - i : i;
    if (!cursor->Valid()) {
      return Status::Corruption("tag " + name + " lacks the key of record " +
                                std::to_string(keys.recno(at)));
    }
    if (cursor->recno() != keys.recno(at) || cursor->key() != keys.key(at)) {
      return Status::Corruption("tag " + name + " has a wrong entry for record " +
                                std::to_string(cursor->recno()));
    }
    XBASE_RETURN_IF_ERROR(cursor->Next());
  }
  if (cursor->Valid()) {
    return Status::Corruption("tag " + name + " has an entry for record " +
                              std::to_string(cursor->recno()) + " that the table does not hold");
  }
  return Status::OK();
}

}  // namespace

Status RecordsView(DbfFile* dbf, const char** first) {
  *first = nullptr;
  uint32_t count = dbf->record_count();
  if (count == 0) return Status::OK();
  std::string_view one, last;
  XBASE_RETURN_IF_ERROR(dbf->RecordView(1, &one));
  XBASE_RETURN_IF_ERROR(dbf->RecordView(count, &last));
  if (last.data() != one.data() + static_cast<size_t>(count - 1) * dbf->record_length()) {
    return Status::IOError(dbf->path() + ": records are not mapped contiguously");
  }
  *first = one.data();
  return Status::OK();
}

Status Table::Impl::WriteTags(CompoundIndex* index, const std::vector<ActiveTag>& new_tags) {
  const char* records = nullptr;
  XBASE_RETURN_IF_ERROR(RecordsView(dbf.get(), &records));
  KeyGatherer gatherer(new_tags, records, dbf->record_count(), dbf->record_length());
  ProgressFn report;
  if (progress) report = [this](int percent) { progress(ProgressPhase::kIndexing, percent); };
  for (size_t p = 0; p < gatherer.pass_count(); ++p) {
    Pass pass = gatherer.Take(p);
    for (size_t t = pass.first_tag; t < pass.end_tag; ++t) {
      if (report) report(0);
      XBASE_RETURN_IF_ERROR(
          index->CreateTag(new_tags[t].definition, pass.batches[t - pass.first_tag], report));
      if (report) report(100);
    }
  }
  return Status::OK();
}

Status Table::Impl::CheckTags(const std::vector<ActiveTag>& check_tags, CompoundIndex* index) {
  const char* records = nullptr;
  XBASE_RETURN_IF_ERROR(RecordsView(dbf.get(), &records));
  KeyGatherer gatherer(check_tags, records, dbf->record_count(), dbf->record_length());
  for (size_t p = 0; p < gatherer.pass_count(); ++p) {
    Pass pass = gatherer.Take(p);
    for (size_t t = pass.first_tag; t < pass.end_tag; ++t) {
      std::unique_ptr<TagCursor> cursor = index->NewCursor(t);
      XBASE_RETURN_IF_ERROR(
          CompareTag(check_tags[t], cursor.get(), pass.batches[t - pass.first_tag]));
    }
  }
  return Status::OK();
}

Status CountVisibleRecords(Table::Impl& table, uint32_t* count) {
  *count = 0;
  const char* records = nullptr;
  XBASE_RETURN_IF_ERROR(RecordsView(table.dbf.get(), &records));
  uint32_t total = table.dbf->record_count();
  uint32_t length = table.dbf->record_length();
  const Expression* filter = table.filter.get();
  bool hide_deleted = table.hide_deleted;
  bool exact = table.exact;
  auto count_range = [&](uint32_t from, uint32_t to) {
    uint32_t visible = 0;
    for (uint32_t n = from; n <= to; ++n) {
      const char* record = records + static_cast<size_t>(n - 1) * length;
      if (hide_deleted && record[0] == '*') continue;
      if (filter && !filter->EvaluateLogical(RecordRef{record, n, exact})) continue;
      ++visible;
    }
    return visible;
  };
  size_t workers = WorkerCount(total);
  std::vector<uint32_t> partial(workers, 0);
  std::vector<std::thread> threads;
  uint32_t share = total / static_cast<uint32_t>(workers);
  for (size_t w = 1; w < workers; ++w) {
    uint32_t from = static_cast<uint32_t>(w) * share + 1;
    uint32_t to = w + 1 == workers ? total : from + share - 1;
    threads.emplace_back([&, w, from, to] { partial[w] = count_range(from, to); });
  }
  partial[0] = count_range(1, workers == 1 ? total : share);
  for (std::thread& t : threads) t.join();
  for (uint32_t p : partial) *count += p;
  return Status::OK();
}

}  // namespace xbase
