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

void AddressBook::ClearTags() {
  tag_id_ = RenewTagId();
  ApplyFilter();
}

bool AddressBook::AskTagAll() {
  return AskYesNo(QStringLiteral("Tag all records matching filter?"), QStringLiteral("TAG ALL"));
}

QString AddressBook::TagAllResult::outcome() const {
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
  for (xbase::Status s = table_->GoTop(); s.ok() && !table_->Eof(); s = table_->Skip(1)) {
    records.push_back(table_->RecNo());
  }
  const std::string tag = ToTable(tag_id_);
  for (uint32_t recno : records) {
    if (!Check(table_->Go(recno)) || !Check(table_->Replace("TAG", tag)) || !Check(table_->Commit())) break;
    ++result.tagged;
    if (keep_going && !keep_going(result.tagged)) {
      result.cancelled = result.tagged < static_cast<int>(records.size());
      break;
    }
  }
  DropFilterIfEmpty();
  (void)table_->GoTop();
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
    if (table_->GetMemo("MEMO", &memo).ok()) {
      if (memo.size() > kSearchedMemoBytes) memo.resize(kSearchedMemoBytes);
      if (FromTable(memo).toUpper().contains(wanted)) {
        memo_found_ = true;
        return true;
      }
    }
    if (keep_going && !keep_going(++searched)) break;
  }
  (void)table_->Go(remembered);
  return false;
}

bool AddressBook::FindNext(const KeepGoing& keep_going) {
  return FindTextInMemo(memo_search_text_, false, keep_going);
}

}  // namespace vellumo
