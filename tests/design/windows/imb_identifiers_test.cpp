// The Intelligent Mail identifiers: the checks "Ok" makes (the encoder's,
// and a counted serial number's first value), what "Ok" writes back, and
// the dialog's fields, which follow the serial number's source.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "design/model/intelligent_mail_barcode.h"
#include "design/windows/imb_identifiers_dialog.h"
#include "dialog_fixture.h"
#include "test_home.h"

namespace vellumo::design {
namespace {

IMbIdentifiers Valid() { return {"00", "700", "123456", "000000001", false, 0}; }

TEST(IMbIdentifiersCheck, AcceptsWhatTheEncoderEncodes) {
  EXPECT_EQ(IdentifiersError(Valid()), "");
  IMbIdentifiers long_mailer = Valid();
  long_mailer.mailer_id = "123456789";
  long_mailer.serial_number = "000001";
  EXPECT_EQ(IdentifiersError(long_mailer), "");
}

TEST(IMbIdentifiersCheck, SaysWhichIdentifierIsWrong) {
  IMbIdentifiers identifiers = Valid();
  identifiers.barcode_id = "05";
  EXPECT_EQ(IdentifiersError(identifiers),
            "The second digit of the barcode identifier must be 0 to 4, not \"05\".");
  identifiers = Valid();
  identifiers.service_type = "70";
  EXPECT_EQ(IdentifiersError(identifiers), "The service type identifier must be 3 digits, not \"70\".");
  identifiers = Valid();
  identifiers.mailer_id = "1234567";
  EXPECT_EQ(IdentifiersError(identifiers), "The mailer identifier must be 6 or 9 digits, not \"1234567\".");
  identifiers = Valid();
  identifiers.mailer_id = "123456789";
  EXPECT_EQ(IdentifiersError(identifiers),
            "The serial number after a 9-digit mailer identifier must be 6 digits, not \"000000001\".");
  identifiers = Valid();
  identifiers.serial_number = "12345678x";
  EXPECT_NE(IdentifiersError(identifiers), "");
}

TEST(IMbIdentifiersCheck, ACountedSerialNumberChecksItsFirstNumberAndIgnoresTheTypedOne) {
  IMbIdentifiers identifiers = Valid();
  identifiers.serial_from_counter = true;
  identifiers.serial_number = "";
  identifiers.serial_start = 999999999;
  EXPECT_EQ(IdentifiersError(identifiers), "");
  identifiers.mailer_id = "123456789";
  EXPECT_EQ(IdentifiersError(identifiers),
            "The first serial number must be 0 to 999999 after a 9-digit mailer identifier, not \"999999999\".");
  identifiers.serial_start = 999999;
  EXPECT_EQ(IdentifiersError(identifiers), "");
  identifiers.serial_start = -1;
  EXPECT_NE(IdentifiersError(identifiers), "");
  identifiers.serial_start = 5;
  identifiers.mailer_id = "12345";
  EXPECT_EQ(IdentifiersError(identifiers), "The mailer identifier must be 6 or 9 digits, not \"12345\".")
      << "the mailer identifier is checked first";
}

TEST(IMbIdentifiersCheck, SerialDigitsFollowTheMailerIdentifier) {
  EXPECT_EQ(SerialDigits("123456"), 9);
  EXPECT_EQ(SerialDigits("123456789"), 6);
  EXPECT_EQ(SerialDigits("1234"), 0);
}

class IMbDialogTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    SetMessenger(&messenger_);
    barcode_ = Place<TGIMBarCode>();
  }
  void TearDown() override { SetMessenger(nullptr); }

  RecordingMessenger messenger_;
  TGIMBarCode* barcode_ = nullptr;
};

TEST_F(IMbDialogTest, ShowsTheBarcodesIdentifiers) {
  barcode_->MailerId = "123456789";
  barcode_->SerialFromCounter = true;
  barcode_->SerialStart = 17;
  TGetIMbIdentifiers dialog(*barcode_);
  EXPECT_EQ(dialog.windowTitle(), "Intelligent Mail Barcode");
  EXPECT_EQ(testing::ButtonCaptions(dialog), (QStringList{"Ok", "Cancel", "Help"}));
  EXPECT_EQ(dialog.barcode_id()->text(), "00");
  EXPECT_EQ(dialog.service_type()->text(), "700");
  EXPECT_EQ(dialog.mailer_id()->text(), "123456789");
  EXPECT_TRUE(dialog.serial_from_counter()->isChecked());
  EXPECT_EQ(dialog.serial_start()->value(), 17);
  EXPECT_FALSE(dialog.serial_number()->isEnabled());
  EXPECT_TRUE(dialog.serial_start()->isEnabled());
  EXPECT_EQ(dialog.serial_digits()->text(), "6 digits");

  dialog.serial_from_counter()->setChecked(false);
  EXPECT_TRUE(dialog.serial_number()->isEnabled());
  EXPECT_FALSE(dialog.serial_start()->isEnabled());
  dialog.mailer_id()->setText("123456");
  EXPECT_EQ(dialog.serial_digits()->text(), "9 digits");
}

TEST_F(IMbDialogTest, OkIsRefusedWithTheReasonWhileTheIdentifiersCannotBeEncoded) {
  TGetIMbIdentifiers dialog(*barcode_);
  dialog.show();
  dialog.mailer_id()->setText("12345");
  dialog.accept();
  EXPECT_EQ(messenger_.said, QStringList{"The mailer identifier must be 6 or 9 digits, not \"12345\"."});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  dialog.mailer_id()->setText("123456");
  dialog.serial_number()->setText("123456789");
  dialog.accept();
  EXPECT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(IMbDialogTest, ApplyWritesTheIdentifiersAndTellsThePage) {
  TGetIMbIdentifiers dialog(*barcode_);
  dialog.barcode_id()->setText("01");
  dialog.service_type()->setText("040");
  dialog.mailer_id()->setText("987654");
  dialog.serial_number()->setText("000000123");
  dialog.serial_from_counter()->setChecked(true);
  dialog.serial_start()->setValue(250);
  dialog.Apply(*barcode_);
  EXPECT_EQ(barcode_->BarcodeIdentifier, "01");
  EXPECT_EQ(barcode_->ServiceType, "040");
  EXPECT_EQ(barcode_->MailerId, "987654");
  EXPECT_EQ(barcode_->SerialNumber, "000000123");
  EXPECT_TRUE(barcode_->SerialFromCounter);
  EXPECT_EQ(barcode_->SerialStart, 250);
  EXPECT_EQ(barcode_->Fields().serial_number, "000000250");
  EXPECT_EQ(changes_, 1);
}

TEST_F(IMbDialogTest, TheEditLinesTakeDigitsOnlyUpToTheirLength) {
  TGetIMbIdentifiers dialog(*barcode_);
  dialog.show();
  dialog.barcode_id()->clear();
  QTest::keyClicks(dialog.barcode_id(), "4a27");
  EXPECT_EQ(dialog.barcode_id()->text(), "42");
  EXPECT_EQ(dialog.mailer_id()->maxLength(), 9);
  EXPECT_EQ(dialog.serial_number()->maxLength(), 9);
  EXPECT_EQ(dialog.service_type()->maxLength(), 3);
}

TEST_F(IMbDialogTest, EditRunsModallyAndCancelLeavesTheBarcode) {
  AnswerNextDialog(false);
  EXPECT_FALSE(TGetIMbIdentifiers::Edit(*barcode_, nullptr));
  EXPECT_EQ(changes_, 0);
}

}  // namespace
}  // namespace vellumo::design
