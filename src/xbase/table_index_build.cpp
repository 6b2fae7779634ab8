// Building and checking tags in bulk: keys are gathered from the records,
// sorted and (for building) encoded into tree pages on worker threads, a few
// tags per pass over the table, while the calling thread writes finished
// tags in order. Also the bulk count of
// visible records, split the same way.
#include <algorithm>
#include <functional>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "cdx_allocator.h"
#include "table_impl.h"

namespace xbase {

// Records read per system call during scans.
constexpr size_t kScanChunkBytes = 1 << 20;

Status ScanRecords(const DbfFile& dbf, uint32_t first, uint32_t last,
                   const std::function<void(const char*, uint32_t)>& fn) {
  uint32_t length = dbf.record_length();
  uint32_t per_chunk = std::max<uint32_t>(1, static_cast<uint32_t>(kScanChunkBytes / length));
  std::vector<char> buffer(static_cast<size_t>(per_chunk) * length);
  for (uint32_t at = first; at <= last && at != 0;) {
    uint32_t n = std::min(per_chunk, last - at + 1);
    XBASE_RETURN_IF_ERROR(dbf.ReadRecords(at, n, buffer.data()));
    for (uint32_t i = 0; i < n; ++i) fn(buffer.data() + static_cast<size_t>(i) * length, at + i);
    if (last - at + 1 == n) break;
    at += n;
  }
  return Status::OK();
}

namespace {

// Tags read together in one pass over the records, at most.
constexpr size_t kTagsPerPass = 5;
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
  std::vector<KeyBatch> batches;  // when checking
  std::vector<TagImage> images;   // when building
  Status status;
  bool ready = false;
};

// What a pass hands over: the sorted keys, or the tag images made of them.
enum class GatherResult { kSortedKeys, kImages };

// Runs gather passes on worker threads; Take(i) waits for pass i.
class KeyGatherer {
 public:
  // `records`, when not empty, holds every record of `dbf` back to back
  // (the table's mapping), read instead of the file.
  KeyGatherer(const std::vector<ActiveTag>& tags, const DbfFile& dbf, std::string_view records, GatherResult result)
      : tags_(tags), dbf_(dbf), records_(records), result_(result) {
    // As many passes as every worker can take the same number of, the tags
    // spread evenly over them.
    const size_t workers_wanted = WorkerCount(dbf.record_count());
    size_t count = (tags.size() + kTagsPerPass - 1) / kTagsPerPass;
    count = std::min(tags.size(), (count + workers_wanted - 1) / workers_wanted * workers_wanted);
    for (size_t p = 0; p < count; ++p) {
      passes_.push_back(Pass{p * tags.size() / count, (p + 1) * tags.size() / count, {}, {}, {}, false});
    }
    size_t workers = std::min(workers_wanted, passes_.size());
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

  // Waits for pass i and hands over its sorted batches (or the read error).
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
      std::vector<KeyBatch> batches;
      std::vector<TagImage> images;
      Status status = Gather(passes_[i].first_tag, passes_[i].end_tag, &batches);
      if (status.ok() && result_ == GatherResult::kImages) status = Encode(passes_[i].first_tag, &batches, &images);
      std::lock_guard<std::mutex> lock(mutex_);
      passes_[i].batches = std::move(batches);
      passes_[i].images = std::move(images);
      passes_[i].status = std::move(status);
      passes_[i].ready = true;
      changed_.notify_all();
    }
  }

  Status Gather(size_t first, size_t end, std::vector<KeyBatch>* batches) const {
    for (size_t t = first; t < end; ++t) {
      batches->emplace_back(tags_[t].definition.key_length, dbf_.record_count());
    }
    auto add_keys = [&](const char* data, uint32_t n) {
      RecordRef record{data, n, false};
      for (size_t t = first; t < end; ++t) {
        const ActiveTag& tag = tags_[t];
        if (tag.condition && !tag.condition->EvaluateLogical(record)) continue;
        tag.key->EvaluateKey(record, (*batches)[t - first].Append(n));
      }
    };
    if (records_.empty()) {
      XBASE_RETURN_IF_ERROR(ScanRecords(dbf_, 1, dbf_.record_count(), add_keys));
    } else {
      const size_t length = dbf_.record_length();
      for (uint32_t n = 1; n <= dbf_.record_count(); ++n) add_keys(records_.data() + (n - 1) * length, n);
    }
    for (KeyBatch& b : *batches) b.Sort();
    return Status::OK();
  }

  // Turns the batches of the pass starting at tag `first` into images,
  // releasing each batch once encoded.
  Status Encode(size_t first, std::vector<KeyBatch>* batches, std::vector<TagImage>* images) const {
    images->resize(batches->size());
    for (size_t b = 0; b < batches->size(); ++b) {
      XBASE_RETURN_IF_ERROR(
          TagImage::Encode((*batches)[b], tags_[first + b].definition.character_keys, &(*images)[b]));
      (*batches)[b] = KeyBatch(0, 0);
    }
    batches->clear();
    return Status::OK();
  }

