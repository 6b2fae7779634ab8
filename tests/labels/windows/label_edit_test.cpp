// The user-defined stock editor as a user drives it: units, presets, the
// pitch raised on leaving the label size, the checks, what "Ok" returns.
#include "labels/windows/label_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "address_stock.h"
#include "test_home.h"

namespace vellumo {
namespace {

// The default stock with square corners, so that the shape list is seen to follow the code.
StockGeometry Address() {
  StockGeometry g = AddressStock();
  g.shape = "SR";
  return g;
}

class LabelEditTest : public HomeTest {
 protected:
  void Show(TLabelEdit& edit) {
    edit.show();
    edit.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
  }
  // Types `text` into a field as its whole value and leaves it.
  void Type(TLabelEdit& edit, StockLength length, const QString& text) {
    QDoubleSpinBox* f = edit.field(length);
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, text);
    edit.across()->setFocus();
    QApplication::processEvents();
  }
};

TEST_F(LabelEditTest, ShowsTheStockInInches) {
  TLabelEdit edit(Address());
  EXPECT_TRUE(edit.inches()->isChecked());
  EXPECT_EQ(edit.field(StockLength::kLabelWidth)->text(), "2.625");
  EXPECT_EQ(edit.field(StockLength::kLeftMargin)->text(), "0.188");
  EXPECT_EQ(edit.field(StockLength::kLabelWidth)->decimals(), 3);
  EXPECT_EQ(edit.across()->value(), 3);
  EXPECT_EQ(edit.across()->maximum(), 10);
  EXPECT_EQ(edit.down()->maximum(), 30);
  EXPECT_EQ(edit.paper()->currentIndex(), -1);
  EXPECT_EQ(edit.paper()->count(), 7);
  EXPECT_EQ(edit.shape()->currentText(), "Rectangular");
  edit.accept();
  EXPECT_EQ(edit.result(), Address()) << "nothing changed, the paper code passed in stays";
}

TEST_F(LabelEditTest, MillimetresAndBackKeepTheInches) {
  TLabelEdit edit(Address());
  edit.millimetres()->click();
  EXPECT_EQ(edit.field(StockLength::kLabelWidth)->decimals(), 0);
  EXPECT_EQ(edit.field(StockLength::kLabelWidth)->text(), "67");
  EXPECT_EQ(edit.field(StockLength::kPaperWidth)->text(), "216");
  edit.inches()->click();
  EXPECT_EQ(edit.field(StockLength::kLabelWidth)->text(), "2.625");
  EXPECT_EQ(edit.field(StockLength::kHorizontalPitch)->text(), "2.765");
  edit.millimetres()->click();
  edit.accept();
  EXPECT_EQ(edit.result(), Address());
}

TEST_F(LabelEditTest, TypedMillimetresAreTakenInInches) {
  TLabelEdit edit(Address());
  Show(edit);
  edit.millimetres()->click();
  Type(edit, StockLength::kPaperWidth, "210");
  edit.accept();
  EXPECT_EQ(edit.result().sheet_width, 8.268);
  EXPECT_EQ(edit.result().sheet_depth, 11);
}

TEST_F(LabelEditTest, PaperPresetsFillTheSizeInTheShownUnit) {
  TLabelEdit edit(Address());
  edit.millimetres()->click();
  edit.paper()->setCurrentIndex(4);
  emit edit.paper()->activated(4);
  EXPECT_EQ(edit.paper()->currentText(), "A5 (148 x 210mm)");
  EXPECT_EQ(edit.field(StockLength::kPaperWidth)->text(), "148");
  EXPECT_EQ(edit.field(StockLength::kPaperHeight)->text(), "210");
  edit.paper()->setCurrentIndex(6);
  emit edit.paper()->activated(6);
  EXPECT_EQ(edit.field(StockLength::kPaperWidth)->text(), "148");
  edit.accept();
  EXPECT_EQ(edit.result().paper_size, "USERL");
  EXPECT_EQ(edit.result().sheet_width, 5.82);
  EXPECT_EQ(edit.result().sheet_depth, 8.27);
}

TEST_F(LabelEditTest, LeavingTheLabelWidthRaisesAShorterPitch) {
  TLabelEdit edit(Address());
  Show(edit);
  Type(edit, StockLength::kHorizontalPitch, "2.75");
  Type(edit, StockLength::kLabelWidth, "2.5");
  EXPECT_EQ(edit.field(StockLength::kHorizontalPitch)->text(), "2.750");
  Type(edit, StockLength::kLabelWidth, "3");
  EXPECT_EQ(edit.field(StockLength::kHorizontalPitch)->text(), "3.000");
  Type(edit, StockLength::kLabelHeight, "1.25");
  EXPECT_EQ(edit.field(StockLength::kVerticalPitch)->text(), "1.250");
}

TEST_F(LabelEditTest, AFailedCheckIsToldAndTheEditorStaysOpen) {
  TLabelEdit edit(Address());
  Show(edit);
  Type(edit, StockLength::kLabelHeight, "0.2");
  edit.accept();
  EXPECT_TRUE(edit.isVisible());
  EXPECT_EQ(messenger_.said, QStringList{"Label Height must be at least .3 inches (or 7mm)"});
  EXPECT_EQ(edit.field(StockLength::kLabelHeight)->text(), "0.200") << "the values stay as entered";
  Type(edit, StockLength::kLabelHeight, "0.5");
  edit.down()->setValue(1);
  edit.shape()->setCurrentIndex(2);
  emit edit.shape()->activated(2);
  edit.accept();
  EXPECT_FALSE(edit.isVisible());
  EXPECT_EQ(edit.result().label_height, 0.5);
  EXPECT_EQ(edit.result().vertical_pitch, 1.01);
  EXPECT_EQ(edit.result().down, 1);
  EXPECT_EQ(edit.result().shape, "EL");
}

TEST_F(LabelEditTest, EditShowsTheEditorUnderTheCallersCaption) {
  QString caption;
  QTimer::singleShot(0, [&caption] {
    auto* edit = qobject_cast<TLabelEdit*>(QApplication::activeModalWidget());
    ASSERT_NE(edit, nullptr);
    caption = edit->windowTitle();
    edit->down()->setValue(2);
    edit->accept();
  });
  const std::optional<StockGeometry> entered = TLabelEdit::Edit(Address(), "User Defined Label Layout", nullptr);
  EXPECT_EQ(caption, "User Defined Label Layout");
  ASSERT_TRUE(entered.has_value());
  EXPECT_EQ(entered->down, 2);
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_FALSE(TLabelEdit::Edit(Address(), "User Defined Label Layout", nullptr).has_value()) << "cancelled";
}

}  // namespace
}  // namespace vellumo
