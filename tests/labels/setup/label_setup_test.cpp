// A label set-up stored in and read back from a LABEL.DBF row, and the
// values a new set-up starts with.
#include "labels/setup/label_setup.h"

#include <gtest/gtest.h>

#include "setup_table.h"

namespace vellumo {
namespace {

using LabelSetupRowTest = testing::SetupTableTest;

LabelSetup Sample() {
  LabelSetup setup = NewLabelSetup();
  setup.description = "Christmas cards";
  setup.design_file = "BIN00007.L";
  setup.stock.art = "ROUNDED";
  setup.stock.geometry.middle_extra_x = 0.25;
  setup.stock.geometry.middle_extra_y = 0.125;
  return setup;
}

TEST(NewLabelSetupTest, StartsOnTheStandardAddressSheet) {
  const LabelSetup setup = NewLabelSetup();
  EXPECT_EQ(setup.description, "<New Label>");
  EXPECT_EQ(setup.design_file, "");
  EXPECT_EQ(setup.stock.description, "Avery 5160  Address");
  EXPECT_EQ(setup.stock.printer, "LJ");
  EXPECT_EQ(setup.stock.maker, "AVERY");
  EXPECT_EQ(setup.stock.product_type, "ADDRESS/SHIPPING LABELS");
  EXPECT_EQ(setup.stock.art, "");
  const StockGeometry& g = setup.stock.geometry;
  EXPECT_DOUBLE_EQ(g.label_height, 1.0);
  EXPECT_DOUBLE_EQ(g.label_width, 2.625);
  EXPECT_EQ(g.across, 3);
  EXPECT_EQ(g.down, 10);
  EXPECT_DOUBLE_EQ(g.top_margin, 0.5);
  EXPECT_DOUBLE_EQ(g.left_margin, 0.188);
  EXPECT_DOUBLE_EQ(g.horizontal_pitch, 2.765);
  EXPECT_DOUBLE_EQ(g.vertical_pitch, 1.01);
  EXPECT_DOUBLE_EQ(g.sheet_width, 8.5);
  EXPECT_DOUBLE_EQ(g.sheet_depth, 11.0);
  EXPECT_EQ(g.paper_size, "LTR");
  EXPECT_EQ(g.shape, "RR");
  EXPECT_EQ(g.middle_extra_x, 0);
  EXPECT_EQ(g.middle_extra_y, 0);
}

TEST_F(LabelSetupRowTest, RowRoundTripKeepsEveryValueInItsField) {
  const LabelSetup setup = Sample();
  AddSetup(setup);
  EXPECT_EQ(Current(), setup);
  // The set-up's name and the stock's name go to their own fields.
  EXPECT_EQ(table_->GetTrimString("DESCRIPT"), "Christmas cards");
  EXPECT_EQ(table_->GetTrimString("TPLDESCRIP"), "Avery 5160  Address");
  EXPECT_EQ(table_->GetTrimString("BINARY"), "BIN00007.L");
  EXPECT_EQ(table_->GetString("LBLWIDTH"), " 2.625");
  EXPECT_EQ(table_->GetString("NBRACROSS"), " 3");
  EXPECT_EQ(table_->GetString("MIDEXTRAY"), " 0.125");
  EXPECT_FALSE(table_->GetLogical("DELETED"));
}

TEST_F(LabelSetupRowTest, UserDefinedStockHasNoStockName) {
  LabelSetup setup = Sample();
  setup.stock.description.clear();
  setup.stock.maker = "USER";
  AddSetup(setup);
  EXPECT_EQ(Current(), setup);
  EXPECT_EQ(table_->GetTrimString("TPLDESCRIP"), "");
}

TEST_F(LabelSetupRowTest, LengthsAreRoundedToThousandthsOnWrite) {
  LabelSetup setup = Sample();
  StockGeometry& g = setup.stock.geometry;
  // Lengths come from the designer as single-precision floats.
  g.vertical_pitch = static_cast<float>(1.01);  // 1.00999999...
  g.left_margin = 0.18751;
  g.label_width = 2.6244;
  g.top_margin = 0.0004;
  AddSetup(setup);
  EXPECT_EQ(table_->GetString("VERTPITCH"), " 1.010");
  EXPECT_EQ(table_->GetString("LEFTMARG"), " 0.188");
  EXPECT_EQ(table_->GetString("LBLWIDTH"), " 2.624");
  EXPECT_EQ(table_->GetString("TOPMARG"), " 0.000");
  const StockGeometry read = Current().stock.geometry;
  EXPECT_DOUBLE_EQ(read.vertical_pitch, 1.01);
  EXPECT_DOUBLE_EQ(read.left_margin, 0.188);
  EXPECT_DOUBLE_EQ(read.label_width, 2.624);
  EXPECT_EQ(read.top_margin, 0);
}

TEST_F(LabelSetupRowTest, ValuesThatDoNotFitAreRefusedLeavingTheRowAsItWas) {
  const LabelSetup stored = Sample();
  AddSetup(stored);
  const auto refused = [&](const char* what, auto change) {
    LabelSetup setup = stored;
    setup.description = "Changed";
    change(setup);
    EXPECT_TRUE(CheckLabelSetup(setup).IsInvalidArgument()) << what;
    EXPECT_TRUE(WriteLabelSetup(*table_, setup).IsInvalidArgument()) << what;
    EXPECT_EQ(Current(), stored) << what;
  };
  // Fields are written in file order: a late field that does not fit must
  // not leave the earlier ones changed.
  refused("wide length", [](LabelSetup& s) { s.stock.geometry.sheet_width = 100.0; });
  refused("wide gap", [](LabelSetup& s) { s.stock.geometry.middle_extra_y = 123.0; });
  refused("wide count", [](LabelSetup& s) { s.stock.geometry.down = 100; });
  refused("long description", [](LabelSetup& s) { s.description = std::string(51, 'd'); });
  refused("long stock name", [](LabelSetup& s) { s.stock.description = std::string(61, 's'); });
  refused("long art name", [](LabelSetup& s) { s.stock.art = std::string(13, 'a'); });
  refused("no design file", [](LabelSetup& s) { s.design_file.clear(); });
  refused("design elsewhere", [](LabelSetup& s) { s.design_file = "../X.L"; });

  LabelSetup longest = stored;
  longest.description = std::string(50, 'd');
  longest.stock.description = std::string(60, 's');
  longest.stock.geometry.sheet_width = 99.999;
  longest.stock.geometry.down = 20;  // 3 × 20 positions
  EXPECT_TRUE(WriteLabelSetup(*table_, longest).ok());
  EXPECT_EQ(Current(), longest);
}

TEST_F(LabelSetupRowTest, SheetsOfMoreThan200LabelsAreRefused) {
  LabelSetup setup = Sample();
  setup.stock.geometry.across = 10;
  setup.stock.geometry.down = 21;
  ASSERT_TRUE(table_->AppendBlank().ok());
  const xbase::Status s = WriteLabelSetup(*table_, setup);
  EXPECT_TRUE(s.IsInvalidArgument());
  EXPECT_NE(s.message().find("210"), std::string::npos) << s.message();
  EXPECT_EQ(table_->GetTrimString("DESCRIPT"), "");  // nothing of it was stored

  setup.stock.geometry.down = 20;
  EXPECT_TRUE(WriteLabelSetup(*table_, setup).ok());
}

TEST_F(LabelSetupRowTest, ReadingAtTheEndOrFromAForeignTableFails) {
  LabelSetup setup;
  ASSERT_TRUE(table_->GoTop().ok());
  EXPECT_TRUE(ReadLabelSetup(*table_, &setup).IsNotFound());

  // The stock catalogue has the stock's fields but not the set-up's.
  const std::string path = std::string(kSysdata) + "LBLTPL.DBF";
  ASSERT_TRUE(xbase::Table::Create(path, StockCatalogueFields(), {env_.get()}).ok());
  std::unique_ptr<xbase::Table> catalogue;
  xbase::OpenOptions options;
  options.env = env_.get();
  ASSERT_TRUE(xbase::Table::Open(path, options, &catalogue).ok());
  ASSERT_TRUE(catalogue->AppendBlank().ok());
  const xbase::Status s = ReadLabelSetup(*catalogue, &setup);
  EXPECT_TRUE(s.IsCorruption());
  EXPECT_NE(s.message().find("TPLDESCRIP"), std::string::npos) << s.message();
}

}  // namespace
}  // namespace vellumo
