// The "Print Labels" window as a user drives it, over a LABEL.DBF and an
// address database in a fresh home: the list and its empty state, New with
// its design file names, Delete and Clone, the "What to Print" panel, and
// Print with the record choice, the presort and the records it leaves out.
// The sheet-position window, the presort and the job are replaced by
// recorders.
#include "labels/windows/label_setup_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <memory>

#include "core/address_database.h"
#include "core/system_tables.h"
#include "design/model/data_panel.h"
#include "labels/setup/setup_files.h"
#include "labels/windows/label_design_screen.h"
#include "postal/presort_file.h"
#include "test_home.h"

namespace vellumo {
namespace {

// What a run was given, kept after the design it pointed to is gone.
struct RunSeen {
  bool had_design = false;
  int copies = 0;
  bool presort = false;
  bool preview = false;
  std::vector<std::string> presort_lines;
  std::vector<uint32_t> unsorted_records;
  uint64_t records_chosen = 0;
  SheetPositionMask mask;
  std::string filter;  // the table's, as the run starts
  uint32_t start_record = 0;
};

class LabelSetupScreenTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    ASSERT_TRUE(OpenLabelTable(&setups_));
    const QString path = DataPath("add0001.DBF");
    ASSERT_TRUE(CreateAddressDatabase(path, FieldLengths{}));
    ASSERT_TRUE(OpenTableFile(path, &addresses_));
    for (const char* zip : {"12345", "54321", "", "9"}) {
      ASSERT_TRUE(addresses_->AppendBlank().ok());
      ASSERT_TRUE(addresses_->Replace("ZIP", zip).ok());
      ASSERT_TRUE(addresses_->Commit().ok());
    }
    // The main window's filter passes every record with a ZIP code.
    ASSERT_TRUE(addresses_->SetFilter(kFilter).ok());
    order_ = addresses_->TagArea("ZIP");
    ASSERT_GT(order_, 0);
    ASSERT_TRUE(addresses_->SetOrder(order_).ok());
    ASSERT_TRUE(addresses_->Go(2).ok());

    actions_.choose_positions = [this](const StockGeometry&, const SheetPositionMask& mask, bool presort,
                                       QWidget*) -> std::optional<SheetPositionChoice> {
      positions_asked_with_presort_.push_back(presort);
      if (!positions_) return std::nullopt;
      SheetPositionChoice choice = *positions_;
      if (keep_mask_) choice.mask = mask;
      return choice;
    };
    actions_.presort = [this](xbase::Table& table, QWidget*) {
      ++presorts_;
      // A presort reads every chosen record in an order of its own.
      EXPECT_TRUE(table.SetOrder(0).ok());
      EXPECT_TRUE(table.GoBottom().ok());
      PresortRun run;
      run.outcome = presort_outcome_;
      run.left_out = left_out_;
      QString error;
      if (run.outcome == PresortOutcome::kCompleted) {
        EXPECT_TRUE(WritePresortFile(PresortFilePath(), {"** 5-digit 12345", "12345", "** 5-digit 54321", "54321"},
                                     &error));
      }
      return run;
    };
    actions_.run_job = [this](const LabelJobRequest& request, QWidget*) {
      RunSeen seen{request.design != nullptr, request.copies,        request.presort,
                   request.preview,           request.presort_lines, request.unsorted_records,
                   request.records_chosen,    request.mask,
                   request.table->filter(),   request.table->RecNo()};
      runs_.push_back(seen);
      return true;
    };
    actions_.calibrate = [this](const Stock& stock, QWidget*) { calibrated_.push_back(stock.description); };
  }
  void TearDown() override {
    screen_.reset();
    HomeTest::TearDown();
  }

  TLabelSetupScreen& Open(bool filter_set = true) {
    screen_ = std::make_unique<TLabelSetupScreen>(setups_.get(), addresses_.get(), filter_set, nullptr, actions_);
    screen_->show();
    return *screen_;
  }

