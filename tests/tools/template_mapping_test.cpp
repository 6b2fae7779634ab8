// Template files to catalogue rows: units, shapes, layouts with a middle
// gap, equivalents and aliases, classes, and what is left out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "length.h"
#include "sheet_grid.h"
#include "stock_catalogue.h"
#include "stock_classes.h"
#include "template_reader.h"

namespace sysdata {
namespace {

const PaperSizes kPapers = {{"US-Letter", {8.5, 11}}, {"A4", {210 / 25.4, 297 / 25.4}}};

// The catalogue made from one template file holding `body`.
StockCatalogue Catalogue(const std::string& body) {
  std::vector<LabelTemplate> templates;
  xbase::Status s = ReadTemplates("<Glabels-templates>" + body + "</Glabels-templates>", "test.xml",
                                  &templates);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return CatalogueFromTemplates(templates, kPapers);
}

const Stock* Find(const StockCatalogue& c, const std::string& description) {
  for (const Stock& s : c.stocks) {
    if (s.description == description) return &s;
  }
  return nullptr;
}

TEST(TemplateLength, ConvertsEveryUnitToInches) {
  const struct {
    const char* text;
    double inches;
  } cases[] = {{"2.625in", 2.625}, {"72pt", 1},   {"72", 1},        {"25.4mm", 1},
               {"2.54cm", 1},      {"6pc", 1},    {" 0.5in ", 0.5}, {"-1in", -1}};
  for (const auto& c : cases) {
    double inches = 0;
    ASSERT_TRUE(ParseLength(c.text, &inches).ok()) << c.text;
    EXPECT_NEAR(inches, c.inches, 1e-9) << c.text;
  }
  for (const char* bad : {"", "in", "2.6x", "1.2.3mm", "nan", "3 furlongs"}) {
    double inches = 0;
    EXPECT_TRUE(ParseLength(bad, &inches).IsInvalidArgument()) << bad;
  }
}

TEST(TemplateMapping, RoundedRectangleOnLetterInMillimetres) {
  StockCatalogue c = Catalogue(R"(
    <Template brand="Acme" part="100" size="US-Letter" _description="Address Labels">
      <Meta category="label"/><Meta category="mail"/>
      <Label-rectangle id="0" width="66.675mm" height="25.4mm" round="1.5875mm">
        <Layout nx="3" ny="10" x0="4.7625mm" y0="12.7mm" dx="70.6438mm" dy="25.4mm"/>
      </Label-rectangle>
    </Template>)");
  ASSERT_EQ(c.stocks.size(), 1u);
  const Stock& s = c.stocks[0];
  EXPECT_EQ(s.description, "Acme 100  Address");
  EXPECT_NEAR(s.geometry.label_width, 2.625, 1e-6);
  EXPECT_NEAR(s.geometry.label_height, 1.0, 1e-6);
  EXPECT_EQ(s.geometry.across, 3);
  EXPECT_EQ(s.geometry.down, 10);
  EXPECT_NEAR(s.geometry.left_margin, 0.1875, 1e-6);
  EXPECT_NEAR(s.geometry.top_margin, 0.5, 1e-6);
  EXPECT_NEAR(s.geometry.horizontal_pitch, 2.78125, 1e-4);
  EXPECT_NEAR(s.geometry.vertical_pitch, 1.0, 1e-6);
  EXPECT_EQ(s.geometry.sheet_width, 8.5);
  EXPECT_EQ(s.geometry.sheet_depth, 11);
  EXPECT_EQ(s.geometry.paper_size, "LTR");
  EXPECT_EQ(s.geometry.shape, "RR");
  EXPECT_EQ(s.printer, "LJ");
  EXPECT_EQ(s.maker, "ACME");
  EXPECT_EQ(s.product_type, "ADDRESS/SHIPPING LABELS");
  EXPECT_EQ(s.geometry.middle_extra_x, 0);
  EXPECT_EQ(s.geometry.middle_extra_y, 0);
}

TEST(TemplateMapping, ShapesAndPapers) {
  StockCatalogue c = Catalogue(R"(
    <Template brand="Acme" part="SQ" size="A4" _description="Square corners">
      <Label-rectangle id="0" width="1in" height="1in" round="0">
        <Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-rectangle></Template>
    <Template brand="Acme" part="RD" size="US-Letter" _description="Round labels">
      <Label-round id="0" radius="0.75in"><Layout nx="4" ny="5" x0="0.5in" y0="0.75in" dx="2in" dy="2in"/></Label-round></Template>
    <Template brand="Acme" part="EL" size="Other" width="11in" height="8.5in" _description="Ovals">
      <Label-ellipse id="0" width="2in" height="1in"><Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-ellipse></Template>
    <Template brand="Acme" part="CD" size="Other" width="5in" height="7in" _description="CD">
      <Label-cd id="0" radius="58.5mm" hole="20mm"><Layout nx="1" ny="1" x0="0.2in" y0="0.2in"/></Label-cd></Template>)");
  ASSERT_EQ(c.stocks.size(), 4u) << (c.skipped.empty() ? "" : c.skipped[0].reason);
  const Stock* square = Find(c, "Acme SQ  Square corners");
  ASSERT_NE(square, nullptr);
  EXPECT_EQ(square->geometry.shape, "SR");
  EXPECT_EQ(square->geometry.paper_size, "A4");
  EXPECT_NEAR(square->geometry.sheet_depth, 11.693, 1e-3);
  EXPECT_EQ(square->geometry.horizontal_pitch, 1.0);  // one column: the label's own width

  const Stock* round = Find(c, "Acme RD  Round");
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(round->geometry.shape, "EL");
  EXPECT_EQ(round->geometry.label_width, 1.5);
  EXPECT_EQ(round->geometry.label_height, 1.5);

  const Stock* oval = Find(c, "Acme EL  Ovals");
  ASSERT_NE(oval, nullptr);
  EXPECT_EQ(oval->geometry.shape, "EL");
  EXPECT_EQ(oval->geometry.paper_size, "LTRL");

  const Stock* disc = Find(c, "Acme CD  CD");
  ASSERT_NE(disc, nullptr);
  EXPECT_EQ(disc->geometry.shape, "EL");
  EXPECT_NEAR(disc->geometry.label_width, 117 / 25.4, 1e-9);
  EXPECT_EQ(disc->geometry.paper_size, "USERP");

  EXPECT_EQ(PaperSizeCode(148 / 25.4, 210 / 25.4), "A5");
  EXPECT_EQ(PaperSizeCode(297 / 25.4, 210 / 25.4), "A4L");
  EXPECT_EQ(PaperSizeCode(4, 6), "USERP");
  EXPECT_EQ(PaperSizeCode(6, 4), "USERL");
}

TEST(TemplateMapping, SecondLayoutBecomesMiddleGaps) {
  // Four blocks of 2 x 2 labels (one given twice), the right blocks 0.5 in further right and
  // the lower blocks 0.25 in further down than an even pitch would put them.
  StockCatalogue c = Catalogue(R"(
    <Template brand="Acme" part="GAP" size="US-Letter" _description="Gapped">
      <Label-rectangle id="0" width="1.5in" height="1in">
        <Layout nx="2" ny="2" x0="0.5in" y0="0.5in" dx="2in" dy="1.5in"/>
        <Layout nx="2" ny="2" x0="5in" y0="0.5in" dx="2in" dy="1.5in"/>
        <Layout nx="2" ny="2" x0="0.5in" y0="3.75in" dx="2in" dy="1.5in"/>
        <Layout nx="2" ny="2" x0="5in" y0="3.75in" dx="2in" dy="1.5in"/>
        <Layout nx="2" ny="2" x0="5in" y0="0.5in" dx="2in" dy="1.5in"/>
      </Label-rectangle></Template>)");
  ASSERT_EQ(c.stocks.size(), 1u) << c.skipped[0].detail;
  const Stock& s = c.stocks[0];
  EXPECT_EQ(s.geometry.across, 4);
  EXPECT_EQ(s.geometry.down, 4);
  EXPECT_NEAR(s.geometry.horizontal_pitch, 2.0, 1e-9);
  EXPECT_NEAR(s.geometry.vertical_pitch, 1.5, 1e-9);
  EXPECT_NEAR(s.geometry.middle_extra_x, 0.5, 1e-9);   // column 2 at 0.5 + 2 * 2 + 0.5
  EXPECT_NEAR(s.geometry.middle_extra_y, 0.25, 1e-9);  // row 2 at 0.5 + 2 * 1.5 + 0.25
}

TEST(TemplateMapping, OddCountsPutTheGapAfterTheFirstHalf) {
  // Three columns: the gap comes before column 1 (1 + 1 > 3 div 2).
  SheetGrid grid;
  ASSERT_TRUE(FitSheetGrid({{1, 1, 0.5, 1, 0, 0}, {2, 1, 3.0, 1, 2, 0}}, 1.5, 1, &grid).ok());
  EXPECT_EQ(grid.across, 3);
  EXPECT_NEAR(grid.horizontal_pitch, 2.0, 1e-9);
  EXPECT_NEAR(grid.middle_extra_x, 0.5, 1e-9);
}

TEST(TemplateMapping, AbsurdLayoutsAreRefusedNotLaidOut) {
  SheetGrid grid;
  EXPECT_TRUE(FitSheetGrid({{20, 1, 0, 0, 1e308, 0}}, 1, 1, &grid).IsNotSupported());
  EXPECT_TRUE(FitSheetGrid({{1000000, 1000000, 0, 0, 1, 1}}, 1, 1, &grid).IsNotSupported());
  EXPECT_TRUE(FitSheetGrid({}, 1, 1, &grid).IsNotSupported());
}

TEST(TemplateMapping, LayoutsThatNoGridDescribesAreSkipped) {
  StockCatalogue c = Catalogue(R"(
    <Template brand="Acme" part="STAGGER" size="US-Letter">
      <Label-round id="0" radius="2in">
        <Layout nx="1" ny="1" x0="0.25in" y0="0.25in"/>
        <Layout nx="1" ny="1" x0="4in" y0="6in"/></Label-round></Template>
    <Template brand="Acme" part="UNEVEN" size="US-Letter">
      <Label-rectangle id="0" width="1in" height="1in">
        <Layout nx="1" ny="3" x0="1in" y0="1in" dy="2in"/>
        <Layout nx="1" ny="1" x0="1in" y0="8in"/></Label-rectangle></Template>
    <Template brand="Acme" part="WIDE" size="US-Letter">
      <Label-rectangle id="0" width="0.5in" height="0.5in">
        <Layout nx="11" ny="2" x0="0.1in" y0="1in" dx="0.6in" dy="0.6in"/></Label-rectangle></Template>
    <Template brand="Acme" part="MANY" size="US-Letter">
      <Label-rectangle id="0" width="0.5in" height="0.2in">
        <Layout nx="10" ny="21" x0="0.1in" y0="1in" dx="0.6in" dy="0.25in"/></Label-rectangle></Template>
    <Template brand="Acme" part="BAD" size="US-Letter">
      <Label-rectangle id="0" width="1in" height="1in" round="in">
        <Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-rectangle></Template>
    <Template brand="Acme" part="PAPER" size="Tabloid">
      <Label-rectangle id="0" width="1in" height="1in"><Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-rectangle></Template>
    <Template brand="Acme" part="GHOST" equiv="NOWHERE"/>)");
  EXPECT_TRUE(c.stocks.empty());
  std::vector<std::string> reasons;
  for (const SkippedTemplate& t : c.skipped) reasons.push_back(t.name + ": " + t.reason);
  EXPECT_EQ(reasons, (std::vector<std::string>{
                         "Acme STAGGER: labels not on one grid",
                         "Acme UNEVEN: labels not on one grid",
                         "Acme WIDE: more labels than a page holds",
                         "Acme MANY: more labels than a page holds",
                         "Acme BAD: malformed template",
                         "Acme PAPER: unknown paper size",
                         "Acme GHOST: equivalent of an unknown part",
                     }));
}

TEST(TemplateMapping, EquivalentsAndAliasesBecomeRowsOfTheirOwn) {
  StockCatalogue c = Catalogue(R"(
    <Template brand="Avery" part="5163" size="US-Letter" _description="Shipping Labels">
      <Meta category="mail"/>
      <Alias brand="Maco" part="LL-5805"/>
      <Alias name="Staples 575748"/>
      <Label-rectangle id="0" width="4in" height="2in" round="0.0625in">
        <Layout nx="2" ny="5" x0="0.15625in" y0="0.5in" dx="4.1875in" dy="2in"/></Label-rectangle></Template>
    <Template brand="Avery" part="8163" equiv="5163"/>)");
  ASSERT_EQ(c.stocks.size(), 4u);
  EXPECT_EQ(c.stocks[0].description, "Avery 5163  Shipping");
  EXPECT_EQ(c.stocks[1].description, "Maco LL-5805  Shipping");
  EXPECT_EQ(c.stocks[1].maker, "MACO");
  EXPECT_EQ(c.stocks[2].description, "Staples 575748  Shipping");
  const Stock* inkjet = Find(c, "Avery 8163  Shipping");
  ASSERT_NE(inkjet, nullptr);
  EXPECT_EQ(inkjet->printer, "IJ");  // Avery's 8xxx parts are for ink-jet printers
  EXPECT_EQ(inkjet->geometry.across, 2);
  EXPECT_EQ(inkjet->product_type, "ADDRESS/SHIPPING LABELS");
  EXPECT_EQ(c.stocks[0].printer, "LJ");
}

TEST(TemplateMapping, DescriptionsAreUniqueWhateverTheirCase) {
  const std::string label = R"(<Label-rectangle id="0" width="1in" height="1in">
      <Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-rectangle></Template>)";
  StockCatalogue c = Catalogue(
      R"(<Template brand="Acme" part="X1" size="A4" _description="Tags">)" + label +
      R"(<Template brand="ACME" part="x1" size="A4" _description="TAGS">)" + label +
      R"(<Template brand="Acme" part="X1" size="US-Letter" _description="tags">)" + label);
  ASSERT_EQ(c.stocks.size(), 2u);  // the third repeats the first's brand and part
  EXPECT_EQ(c.stocks[0].description, "Acme X1  Tags");
  EXPECT_EQ(c.stocks[1].description, "ACME x1  TAGS (2)");
  ASSERT_EQ(c.skipped.size(), 1u);
  EXPECT_EQ(c.skipped[0].reason, "part defined twice");
}

TEST(TemplateMapping, LongNamesAreCutToTheirFields) {
  StockCatalogue c = Catalogue(R"(
    <Template brand="Online Labels" part="OL123" size="US-Letter"
              _description="Wine bottle labels, nutritional labels, jar labels and many more labels">
      <Label-rectangle id="0" width="1in" height="1in"><Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-rectangle></Template>
    <Template brand="Verylongbrandname" part="1" size="US-Letter" _description="Caf&#233; labels">
      <Label-rectangle id="0" width="1in" height="1in"><Layout nx="1" ny="1" x0="1in" y0="1in"/></Label-rectangle></Template>)");
  ASSERT_EQ(c.stocks.size(), 2u);
  EXPECT_EQ(c.stocks[0].description.size(), kDescriptionWidth);
  EXPECT_EQ(c.stocks[0].maker, "ONLINE LBL");
  EXPECT_EQ(c.stocks[1].maker, "VERYLONGBR");
  EXPECT_EQ(c.stocks[1].description, "Verylongbrandname 1  Caf\xE9");  // Windows-1252
}

TEST(TemplateClasses, PrinterAndProductType) {
  LabelTemplate t;
  t.brand = "Dymo";
  t.part = "99010";
  t.description = "Address Labels";
  EXPECT_EQ(PrinterCode(t), "LP");
  EXPECT_EQ(ProductType(t), "ADDRESS/SHIPPING LABELS");
  t.brand = "Acme";
  t.description = "Continuous pin-fed labels";
  EXPECT_EQ(PrinterCode(t), "DM");
  t.description = "Photo stickers";
  t.product_url = "http://example.com/inkjet/stickers";
  EXPECT_EQ(PrinterCode(t), "IJ");
  t.brand = "Zweckform";
  t.part = "J8160";
  t.product_url.clear();
  EXPECT_EQ(PrinterCode(t), "IJ");
  t.part = "L7160";
  EXPECT_EQ(PrinterCode(t), "LJ");

  t.categories = {"label", "media"};
  t.description = "Floppy disk labels";
  EXPECT_EQ(ProductType(t), "DISKETTE LABELS");
  t.description = "Lever Arch File Labels";
  EXPECT_EQ(ProductType(t), "FILE FOLDER LABELS");
  t.description = "Index dividers";
  EXPECT_EQ(ProductType(t), "INDEX PRODUCTS");
  t.description = "CD/DVD labels";
  EXPECT_EQ(ProductType(t), "MISCELLANEOUS");
  t.categories = {"card", "business-card"};
  t.description = "Clean edge";
  EXPECT_EQ(ProductType(t), "CARD PRODUCTS");
  t.categories = {"label", "rectangle-label"};
  t.description = "Rectangular labels";
  EXPECT_EQ(ProductType(t), "MISCELLANEOUS");
  EXPECT_TRUE(IsKnownCategory("mail"));
  EXPECT_FALSE(IsKnownCategory("hologram"));
}

TEST(TemplateReader, BadFilesAreRefusedWhole) {
  std::vector<LabelTemplate> templates;
  EXPECT_TRUE(ReadTemplates("<Glabels-templates><Template brand='A' part='1' size='A4'>",
                            "cut.xml", &templates)
                  .IsInvalidArgument());
  EXPECT_TRUE(ReadTemplates("<a><b></a>", "bad.xml", &templates).IsInvalidArgument());
  EXPECT_TRUE(templates.empty());
  PaperSizes papers;
  EXPECT_TRUE(ReadPaperSizes("<Glabels-paper-sizes><Paper-size id='A4' width='x' height='1in'/>"
                             "</Glabels-paper-sizes>",
                             "paper-sizes.xml", &papers)
                  .IsInvalidArgument());
}

}  // namespace
}  // namespace sysdata
