// The browse window over the main table.
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <string>

#include "addressbook/browse_model.h"
#include "addressbook/windows/browse_form.h"
#include "xbase/table.h"
#include "main_window_fixture.h"
#include "support/watched_env.h"

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
  QString Cell(const BrowseModel* model, int row, const char* field) {
    return model->data(model->index(row, ColumnOf(model, field)), Qt::DisplayRole).toString();
  }
  // The cell editor the grid shows (closed ones may linger until deleted).
  static QLineEdit* OpenEditor(const TAddressBrowseForm& browse) {
    for (QLineEdit* editor : browse.grid()->viewport()->findChildren<QLineEdit*>()) {
      if (editor->isVisible()) return editor;
    }
    return nullptr;
  }
  // Types `text` into the cell's editor and presses Enter, as the user does.
  void TypeIntoCell(TAddressBrowseForm& browse, int row, const char* field, const QString& text) {
    const QModelIndex cell = browse.model()->index(row, ColumnOf(browse.model(), field));
    browse.grid()->setCurrentIndex(cell);
    browse.grid()->edit(cell);
    QLineEdit* editor = OpenEditor(browse);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    SettleEvents();
  }
  // The editor commits through a queued call, and the selection follows
  // the record through another.
  static void SettleEvents() {
    for (int round = 0; round < 3; ++round) QApplication::processEvents();
  }
  int SelectedRow(const TAddressBrowseForm& browse) {
    const QModelIndexList rows = browse.grid()->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : -1;
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

TEST_F(BrowseTest, EditedRecordStaysSelectedWhereverTheOrderMovesIt) {
  StartWindow();
  for (const char* name : {"Cole", "Bell", "Dunn", "Ames", "Eads"}) AddRecord({{"LNAME", name}});
  TAddressBrowseForm browse(window_->book());
  browse.show();
  BrowseModel* model = browse.model();
  ASSERT_EQ(Cell(model, 0, "LNAME"), QStringLiteral("Ames"));
  browse.grid()->scrollToBottom();  // rows read from both ends

  TypeIntoCell(browse, 0, "LNAME", QStringLiteral("Zane"));
  EXPECT_TRUE(browse.isVisible()) << "Enter in a cell editor posts the cell, it does not close the window";
  EXPECT_EQ(browse.grid()->currentIndex().row(), 4);
  EXPECT_EQ(SelectedRow(browse), 4);
  QStringList order;
  for (int row = 0; row < model->rowCount(); ++row) order << Cell(model, row, "LNAME");
  EXPECT_EQ(order, (QStringList{"Bell", "Cole", "Dunn", "Eads", "Zane"}));

  TypeIntoCell(browse, 4, "LNAME", QStringLiteral("Cope"));
  EXPECT_EQ(browse.grid()->currentIndex().row(), 2);
  order.clear();
  for (int row = 0; row < model->rowCount(); ++row) order << Cell(model, row, "LNAME");
  EXPECT_EQ(order, (QStringList{"Bell", "Cole", "Cope", "Dunn", "Eads"}));

  // A field outside the order keeps the row where it is.
  TypeIntoCell(browse, 2, "CITY", QStringLiteral("Provo"));
  EXPECT_EQ(browse.grid()->currentIndex().row(), 2);
  browse.accept();
  window_->RefreshAll();
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Cope"));
  EXPECT_EQ(Shown("CITY"), QStringLiteral("Provo"));
}

TEST_F(BrowseTest, EditsThatChangeWhatTheFilterShowsReReadTheRows) {
  StartWindow();
  for (const char* name : {"Abel", "Adams", "Baker", "Cole"}) AddRecord({{"LNAME", name}});
  FilterConditions a_names;
  a_names[QStringLiteral("LNAME")] = QStringLiteral("A");
  ASSERT_EQ(window_->book().SetFilter(a_names), 2u);
  TAddressBrowseForm browse(window_->book());
  browse.show();
  BrowseModel* model = browse.model();
  TypeIntoCell(browse, 0, "LNAME", QStringLiteral("Zorn"));  // leaves the filter
  ASSERT_EQ(model->rowCount(), 1);
  EXPECT_EQ(Cell(model, 0, "LNAME"), QStringLiteral("Adams"));
  EXPECT_EQ(browse.grid()->currentIndex().row(), 0);

  TypeIntoCell(browse, 0, "LNAME", QStringLiteral("Dale"));  // nothing matches: the filter is dropped
  EXPECT_FALSE(window_->book().filter_set());
  ASSERT_EQ(model->rowCount(), 4);
  EXPECT_EQ(Cell(model, browse.grid()->currentIndex().row(), "LNAME"), QStringLiteral("Dale"));
  browse.reject();
}

TEST_F(BrowseTest, CellEditorsTakeNoMoreThanTheFieldHolds) {
  StartWindow();
  AddRecord({{"LNAME", "Short"}});
  const xbase::Table* table = window_->book().table();
  const int state_width =
      static_cast<int>(table->schema().field(static_cast<size_t>(table->FieldIndex("STATE"))).length);
  TAddressBrowseForm browse(window_->book());
  browse.show();
  const QModelIndex state = browse.model()->index(0, ColumnOf(browse.model(), "STATE"));
  browse.grid()->setCurrentIndex(state);
  browse.grid()->edit(state);
  QLineEdit* editor = OpenEditor(browse);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->maxLength(), state_width);
  QTest::keyClicks(editor, QString(state_width + 5, QLatin1Char('W')));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(Cell(browse.model(), 0, "STATE"), QString(state_width, QLatin1Char('W')));
  browse.reject();
}

