// Label stock geometry: where each cell of a sheet lies, the paper and
// shape tables, and a stock stored in and read back from a table row.
#include <gtest/gtest.h>

#include <memory>

#include "labels/stock/stock_geometry.h"
#include "labels/stock/stock_papers.h"
#include "labels/stock/stock_record.h"
#include "xbase/env.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

StockGeometry Sheet(int across, int down, double extra_x, double extra_y) {
  StockGeometry g;
  g.label_width = 2;
  g.label_height = 1;
  g.across = across;
  g.down = down;
  g.left_margin = 0.25;
  g.top_margin = 0.5;
  g.horizontal_pitch = 2.5;
  g.vertical_pitch = 1.25;
  g.middle_extra_x = extra_x;
  g.middle_extra_y = extra_y;
  return g;
}

TEST(StockGeometryTest, CellsStandAtMarginPlusPitches) {
  const StockGeometry g = Sheet(3, 10, 0, 0);
  EXPECT_EQ(g.Cell(0, 0), (CellOrigin{0.25, 0.5}));
  EXPECT_EQ(g.Cell(2, 9), (CellOrigin{0.25 + 2 * 2.5, 0.5 + 9 * 1.25}));
  EXPECT_EQ(g.CellCount(), 30);
  // Cells are numbered row by row.
  EXPECT_EQ(g.CellAt(4), g.Cell(1, 1));
  EXPECT_EQ(g.CellAt(29), g.Cell(2, 9));
}

TEST(StockGeometryTest, MiddleGapsGoToTheRightAndLowerHalves) {
  // With three across the gap is added from the second column on (3 div 2 = 1).
  const StockGeometry three = Sheet(3, 3, 0.5, 0.25);
  EXPECT_DOUBLE_EQ(three.Cell(0, 0).x, 0.25);
  EXPECT_DOUBLE_EQ(three.Cell(1, 0).x, 0.25 + 2.5 + 0.5);
  EXPECT_DOUBLE_EQ(three.Cell(2, 0).x, 0.25 + 5 + 0.5);
  EXPECT_DOUBLE_EQ(three.Cell(0, 0).y, 0.5);
  EXPECT_DOUBLE_EQ(three.Cell(0, 1).y, 0.5 + 1.25 + 0.25);
  // With four across only the right half moves.
  const StockGeometry four = Sheet(4, 4, 0.5, 0.25);
  EXPECT_DOUBLE_EQ(four.Cell(1, 0).x, 0.25 + 2.5);
  EXPECT_DOUBLE_EQ(four.Cell(2, 0).x, 0.25 + 5 + 0.5);
  EXPECT_DOUBLE_EQ(four.Cell(0, 1).y, 0.5 + 1.25);
  EXPECT_DOUBLE_EQ(four.Cell(0, 2).y, 0.5 + 2.5 + 0.25);
  // A single column has no right half to move.
  EXPECT_DOUBLE_EQ(Sheet(1, 1, 0.5, 0).Cell(0, 0).x, 0.25 + 0.5);
}

TEST(StockGeometryTest, EmptySheetHasNoCells) {
  EXPECT_EQ(Sheet(0, 10, 0, 0).CellCount(), 0);
  EXPECT_EQ(Sheet(3, -1, 0, 0).CellCount(), 0);
}

TEST(StockPaperTest, CodesPresetsAndOrientation) {
  ASSERT_EQ(StockPapers().size(), 7u);
  const StockPaper* a4 = StockPaperForCode("A4");
  ASSERT_NE(a4, nullptr);
  EXPECT_NEAR(a4->width_mm(), 210.058, 1e-9);
  EXPECT_NEAR(a4->height_mm(), 296.926, 1e-9);
  EXPECT_EQ(a4->printer_paper, kA4Paper);
  EXPECT_EQ(StockPaperForCode("LTRL")->printer_paper, kLetterPaper);
  EXPECT_EQ(StockPaperForCode("USERP")->printer_paper, kCustomPaperNumber);
  EXPECT_EQ(StockPaperForCode("XYZ"), nullptr);
  for (const StockPaper& paper : StockPapers()) {
    StockGeometry g;
    g.paper_size = paper.code;
    EXPECT_EQ(g.IsLandscape(), paper.landscape) << paper.code;
  }
}

TEST(StockPaperTest, UnknownShapeCodesAreRound) {
  EXPECT_STREQ(StockShapeForCode("RR").list_entry, "Rectangular with Rounded Edges");
  EXPECT_STREQ(StockShapeForCode("SR").list_entry, "Rectangular");
  EXPECT_STREQ(StockShapeForCode("EL").list_entry, "Round");
  EXPECT_STREQ(StockShapeForCode("??").list_entry, "Round");
}

class StockRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(xbase::Table::Create("/LBLTPL.DBF", StockCatalogueFields(), {env_.get()}).ok());
    xbase::OpenOptions options;
    options.env = env_.get();
    ASSERT_TRUE(xbase::Table::Open("/LBLTPL.DBF", options, &table_).ok());
    ASSERT_TRUE(table_->AppendBlank().ok());
  }

  static Stock Sample() {
    Stock s;
    s.description = "Avery 5160  Address";
    s.printer = "LJ";
    s.maker = "AVERY";
    s.product_type = "ADDRESS/SHIPPING LABELS";
    s.art = "AV5160";
    s.geometry = Sheet(3, 10, 0.125, 0);
    s.geometry.label_width = 2.625;
    s.geometry.sheet_width = 8.5;
    s.geometry.sheet_depth = 11;
    s.geometry.paper_size = "LTR";
    s.geometry.shape = "RR";
    return s;
  }

  std::unique_ptr<xbase::Env> env_ = xbase::NewMemEnv();
  std::unique_ptr<xbase::Table> table_;
};

TEST_F(StockRecordTest, StockRoundTripsThroughARow) {
  ASSERT_TRUE(WriteStock(*table_, Sample()).ok());
  Stock read;
  const xbase::Status s = ReadStock(*table_, &read);
  ASSERT_TRUE(s.ok()) << s.ToString();
  EXPECT_EQ(read, Sample());
}

TEST_F(StockRecordTest, LengthsAreStoredToThreeDecimals) {
  Stock s = Sample();
  s.geometry.top_margin = 0.1875;
  s.geometry.left_margin = -0.0001;  // would print as "-0.000"
  EXPECT_EQ(StockFieldTexts(s)[6], "0.188");
  EXPECT_EQ(StockFieldTexts(s)[7], "0.000");
  ASSERT_TRUE(WriteStock(*table_, s).ok());
  Stock read;
  ASSERT_TRUE(ReadStock(*table_, &read).ok());
  EXPECT_DOUBLE_EQ(read.geometry.top_margin, 0.188);
}

TEST_F(StockRecordTest, DamagedNumberOrMissingFieldIsReportedByName) {
  ASSERT_TRUE(WriteStock(*table_, Sample()).ok());
  // What another program may leave in a numeric field.
  ASSERT_TRUE(table_->Commit().ok());
  std::string record(table_->RecordBuffer());
  const xbase::Schema& schema = table_->schema();
  const xbase::FieldDef& across = schema.field(static_cast<size_t>(table_->FieldIndex("NBRACROSS")));
  record.replace(across.offset, across.length, "*x");
  ASSERT_TRUE(table_->Close().ok());
  std::unique_ptr<xbase::File> file;
  ASSERT_TRUE(env_->OpenFile("/LBLTPL.DBF", true, xbase::LockMode::kNone, &file).ok());
  uint64_t size = 0;
  ASSERT_TRUE(file->Size(&size).ok());
  const uint64_t record_offset = size - 1 - record.size();  // the one record, before the end mark
  ASSERT_TRUE(file->WriteAt(record_offset, record).ok());
  file.reset();
  xbase::OpenOptions options;
  options.env = env_.get();
  ASSERT_TRUE(xbase::Table::Open("/LBLTPL.DBF", options, &table_).ok());
  ASSERT_TRUE(table_->GoTop().ok());
  Stock read;
  const xbase::Status s = ReadStock(*table_, &read);
  EXPECT_TRUE(s.IsCorruption());
  EXPECT_NE(s.message().find("NBRACROSS"), std::string::npos) << s.ToString();

  ASSERT_TRUE(xbase::Table::Create("/OTHER.DBF", {xbase::FieldDef{"DESCRIPT", 'C', 60, 0}}, {env_.get()}).ok());
  std::unique_ptr<xbase::Table> other;
  ASSERT_TRUE(xbase::Table::Open("/OTHER.DBF", options, &other).ok());
  ASSERT_TRUE(other->AppendBlank().ok());
  const xbase::Status missing = ReadStock(*other, &read);
  EXPECT_TRUE(missing.IsCorruption());
  EXPECT_NE(missing.message().find("PRINTER"), std::string::npos) << missing.ToString();
}

}  // namespace
}  // namespace vellumo
