// The layout chooser's three results.
#include "labels/windows/choose_label_layout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTimer>

namespace vellumo {
namespace {

TEST(ChooseLabelLayoutTest, StartsAtTheCatalogueAndReturnsEachChoice) {
  TChooseLabelLayout chooser;
  EXPECT_EQ(chooser.windowTitle(), "Label Layout");
  EXPECT_TRUE(chooser.from_catalogue()->isChecked());
  EXPECT_FALSE(chooser.user_defined()->isChecked());
  EXPECT_EQ(chooser.choice(), LabelLayoutChoice::kCancelled);
  chooser.accept();
  EXPECT_EQ(chooser.choice(), LabelLayoutChoice::kFromCatalogue);
  chooser.user_defined()->click();
  EXPECT_FALSE(chooser.from_catalogue()->isChecked());
  chooser.accept();
  EXPECT_EQ(chooser.choice(), LabelLayoutChoice::kUserDefined);
  chooser.reject();
  EXPECT_EQ(chooser.choice(), LabelLayoutChoice::kCancelled);
}

TEST(ChooseLabelLayoutTest, AskShowsTheChooserModally) {
  QTimer::singleShot(0, [] {
    auto* chooser = qobject_cast<TChooseLabelLayout*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    chooser->user_defined()->click();
    chooser->accept();
  });
  EXPECT_EQ(TChooseLabelLayout::Ask(nullptr), LabelLayoutChoice::kUserDefined);
}

}  // namespace
}  // namespace vellumo
