// The windows of the record tools: TTagAllRecords ("Tagging") tags every
// record matching the filter; TVelWSearching ("Searching") searches the
// memos; TCopyToClipBoard chooses the parts of a record to copy.
#pragma once

#include <QDialog>

#include "addressbook/record_text.h"
#include "addressbook/windows/long_job_window.h"

class QCheckBox;

namespace vellumo {

class AddressBook;

class TTagAllRecords : public LongJobWindow {
  Q_OBJECT

 public:
  TTagAllRecords(AddressBook& book, QWidget* parent = nullptr);

 private:
  QString Run() override;
  AddressBook& book_;
};

class TVelWSearching : public LongJobWindow {
  Q_OBJECT

 public:
  // Searches from the first record, or from the one after the current.
  TVelWSearching(AddressBook& book, const QString& text, bool from_start, QWidget* parent = nullptr);
  bool found() const { return found_; }

 private:
  QString Run() override;
  AddressBook& book_;
  QString text_;
  bool from_start_;
  bool found_ = false;
};

class TCopyToClipBoard : public QDialog {
  Q_OBJECT

 public:
  explicit TCopyToClipBoard(QWidget* parent = nullptr);
  RecordTextParts parts() const;

 private:
  QCheckBox* names_;
  QCheckBox* address_;
  QCheckBox* phones_;
  QCheckBox* codes_;
  QCheckBox* comments_;
};

}  // namespace vellumo
