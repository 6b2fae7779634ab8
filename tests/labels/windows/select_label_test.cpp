// The stock picker window over the delivered catalogue: its lists, the
// filter they put in force, the name search, the views beside the list,
// what "Ok" returns, and a catalogue that cannot be opened.
#include "labels/windows/select_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "core/system_tables.h"
#include "core/text_codec.h"
#include "test_home.h"

namespace vellumo {
namespace {

const PickerStart kDefaultStock{"Avery 5160  Address", "LJ", "AVERY", "ADDRESS/SHIPPING LABELS", false};

class SelectLabelTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    for (const char* name : {"LBLTPL.DBF", "LBLTPL.CDX"}) {
      ASSERT_TRUE(QFile::copy(QStringLiteral(VELLUMO_SYSDATA_DIR "/") + name, SystemDataDirectory() + name));
    }
  }
  // A picker over the catalogue, opened at the default stock.
  TSelectLabel& Picker() {
    EXPECT_TRUE(OpenStockTable(&catalogue_));
    picker_ = std::make_unique<TSelectLabel>(catalogue_.get(), kDefaultStock);
    return *picker_;
  }
  static QStringList GridTexts(const TSelectLabel& w) {
    QStringList texts;
    for (int row = 0; row < w.grid()->rowCount(); ++row) texts << w.grid()->item(row, 0)->text();
    return texts;
  }

  std::unique_ptr<xbase::Table> catalogue_;
  std::unique_ptr<TSelectLabel> picker_;
};

TEST_F(SelectLabelTest, OpensAtTheDesignsStockWithItsSizeShown) {
  TSelectLabel& w = Picker();
  EXPECT_EQ(w.windowTitle(), "Select Label Template");
  EXPECT_EQ(w.manufacturers()->currentText(), "Avery Laserjet");
  EXPECT_EQ(w.product_types()->currentText(), "Address/Shipping Labels");
  EXPECT_EQ(w.product_types()->count(), 7);
  EXPECT_FALSE(w.european_only()->isChecked());
  EXPECT_EQ(w.grid()->columnCount(), 1);
  EXPECT_EQ(w.grid()->horizontalHeaderItem(0)->text(), "Description");
  EXPECT_EQ(w.grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(w.grid()->currentItem()->text(), "Avery 5160  Address");
  QStringList views;
  for (int i = 0; i < TSelectLabel::kViewCount; ++i) views << w.view(i)->text();
  EXPECT_EQ(views, (QStringList{"1.000", "2.625", "3", "10", "8.500", "11.000"}));
  EXPECT_TRUE(w.view(0)->isReadOnly());
  EXPECT_TRUE(w.ok()->isEnabled());
  EXPECT_TRUE(w.ok()->isDefault());
  EXPECT_EQ(QString::fromStdString(catalogue_->filter()),
            " UPPER(manufac)=\"AVERY\"  and  UPPER(printer)=\"LJ\"  and  "
            "UPPER(PRODTYPE)=\"ADDRESS/SHIPPING LABELS\" ");
}

TEST_F(SelectLabelTest, TheManufacturerListCoversEveryMakerOfTheCatalogue) {
  TSelectLabel& w = Picker();
  QStringList entries;
  for (int i = 0; i < w.manufacturers()->count(); ++i) entries << w.manufacturers()->itemText(i);
  EXPECT_EQ(entries.mid(0, 4),
            (QStringList{"Avery Laserjet", "Avery Inkjet", "Avery Dot Matrix", "Costar LabelPrinter"}));
  EXPECT_TRUE(entries.contains("Herma Laserjet"));
  EXPECT_TRUE(entries.contains("Dymo LabelPrinter"));
  w.manufacturers()->setCurrentIndex(static_cast<int>(entries.indexOf("Dymo LabelPrinter")));
  w.product_types()->setCurrentIndex(kAllProductTypes);
  ASSERT_GT(w.grid()->rowCount(), 0);
  for (const Stock& s : w.picker().stocks()) EXPECT_EQ(s.maker, "DYMO");
  EXPECT_EQ(QString::fromStdString(catalogue_->filter()), " UPPER(manufac)=\"DYMO\"  and  UPPER(printer)=\"LP\" ");
}

TEST_F(SelectLabelTest, AChoiceWithoutStocksDisablesTheGridAndOkButNotCancel) {
  TSelectLabel& w = Picker();
  w.manufacturers()->setCurrentIndex(2);  // Avery Dot Matrix: none in the catalogue
  EXPECT_EQ(w.grid()->rowCount(), 0);
  EXPECT_FALSE(w.grid()->isEnabled());
  EXPECT_FALSE(w.ok()->isEnabled());
  EXPECT_EQ(w.view(0)->text(), "");
  w.accept();
  EXPECT_NE(w.result(), QDialog::Accepted);
  w.manufacturers()->setCurrentIndex(0);
  EXPECT_TRUE(w.grid()->isEnabled());
  EXPECT_TRUE(w.ok()->isEnabled());
}

TEST_F(SelectLabelTest, TheEuropeanBoxKeepsA4AndA5Stocks) {
  TSelectLabel& w = Picker();
  w.manufacturers()->setCurrentIndex(1);
  w.product_types()->setCurrentIndex(kAllProductTypes);
  const int all = w.grid()->rowCount();
  w.european_only()->setChecked(true);
  EXPECT_LT(w.grid()->rowCount(), all);
  for (const Stock& s : w.picker().stocks()) EXPECT_EQ(s.geometry.paper_size[0], 'A');
  EXPECT_EQ(QString::fromStdString(catalogue_->filter()),
            " UPPER(manufac)=\"AVERY\"  and  UPPER(printer)=\"IJ\"  and  "
            "(\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))");
}

TEST_F(SelectLabelTest, TheSearchBoxNarrowsTheListByAnyPartOfTheName) {
  TSelectLabel& w = Picker();
  const int all = w.grid()->rowCount();
  w.search()->setText("5160");
  const QStringList found = GridTexts(w);
  ASSERT_FALSE(found.isEmpty());
  EXPECT_LT(found.size(), all);
  for (const QString& text : found) EXPECT_TRUE(text.contains("5160")) << text.toStdString();
  EXPECT_EQ(w.grid()->currentItem()->text(), "Avery 5160  Address");
  w.search()->setText("ADDRESS");
  for (const QString& text : GridTexts(w)) EXPECT_TRUE(text.contains("Address")) << text.toStdString();
  w.search()->setText("\"]'");
  EXPECT_EQ(w.grid()->rowCount(), 0) << "quotes are searched for, not taken as the expression's";
  EXPECT_TRUE(messenger_.said.isEmpty());
  w.search()->clear();
  EXPECT_EQ(w.grid()->rowCount(), all);
}

TEST_F(SelectLabelTest, OkReturnsTheRowTheUserMovedTo) {
  TSelectLabel& w = Picker();
  w.grid()->setCurrentCell(0, 0);
  const Stock& first = w.picker().stocks()[0];
  EXPECT_EQ(w.view(1)->text().toStdString(), FormatStockLength(first.geometry.label_width));
  w.accept();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(w.chosen(), first);
  EXPECT_EQ(w.chosen().maker, "AVERY");
}

TEST_F(SelectLabelTest, PickOpensTheCatalogueAndReturnsTheChosenStock) {
  QTimer::singleShot(0, [] {
    auto* w = qobject_cast<TSelectLabel*>(QApplication::activeModalWidget());
    ASSERT_NE(w, nullptr);
    w->ok()->click();
  });
  const std::optional<Stock> chosen = TSelectLabel::Pick(kDefaultStock, nullptr);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->description, "Avery 5160  Address");
  EXPECT_EQ(chosen->geometry.across, 3);
  EXPECT_EQ(chosen->product_type, "ADDRESS/SHIPPING LABELS");
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_FALSE(TSelectLabel::Pick(kDefaultStock, nullptr).has_value()) << "cancelled";
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(SelectLabelTest, ACatalogueThatCannotBeOpenedIsToldAndNoPickerIsShown) {
  ASSERT_TRUE(QFile::remove(SystemDataDirectory() + "LBLTPL.DBF"));
  bool shown = false;
  QTimer::singleShot(0, [&shown] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      shown = true;
      w->close();
    }
  });
  EXPECT_FALSE(TSelectLabel::Pick(kDefaultStock, nullptr).has_value());
  QApplication::processEvents();
  EXPECT_FALSE(shown);
  EXPECT_EQ(messenger_.WithoutReasons(), QStringList{"Unable to Open LBLTPL.DBF"});
  EXPECT_FALSE(QFile::exists(SystemDataDirectory() + "LBLTPL.DBF")) << "the catalogue is not created";
}

