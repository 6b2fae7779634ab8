// The core's windows driven as a user would: the field-lengths dialog and
// the two rebuild windows.
#include <QFile>
#include <QTest>

#include "core/address_database.h"
#include "core/address_layout.h"
#include "core/field_lengths_form.h"
#include "core/system_tables.h"
#include "core/windows/field_lengths_dialog.h"
#include "core/windows/rebuild_dialogs.h"
#include "test_home.h"

namespace vellumo {
namespace {

int EditFor(const char* field) {
  for (int i = 0; i < FieldLengths::kCount; ++i) {
    if (QLatin1String(FieldLengthsForm::Edits()[i].field) == QLatin1String(field)) return i;
  }
  return -1;
}

TEST(FieldLengthsFormTest, LeavingRestoresInvalidWidths) {
  FieldLengthsForm form(FieldLengths::Defaults());
  int city = EditFor("CITY");
  form.SetText(city, "9");
  form.Leave(city);
  EXPECT_EQ(form.text(city), "30");
  form.SetText(city, "80");
  form.Leave(city);
  EXPECT_EQ(form.text(city), "80");
  form.SetText(city, "abc");
  form.Leave(city);
  EXPECT_EQ(form.text(city), "30");  // the fall-back is the width shown on opening
  form.ResetToDefaults();
  EXPECT_EQ(form.text(EditFor("FAX")), "30");
  form.SetText(EditFor("ZIP"), "12");
  FieldLengths result = form.Accept();
  EXPECT_EQ(result.Get("ZIP"), 12);
  EXPECT_EQ(result.Get("FAX"), 30);
}

TEST(FieldLengthsDialogTest, TypingAndLeavingAnEdit) {
  TSpecifyFieldLengths dialog(FieldLengths::Defaults());
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QLineEdit* city = dialog.edit(EditFor("CITY"));
  QLineEdit* state = dialog.edit(EditFor("STATE"));
  city->setFocus();
  city->selectAll();
  QTest::keyClicks(city, "9");
  state->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(city->text(), "30");
  city->setFocus();
  city->selectAll();
  QTest::keyClicks(city, "80");
  state->setFocus();
  EXPECT_EQ(city->text(), "80");
  EXPECT_EQ(dialog.windowTitle(), "Specify Field Lengths");
}

class RebuildWindowTest : public HomeTest {};

TEST_F(RebuildWindowTest, ReindexPacksAndRecreatesTheTags) {
  ASSERT_TRUE(CreateAddressDatabase(DataPath("add0001.DBF"), FieldLengths::Defaults()));
  std::unique_ptr<xbase::Table> t;
  ASSERT_TRUE(OpenTableFile(DataPath("add0001.DBF"), &t, AddressFieldNames()));
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(t->AppendBlank().ok());
    ASSERT_TRUE(t->Replace("LNAME", "Name" + std::to_string(i)).ok());
  }
  ASSERT_TRUE(t->Go(2).ok());
  ASSERT_TRUE(t->Delete().ok());
  TVelReindex window(*t);
  EXPECT_EQ(window.windowTitle(), "Rebuild indexes for add0001.DBF");
  window.show();
  EXPECT_FALSE(window.gauge()->isVisible());
  QTest::mouseClick(window.reindex_button(), Qt::LeftButton);
  EXPECT_TRUE(window.succeeded());
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(window.status_line()->text(), "Rebuilding indexes");
  EXPECT_EQ(t->RecCount(), 4u);
  EXPECT_TRUE(IsValidAddressIndex(*t));
}

TEST_F(RebuildWindowTest, SystemReindexRebuildsWhatExists) {
  std::unique_ptr<xbase::Table> t;
  ASSERT_TRUE(OpenLetterTable(&t));
  ASSERT_TRUE(t->AppendBlank().ok());
  ASSERT_TRUE(t->Delete().ok());
  t.reset();
  TSystemReindex window;
  window.show();
  QTest::mouseClick(window.reindex_button(), Qt::LeftButton);
  EXPECT_EQ(window.status_line()->text(), "Rebuilding Report File indexes");
  ASSERT_TRUE(OpenLetterTable(&t));
  EXPECT_EQ(t->RecCount(), 0u);
  EXPECT_TRUE(messenger_.said.isEmpty());
}

}  // namespace
}  // namespace vellumo
