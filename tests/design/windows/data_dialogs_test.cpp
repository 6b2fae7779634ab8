// The field chooser and the address layout dialog: the fields offered,
// the binding "Ok" makes, the enabling of the ZIP places, every option's
// effect on the composed block, and the page's refresh after either.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>

#include "core/address_layout.h"
#include "design/windows/address_layout_dialog.h"
#include "design/windows/data_edits.h"
#include "design/windows/field_selection_box.h"
#include "dialog_fixture.h"

namespace vellumo::design {
namespace {

using testing::DialogTest;

const std::vector<xbase::FieldDef>& AddressTableFields() {
  static const std::vector<xbase::FieldDef> fields = AddressFieldDefs(FieldLengths::Defaults());
  return fields;
}

QStringList ListEntries(const QListWidget* list) {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
  return entries;
}

class FieldChooserTest : public DialogTest {
 protected:
  FieldChooserTest() {
    record_.SetField("LNAME", "Jones");
    record_.SetLabel("Last Name", "LNAME");
    record_.SetField("CITY", "Springfield");
    record_.SetLabel("City", "CITY");
  }
};

TEST_F(FieldChooserTest, OffersVisibleTextFieldsOrMemoFieldsInFieldOrder) {
  EXPECT_EQ(OfferedLabels(OfferedFields(AddressTableFields(), FieldChoice::kTextField)),
            QStringList({"Last Name", "First Name", "Middle", "Prefix", "Title", "Organization", "Address 1",
                         "Address 2", "City", "State", "Zip/Postal Code", "Country", "Phone 1", "Phone 2", "Fax",
                         "Email", "Codes", "Comment 1", "Comment 2"}));
  const std::vector<BoundField> memos = OfferedFields(AddressTableFields(), FieldChoice::kMemoField);
  ASSERT_EQ(memos.size(), 1u);
  EXPECT_EQ(memos[0].name, "MEMO");
  EXPECT_EQ(memos[0].display_label, "Memo");
  // A field the address layout does not know is shown by its name.
  EXPECT_EQ(OfferedLabels(OfferedFields({{"SPOUSE", 'C', 20}, {"AGE", 'N', 3}}, FieldChoice::kTextField)),
            QStringList({"SPOUSE"}));
}

TEST_F(FieldChooserTest, PreselectsTheBoundLabelElseTheFirst) {
  const std::vector<BoundField> offered = OfferedFields(AddressTableFields(), FieldChoice::kTextField);
  TFieldSelectionBox dialog(offered, "City");
  EXPECT_EQ(dialog.windowTitle(), "Select Field");
  EXPECT_EQ(ListEntries(dialog.field_list()), OfferedLabels(offered));
  EXPECT_EQ(dialog.ChosenLabel(), "City");
  EXPECT_EQ(TFieldSelectionBox(offered, "city").ChosenLabel(), "Last Name");  // labels compare exactly
  EXPECT_EQ(TFieldSelectionBox(offered, "").ChosenLabel(), "Last Name");
  EXPECT_EQ(TFieldSelectionBox({}, "City").ChosenLabel(), "");
}

TEST_F(FieldChooserTest, OkBindsNameAndLabelOfTheChosenField) {
  TGPDLabel* field = Place<TGPDLabel>();
  TFieldSelectionBox dialog(OfferedFields(AddressTableFields(), FieldChoice::kTextField), "");
  dialog.field_list()->setCurrentRow(10);
  dialog.Apply(*field);
  EXPECT_EQ(field->DataFieldName, "ZIP");
  EXPECT_EQ(field->DataFieldDescript, "Zip/Postal Code");

  TGDMultiLineLabel* memo = Place<TGDMultiLineLabel>();
  TFieldSelectionBox memo_dialog(OfferedFields(AddressTableFields(), FieldChoice::kMemoField), "");
  memo_dialog.Apply(*memo);
  EXPECT_EQ(memo->DataFieldName, "MEMO");
  EXPECT_EQ(memo->DataFieldDescript, "Memo");
}

TEST_F(FieldChooserTest, ALabelHeldTwiceBindsTheLastFieldWithIt) {
  TGPDLabel* field = Place<TGPDLabel>();
  const std::vector<BoundField> offered = {{"ONE", "Same"}, {"TWO", "Same"}};
  EXPECT_TRUE(BindToField(*field, offered, "Same"));
  EXPECT_EQ(field->DataFieldName, "TWO");
  EXPECT_FALSE(BindToField(*field, offered, "Other"));
  EXPECT_EQ(field->DataFieldName, "TWO");
}

TEST_F(FieldChooserTest, OkTellsThePageAndCancelOnlyRefreshes) {
  TGPDLabel* field = Place<TGPDLabel>();
  field->DataFieldDescript = "Last Name";
  field->Caption = "stale";
  AnswerNextDialog(false);
  EXPECT_FALSE(TFieldSelectionBox::Edit(*field, AddressTableFields(), nullptr));
  EXPECT_EQ(field->DataFieldDescript, "Last Name");
  EXPECT_EQ(field->Caption, "Jones");
  EXPECT_EQ(changes_, 0);

  // Ok with "Last Name" preselected changes nothing but is reported.
  AnswerNextDialog(true);
  EXPECT_TRUE(TFieldSelectionBox::Edit(*field, AddressTableFields(), nullptr));
  EXPECT_EQ(field->DataFieldName, "LNAME");
  EXPECT_EQ(changes_, 1);
}

class AddressLayoutTest : public DialogTest {
 protected:
  AddressLayoutTest() {
    const std::pair<const char*, const char*> fields[] = {
        {"PREFIX", "Mr."},    {"FNAME", "John"},  {"MIDDLE", "Q"},      {"LNAME", "Jones"},
        {"TITLE", "Manager"}, {"ORG", "Acme"},    {"STREET", "1 Main"}, {"STREET2", "Suite 2"},
        {"CITY", "Springfield"}, {"STATE", "IL"}, {"ZIP", "62701"},     {"COUNTRY", "USA"},
        {"PHONE", "555-1234"}};
    for (const auto& [name, value] : fields) record_.SetField(name, value);
    address_ = Place<TGDMultiLineAddressLabel>();
  }