TEST_F(SelectLabelTest, ACatalogueThatCannotBeReadIsToldAndShowsNoStock) {
  const std::string path = (SystemDataDirectory() + "LBLTPL.DBF").toStdString();
  ASSERT_TRUE(QFile::remove(SystemDataDirectory() + "LBLTPL.CDX"));
  ASSERT_TRUE(xbase::Table::Create(path, StockCatalogueFields()).ok());
  {
    std::unique_ptr<xbase::Table> table;
    ASSERT_TRUE(xbase::Table::Open(path, {}, &table).ok());
    Stock stock{"Avery 5160  Address", "LJ", "AVERY", "ADDRESS/SHIPPING LABELS", "", {}};
    stock.geometry.across = 3;
    stock.geometry.down = 10;
    ASSERT_TRUE(table->AppendBlank().ok());
    ASSERT_TRUE(WriteStock(*table, stock).ok());
    ASSERT_TRUE(table->Close().ok());
  }
  // The label height of the one record made unreadable: it follows the
  // deletion mark, DESCRIPT (60) and PRINTER (2).
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  const QByteArray header = file.read(12);
  const int header_length = static_cast<uchar>(header[8]) | static_cast<uchar>(header[9]) << 8;
  ASSERT_TRUE(file.seek(header_length + 1 + 60 + 2));
  ASSERT_EQ(file.write("wrong!"), 6);
  file.close();
  TSelectLabel& w = Picker();
  EXPECT_EQ(messenger_.WithoutReasons(), QStringList{"Unable to read LBLTPL.DBF"});
  EXPECT_TRUE(messenger_.ReasonOf(0).contains("LBLHEIGHT")) << messenger_.ReasonOf(0).toStdString();
  EXPECT_EQ(w.grid()->rowCount(), 0);
  EXPECT_FALSE(w.ok()->isEnabled());
}

}  // namespace
}  // namespace vellumo
