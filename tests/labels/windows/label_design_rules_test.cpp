// The label design window's rules without a window: zoom steps, read-outs,
// the font button's text, the layout name and the barcode width rules.
#include "labels/windows/label_design_rules.h"

#include <gtest/gtest.h>

#include "design/model/label_shapes.h"
#include "design/model/postnet_barcode.h"
#include "test_home.h"

namespace vellumo {
namespace {

using design::TLPanelState;

TEST(LabelZoomTest, StepsByTenthsBetweenFiftyAndOneHundredFiftyPercent) {
  float zoom = 1.0f;
  QStringList shown;
  while (const std::optional<float> next = ZoomStep(zoom, true)) {
    zoom = *next;
    shown << ZoomCaption(zoom);
  }
  EXPECT_EQ(shown, QStringList({"110%", "120%", "130%", "140%", "150%"}));
  int down = 0;
  while (const std::optional<float> next = ZoomStep(zoom, false)) {
    zoom = *next;
    ++down;
  }
  EXPECT_EQ(down, 10);
  EXPECT_EQ(ZoomCaption(zoom), "50%");
  // A zoom off the tenths (from an older design) steps to the next tenth.
  EXPECT_FLOAT_EQ(*ZoomStep(1.04f, true), 1.1f);
  EXPECT_FALSE(ZoomStep(1.52f, true));
  EXPECT_EQ(ZoomCaption(0.7f), "70%");
}

TEST(LabelReadoutTest, InchesWithTwoDecimals) {
  EXPECT_EQ(LeftReadout(0), "Left: 0.00");
  EXPECT_EQ(TopReadout(48), "Top: 0.50");
  EXPECT_EQ(LeftReadout(5), "Left: 0.05");
  EXPECT_EQ(LeftReadout(252), "Left: 2.63");
  EXPECT_EQ(TopReadout(-3), "Top: -0.03");
}

TEST(LabelTextsTest, FontButtonLayoutNameAndDescription) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(10);
  EXPECT_EQ(DefaultFontText(font), "Default Font: Arial, 10 pt ");
  font.setBold(true);
  font.setItalic(true);
  EXPECT_EQ(DefaultFontText(font), "Default Font: Arial, 10 pt , bold, italic");

  Stock stock;
  stock.description = "Avery 5160  Address";
  stock.maker = "AVERY";
  EXPECT_EQ(TemplateTypeText(stock), "Avery 5160  Address");
  stock.maker = "USER";
  EXPECT_EQ(TemplateTypeText(stock), "User Defined Label Layout");
  stock.maker = "AVERY";
  stock.description = "Caf\xe9 labels";  // the catalogue's code page
  EXPECT_EQ(TemplateTypeText(stock), QString::fromUtf8("Café labels"));

  EXPECT_EQ(MessageLines("a\rb\r\rc"), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(KeptDescription(QString(60, 'x')), QString(50, 'x'));
  EXPECT_EQ(KeptDescription("Club"), "Club");
}

TEST(LabelBarcodeWidthTest, ToolsRefusedBelowTheirWidths) {
  EXPECT_TRUE(NarrowLabelRefusal(TLPanelState::psPostNetBarCode, 2.84).has_value());
  EXPECT_FALSE(NarrowLabelRefusal(TLPanelState::psPostNetBarCode, 2.85).has_value());
  EXPECT_EQ(*NarrowLabelRefusal(TLPanelState::psPostNetBarCode, 2.625),
            "This label is not wide enough for a \rpostnet barcode. At least 2.85 inches are needed");
  EXPECT_EQ(*NarrowLabelRefusal(TLPanelState::psIMBarCode, 2.9),
            "This label is not wide enough for an \rIntelligent Mail barcode. At least 3.00 inches are needed");
  EXPECT_FALSE(NarrowLabelRefusal(TLPanelState::psIMBarCode, 3.0).has_value());
  EXPECT_FALSE(NarrowLabelRefusal(TLPanelState::psLabel, 0.5).has_value());
}

class RemoveBarcodesTest : public HomeTest {
 protected:
  design::TGGraphicControl* Draw(TLPanelState tool) {
    page_.SetPanelState(tool);
    return page_.CreateObjectInRect(QRect(5, 5, 100, 20));
  }
  int Count(std::string_view class_name) const {
    int n = 0;
    for (const auto& object : page_.Objects()) n += object->ClassName() == class_name ? 1 : 0;
    return n;
  }
  design::TGLabelPanel page_{dir_.path().toStdString()};
};

TEST_F(RemoveBarcodesTest, FirstTooWideBarcodeOfEachKindIsDeletedWithAWarning) {
  page_.SetSize(QSize(400, 200));
  design::TGGraphicControl* postnet = Draw(TLPanelState::psPostNetBarCode);
  Draw(TLPanelState::psPostNetBarCode);
  Draw(TLPanelState::psIMBarCode);
  Draw(TLPanelState::psRectangle);
  page_.AddToSelection(postnet);

  EXPECT_EQ(RemoveBarcodesTooWide(page_, 2.9), 1);  // wide enough for POSTNET only
  EXPECT_EQ(Count("TGIMBarCode"), 0);
  EXPECT_EQ(Count("TGPostNetBarCode"), 2);
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_TRUE(messenger_.said[0].startsWith("Warning: This label is not wide enough for an \r\nIntelligent Mail"));

  EXPECT_EQ(RemoveBarcodesTooWide(page_, 2.0), 1);
  EXPECT_EQ(Count("TGPostNetBarCode"), 1);
  EXPECT_EQ(page_.FindObject("Special1"), nullptr);  // the first one went, and left the selection
  EXPECT_TRUE(page_.Selection().empty());
  EXPECT_EQ(messenger_.said.value(1),
            "Warning: This label is not wide enough for a \r\npostnet barcode. At least 2.85 inches are needed");
  EXPECT_EQ(RemoveBarcodesTooWide(page_, 3.5), 0);
  EXPECT_EQ(Count("TGLabelShapes"), 1);
}

}  // namespace
}  // namespace vellumo
