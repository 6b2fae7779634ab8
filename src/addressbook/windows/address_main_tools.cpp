// The main window's record tools: tags, clone, clipboard, current-record
// printing and memo search, and the about box.
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMessageBox>

#include "addressbook/windows/address_main.h"
#include "addressbook/windows/current_record_print.h"
#include "addressbook/windows/record_tool_windows.h"
#include "core/messages.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {

void TAddressMain::ToggleTag() {
  book_.ToggleTag();
  RefreshAll();
}

void TAddressMain::ClearTags() {
  book_.ClearTags();
  RefreshAll();
}

void TAddressMain::TagAll() {
  if (!book_.AskTagAll()) return;
  TTagAllRecords tagging(book_, this);
  tagging.exec();
  RefreshAll();
}

void TAddressMain::CloneRecord() {
  book_.Clone();
  RefreshAll();
}

void TAddressMain::CopyToClipboard() {
  TCopyToClipBoard choice(this);
  if (choice.exec() != QDialog::Accepted) return;
  QGuiApplication::clipboard()->setText(book_.RecordText(choice.parts()));
  ShowInformation(QStringLiteral("Record copied to Windows Clipboard"));
}

void TAddressMain::PrintCurrentRecordCommand() {
  if (!book_.has_record() || !CheckPrintersPresent()) return;
  TPrintCurrentRecord choice(book_.CurrentRecord(), this);
  choice.exec();
}

void TAddressMain::SearchMemo() {
  bool ok = false;
  const QString text = QInputDialog::getText(this, QStringLiteral("Memo Search"), QStringLiteral("Search For"),
                                             QLineEdit::Normal, book_.memo_search_text(), &ok);
  if (ok && !text.isEmpty()) RunMemoSearch(text, true);
}

void TAddressMain::FindNextInMemo() { RunMemoSearch(book_.memo_search_text(), false); }

void TAddressMain::RunMemoSearch(const QString& text, bool from_start) {
  TVelWSearching searching(book_, text, from_start, this);
  searching.exec();
  if (!searching.found()) QApplication::beep();
  RefreshAll();
}

void TAddressMain::ShowAbout() {
  QMessageBox::about(this, QStringLiteral("About Vellumo"),
                     QStringLiteral("<h3>Vellumo %1</h3><p>Address book and mailing-list manager for "
                                    "United States mail.</p>")
                         .arg(QApplication::applicationVersion()));
}

}  // namespace vellumo
