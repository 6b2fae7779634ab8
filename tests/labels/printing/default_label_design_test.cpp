// The default label design: the address lines of a record in a block
// over the label, the barcode only on labels wide enough for it (below
// the block, inside the label, with its clear zones), and the page font.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "address_stock.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/multi_line_label.h"
#include "design/model/record_source.h"
#include "design/model/text_font.h"
#include "labels/printing/default_label_design.h"
#include "printing/report_destinations.h"

namespace vellumo {
namespace {

using design::TGDMultiLineAddressLabel;
using design::TGIMBarCode;

// Two across, ten down, 4 × 1 inches ("Avery 5161  Address").
StockGeometry WideAddressStock() {
  StockGeometry g = AddressStock();
  g.label_width = 4;
  g.across = 2;
  g.left_margin = 0.156;
  g.horizontal_pitch = 4.188;
  return g;
}

class DefaultDesign : public ::testing::Test {
 protected:
  DefaultDesign() {
    const std::pair<const char*, const char*> fields[] = {
        {"PREFIX", "Ms."},     {"FNAME", "Ada"},         {"MIDDLE", ""}, {"LNAME", "Byron"},       {"TITLE", "Analyst"},
        {"ORG", "Engines Ltd"}, {"STREET", "12 Main St"}, {"STREET2", "Apt 4"},     {"CITY", "Springfield"},
        {"STATE", "IL"},       {"ZIP", "62701-1234"},    {"COUNTRY", ""},          {"PHONE", "555-0100"}};
    for (const auto& [name, value] : fields) record_.SetField(name, value);
    page_.SetRecord(&record_);
    page_.Printing = true;
  }

  template <typename T>
  std::vector<T*> ObjectsOf() const {
    std::vector<T*> found;
    for (const auto& object : page_.Objects()) {
      if (auto* typed = dynamic_cast<T*>(object.get())) found.push_back(typed);
    }
    return found;
  }

  TGDMultiLineAddressLabel& Block() const {
    const std::vector<TGDMultiLineAddressLabel*> blocks = ObjectsOf<TGDMultiLineAddressLabel>();
    EXPECT_EQ(blocks.size(), 1u);
    return *blocks.front();
  }

  QTemporaryDir dir_;
  design::MapRecordSource record_;
  design::TGLabelPanel page_{dir_.path().toStdString()};
};

TEST_F(DefaultDesign, NarrowLabelHoldsTheAddressLinesOfTheRecordAndNoBarcode) {
  EXPECT_FALSE(LabelHoldsIntelligentMail(AddressStock()));
  BuildDefaultLabelDesign(page_, AddressStock());
  EXPECT_EQ(page_.Size(), QSize(252, 96));
  EXPECT_TRUE(ObjectsOf<TGIMBarCode>().empty());
  TGDMultiLineAddressLabel& block = Block();
  EXPECT_TRUE(block.ShrinkToFit);
  EXPECT_EQ(block.Items, (std::vector<std::string>{"Ms. Ada Byron ", "Engines Ltd", "12 Main St", "Apt 4",
                                                    "Springfield  IL 62701-1234"}));
  // The whole label but a sixteenth of an inch along each edge.
  EXPECT_EQ(block.Bounds(), QRect(6, 6, 240, 84));
}

TEST_F(DefaultDesign, WideLabelGetsTheRecordsBarcodeBelowTheBlock) {
  ASSERT_TRUE(LabelHoldsIntelligentMail(WideAddressStock()));
  BuildDefaultLabelDesign(page_, WideAddressStock());
  const std::vector<TGIMBarCode*> barcodes = ObjectsOf<TGIMBarCode>();
  ASSERT_EQ(barcodes.size(), 1u);
  const TGIMBarCode& barcode = *barcodes.front();
  const QRect label(QPoint(0, 0), page_.Size());
  EXPECT_TRUE(label.contains(barcode.Bounds()));
  // An eighth of an inch clear on either side, clear of the block above.
  EXPECT_GE(barcode.Left(), 12);
  EXPECT_LE(barcode.Right(), label.width() - 12);
  EXPECT_GE(barcode.Width(), 281);  // 64 pitches of 1/22 inch and a bar
  EXPECT_GE(barcode.Top(), Block().Bottom() + 2);
  EXPECT_TRUE(Block().ShrinkToFit);

  EXPECT_EQ(barcode.Postal.zip, "62701-1234");
  EXPECT_EQ(barcode.Postal.address, "12 Main St");
  EXPECT_EQ(barcode.Fields().routing_code.substr(0, 9), "627011234");
}

TEST_F(DefaultDesign, BarcodeNeedsTheWholeWidthAndSomeHeight) {
  StockGeometry g = WideAddressStock();
  g.label_width = 3.0;
  EXPECT_FALSE(LabelHoldsIntelligentMail(g));
  g.label_width = 3.25;
  EXPECT_TRUE(LabelHoldsIntelligentMail(g));
  g.label_height = 0.5;
  EXPECT_FALSE(LabelHoldsIntelligentMail(g));
}

TEST_F(DefaultDesign, ReplacesWhatThePageHeldAndTakesThePageFont) {
  BuildDefaultLabelDesign(page_, WideAddressStock());
  design::StoredFont font = design::DefaultTextFont();
  font.name = "Courier New";
  page_.Font = font;
  BuildDefaultLabelDesign(page_, AddressStock());
  EXPECT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(Block().Font.name, "Courier New");
}

TEST_F(DefaultDesign, ALongAddressPrintsShrunkAndMarksTheLabel) {
  record_.SetField("ORG", "International Consolidated Widget Manufacturers of North America");
  BuildDefaultLabelDesign(page_, AddressStock());
  TCanvasReport canvas(QSizeF(2.625, 1), 96);
  page_.ResetTextFit();
  canvas.OnPrint = [this](TBaseReport& r) { page_.PrintObjects(r, 0, 0); };
  ASSERT_TRUE(canvas.Execute());
  EXPECT_TRUE(page_.LastTextFit().shrunk);
  EXPECT_FALSE(page_.LastTextFit().unfit);
}

}  // namespace
}  // namespace vellumo