  // The block's lines after the dialog, changed by `change`, closed with Ok.
  std::vector<std::string> LinesAfter(const std::function<void(TAddressLayout&)>& change) {
    TAddressLayout dialog(address_->Options);
    change(dialog);
    dialog.Apply(*address_);
    page_.RefreshAllData();
    return address_->Items;
  }
  void Uncheck(TAddressLayout& dialog, const char* caption) {
    ASSERT_NE(dialog.check_box(caption), nullptr) << caption;
    dialog.check_box(caption)->setChecked(false);
  }

  TGDMultiLineAddressLabel* address_;
};

TEST_F(AddressLayoutTest, ShowsTheBlocksFlagsAndZipPlace) {
  address_->Options.UsePhone = true;
  address_->Options.UseTitle = false;
  address_->Options.ZipOptions = zoBeforeCountry;
  TAddressLayout dialog(address_->Options);
  EXPECT_EQ(dialog.windowTitle(), "Address Label Layout");
  EXPECT_TRUE(dialog.check_box("&Phone #1")->isChecked());
  EXPECT_FALSE(dialog.check_box("&Title")->isChecked());
  EXPECT_TRUE(dialog.check_box("&Name")->isChecked());
  EXPECT_FALSE(dialog.check_box("&Uppercase")->isChecked());
  EXPECT_TRUE(dialog.radio_button("B&efore country")->isChecked());
  EXPECT_EQ(dialog.Choice().ZipOptions, zoBeforeCountry);
  EXPECT_TRUE(dialog.Choice().UsePhone);
  EXPECT_FALSE(dialog.Choice().UseTitle);
}

TEST_F(AddressLayoutTest, ZipPlacesAreEnabledOnlyWhileTheZipIsUsed) {
  TAddressLayout dialog(address_->Options);
  const char* places[] = {"&After state", "&Before city", "A&fter country", "B&efore country"};
  for (const char* place : places) EXPECT_TRUE(dialog.radio_button(place)->isEnabled()) << place;
  dialog.check_box("&Zip/Postal code")->setChecked(false);
  for (const char* place : places) EXPECT_FALSE(dialog.radio_button(place)->isEnabled()) << place;
  dialog.check_box("&Zip/Postal code")->setChecked(true);
  for (const char* place : places) EXPECT_TRUE(dialog.radio_button(place)->isEnabled()) << place;

  address_->Options.UseZip = false;
  TAddressLayout without_zip(address_->Options);
  EXPECT_FALSE(without_zip.radio_button("&After state")->isEnabled());
}

TEST_F(AddressLayoutTest, EveryLineFollowsItsCheckBox) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(LinesAfter([](TAddressLayout&) {}),
            (Lines{"Mr. John Q. Jones ", "Manager", "Acme", "1 Main", "Suite 2", "Springfield  IL 62701", "USA"}));
  EXPECT_EQ(LinesAfter([this](TAddressLayout& d) {
              Uncheck(d, "&Name");
              Uncheck(d, "&Title");
              Uncheck(d, "&Organization");
            }),
            (Lines{"1 Main", "Suite 2", "Springfield  IL 62701", "USA"}));
  EXPECT_EQ(LinesAfter([this](TAddressLayout& d) {
              Uncheck(d, "Address &1");
              Uncheck(d, "Address &2");
              Uncheck(d, "&Country");
            }),
            (Lines{"Springfield  IL 62701"}));
  EXPECT_EQ(LinesAfter([this](TAddressLayout& d) { Uncheck(d, "&Zip/Postal code"); }), (Lines{"Springfield IL"}));
  EXPECT_EQ(LinesAfter([this](TAddressLayout& d) {
              d.check_box("&Zip/Postal code")->setChecked(true);
              Uncheck(d, "City + &State");
              d.check_box("&Phone #1")->setChecked(true);
              d.check_box("&Uppercase")->setChecked(true);
              d.check_box("&Country")->setChecked(true);
            }),
            (Lines{"62701", "USA", "555-1234"}));
  EXPECT_TRUE(address_->Options.UpperCase);
}

TEST_F(AddressLayoutTest, EveryZipPlaceMovesTheZip) {
  using Lines = std::vector<std::string>;
  const auto place = [this](const char* caption) {
    const std::vector<std::string> lines = LinesAfter([caption](TAddressLayout& d) {
      d.radio_button(caption)->setChecked(true);
    });
    return Lines(lines.end() - 2, lines.end());
  };
  EXPECT_EQ(place("&After state"), (Lines{"Springfield  IL 62701", "USA"}));
  EXPECT_EQ(address_->Options.ZipOptions, zoAfterState);
  EXPECT_EQ(place("&Before city"), (Lines{"62701 Springfield IL ", "USA"}));
  EXPECT_EQ(address_->Options.ZipOptions, zoBeforeCity);
  EXPECT_EQ(place("A&fter country"), (Lines{"Springfield IL", "USA 62701"}));
  EXPECT_EQ(address_->Options.ZipOptions, zoAfterCountry);
  EXPECT_EQ(place("B&efore country"), (Lines{"Springfield IL", "62701 USA"}));
  EXPECT_EQ(address_->Options.ZipOptions, zoBeforeCountry);
}

TEST_F(AddressLayoutTest, UppercaseCapitalisesEveryLine) {
  const std::vector<std::string> lines =
      LinesAfter([](TAddressLayout& d) { d.check_box("&Uppercase")->setChecked(true); });
  EXPECT_EQ(lines.front(), "MR. JOHN Q. JONES ");
  EXPECT_EQ(lines[5], "SPRINGFIELD  IL 62701");
}

TEST_F(AddressLayoutTest, CancelLeavesTheOptionsButRefreshes) {
  const AddressBlockOptions before = address_->Options;
  address_->Items = {"stale"};
  AnswerNextDialog(false);
  EXPECT_FALSE(TAddressLayout::Edit(*address_, nullptr));
  EXPECT_EQ(address_->Options.UsePhone, before.UsePhone);
  EXPECT_EQ(address_->Options.ZipOptions, before.ZipOptions);
  EXPECT_EQ(address_->Items.front(), "Mr. John Q. Jones ");
  EXPECT_EQ(changes_, 0);
  AnswerNextDialog(true);
  EXPECT_TRUE(TAddressLayout::Edit(*address_, nullptr));
  EXPECT_EQ(changes_, 1);
}

}  // namespace
}  // namespace vellumo::design
