// The "New Record" dialog.
#include "addressbook/windows/new_record_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"

namespace vellumo {
namespace {

QLineEdit* LimitedEdit(int width, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(width);
  return edit;
}

}  // namespace

NewRecordDialog::NewRecordDialog(const AddingPreferences& prefs, int last_width, int first_width,
                                 int zip_width, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("New Record"));
  auto* form = new QFormLayout;
  if (prefs.auto_dup_check) {
    last_ = LimitedEdit(last_width, this);
    first_ = LimitedEdit(first_width, this);
    form->addRow(QStringLiteral("&Last Name"), last_);
    form->addRow(QStringLiteral("&First Name"), first_);
  }
  if (prefs.plug_city_state) {
    zip_ = LimitedEdit(zip_width, this);
    form->addRow(QStringLiteral("&Zip Code or Postal Code"), zip_);
  }
  DialogButtons buttons = AddDialogButtons(this, QStringLiteral("Ok"), 0);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons.box);
}

NewRecordRequest NewRecordDialog::request() const {
  NewRecordRequest request;
  if (last_) request.last_name = last_->text();
  if (first_) request.first_name = first_->text();
  if (zip_) request.zip = zip_->text();
  return request;
}

}  // namespace vellumo
