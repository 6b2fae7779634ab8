// The presort window driven as a user would: it starts by itself, shows
// its progress in bold, closes accepted once the file is written, and
// "Cancel" or Escape ask "Cancel PRESORT?" before stopping.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "postal/presort_file.h"
#include "postal/windows/sort_bulk_mail.h"
#include "test_home.h"
#include "zip_table.h"

namespace vellumo {
namespace {

class SortBulkMailTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    table_ = MakeZipTable(DataPath("ZIPS.DBF").toStdString(), Joined({Copies(600, "12345"), {"K1A 0B1"}}));
    ASSERT_TRUE(table_);
  }
  static QByteArray FileText() {
    QFile file(PresortFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
  }
  static void PutOlderFile() {
    QFile file(PresortFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("** Unknown\r\n00123\r\n");
  }
  // Runs the window modally, with `during` posted to act once the job runs.
  int Exec(TSortBulkMail& window, std::function<void()> during = nullptr) {
    if (during) {
      QTimer::singleShot(0, &window, [&window, during] {
        // Acts from inside the job, at its next pause between records.
        QTimer::singleShot(0, &window, during);
      });
    }
    return window.exec();
  }

  std::unique_ptr<xbase::Table> table_;
};

TEST_F(SortBulkMailTest, RunsWhenShownAndClosesAcceptedWithTheFileWritten) {
  TSortBulkMail window(*table_);
  EXPECT_EQ(window.windowTitle(), "Bulk Mail Presorting");
  EXPECT_TRUE(window.status_line()->font().bold());
  EXPECT_EQ(window.cancel_button()->text(), "Cancel");
  EXPECT_EQ(Exec(window), QDialog::Accepted);
  EXPECT_TRUE(window.completed());
  EXPECT_EQ(window.status_line()->text(), "Sorting Zip Codes...");
  EXPECT_EQ(FileText(), QByteArray("** 5-digit 12345\r\n12345\r\n"));
  EXPECT_EQ(window.run().left_out, (std::vector<uint32_t>{601}));
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(SortBulkMailTest, CancelConfirmedStopsWithoutTouchingAnOlderFile) {
  PutOlderFile();
  messenger_.answer = true;
  TSortBulkMail window(*table_);
  EXPECT_EQ(Exec(window, [&window] { window.cancel_button()->click(); }), QDialog::Rejected);
  EXPECT_FALSE(window.completed());
  EXPECT_EQ(window.run().outcome, PresortOutcome::kCancelled);
  EXPECT_EQ(messenger_.said, QStringList{"Cancel PRESORT?"});
  EXPECT_EQ(FileText(), QByteArray("** Unknown\r\n00123\r\n"));
}

TEST_F(SortBulkMailTest, CancelRefusedLetsThePresortFinish) {
  messenger_.answer = false;
  TSortBulkMail window(*table_);
  EXPECT_EQ(Exec(window, [&window] { window.cancel_button()->click(); }), QDialog::Accepted);
  EXPECT_EQ(messenger_.said, QStringList{"Cancel PRESORT?"});
  EXPECT_EQ(FileText(), QByteArray("** 5-digit 12345\r\n12345\r\n"));
}

TEST_F(SortBulkMailTest, EscapeAsksAsCancelDoes) {
  messenger_.answer = true;
  TSortBulkMail window(*table_);
  EXPECT_EQ(Exec(window, [&window] { QTest::keyClick(&window, Qt::Key_Escape); }), QDialog::Rejected);
  EXPECT_EQ(messenger_.said, QStringList{"Cancel PRESORT?"});
  EXPECT_EQ(FileText(), QByteArray("(none)"));
}

TEST_F(SortBulkMailTest, AFileThatCannotBeWrittenIsToldAndTheWindowClosesRejected) {
  TSortBulkMail window(*table_, dir_.path() + "/missing/PRESORT.PSL");
  EXPECT_EQ(Exec(window), QDialog::Rejected);
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_TRUE(messenger_.said[0].startsWith("Unable to write ")) << messenger_.said[0].toStdString();
}

}  // namespace
}  // namespace vellumo
