// The sheet-position window as a user drives it: clicks on the miniature,
// All and None, the refusal of an empty sheet, the number of labels per
// record and what Ok hands back.
#include "labels/windows/select_specific_labels.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "address_stock.h"
#include "labels/windows/sheet_miniature.h"
#include "printing/windows/shared_printer.h"
#include "test_home.h"

namespace vellumo {
namespace {

class SelectSpecificLabelsTest : public HomeTest {
 protected:
  TSelectSpecificLabels& Open(bool presort, const SheetPositionMask& mask = {}) {
    window_ = std::make_unique<TSelectSpecificLabels>(AddressStock(), mask, presort);
    window_->resize(500, 400);
    window_->show();
    return *window_;
  }
  static void ClickCell(TSelectSpecificLabels& w, int index) {
    QTest::mouseClick(w.miniature(), Qt::LeftButton, {}, w.miniature()->CellRect(index).center().toPoint());
  }

  std::unique_ptr<TSelectSpecificLabels> window_;
};

TEST_F(SelectSpecificLabelsTest, ClicksSwitchTheCellHitAndNoOther) {
  TSelectSpecificLabels& w = Open(false);
  EXPECT_EQ(w.windowTitle(), "Labels Print");
  ClickCell(w, 4);   // second row, middle
  ClickCell(w, 29);  // the last cell
  SheetPositionMask expected;
  expected.SetSelected(4, false);
  expected.SetSelected(29, false);
  EXPECT_EQ(w.miniature()->mask(), expected);
  ClickCell(w, 4);
  expected.SetSelected(4, true);
  EXPECT_EQ(w.miniature()->mask(), expected);
  // Between the cells nothing changes.
  const QRectF first = w.miniature()->CellRect(0);
  const QRectF second = w.miniature()->CellRect(1);
  QTest::mouseClick(w.miniature(), Qt::LeftButton, {},
                    QPointF((first.right() + second.left()) / 2, first.center().y()).toPoint());
  EXPECT_EQ(w.miniature()->mask(), expected);
}

TEST_F(SelectSpecificLabelsTest, AnEmptySheetIsRefusedAndTheWindowStaysOpen) {
  TSelectSpecificLabels& w = Open(false);
  w.none_button()->click();
  w.ok_button()->click();
  EXPECT_EQ(messenger_.said, QStringList{"You must select at least one card to print"});
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.result(), 0);

  // A flag beyond the sheet's 30 positions prints nothing: still refused.
  SheetPositionMask beyond;
  beyond.SelectNone();
  beyond.SetSelected(150, true);
  w.miniature()->SetMask(beyond);
  w.ok_button()->click();
  EXPECT_EQ(messenger_.said.size(), 2);

  ClickCell(w, 7);
  w.ok_button()->click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_TRUE(w.choice().mask.IsSelected(7));
  EXPECT_FALSE(w.choice().mask.IsSelected(6));
}

TEST_F(SelectSpecificLabelsTest, AllSelectsEveryPositionAgain) {
  SheetPositionMask some;
  some.SelectNone();
  some.SetSelected(2, true);
  TSelectSpecificLabels& w = Open(false, some);
  EXPECT_TRUE(w.miniature()->mask().IsSelected(2));
  EXPECT_FALSE(w.miniature()->mask().IsSelected(3));
  w.all_button()->click();
  EXPECT_EQ(w.miniature()->mask(), SheetPositionMask());
}

TEST_F(SelectSpecificLabelsTest, TheNumberOfLabelsIsAskedOnlyWithoutPresort) {
  TSelectSpecificLabels& w = Open(false);
  EXPECT_TRUE(w.copies()->isVisible());
  EXPECT_TRUE(w.copies_caption()->isVisible());
  EXPECT_EQ(w.copies_caption()->text(), "Number of each label to print");
  EXPECT_EQ(w.copies()->minimum(), 1);
  EXPECT_EQ(w.copies()->maximum(), 99);
  EXPECT_EQ(w.copies()->value(), 1);
  w.copies()->setValue(12);
  w.ok_button()->click();
  EXPECT_EQ(w.choice().copies, 12);

  TSelectSpecificLabels& presorted = Open(true);
  EXPECT_FALSE(presorted.copies()->isVisible());
  EXPECT_FALSE(presorted.copies_caption()->isVisible());
  presorted.copies()->setValue(5);
  presorted.ok_button()->click();
  EXPECT_EQ(presorted.choice().copies, 1);
}

TEST_F(SelectSpecificLabelsTest, ThePrinterListShowsTheSelectedPrinter) {
  TSelectSpecificLabels& w = Open(false);
  EXPECT_EQ(w.printers()->count(), TheSharedPrinter().PrinterNames().size());
  EXPECT_EQ(w.printers()->currentIndex(), TheSharedPrinter().PrinterIndex());
  w.ok_button()->click();
  EXPECT_EQ(w.choice().printer_index, TheSharedPrinter().PrinterIndex());
}

}  // namespace
}  // namespace vellumo