  // Presses "Save" in the design window once it is up.
  void SaveDesignWhenOpen() {
    designer_watch_.disconnect();
    designer_watch_.callOnTimeout([this] {
      if (auto* designer = qobject_cast<TLabelDesignScreen*>(QApplication::activeModalWidget())) {
        designer_watch_.stop();
        designer->Save();
      }
    });
    designer_watch_.start(0);
  }
  void NewThroughDesignWindow(TLabelSetupScreen& w) {
    SaveDesignWhenOpen();
    w.new_button()->click();
  }

  // A committed set-up row with a design file of a few bytes.
  void AddSetup(const std::string& description, const std::string& design_file) {
    LabelSetup setup = NewLabelSetup();
    setup.description = description;
    setup.design_file = design_file;
    ASSERT_TRUE(setups_->AppendBlank().ok());
    ASSERT_TRUE(WriteLabelSetup(*setups_, setup).ok());
    ASSERT_TRUE(setups_->Commit().ok());
    if (design_file.empty()) return;
    design::TGLabelPanel page(ProgramDirectory().toStdString());
    ASSERT_TRUE(page.SaveToFile(SysdataPath(design_file).toStdString()).ok());
  }

  // The address table is as it was before the run.
  void ExpectTablePutBack(uint32_t record) {
    EXPECT_EQ(addresses_->filter(), kFilter);
    EXPECT_EQ(addresses_->RecNo(), record);
    EXPECT_EQ(addresses_->IndexOrd(), order_);
  }

  static constexpr const char* kFilter = "ZIP >= \"1\"";

  static QString SysdataPath(const std::string& name) { return SystemDataDirectory() + QString::fromStdString(name); }
  QStringList Listed() const {
    QStringList names;
    for (int row = 0; row < screen_->grid()->rowCount(); ++row) names << screen_->grid()->item(row, 0)->text();
    return names;
  }
  LabelSetup CurrentSetup() const {
    LabelSetup setup;
    EXPECT_TRUE(ReadLabelSetup(*setups_, &setup).ok());
    return setup;
  }

  std::unique_ptr<xbase::Table> setups_;
  std::unique_ptr<xbase::Table> addresses_;
  LabelSetupActions actions_;
  int order_ = 0;
  std::unique_ptr<TLabelSetupScreen> screen_;
  QTimer designer_watch_;

  std::optional<SheetPositionChoice> positions_ = SheetPositionChoice{SheetPositionMask(), 3, 0};
  bool keep_mask_ = true;
  std::vector<bool> positions_asked_with_presort_;
  int presorts_ = 0;
  PresortOutcome presort_outcome_ = PresortOutcome::kCompleted;
  std::vector<uint32_t> left_out_;
  std::vector<RunSeen> runs_;
  std::vector<std::string> calibrated_;
};

TEST_F(LabelSetupScreenTest, WithoutSetUpsOnlyNewIsOfferedAndThePanelsAreHidden) {
  TLabelSetupScreen& w = Open();
  EXPECT_EQ(w.windowTitle(), "Print Labels");
  EXPECT_EQ(w.grid()->rowCount(), 0);
  for (QWidget* off : std::initializer_list<QWidget*>{w.modify_button(), w.print_button(), w.preview_button(),
                                                      w.delete_button(), w.clone_button(), w.grid()}) {
    EXPECT_FALSE(off->isEnabled());
  }
  EXPECT_TRUE(w.new_button()->isEnabled());
  EXPECT_FALSE(w.what_to_print_panel()->isVisible());
  EXPECT_FALSE(w.printer_panel()->isVisible());

  NewThroughDesignWindow(w);
  EXPECT_EQ(Listed(), QStringList{"<New Label>"});
  EXPECT_TRUE(w.print_button()->isEnabled());
  EXPECT_TRUE(w.what_to_print_panel()->isVisible());
  EXPECT_TRUE(w.printer_panel()->isVisible());
}

