// "Print Current Record": TPrintCurrentRecord chooses the fields to print
// and the destination; TSingleRecordPrint is the status window the job
// runs in ("Print Status" or "Preview Status").
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "addressbook/address_record.h"
#include "printing/windows/print_status_window.h"

class QCheckBox;

namespace vellumo {

class TBaseReport;
struct PageStore;
class SingleRecordReport;

class TSingleRecordPrint : public PrintStatusWindow {
  Q_OBJECT

 public:
  // `report` is the destination: a TReportPrinter, or a TPreviewFiler when previewing.
  TSingleRecordPrint(TBaseReport& report, const SingleRecordReport& job, bool previewing, QWidget* parent = nullptr);
};

class TPrintCurrentRecord : public QDialog {
  Q_OBJECT

 public:
  TPrintCurrentRecord(const AddressRecord& record, QWidget* parent = nullptr);
  ~TPrintCurrentRecord() override;

  QCheckBox* box(const QString& caption) const;
  // The printed items for the ticked boxes, in print order.
  std::vector<std::pair<QString, QString>> ChosenItems() const;
  bool memo_chosen() const;

  // "&Print" and "Pre&view". A preview that was not cancelled opens the
  // preview window; `show_preview` false leaves the pages in last_pages().
  void PrintClick();
  void PreviewClick(bool show_preview = true);
  const PageStore* last_pages() const { return pages_.get(); }

 private:
  void AllClick(bool checked);
  std::unique_ptr<SingleRecordReport> MakeJob(const std::function<bool()>& stop_requested) const;

  AddressRecord record_;
  std::vector<QCheckBox*> boxes_;
  QCheckBox* all_;
  std::unique_ptr<PageStore> pages_;
};

}  // namespace vellumo
