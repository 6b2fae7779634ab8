// Record tools: tags, clone, clipboard text and memo search.
#include "addressbook/address_book.h"

#include <vector>

#include "core/address_layout.h"
#include "core/messages.h"
#include "core/tag_id.h"
#include "core/text_codec.h"

namespace vellumo {
namespace {

// Memos are searched in their first 32767 bytes.
constexpr size_t kSearchedMemoBytes = 32767;

}  // namespace

bool AddressBook::ToggleTag() {
  if (!has_record() && !editing()) return false;
  const QString tag = CurrentIsTagged() ? QString() : tag_id_;
  if (editing()) {
    // Written with the rest of the record on Save.
    pending_.tag = tag;
    return true;
  }
  if (!Check(table_->Replace("TAG", ToTable(tag))) || !Check(table_->Commit())) return false;
  DropFilterIfEmpty();
  return true;
}

bool AddressBook::ClearTags() {
  QString id, error;
  if (!RenewTagId(&id, &error)) {
    // Going on with a new id that is not stored would bring the old tags
    // back at the next start.
    ShowInformation(WithReason(QStringLiteral("Unable to clear the tags"), error));
    return false;
  }
  tag_id_ = id;
  ApplyFilter();
  return true;
}

bool AddressBook::AskTagAll() {
  return AskYesNo(QStringLiteral("Tag all records matching filter?"), QStringLiteral("TAG ALL"));
}

QString AddressBook::TagAllResult::outcome() const {
  if (!failure.isEmpty()) return WithReason(QStringLiteral("Stopped before completion"), failure);
  return cancelled ? QStringLiteral("Cancelled before completion") : QStringLiteral("Complete");
}

bool AddressBook::AskCancelTagging() {
  return AskYesNo(QStringLiteral("Cancel Tagging?"), QStringLiteral("CANCEL"));
}

AddressBook::TagAllResult AddressBook::TagAllFilterMatches(const KeepGoing& keep_going) {
  TagAllResult result;
  if (!table_ || editing()) return result;
  // The records are listed first: tagging may take a record out of a filter
  // that looks at TAG, which must not change which records are visited.
  std::vector<uint32_t> records;
  xbase::Status s = table_->GoTop();
  for (; s.ok() && !table_->Eof(); s = table_->Skip(1)) records.push_back(table_->RecNo());
  // Without the whole list nothing is tagged: the records that would be
  // left out are not known.
  if (!s.ok()) records.clear();
  const std::string tag = ToTable(tag_id_);
  for (uint32_t recno : records) {
    s = table_->Go(recno);
    if (s.ok()) s = table_->Replace("TAG", tag);
    if (s.ok()) s = table_->Commit();
    if (!s.ok()) break;
    ++result.tagged;
    if (keep_going && !keep_going(result.tagged)) {
      result.cancelled = result.tagged < static_cast<int>(records.size());
      break;
    }
  }
  DropFilterIfEmpty();
  const xbase::Status back_to_first = table_->GoTop();
  if (s.ok()) s = back_to_first;
  if (!s.ok()) result.failure = QString::fromStdString(s.message());
  return result;
}

bool AddressBook::Clone() {
  if (!has_record() || editing()) return false;
  if (!AskYesNo(QStringLiteral("Clone this record?"), QStringLiteral("Clone"))) return false;
  AddressRecord record;
  if (!Check(ReadAddressRecord(*table_, &record))) return false;
  record.tag.clear();
  if (!Check(table_->AppendBlank()) || !Check(table_->ReplaceLogical("ISDEL", false)) ||
      !Check(WriteAddressRecord(*table_, record)) || !Check(table_->Commit())) {
    return false;
  }
  ShowInformation(QStringLiteral("Clone completed. Current record is an exact copy"));
  return true;
}

QString AddressBook::RecordText(const RecordTextParts& parts) const {
  if (!has_record()) return QString();
  const AddressRecord record = CurrentRecord();
  return RecordAsText([&record](const char* field) { return record.Get(QLatin1String(field)); }, parts);
}

bool AddressBook::FindTextInMemo(const QString& text, bool from_start, const KeepGoing& keep_going) {
  memo_search_text_ = text;
  memo_found_ = false;
  if (!table_ || editing() || text.isEmpty()) return false;
  const uint32_t remembered = table_->RecNo();
  const QString wanted = text.toUpper();
  xbase::Status s = from_start ? table_->GoTop() : table_->Skip(1);
  int searched = 0;
  for (; s.ok() && !table_->Eof(); s = table_->Skip(1)) {
    std::string memo;
    s = table_->GetMemo("MEMO", &memo);
    if (!s.ok()) break;
    if (memo.size() > kSearchedMemoBytes) memo.resize(kSearchedMemoBytes);
    if (FromTable(memo).toUpper().contains(wanted)) {
      memo_found_ = true;
      return true;
    }
    if (keep_going && !keep_going(++searched)) break;
  }
  // The search is told to have failed, not to have found nothing.
  Check(s);
  Check(table_->Go(remembered));
  return false;
}

bool AddressBook::FindNext(const KeepGoing& keep_going) {
  return FindTextInMemo(memo_search_text_, false, keep_going);
}

}  // namespace vellumo