TEST_F(BrowseTest, ReadingEveryCellLeavesTheCurrentRecordAlone) {
  StartWindow();
  xbase::Table* table = window_->book().table();
  // Written straight to the table: a thousand records through the form
  // would take most of the test's time.
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(table->AppendBlank().ok());
    ASSERT_TRUE(table->Replace("LNAME", "Name" + std::to_string(1000 + (i * 7919) % 1000)).ok());
    ASSERT_TRUE(table->Replace("CITY", "City" + std::to_string(i)).ok());
  }
  ASSERT_TRUE(table->Commit().ok());
  ASSERT_TRUE(window_->book().GoTo(500));
  window_->RefreshAll();
  const QString shown = Shown("LNAME");
  TAddressBrowseForm browse(window_->book());
  browse.show();
  browse.grid()->scrollToBottom();
  QApplication::processEvents();
  BrowseModel* model = browse.model();
  ASSERT_EQ(model->rowCount(), 1000);
  QStringList names;
  for (int row = 0; row < model->rowCount(); ++row) {
    for (int column = 0; column < model->columnCount(); ++column) {
      (void)model->data(model->index(row, column), Qt::DisplayRole);
    }
    names << Cell(model, row, "LNAME");
  }
  EXPECT_EQ(table->RecNo(), 500u);
  EXPECT_FALSE(table->Eof());
  EXPECT_EQ(window_->book().Field(QStringLiteral("LNAME")), shown);
  EXPECT_EQ(names.first(), QStringLiteral("Name1000"));
  EXPECT_EQ(names.last(), QStringLiteral("Name1999"));
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  // Closing makes the selected row's record current: here the one selected
  // on opening, the main window's.
  browse.reject();
  EXPECT_EQ(table->RecNo(), 500u);
  window_->RefreshAll();
  EXPECT_EQ(Shown("LNAME"), shown);
}

TEST_F(BrowseTest, RowsThatCannotBeReadAreToldOnceAfterThePaint) {
  xbase::WatchedEnv env(xbase::Env::Default());
  window_ = std::make_unique<TAddressMain>();
  window_->book().SetEnv(&env);
  window_->show();
  while (!window_->started()) QApplication::processEvents();
  AddRecord({{"LNAME", "Adams"}});
  AddRecord({{"LNAME", "Brown"}});
  env.fail_reads = true;
  {
    TAddressBrowseForm browse(window_->book());
    browse.show();
    for (int row = 0; row < browse.model()->rowCount(); ++row) (void)Cell(browse.model(), row, "LNAME");
    QApplication::processEvents();
    env.fail_reads = false;
    // The count of rows may fail and be told too; the rows' failure is told once.
    const QStringList rows_told = messenger_.said.filter(QStringLiteral("Unable to read the records\r\n"));
    EXPECT_EQ(rows_told.size(), 1) << "empty rows passed for the records: " << messenger_.said.join(" / ").toStdString();
  }
  window_.reset();
}

