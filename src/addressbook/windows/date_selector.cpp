// The date selector.
#include "addressbook/windows/date_selector.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"
#include "core/date_keys.h"

namespace vellumo {

TDateSelector::TDateSelector(const QString& date_key, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Select a Date"));
  calendar_ = new QCalendarWidget(this);
  const QDate stored = DateFromKey(date_key);
  calendar_->setSelectedDate(stored.isValid() ? stored : QDate::currentDate());
  DialogButtons buttons = AddDialogButtons(this, QStringLiteral("Ok"), 0);
  QPushButton* no_date = buttons.box->addButton(QStringLiteral("No Date"), QDialogButtonBox::ActionRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(calendar_);
  layout->addWidget(buttons.box);
  connect(no_date, &QPushButton::clicked, this, [this] {
    no_date_ = true;
    accept();
  });
  connect(calendar_, &QCalendarWidget::activated, buttons.ok, &QPushButton::click);
}

QString TDateSelector::chosen_key() const { return no_date_ ? QString() : DateKey(calendar_->selectedDate()); }

}  // namespace vellumo