  const std::vector<ActiveTag>& tags_;
  const DbfFile& dbf_;
  const std::string_view records_;
  const GatherResult result_;
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

// Compares each tag with its keys as its pass finishes.
Status CheckTagsInPasses(const DbfFile& dbf, const std::vector<ActiveTag>& check_tags, CompoundIndex* index) {
  KeyGatherer gatherer(check_tags, dbf, {}, GatherResult::kSortedKeys);
  for (size_t p = 0; p < gatherer.pass_count(); ++p) {
    Pass pass = gatherer.Take(p);
    XBASE_RETURN_IF_ERROR(pass.status);
    for (size_t t = pass.first_tag; t < pass.end_tag; ++t) {
      std::unique_ptr<TagCursor> cursor = index->NewCursor(t);
      XBASE_RETURN_IF_ERROR(
          CompareTag(check_tags[t], cursor.get(), pass.batches[t - pass.first_tag]));
    }
  }
  return Status::OK();
}

// Every record of `dbf` as one view of its mapping, or empty when there is
// none. Several passes read the records: the mapping is faulted in once,
// where reading copies them again for every pass.
std::string_view MappedRecords(DbfFile* dbf) {
  const uint32_t count = dbf->record_count();
  std::string_view first, last;
  if (count == 0 || !dbf->RecordView(count, &last).ok() || !dbf->RecordView(1, &first).ok()) return {};
  const size_t length = dbf->record_length();
  if (last.data() != first.data() + (count - 1) * length) return {};
  return {first.data(), count * length};
}

// Writes each tag as its pass finishes, in the order of `tags`.
Status WriteTagsInPasses(DbfFile* dbf, const std::vector<ActiveTag>& tags, const ProgressFn& report,
                         CompoundIndex* index) {
  KeyGatherer gatherer(tags, *dbf, MappedRecords(dbf), GatherResult::kImages);
  for (size_t p = 0; p < gatherer.pass_count(); ++p) {
    Pass pass = gatherer.Take(p);
    XBASE_RETURN_IF_ERROR(pass.status);
    for (size_t t = pass.first_tag; t < pass.end_tag; ++t) {
      if (report) report(0);
      XBASE_RETURN_IF_ERROR(index->CreateTag(tags[t].definition, &pass.images[t - pass.first_tag], report));
    }
  }
  return Status::OK();
}

}  // namespace

Status Table::Impl::WriteTags(CompoundIndex* index, const std::vector<ActiveTag>& new_tags) {
  ProgressFn report;
  if (progress) report = [this](int percent) { progress(ProgressPhase::kIndexing, percent); };
  Status s = WriteTagsInPasses(dbf.get(), new_tags, report, index);
  cdx::ReleaseBlockCache();
  return s;
}

Status Table::Impl::CheckTags(const std::vector<ActiveTag>& check_tags, CompoundIndex* index) {
  Status s = CheckTagsInPasses(*dbf, check_tags, index);
  cdx::ReleaseBlockCache();
  return s;
}

Status CountVisibleRecords(Table::Impl& table, uint32_t* count) {
  *count = 0;
  const DbfFile& dbf = *table.dbf;
  uint32_t total = dbf.record_count();
  const Expression* filter = table.filter.get();
  bool hide_deleted = table.hide_deleted;
  bool exact = table.exact;
  size_t workers = WorkerCount(total);
  std::vector<uint32_t> partial(workers, 0);
  std::vector<Status> statuses(workers);
  auto count_range = [&](size_t w, uint32_t from, uint32_t to) {
    statuses[w] = ScanRecords(dbf, from, to, [&](const char* record, uint32_t n) {
      if (hide_deleted && record[0] == '*') return;
      if (filter && !filter->EvaluateLogical(RecordRef{record, n, exact})) return;
      ++partial[w];
    });
  };
  uint32_t share = total / static_cast<uint32_t>(workers);
  std::vector<std::thread> threads;
  for (size_t w = 1; w < workers; ++w) {
    uint32_t from = static_cast<uint32_t>(w) * share + 1;
    uint32_t to = w + 1 == workers ? total : from + share - 1;
    threads.emplace_back(count_range, w, from, to);
  }
  count_range(0, 1, workers == 1 ? total : share);
  for (std::thread& t : threads) t.join();
  for (size_t w = 0; w < workers; ++w) {
    XBASE_RETURN_IF_ERROR(statuses[w]);
    *count += partial[w];
  }
  return Status::OK();
}

}  // namespace xbase