TEST_F(BrowseTest, ColumnsAreNeverNarrowerThanTheirCaptions) {
  StartWindow();
  TAddressBrowseForm browse(window_->book());
  QHeaderView* header = browse.grid()->horizontalHeader();
  for (int c = 0; c < browse.model()->columnCount(); ++c) {
    const int caption = header->fontMetrics().horizontalAdvance(browse.model()->column(c).label);
    EXPECT_GT(header->sectionSize(c), caption) << browse.model()->column(c).label.toStdString();
  }
  const int zip = ColumnOf(browse.model(), "ZIP");
  header->resizeSection(zip, 3);
  EXPECT_GT(header->sectionSize(zip), header->fontMetrics().horizontalAdvance(QStringLiteral("Zip/Postal Code")));
  browse.reject();
}

TEST_F(BrowseTest, PlacementIsKeptForTheNextBrowse) {
  StartWindow();
  QRect placed;
  {
    TAddressBrowseForm browse(window_->book());
    browse.show();
    browse.setGeometry(40, 50, 700, 400);
    placed = browse.geometry();
    browse.accept();
  }
  TAddressBrowseForm again(window_->book());
  EXPECT_EQ(again.geometry(), placed);
  again.reject();
}

TEST_F(BrowseTest, ColumnOrderFileNamingAMissingFieldStillOrdersTheOthers) {
  StartWindow();
  AddRecord({{"LNAME", "One"}});
  QFile order(SystemDataDirectory() + QStringLiteral("FIELDS.LST"));
  ASSERT_TRUE(order.open(QIODevice::WriteOnly));
  order.write("NOSUCHFIELD\r\nZIP\r\nCITY\r\n");
  order.close();
  TAddressBrowseForm browse(window_->book());
  EXPECT_EQ(browse.model()->column(0).field, QStringLiteral("ZIP"));
  EXPECT_EQ(browse.model()->column(1).field, QStringLiteral("CITY"));
  EXPECT_EQ(browse.model()->columnCount(), 21);
  browse.accept();
  ASSERT_TRUE(order.open(QIODevice::ReadOnly));
  const QByteArray rewritten = order.readAll();
  EXPECT_TRUE(rewritten.startsWith("ZIP\r\nCITY\r\n"));
  EXPECT_FALSE(rewritten.contains("NOSUCHFIELD"));
  EXPECT_EQ(rewritten.count('\n'), 28);  // every field of the table, hidden and computed ones too
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

TEST_F(BrowseTest, UntaggingUnderATagFilterTakesTheRowOut) {
  StartWindow();
  for (const char* name : {"Ames", "Bell", "Cole"}) {
    AddRecord({{"LNAME", name}});
    ASSERT_TRUE(window_->book().ToggleTag());
  }
  FilterConditions tagged;
  tagged.tagged = true;
  ASSERT_EQ(window_->book().SetFilter(tagged), 3u);
  TAddressBrowseForm browse(window_->book());
  browse.show();
  BrowseModel* model = browse.model();
  browse.grid()->setCurrentIndex(model->index(1, ColumnOf(model, "LNAME")));
  browse.TagButtonClick();  // Bell
  SettleEvents();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(Cell(model, 0, "LNAME"), QStringLiteral("Ames"));
  EXPECT_EQ(Cell(model, 1, "LNAME"), QStringLiteral("Cole"));
  EXPECT_EQ(browse.grid()->currentIndex().row(), 1);
  browse.reject();
}

TEST_F(BrowseTest, DoubleClickTogglesTheTagOfTheRowClicked) {
  StartWindow();
  AddRecord({{"LNAME", "Alpha"}});
  AddRecord({{"LNAME", "Beta"}});
  TAddressBrowseForm browse(window_->book());
  browse.show();
  BrowseModel* model = browse.model();
  const QRect beta = browse.grid()->visualRect(model->index(1, ColumnOf(model, "LNAME")));
  // As the system delivers a double click: press, release, double click, release.
  QTest::mouseClick(browse.grid()->viewport(), Qt::LeftButton, {}, beta.center());
  QTest::mouseDClick(browse.grid()->viewport(), Qt::LeftButton, {}, beta.center());
  QTest::mouseRelease(browse.grid()->viewport(), Qt::LeftButton, {}, beta.center());
  SettleEvents();
  EXPECT_EQ(Cell(model, 1, "Tagged"), QStringLiteral("Yes"));
  EXPECT_EQ(Cell(model, 0, "Tagged"), QStringLiteral("No"));
  browse.accept();
  window_->RefreshAll();
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Beta"));
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
