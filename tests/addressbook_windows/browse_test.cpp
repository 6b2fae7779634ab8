// The browse window over the main table.
#include <QHeaderView>
#include <QTableView>

#include "addressbook/browse_model.h"
#include "addressbook/windows/browse_form.h"
#include "main_window_fixture.h"

namespace vellumo {
namespace {

class BrowseTest : public MainWindowTest {
 protected:
  int ColumnOf(const BrowseModel* model, const char* field) {
    for (int c = 0; c < model->columnCount(); ++c) {
      if (model->column(c).field == QLatin1String(field)) return c;
    }
    return -1;
  }
};

TEST_F(BrowseTest, RowsFollowTheOrderAndCellsEditTheTable) {
  StartWindow();
  AddRecord({{"LNAME", "Young"}, {"CITY", "Ames"}});
  AddRecord({{"LNAME", "Abbot"}, {"CITY", "Provo"}});
  TAddressBrowseForm browse(window_->book());
  BrowseModel* model = browse.model();
  ASSERT_EQ(model->rowCount(), 2);
  const int last = ColumnOf(model, "LNAME");
  EXPECT_EQ(model->data(model->index(0, last), Qt::DisplayRole).toString(), QStringLiteral("Abbot"));
  EXPECT_EQ(model->headerData(last, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Last Name"));
  ASSERT_TRUE(model->setData(model->index(1, ColumnOf(model, "CITY")), QStringLiteral("Ames Hill"), Qt::EditRole));
  browse.grid()->setCurrentIndex(model->index(1, last));
  browse.accept();
  window_->RefreshAll();
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Young"));  // the grid's record is current
  EXPECT_EQ(Shown("CITY"), QStringLiteral("Ames Hill"));
}

TEST_F(BrowseTest, RowsReachedFromEitherEndAgreeWithTheOrderAndFilter) {
  StartWindow();
  for (const char* name : {"Cole", "Bell", "Dunn", "Ames", "Eads", "Fox", "Gray"}) AddRecord({{"LNAME", name}});
  FilterConditions not_fox;
  not_fox[QStringLiteral("LNAME")] = QStringLiteral("Fox");
  not_fox.reverse = true;
  ASSERT_EQ(window_->book().SetFilter(not_fox), 6u);
  TAddressBrowseForm browse(window_->book());
  BrowseModel* model = browse.model();
  ASSERT_EQ(model->rowCount(), 6);
  const int last = ColumnOf(model, "LNAME");
  auto name = [&](int row) { return model->data(model->index(row, last), Qt::DisplayRole).toString(); };
  // The last rows first, as when the user jumps to the end.
  EXPECT_EQ(name(5), QStringLiteral("Gray"));
  EXPECT_EQ(name(4), QStringLiteral("Eads"));
  EXPECT_EQ(name(0), QStringLiteral("Ames"));
  EXPECT_EQ(name(2), QStringLiteral("Cole"));
  EXPECT_EQ(name(3), QStringLiteral("Dunn"));
  EXPECT_EQ(model->row_of(model->record_at(4)), 4);
  browse.reject();
}

TEST_F(BrowseTest, TagToggleShowsInTheGridAndTheMainWindow) {
  StartWindow();
  AddRecord({{"LNAME", "Tagme"}});
  TAddressBrowseForm browse(window_->book());
  BrowseModel* model = browse.model();
  const QModelIndex tagged = model->index(0, ColumnOf(model, "Tagged"));
  EXPECT_EQ(model->data(tagged, Qt::DisplayRole).toString(), QStringLiteral("No"));
  browse.TagButtonClick();
  EXPECT_EQ(model->data(tagged, Qt::DisplayRole).toString(), QStringLiteral("Yes"));
  browse.accept();
  window_->RefreshAll();
  EXPECT_TRUE(window_->tagged_box()->isChecked());
}

TEST_F(BrowseTest, MovedColumnsKeepTheirOrderNextTime) {
  StartWindow();
  AddRecord({{"LNAME", "One"}});
  {
    TAddressBrowseForm browse(window_->book());
    QHeaderView* header = browse.grid()->horizontalHeader();
    const int city = ColumnOf(browse.model(), "CITY");
    const int last = ColumnOf(browse.model(), "LNAME");
    header->moveSection(header->visualIndex(city), header->visualIndex(last));
    browse.accept();
  }
  TAddressBrowseForm again(window_->book());
  EXPECT_LT(ColumnOf(again.model(), "CITY"), ColumnOf(again.model(), "LNAME"));
  again.reject();
}

}  // namespace
}  // namespace vellumo
