// "Print &Labels" from the main window: the label window opens over the
// set-up table, gets the filter state, and whatever it does to the lent
// address table and the printer selection is put back when it closes.
#include <gtest/gtest.h>

#include <QDir>
#include <QRadioButton>

#include "core/application_home.h"
#include "labels/windows/label_setup_screen.h"
#include "main_window_fixture.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {
namespace {

class PrintLabelsCommandTest : public MainWindowTest {
 protected:
  void StartWithRecords() {
    StartWindow();
    for (const char* name : {"Abel", "Adams", "Baker", "Cole"}) AddRecord({{"LNAME", name}});
  }
};

TEST_F(PrintLabelsCommandTest, WhatTheWindowChangesOnTheTableAndPrinterIsPutBack) {
  StartWithRecords();
  FilterConditions a_names;
  a_names[QStringLiteral("LNAME")] = QStringLiteral("A");
  ASSERT_EQ(window_->book().SetFilter(a_names), 2u);
  ASSERT_TRUE(window_->book().Last());
  xbase::Table& table = *window_->book().table();
  const uint32_t record = table.RecNo();
  const std::string filter = table.filter();
  const int order = table.IndexOrd();
  SharedPrinter& printer = TheSharedPrinter();
  const int printer_index = printer.PrinterIndex();
  ASSERT_GT(printer.PrinterNames().size(), 0);

  bool opened = false;
  WhenDialogOpens<TLabelSetupScreen>([&](TLabelSetupScreen* screen) {
    opened = true;
    EXPECT_EQ(screen->windowTitle(), "Print Labels");
    EXPECT_TRUE(screen->matching_filter()->isEnabled());
    EXPECT_TRUE(screen->matching_filter()->isChecked());
    // What a run leaves behind when nothing puts it back.
    EXPECT_TRUE(table.SetFilter("NOT ISDEL").ok());
    EXPECT_TRUE(table.SetOrder(0).ok());
    EXPECT_TRUE(table.GoTop().ok());
    table.SetExact(!table.exact());
    printer.SetPrinterIndex(static_cast<int>(printer.PrinterNames().size()) - 1 == printer_index ? 0
                                                                                                 : printer_index + 1);
    screen->ok_button()->click();
  });
  const bool exact = table.exact();
  window_->action(QStringLiteral("Print &Labels"))->trigger();

  ASSERT_TRUE(opened);
  EXPECT_TRUE(QFile::exists(SystemDataDirectory() + "LABEL.DBF"));
  EXPECT_EQ(table.filter(), filter);
  EXPECT_EQ(table.IndexOrd(), order);
  EXPECT_EQ(table.RecNo(), record);
  EXPECT_EQ(table.exact(), exact);
  EXPECT_EQ(printer.PrinterIndex(), printer_index);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Adams"));
}

TEST_F(PrintLabelsCommandTest, WithoutAFilterOnlyAllRecordsCanBeChosen) {
  StartWithRecords();
  bool opened = false;
  WhenDialogOpens<TLabelSetupScreen>([&](TLabelSetupScreen* screen) {
    opened = true;
    EXPECT_FALSE(screen->matching_filter()->isEnabled());
    EXPECT_TRUE(screen->all_records()->isChecked());
    screen->reject();
  });
  window_->button(QStringLiteral("Labels"))->click();
  EXPECT_TRUE(opened);
}

TEST_F(PrintLabelsCommandTest, ASetUpTableThatCannotBeMadeKeepsTheWindowShut) {
  StartWithRecords();
  // A folder where the table goes: it can be neither opened nor created.
  ASSERT_TRUE(QDir().mkpath(SystemDataDirectory() + "LABEL.DBF/blocked"));
  messenger_.said.clear();
  // Closes the window should it open; the watch ends with the test.
  QTimer watch;
  bool opened = false;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* screen = qobject_cast<TLabelSetupScreen*>(QApplication::activeModalWidget())) {
      opened = true;
      screen->reject();
    }
  });
  watch.start(0);
  window_->action(QStringLiteral("Print &Labels"))->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(opened);
  ASSERT_FALSE(messenger_.said.isEmpty());
  EXPECT_EQ(messenger_.WithoutReasons().first(), "Unable to Open or Create LABEL.DBF");
}

}  // namespace
}  // namespace vellumo
