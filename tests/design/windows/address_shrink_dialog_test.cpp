// The address layout dialog's "Shrink to fit" box: it shows the block's
// setting, Ok stores what it shows, Cancel leaves the block as it was.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "design/model/multi_line_label.h"
#include "design/windows/address_layout_dialog.h"
#include "dialog_fixture.h"

namespace vellumo::design {
namespace {

class AddressShrinkBox : public testing::DialogTest {
 protected:
  TGDMultiLineAddressLabel* address_ = Place<TGDMultiLineAddressLabel>();
};

TEST_F(AddressShrinkBox, ShowsAndStoresTheBlocksSetting) {
  address_->ShrinkToFit = true;
  TAddressLayout on(address_->Options, address_->ShrinkToFit);
  ASSERT_NE(on.check_box("Shrin&k to fit"), nullptr);
  EXPECT_TRUE(on.check_box("Shrin&k to fit")->isChecked());
  on.check_box("Shrin&k to fit")->setChecked(false);
  on.Apply(*address_);
  EXPECT_FALSE(address_->ShrinkToFit);

  TAddressLayout off(address_->Options, address_->ShrinkToFit);
  EXPECT_FALSE(off.ShrinkChoice());
  off.check_box("Shrin&k to fit")->setChecked(true);
  off.Apply(*address_);
  EXPECT_TRUE(address_->ShrinkToFit);
}

TEST_F(AddressShrinkBox, EditOpensOnTheBlocksSettingAndCancelKeepsIt) {
  address_->ShrinkToFit = true;
  AnswerNextDialog(true);
  EXPECT_TRUE(TAddressLayout::Edit(*address_, nullptr));
  EXPECT_TRUE(address_->ShrinkToFit);  // Ok on an untouched dialog keeps it on

  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TAddressLayout*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->check_box("Shrin&k to fit")->setChecked(false);
    dialog->reject();
  });
  EXPECT_FALSE(TAddressLayout::Edit(*address_, nullptr));
  EXPECT_TRUE(address_->ShrinkToFit);
}

}  // namespace
}  // namespace vellumo::design
