// The identifiers dialog of an Intelligent Mail barcode.
#include "design/windows/imb_identifiers_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "core/messages.h"
#include "core/windows/dialog_buttons.h"
#include "design/windows/run_dialog.h"

namespace vellumo::design {
namespace {

// An edit line for at most `digits` digits.
QLineEdit* DigitsEdit(const std::string& text, int digits, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(text), parent);
  edit->setMaxLength(digits);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  return edit;
}

}  // namespace

TGetIMbIdentifiers::TGetIMbIdentifiers(const TGIMBarCode& barcode, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Intelligent Mail Barcode"));
  const IMbIdentifiers identifiers = IdentifiersOf(barcode);
  barcode_id_ = DigitsEdit(identifiers.barcode_id, 2, this);
  service_type_ = DigitsEdit(identifiers.service_type, 3, this);
  mailer_id_ = DigitsEdit(identifiers.mailer_id, 9, this);
  serial_number_ = DigitsEdit(identifiers.serial_number, 9, this);
  serial_digits_ = new QLabel(this);
  serial_from_counter_ = new QCheckBox(QStringLiteral("Serial from &counter"), this);
  serial_from_counter_->setChecked(identifiers.serial_from_counter);
  serial_start_ = new QSpinBox(this);
  serial_start_->setRange(0, std::numeric_limits<int32_t>::max());
  serial_start_->setValue(identifiers.serial_start);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Barcode Identifier"), barcode_id_);
  form->addRow(QStringLiteral("&Service Type"), service_type_);
  form->addRow(QStringLiteral("&Mailer ID"), mailer_id_);
  form->addRow(QStringLiteral("Serial &Number"), serial_number_);
  form->addRow(QString(), serial_digits_);
  form->addRow(QString(), serial_from_counter_);
  form->addRow(QStringLiteral("&First serial number"), serial_start_);
  connect(mailer_id_, &QLineEdit::textChanged, this, &TGetIMbIdentifiers::ShowSerialChoice);
  connect(serial_from_counter_, &QCheckBox::toggled, this, &TGetIMbIdentifiers::ShowSerialChoice);
  ShowSerialChoice();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

void TGetIMbIdentifiers::ShowSerialChoice() {
  const bool counted = serial_from_counter_->isChecked();
  serial_number_->setEnabled(!counted);
  serial_start_->setEnabled(counted);
  const int digits = SerialDigits(mailer_id_->text().toStdString());
  serial_digits_->setText(digits == 0 ? QStringLiteral("9 digits after a 6-digit mailer ID, 6 after a 9-digit one")
                                      : QStringLiteral("%1 digits").arg(digits));
}

IMbIdentifiers TGetIMbIdentifiers::Choice() const {
  return {barcode_id_->text().toStdString(),   service_type_->text().toStdString(),
          mailer_id_->text().toStdString(),    serial_number_->text().toStdString(),
          serial_from_counter_->isChecked(),   serial_start_->value()};
}

void TGetIMbIdentifiers::accept() {
  const std::string error = IdentifiersError(Choice());
  if (!error.empty()) {
    ShowInformation(QString::fromStdString(error));
    return;
  }
  QDialog::accept();
}

void TGetIMbIdentifiers::Apply(TGIMBarCode& barcode) const { ApplyIdentifiers(barcode, Choice()); }

bool TGetIMbIdentifiers::Edit(TGIMBarCode& barcode, QWidget* parent) {
  return RunDialog<TGetIMbIdentifiers>(barcode, parent);
}

}  // namespace vellumo::design
