// Preview from the "Print Labels" window with the application's own
// windows: the sheet-position window, the status window of the job and
// the preview, each closed as a user would; afterwards the address table
// is as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include "core/address_database.h"
#include "core/application_home.h"
#include "core/system_tables.h"
#include "design/model/data_panel.h"
#include "labels/job/label_printer.h"
#include "labels/setup/design_file_names.h"
#include "labels/windows/label_setup_screen.h"
#include "labels/windows/select_specific_labels.h"
#include "printing/windows/preview_form.h"
#include "printing/windows/shared_printer.h"
#include "test_home.h"

namespace vellumo {
namespace {

class LabelSetupPreviewTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    ASSERT_TRUE(TheSharedPrinter().SelectPrinterByName(SharedPrinter::PdfPrinterName(), true));
    TheSharedPrinter().Reset();
    ASSERT_TRUE(OpenLabelTable(&setups_));
    LabelSetup setup = NewLabelSetup();
    setup.description = "Club";
    setup.design_file = "BIN00001.L";
    ASSERT_TRUE(setups_->AppendBlank().ok());
    ASSERT_TRUE(WriteLabelSetup(*setups_, setup).ok());
    ASSERT_TRUE(setups_->Commit().ok());
    design::TGLabelPanel page(ProgramDirectory().toStdString());
    ASSERT_TRUE(page.SaveToFile(DesignFilePath(SystemDataDirectory().toStdString(), "BIN00001.L")).ok());

    const QString path = DataPath("add0001.DBF");
    ASSERT_TRUE(CreateAddressDatabase(path, FieldLengths{}));
    ASSERT_TRUE(OpenTableFile(path, &addresses_));
    for (int i = 0; i < 36; ++i) {
      ASSERT_TRUE(addresses_->AppendBlank().ok());
      ASSERT_TRUE(addresses_->Replace("LNAME", "Name" + std::to_string(i)).ok());
      ASSERT_TRUE(addresses_->Commit().ok());
    }
    ASSERT_TRUE(addresses_->SetFilter("!ISDEL").ok());
    ASSERT_TRUE(addresses_->Go(7).ok());

    QObject::connect(&poll_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* sheet = qobject_cast<TSelectSpecificLabels*>(modal)) {
        sheet->ok_button()->click();
      } else if (auto* status = qobject_cast<TLabelPrinter*>(modal)) {
        if (status->button()->text() != QLatin1String("Ok")) return;
        status->button()->click();
      } else if (auto* preview = qobject_cast<TPreviewForm*>(modal)) {
        if (preview->recording()) return;
        previewed_ = true;
        preview_pages_ = preview->page_count();
        preview->accept();
      }
    });
    poll_.start(0);
  }

  std::unique_ptr<xbase::Table> setups_;
  std::unique_ptr<xbase::Table> addresses_;
  QTimer poll_;
  bool previewed_ = false;
  size_t preview_pages_ = 0;
};

TEST_F(LabelSetupPreviewTest, AllRecordsFromTheCurrentOneFillTheRestOfTheFileIntoThePreview) {
  TLabelSetupScreen screen(setups_.get(), addresses_.get(), false);
  screen.show();
  screen.start_from_current()->click();
  screen.preview_button()->click();
  // Records 7 to 36 fill one sheet of thirty; from the first there would
  // be two.
  EXPECT_TRUE(previewed_);
  EXPECT_EQ(preview_pages_, 1u);
  EXPECT_EQ(addresses_->filter(), "!ISDEL");
  EXPECT_EQ(addresses_->RecNo(), 7u);
}

}  // namespace
}  // namespace vellumo
