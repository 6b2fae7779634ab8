// The text objects on a data page: values of a map record, field names in
// brackets, placeholders for blank and unbound objects, values cleared
// before saving, the angle rules and the objects the text tools draw.
#include <gtest/gtest.h>

#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "page_fixture.h"

namespace vellumo::design {
namespace {

using namespace testing;

class TextRecordData : public PageTest {
 protected:
  TextRecordData() {
    record_.SetField("PREFIX", "");
    record_.SetField("FNAME", "John");
    record_.SetField("MIDDLE", "Q");
    record_.SetField("LNAME", "Jones");
    record_.SetField("TITLE", "");
    record_.SetField("ORG", "Acme");
    record_.SetField("STREET", "1 Main St");
    record_.SetField("STREET2", "");
    record_.SetField("CITY", "Springfield");
    record_.SetField("STATE", "IL");
    record_.SetField("ZIP", "62701");
    record_.SetField("COUNTRY", "");
    record_.SetField("PHONE", "555-1234");
    record_.SetField("SPOUSE", "   ");
    record_.SetLabel("Last Name", "LNAME");
    record_.SetLabel("Spouse", "SPOUSE");
    record_.SetMemo("MEMO", "first line\r\nsecond line\r\n");
    record_.SetLabel("Memo", "MEMO");
    page_.SetRecord(&record_);
  }

  template <typename T>
  T* Add(std::unique_ptr<T> object) {
    T* raw = object.get();
    page_.PlaceObject(std::move(object), QRect(0, 0, 200, 60));
    return raw;
  }

  TGPDLabel* AddField(const std::string& descript) {
    auto field = std::make_unique<TGPDLabel>();
    field->DataFieldDescript = descript;
    return Add(std::move(field));
  }

