// The user-defined stock editor's values: units, presets, the pitch that
// follows the label, the checks in their order, and what it returns.
#include "labels/stock/user_stock_form.h"

#include <gtest/gtest.h>

#include <functional>

#include "address_stock.h"
#include "labels/stock/stock_papers.h"

namespace vellumo {
namespace {

int PaperEntry(const char* code) { return static_cast<int>(StockPaperForCode(code) - StockPapers().data()); }

TEST(UserStockForm, ReturnsWhatItWasGivenWhenNothingIsChanged) {
  UserStockForm form(AddressStock());
  EXPECT_EQ(form.paper(), -1);
  EXPECT_EQ(form.shape(), 0);
  EXPECT_EQ(form.Validate(), "");
  EXPECT_EQ(form.Result(), AddressStock());
}

TEST(UserStockForm, ShapeEntryFollowsTheCodeAndAnyOtherCodeIsRound) {
  StockGeometry g = AddressStock();
  for (auto [code, entry] : {std::pair{"RR", 0}, {"SR", 1}, {"EL", 2}, {"XX", 2}, {"", 2}}) {
    g.shape = code;
    EXPECT_EQ(UserStockForm(g).shape(), entry) << code;
  }
  UserStockForm form(AddressStock());
  form.ChooseShape(1);
  EXPECT_EQ(form.Result().shape, "SR");
}

TEST(UserStockForm, MillimetreRoundTripsKeepTheInches) {
  StockGeometry odd = AddressStock();
  odd.left_margin = 0.1875;  // held beyond the stored decimals
  UserStockForm form(odd);
  form.SetMillimetres(true);
  EXPECT_EQ(form.decimals(), 0);
  EXPECT_NEAR(form.Shown(StockLength::kLabelWidth), 66.675, 1e-9);
  EXPECT_NEAR(form.Shown(StockLength::kPaperHeight), 279.4, 1e-9);
  form.SetMillimetres(false);
  EXPECT_EQ(form.decimals(), 3);
  EXPECT_DOUBLE_EQ(form.Shown(StockLength::kLabelWidth), 2.625);
  form.SetMillimetres(true);
  const StockGeometry taken = form.Result();
  EXPECT_EQ(taken.label_width, 2.625) << "an untouched field is not rounded to whole millimetres";
  EXPECT_EQ(taken.left_margin, 0.188) << "results keep 3 decimals";
  EXPECT_EQ(taken.horizontal_pitch, 2.765);
}

TEST(UserStockForm, MillimetresEnteredAreTakenToThreeDecimalsOfAnInch) {
  UserStockForm form(AddressStock());
  form.SetMillimetres(true);
  form.Enter(StockLength::kPaperWidth, 210);
  form.Enter(StockLength::kLabelHeight, 25);
  EXPECT_EQ(form.Result().sheet_width, 8.268);
  EXPECT_EQ(form.Result().label_height, 0.984);
  form.SetMillimetres(false);
  form.Enter(StockLength::kTopMargin, 0.4);
  EXPECT_EQ(form.Result().top_margin, 0.4);
  form.Enter(StockLength::kTopMargin, 150);
  EXPECT_EQ(form.Result().top_margin, kMaxStockLengthInches) << "an N(6,3) field holds no more";
  EXPECT_EQ(form.maximum(), kMaxStockLengthInches);
  form.SetMillimetres(true);
  EXPECT_LE(form.maximum() / kMillimetresPerInch, kMaxStockLengthInches);
}

TEST(UserStockForm, PresetPapersFillTheSizeAndUserSizesKeepIt) {
  UserStockForm form(AddressStock());
  form.SetMillimetres(true);
  form.ChoosePaper(PaperEntry("A5"));
  EXPECT_NEAR(form.Shown(StockLength::kPaperWidth), 147.828, 1e-9);
  EXPECT_NEAR(form.Shown(StockLength::kPaperHeight), 210.058, 1e-9);
  EXPECT_EQ(form.Result().paper_size, "A5");
  EXPECT_EQ(form.Result().sheet_width, 5.82);
  form.ChoosePaper(PaperEntry("A4L"));
  EXPECT_EQ(form.Result().sheet_width, 11.69);
  EXPECT_EQ(form.Result().sheet_depth, 8.27);
  form.ChoosePaper(PaperEntry("USERP"));
  EXPECT_EQ(form.Result().sheet_width, 11.69);
  EXPECT_EQ(form.Result().paper_size, "USERP");
  form.ChoosePaper(PaperEntry("LTRL"));
  EXPECT_EQ(form.Result().sheet_width, 11);
  EXPECT_EQ(form.Result().sheet_depth, 8.5);
}

TEST(UserStockForm, LeavingTheLabelSizeRaisesASmallerPitch) {
  UserStockForm form(AddressStock());
  form.Enter(StockLength::kHorizontalPitch, 2.75);
  form.Enter(StockLength::kLabelWidth, 2.5);
  form.LeaveLabelWidth();
  EXPECT_EQ(form.Result().horizontal_pitch, 2.75);
  form.Enter(StockLength::kLabelWidth, 3.0);
  form.LeaveLabelWidth();
  EXPECT_EQ(form.Result().horizontal_pitch, 3.0);
  form.Enter(StockLength::kLabelHeight, 1.5);
  form.LeaveLabelHeight();
  EXPECT_EQ(form.Result().vertical_pitch, 1.5);
  form.Enter(StockLength::kLabelHeight, 0.5);
  form.LeaveLabelHeight();
  EXPECT_EQ(form.Result().vertical_pitch, 1.5);
}

TEST(UserStockForm, EachCheckInItsOrder) {
  UserStockForm form(AddressStock());
  form.Enter(StockLength::kLabelHeight, 0.29);
  form.Enter(StockLength::kLabelWidth, 0.49);
  form.Enter(StockLength::kHorizontalPitch, 0);
  form.Enter(StockLength::kVerticalPitch, 0);
  form.Enter(StockLength::kPaperWidth, 0.29);
  form.Enter(StockLength::kPaperHeight, 0.29);
  form.SetAcross(kMaxAcross);
  form.SetDown(kMaxDown);
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"Label Height must be at least .3 inches (or 7mm)", [&] { form.Enter(StockLength::kLabelHeight, 0.3); }},
      {"Label Width must be at least .5 inch (or 13mm)", [&] { form.Enter(StockLength::kLabelWidth, 0.5); }},
      {"Horizontal Pitch must be at least = Label Width", [&] { form.Enter(StockLength::kHorizontalPitch, 0.5); }},
      {"Vertical Pitch must be at least = Label Height", [&] { form.Enter(StockLength::kVerticalPitch, 0.3); }},
      {"Page Width must be at least .3 inch", [&] { form.Enter(StockLength::kPaperWidth, 0.3); }},
      {"Page Height must be at least .3 inches", [&] { form.Enter(StockLength::kPaperHeight, 0.3); }},
      {"# across times # down must not be more than 200 labels", [&] { form.SetDown(20); }},
  };
  for (const auto& [message, fix] : steps) {
    EXPECT_EQ(form.Validate(), message);
    fix();
  }
  EXPECT_EQ(form.Validate(), "");
}