TEST_F(LabelSetupScreenTest, NewSetUpsTakeTheFirstFreeDesignNameAndReuseADeletedOne) {
  TLabelSetupScreen& w = Open();
  NewThroughDesignWindow(w);
  EXPECT_EQ(CurrentSetup().design_file, "BIN00001.L");
  QStringList shown;
  for (int i = 0; i < kStockReadoutCount; ++i) shown << w.readout(i)->text();
  EXPECT_EQ(shown, (QStringList{"Avery 5160  Address", "1.000", "2.625", "3", "10", "LTR", "8.500", "11.000"}));

  NewThroughDesignWindow(w);
  EXPECT_EQ(CurrentSetup().design_file, "BIN00002.L");
  EXPECT_TRUE(QFile::exists(SysdataPath("BIN00001.L")));
  EXPECT_TRUE(QFile::exists(SysdataPath("BIN00002.L")));

  // The first, chosen in the list, is deleted with its design.
  w.grid()->setCurrentCell(0, 0);
  ASSERT_EQ(CurrentSetup().design_file, "BIN00001.L");
  messenger_.said.clear();
  messenger_.answer = true;
  w.delete_button()->click();
  EXPECT_EQ(messenger_.said, QStringList{"Delete \"<New Label>\"?"});
  EXPECT_FALSE(QFile::exists(SysdataPath("BIN00001.L")));
  EXPECT_EQ(w.grid()->rowCount(), 1);
  EXPECT_EQ(CurrentSetup().design_file, "BIN00002.L");

  NewThroughDesignWindow(w);
  EXPECT_EQ(CurrentSetup().design_file, "BIN00001.L");
  EXPECT_EQ(w.grid()->rowCount(), 2);
}

TEST_F(LabelSetupScreenTest, ADesignWindowLeftWithoutSavingAddsNothing) {
  TLabelSetupScreen& w = Open();
  designer_watch_.callOnTimeout([this] {
    if (auto* designer = qobject_cast<TLabelDesignScreen*>(QApplication::activeModalWidget())) {
      designer_watch_.stop();
      designer->reject();
    }
  });
  designer_watch_.start(0);
  w.new_button()->click();
  EXPECT_EQ(w.grid()->rowCount(), 0);
  EXPECT_FALSE(QFile::exists(SysdataPath("BIN00001.L")));
}

TEST_F(LabelSetupScreenTest, ModifyStoresTheNewDescriptionAndGivesAMissingDesignANewFile) {
  AddSetup("Club", "BIN00007.L");
  ASSERT_TRUE(QFile::remove(SysdataPath("BIN00007.L")));
  TLabelSetupScreen& w = Open();
  designer_watch_.callOnTimeout([this] {
    if (auto* designer = qobject_cast<TLabelDesignScreen*>(QApplication::activeModalWidget())) {
      designer_watch_.stop();
      EXPECT_EQ(designer->description_edit()->text(), "Club");
      designer->description_edit()->setText("Garden club");
      designer->Save();
    }
  });
  designer_watch_.start(0);
  w.modify_button()->click();
  EXPECT_EQ(Listed(), QStringList{"Garden club"});
  EXPECT_EQ(setups_->RecCount(), 1u);
  EXPECT_EQ(CurrentSetup().design_file, "BIN00001.L");
  EXPECT_TRUE(QFile::exists(SysdataPath("BIN00001.L")));
}

TEST_F(LabelSetupScreenTest, DeleteAnsweredNoKeepsTheSetUp) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open();
  messenger_.answer = false;
  w.delete_button()->click();
  EXPECT_EQ(Listed(), QStringList{"Club"});
  EXPECT_TRUE(QFile::exists(SysdataPath("BIN00001.L")));
}

TEST_F(LabelSetupScreenTest, ACloneIsNamedAfterItsOriginalWithinTheDescriptionLimit) {
  const std::string long_name = "Garden club members, north and south: 2024-25";  // 45 characters
  ASSERT_EQ(long_name.size(), 45u);
  AddSetup(long_name, "BIN00001.L");
  TLabelSetupScreen& w = Open();
  messenger_.answer = true;
  w.clone_button()->click();
  EXPECT_EQ(messenger_.said.first(), QString::fromStdString("Clone \"" + long_name + "\"?"));
  const LabelSetup clone = CurrentSetup();
  EXPECT_EQ(clone.description, "Clone of :" + long_name.substr(0, 40));
  EXPECT_EQ(clone.design_file, "BIN00002.L");
  EXPECT_TRUE(QFile::exists(SysdataPath("BIN00002.L")));
  EXPECT_EQ(w.grid()->rowCount(), 2);
  EXPECT_EQ(w.grid()->currentItem()->text(), QString::fromStdString(clone.description));
}

