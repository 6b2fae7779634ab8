// The order of a label run's records, plain or by presort list.
#include "labels/printing/label_feed.h"

#include <utility>

#include "postal/presort_groups.h"
#include "postal/zip_key.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

// The "ZIP" tag holds upper-cased ZIP codes.
std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace

QString UnsortedSeparatorText(size_t records) {
  return QStringLiteral("** No presort ZIP: %1 %2")
      .arg(records)
      .arg(records == 1 ? QStringLiteral("record") : QStringLiteral("records"));
}

LabelFeed::LabelFeed(xbase::Table& table) : table_(table), presort_(false) {}

LabelFeed::LabelFeed(xbase::Table& table, std::vector<std::string> lines, std::vector<uint32_t> unsorted)
    : table_(table),
      presort_(true),
      lines_(std::move(lines)),
      unsorted_(std::move(unsorted)),
      saved_order_(table.IndexOrd()),
      saved_exact_(table.exact()) {}

LabelFeed::~LabelFeed() {
  if (!presort_) return;
  table_.SetExact(saved_exact_);
  (void)table_.SetOrder(saved_order_);
}

xbase::Status LabelFeed::Start() {
  if (!presort_) {
    kind_ = table_.Eof() ? Kind::kEnd : Kind::kRecord;
    return xbase::Status::OK();
  }
  const int zip_order = table_.TagArea("ZIP");
  if (zip_order == 0) return xbase::Status::InvalidArgument("the address table has no ZIP order");
  XBASE_RETURN_IF_ERROR(table_.SetOrder(zip_order));
  table_.SetExact(false);
  return TakeNextLine();
}

xbase::Status LabelFeed::Advance() {
  if (!presort_) {
    XBASE_RETURN_IF_ERROR(table_.Skip(1));
    kind_ = table_.Eof() ? Kind::kEnd : Kind::kRecord;
    return xbase::Status::OK();
  }
  if (in_unsorted_) return GoToUnsorted();
  if (kind_ == Kind::kSeparator) return TakeNextLine();
  XBASE_RETURN_IF_ERROR(table_.Skip(1));
  bool found = false;
  XBASE_RETURN_IF_ERROR(FindKeyRecord(&found));
  return found ? xbase::Status::OK() : TakeNextLine();
}

xbase::Status LabelFeed::TakeNextLine() {
  while (next_line_ < lines_.size()) {
    std::string line = lines_[next_line_++];
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find(kSeparatorMark) != std::string::npos) {
      separator_ = QString::fromStdString(line);
      kind_ = Kind::kSeparator;
      return xbase::Status::OK();
    }
    // An empty key would find every record, and records without a ZIP
    // print with the unsorted ones.
    if (line.empty()) continue;
    key_ = line;
    XBASE_RETURN_IF_ERROR(table_.Seek(Upper(key_)));
    bool found = false;
    XBASE_RETURN_IF_ERROR(FindKeyRecord(&found));
    if (found) return xbase::Status::OK();
  }
  return StartUnsorted();
}

xbase::Status LabelFeed::FindKeyRecord(bool* found) {
  // The seek lands on the first ZIP that begins with the key; records
  // whose ZIP merely begins with it (12345 for the key 1234) or differs
  // from it only in case share that stretch of the order and are passed.
  const std::string upper_key = Upper(key_);
  *found = false;
  while (!table_.Eof()) {
    XBASE_RETURN_IF_ERROR(table_.RecordStatus());
    const std::string zip = table_.GetTrimString("ZIP");
    if (!Upper(zip).starts_with(upper_key)) break;
    if (ZipKey(zip) == key_) {
      *found = true;
      kind_ = Kind::kRecord;
      return xbase::Status::OK();
    }
    XBASE_RETURN_IF_ERROR(table_.Skip(1));
  }
  return xbase::Status::OK();
}

xbase::Status LabelFeed::StartUnsorted() {
  in_unsorted_ = true;
  if (unsorted_.empty()) {
    kind_ = Kind::kEnd;
    return xbase::Status::OK();
  }
  separator_ = UnsortedSeparatorText(unsorted_.size());
  kind_ = Kind::kSeparator;
  return xbase::Status::OK();
}

xbase::Status LabelFeed::GoToUnsorted() {
  while (next_unsorted_ < unsorted_.size()) {
    XBASE_RETURN_IF_ERROR(table_.Go(unsorted_[next_unsorted_++]));
    if (!table_.Eof()) {
      kind_ = Kind::kRecord;
      return xbase::Status::OK();
    }
  }
  kind_ = Kind::kEnd;
  return xbase::Status::OK();
}

}  // namespace vellumo
