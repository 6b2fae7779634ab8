// Tag all, memo search and the clipboard choice.
#include "addressbook/windows/record_tool_windows.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "addressbook/address_book.h"
#include "core/windows/dialog_buttons.h"

namespace vellumo {

TTagAllRecords::TTagAllRecords(AddressBook& book, QWidget* parent)
    : LongJobWindow(QStringLiteral("Tagging"), &AddressBook::AskCancelTagging, false, parent), book_(book) {
  activity()->setText(QStringLiteral("Tagging records"));
}

QString TTagAllRecords::Run() {
  AddressBook::TagAllResult result = book_.TagAllFilterMatches([this](int done) {
    count()->setText(QString::number(done) + QStringLiteral(" tagged"));
    return KeepGoing();
  });
  return result.outcome();
}

TVelWSearching::TVelWSearching(AddressBook& book, const QString& text, bool from_start, QWidget* parent)
    : LongJobWindow(QStringLiteral("Searching"), nullptr, true, parent),
      book_(book),
      text_(text),
      from_start_(from_start) {
  activity()->setText(QStringLiteral("Searching for: ") + text);
}

QString TVelWSearching::Run() {
  found_ = book_.FindTextInMemo(text_, from_start_, [this](int) { return KeepGoing(); });
  return {};
}

TCopyToClipBoard::TCopyToClipBoard(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Copy Record To Clipboard"));
  names_ = new QCheckBox(QStringLiteral("Name, Organization, Title"), this);
  address_ = new QCheckBox(QStringLiteral("Address"), this);
  phones_ = new QCheckBox(QStringLiteral("Phone Numbers"), this);
  codes_ = new QCheckBox(QStringLiteral("Codes"), this);
  comments_ = new QCheckBox(QStringLiteral("Comments 1 && 2"), this);
  auto* layout = new QVBoxLayout(this);
  for (QCheckBox* box : {names_, address_, phones_, codes_, comments_}) {
    box->setChecked(true);
    layout->addWidget(box);
  }
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), 0).box);
}

RecordTextParts TCopyToClipBoard::parts() const {
  RecordTextParts parts;
  parts.names = names_->isChecked();
  parts.address = address_->isChecked();
  parts.phones = phones_->isChecked();
  parts.codes = codes_->isChecked();
  parts.comments = comments_->isChecked();
  return parts;
}

}  // namespace vellumo
