// TGetIMbIdentifiers ("Intelligent Mail Barcode"): the barcode identifier,
// service type, mailer identifier and serial number of an Intelligent
// Mail barcode, or a counter that numbers the pieces from a first serial
// number. "Ok" is refused, with the reason, while they cannot be encoded.
#pragma once

#include <QDialog>

#include "design/windows/imb_identifiers.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vellumo::design {

class TGetIMbIdentifiers : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3401;

  explicit TGetIMbIdentifiers(const TGIMBarCode& barcode, QWidget* parent = nullptr);

  QLineEdit* barcode_id() const { return barcode_id_; }
  QLineEdit* service_type() const { return service_type_; }
  QLineEdit* mailer_id() const { return mailer_id_; }
  QLineEdit* serial_number() const { return serial_number_; }
  QCheckBox* serial_from_counter() const { return serial_from_counter_; }
  QSpinBox* serial_start() const { return serial_start_; }
  // How many digits the serial number needs beside the mailer identifier.
  QLabel* serial_digits() const { return serial_digits_; }

  [[nodiscard]] IMbIdentifiers Choice() const;
  // Closes with "Ok" only when the identifiers can be encoded; else says why.
  void accept() override;
  // What "Ok" does: the barcode takes the identifiers.
  void Apply(TGIMBarCode& barcode) const;

  static bool Edit(TGIMBarCode& barcode, QWidget* parent);

 private:
  void ShowSerialChoice();

  QLineEdit* barcode_id_;
  QLineEdit* service_type_;
  QLineEdit* mailer_id_;
  QLineEdit* serial_number_;
  QCheckBox* serial_from_counter_;
  QSpinBox* serial_start_;
  QLabel* serial_digits_;
};

}  // namespace vellumo::design