TEST(UserStockForm, PitchesNeedTwoLabelsInTheirDirection) {
  UserStockForm form(AddressStock());
  form.Enter(StockLength::kHorizontalPitch, 0);
  form.Enter(StockLength::kVerticalPitch, 0);
  form.SetAcross(1);
  EXPECT_EQ(form.Validate(), "Vertical Pitch must be at least = Label Height");
  form.SetDown(1);
  EXPECT_EQ(form.Validate(), "");
  form.SetMillimetres(true);
  form.Enter(StockLength::kLabelHeight, 7);
  EXPECT_EQ(form.Validate(), "Label Height must be at least .3 inches (or 7mm)");
}

TEST(UserStockForm, CountsOutsideTheEditorsRangesAreBroughtIntoThem) {
  StockGeometry g = AddressStock();
  g.across = 0;
  g.down = 45;
  UserStockForm form(g);
  EXPECT_EQ(form.across(), 1);
  EXPECT_EQ(form.down(), kMaxDown);
}

TEST(UserStockForm, TheEnteredStockIsMarkedAsTheUsersOwn) {
  StockGeometry entered = AddressStock();
  entered.middle_extra_x = 0.25;
  entered.middle_extra_y = 0.5;
  const Stock stock = UserDefinedStock(entered);
  EXPECT_EQ(stock.maker, "USER");
  EXPECT_EQ(stock.description, "");
  EXPECT_EQ(stock.printer, "");
  EXPECT_EQ(stock.product_type, "");
  EXPECT_EQ(stock.art, "");
  EXPECT_EQ(stock.geometry, AddressStock());
}

}  // namespace
}  // namespace vellumo