TEST_F(LabelSetupScreenTest, ASetUpWithoutItsDesignFileIsNeitherClonedNorPrinted) {
  AddSetup("Club", "BIN00007.L");
  ASSERT_TRUE(QFile::remove(SysdataPath("BIN00007.L")));
  TLabelSetupScreen& w = Open();
  messenger_.answer = true;
  w.clone_button()->click();
  EXPECT_EQ(messenger_.said.last(), kMissingDesignFileMessage);
  EXPECT_EQ(w.grid()->rowCount(), 1);

  w.print_button()->click();
  EXPECT_EQ(messenger_.said.last(), kMissingDesignFileMessage);
  EXPECT_TRUE(runs_.empty());
}

TEST_F(LabelSetupScreenTest, OnlyTheCurrentRecordTakesThePresortAway) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open();
  EXPECT_TRUE(w.matching_filter()->isChecked());
  w.presort()->click();
  ASSERT_TRUE(w.presort()->isChecked());
  w.current_only()->click();
  EXPECT_FALSE(w.presort()->isChecked());
  EXPECT_FALSE(w.presort()->isEnabled());
  w.all_records()->click();
  EXPECT_TRUE(w.presort()->isEnabled());
  EXPECT_FALSE(w.presort()->isChecked());
}

TEST_F(LabelSetupScreenTest, WithoutAFilterTheRecordsMatchingItCannotBeChosen) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open(false);
  EXPECT_FALSE(w.matching_filter()->isEnabled());
  EXPECT_TRUE(w.all_records()->isChecked());
}

TEST_F(LabelSetupScreenTest, PrintRunsOverTheChosenRecordsAndPutsTheTableBack) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open();
  w.start_from_current()->click();
  SheetPositionMask mask;
  mask.SetSelected(0, false);
  positions_->mask = mask;
  keep_mask_ = false;
  w.preview_button()->click();
  ASSERT_EQ(runs_.size(), 1u);
  EXPECT_TRUE(runs_[0].had_design);
  EXPECT_TRUE(runs_[0].preview);
  EXPECT_FALSE(runs_[0].presort);
  EXPECT_EQ(runs_[0].copies, 3);
  EXPECT_EQ(runs_[0].filter, kFilter);
  EXPECT_EQ(runs_[0].start_record, 2u);
  EXPECT_EQ(runs_[0].records_chosen, 3u);
  EXPECT_EQ(runs_[0].mask, mask);
  EXPECT_EQ(w.mask(), mask);  // kept for the next run
  EXPECT_TRUE(messenger_.said.isEmpty());
  ExpectTablePutBack(2);

  w.all_records()->click();
  w.print_button()->click();
  ASSERT_EQ(runs_.size(), 2u);
  EXPECT_FALSE(runs_[1].preview);
  EXPECT_EQ(runs_[1].filter, "NOT ISDEL");
  EXPECT_EQ(runs_[1].records_chosen, 4u);
  ExpectTablePutBack(2);

  w.current_only()->click();
  w.print_button()->click();
  ASSERT_EQ(runs_.size(), 3u);
  EXPECT_EQ(runs_[2].filter, "Recno()=2");
  EXPECT_EQ(runs_[2].records_chosen, 1u);
  ExpectTablePutBack(2);
  EXPECT_EQ(presorts_, 0);
}

TEST_F(LabelSetupScreenTest, ACurrentRecordOutsideTheChoiceStartsTheRunAtTheFirst) {
  AddSetup("Club", "BIN00001.L");
  ASSERT_TRUE(addresses_->Go(3).ok());  // no ZIP code: the filter does not pass it
  TLabelSetupScreen& w = Open();
  w.start_from_current()->click();
  w.print_button()->click();
  EXPECT_EQ(messenger_.said, QStringList{"Current record is out of range. Starting with first record"});
  ASSERT_EQ(runs_.size(), 1u);
  EXPECT_EQ(runs_[0].start_record, 1u);
  ExpectTablePutBack(3);
}

