// TDateSelector ("Select a Date"): a calendar for the record's date, with
// "Ok", "No Date" and "Cancel".
#pragma once

#include <QDialog>

class QCalendarWidget;

namespace vellumo {

class TDateSelector : public QDialog {
  Q_OBJECT

 public:
  // Opens at the date of `date_key`, or today when it holds none.
  explicit TDateSelector(const QString& date_key, QWidget* parent = nullptr);

  // After "Ok": the chosen date as a date key; after "No Date": "".
  QString chosen_key() const;
  QCalendarWidget* calendar() const { return calendar_; }

 private:
  QCalendarWidget* calendar_;
  bool no_date_ = false;
};

}  // namespace vellumo