  MapRecordSource record_;
};

TEST_F(TextRecordData, DataFieldShowsValueBracketedLabelOrPlaceholders) {
  TGPDLabel* name = AddField("Last Name");
  TGPDLabel* spouse = AddField("Spouse");
  TGPDLabel* unbound = AddField("");
  TGPDLabel* wrong_case = AddField("last name");
  page_.RefreshAllData();
  EXPECT_EQ(name->Caption, "Jones");
  EXPECT_EQ(spouse->Caption, "<blank field>");
  EXPECT_EQ(unbound->Caption, "<undefined field>");
  // Fields are found by their display label exactly, case included.
  EXPECT_EQ(wrong_case->Caption, "<undefined field>");
  page_.SetDisplayDataValues(false);
  EXPECT_EQ(name->Caption, "[Last Name]");
  EXPECT_EQ(spouse->Caption, "[Spouse]");
}

TEST_F(TextRecordData, WhilePrintingBlankFieldsAreEmptyAndUnboundOnesKeepTheirText) {
  TGPDLabel* spouse = AddField("Spouse");
  TGPDLabel* unbound = AddField("Nowhere");
  unbound->Caption = "kept";
  page_.Printing = true;
  page_.RefreshAllData();
  EXPECT_EQ(spouse->Caption, "");
  EXPECT_EQ(unbound->Caption, "kept");
}

TEST_F(TextRecordData, MemoFieldTakesTheMemoLines) {
  auto memo = std::make_unique<TGDMultiLineLabel>();
  memo->DataFieldName = "MEMO";
  memo->DataFieldDescript = "Memo";
  TGDMultiLineLabel* shown = Add(std::move(memo));
  auto unbound = std::make_unique<TGDMultiLineLabel>();
  TGDMultiLineLabel* undefined = Add(std::move(unbound));
  page_.RefreshAllData();
  EXPECT_EQ(shown->Items, (std::vector<std::string>{"first line", "second line"}));
  EXPECT_EQ(undefined->Items, (std::vector<std::string>{"<undefined memo>"}));
  page_.SetDisplayDataValues(false);
  EXPECT_EQ(shown->Items, (std::vector<std::string>{"[Memo]"}));
  shown->ClearData();
  EXPECT_TRUE(shown->Items.empty());
}

TEST_F(TextRecordData, AddressBlockComposesTheRecordOrShowsItsPlaceholder) {
  TGDMultiLineAddressLabel* address = Add(std::make_unique<TGDMultiLineAddressLabel>());
  page_.RefreshAllData();
  EXPECT_EQ(address->Items,
            (std::vector<std::string>{"John Q. Jones ", "Acme", "1 Main St", "Springfield  IL 62701"}));
  address->Options.UpperCase = true;
  address->Options.UsePhone = true;
  page_.RefreshAllData();
  EXPECT_EQ(address->Items, (std::vector<std::string>{"JOHN Q. JONES ", "ACME", "1 MAIN ST", "SPRINGFIELD  IL 62701",
                                                      "555-1234"}));
  page_.SetDisplayDataValues(false);
  EXPECT_EQ(address->Items, (std::vector<std::string>{"[Address Label]"}));
}

TEST_F(TextRecordData, AddressBlockStopsAtTheFirstMissingField) {
  MapRecordSource partial;
  partial.SetField("PREFIX", "");
  partial.SetField("FNAME", "Ann");
  partial.SetField("MIDDLE", "");
  partial.SetField("LNAME", "Lee");
  page_.SetRecord(&partial);
  TGDMultiLineAddressLabel* address = Add(std::make_unique<TGDMultiLineAddressLabel>());
  page_.RefreshAllData();
  EXPECT_EQ(address->Items, (std::vector<std::string>{"Ann Lee "}));
}

TEST(TextAngle, QuarterTurnsSwapALyingObjectAndOthersAreIgnored) {
  TGPLabel label;
  label.Alignment = taCenter;
  label.SetAngle(45);
  EXPECT_EQ(label.Angle(), 0);
  EXPECT_EQ(label.Alignment, taCenter);
  label.SetAngle(90);
  EXPECT_EQ(label.Angle(), 90);
  EXPECT_EQ(label.Bounds().size(), QSize(33, 142));
  EXPECT_EQ(label.Alignment, taLeftJustify);
  label.SetAngle(270);
  EXPECT_EQ(label.Bounds().size(), QSize(33, 142));
  label.SetAngle(0);
  EXPECT_EQ(label.Bounds().size(), QSize(142, 33));
}

TEST_F(TextRecordData, TextToolsDrawObjectsThatShrinkTheirMultiLineText) {
  page_.SetPanelState(TLPanelState::psAddressLabel);
  auto* address = dynamic_cast<TGDMultiLineAddressLabel*>(page_.CreateObjectInRect(QRect(5, 5, 150, 60)));
  ASSERT_NE(address, nullptr);
  EXPECT_TRUE(address->ShrinkToFit);
  EXPECT_FALSE(address->Items.empty());
  page_.SetPanelState(TLPanelState::psMultiLineDataLabel);
  auto* memo = dynamic_cast<TGDMultiLineLabel*>(page_.CreateObjectInRect(QRect(5, 5, 150, 60)));
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->ShrinkToFit);
  EXPECT_EQ(memo->Items, (std::vector<std::string>{"first line", "second line"}));
  page_.SetPanelState(TLPanelState::psMultiLineLabel);
  auto* text = dynamic_cast<TGMultiLineLabel*>(page_.CreateObjectInRect(QRect(5, 5, 150, 60)));
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->ShrinkToFit);
  page_.SetPanelState(TLPanelState::psLabel);
  auto* label = dynamic_cast<TGPLabel*>(page_.CreateObjectInRect(QRect(5, 5, 150, 60)));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption, "<text>");
  page_.SetPanelState(TLPanelState::psDataLabel);
  auto* field = dynamic_cast<TGPDLabel*>(page_.CreateObjectInRect(QRect(5, 5, 150, 60)));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->DataFieldName, "<field>");
  EXPECT_EQ(field->Caption, "<undefined field>");
}

}  // namespace
}  // namespace vellumo::design