TEST_F(LabelSetupScreenTest, CancelInTheSheetPositionWindowPrintsNothing) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open();
  positions_.reset();
  w.print_button()->click();
  EXPECT_EQ(positions_asked_with_presort_, std::vector<bool>{false});
  EXPECT_TRUE(runs_.empty());
}

TEST_F(LabelSetupScreenTest, APresortIsMadeOnceForEachRecordChoice) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open();
  w.all_records()->click();
  w.presort()->click();
  w.print_button()->click();
  EXPECT_EQ(positions_asked_with_presort_, std::vector<bool>{true});
  EXPECT_EQ(presorts_, 1);
  ASSERT_EQ(runs_.size(), 1u);
  EXPECT_TRUE(runs_[0].presort);
  EXPECT_EQ(runs_[0].copies, 1);
  EXPECT_EQ(runs_[0].presort_lines,
            (std::vector<std::string>{"** 5-digit 12345", "12345", "** 5-digit 54321", "54321"}));
  EXPECT_EQ(messenger_.said, QStringList{PresortOrderText()});

  w.print_button()->click();
  EXPECT_EQ(presorts_, 1);
  EXPECT_EQ(runs_.size(), 2u);

  w.matching_filter()->click();
  w.print_button()->click();
  EXPECT_EQ(presorts_, 2);
  EXPECT_EQ(runs_.size(), 3u);
  ExpectTablePutBack(2);
}

TEST_F(LabelSetupScreenTest, ACancelledPresortPrintsNothingAndPutsTheTableBack) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open();
  w.presort()->click();
  presort_outcome_ = PresortOutcome::kCancelled;
  w.print_button()->click();
  EXPECT_EQ(presorts_, 1);
  EXPECT_TRUE(runs_.empty());
  ExpectTablePutBack(2);
  EXPECT_TRUE(w.what_to_print().NeedsPresort());
}

TEST_F(LabelSetupScreenTest, RecordsThePresortLeavesOutArePrintedAfterItOnlyWhenTheUserSaysSo) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open();
  w.presort()->click();
  left_out_ = {3, 4};
  messenger_.answer = true;
  w.print_button()->click();
  ASSERT_EQ(runs_.size(), 1u);
  EXPECT_EQ(runs_[0].unsorted_records, (std::vector<uint32_t>{3, 4}));
  EXPECT_EQ(runs_[0].records_chosen, 3u);
  EXPECT_EQ(messenger_.said.last(), LeftOutQuestion(2));

  // The list is not made again, and its records left out are still known.
  messenger_.said.clear();
  messenger_.answer = false;
  w.print_button()->click();
  EXPECT_EQ(presorts_, 1);
  ASSERT_EQ(runs_.size(), 2u);
  EXPECT_TRUE(runs_[1].unsorted_records.empty());
  // Those not printed are not counted as owed by the run.
  EXPECT_EQ(runs_[1].records_chosen, 1u);
  EXPECT_EQ(messenger_.said,
            (QStringList{PresortOrderText(), LeftOutQuestion(2), LeftOutNotPrintedText(2)}));
}

TEST_F(LabelSetupScreenTest, OpeningRemovesAPresortListLeftFromBefore) {
  QString error;
  ASSERT_TRUE(WritePresortFile(PresortFilePath(), {"** 5-digit 99999", "99999"}, &error));
  Open();
  EXPECT_FALSE(QFile::exists(PresortFilePath()));
}

TEST_F(LabelSetupScreenTest, CalibrationIsForTheCurrentSetUpsStock) {
  AddSetup("Club", "BIN00001.L");
  TLabelSetupScreen& w = Open();
  w.calibrate_button()->click();
  EXPECT_EQ(calibrated_, std::vector<std::string>{"Avery 5160  Address"});
}

}  // namespace
}  // namespace vellumo
