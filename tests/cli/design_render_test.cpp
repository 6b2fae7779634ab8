// vellumo-cli design render: a label design drawn with a record of a
// table into a PDF on a stock's label or a given size, into a PNG at a
// resolution, and the messages for what cannot be rendered.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "design/model/data_panel.h"
#include "design/model/multi_line_label.h"
#include "design/model/postnet_barcode.h"
#include "design/model/text_label.h"
#include "labels/stock/stock_record.h"
#include "pdf_probe.h"
#include "xbase/table.h"

namespace cli {
namespace {

using namespace vellumo::design;

class DesignRender : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = (std::filesystem::temp_directory_path() / ("design_render_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(dir_);
    WriteTable();
    WriteDesign(dir_ + "/BIN00001.L");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void WriteTable() {
    table_ = dir_ + "/PEOPLE.DBF";
    std::vector<xbase::FieldDef> fields;
    for (const char* name : {"PREFIX", "FNAME", "MIDDLE", "LNAME", "TITLE", "ORG", "STREET", "STREET2", "CITY",
                             "STATE", "ZIP", "COUNTRY"}) {
      fields.push_back(xbase::FieldDef{name, 'C', 30, 0, 0, 0});
    }
    ASSERT_TRUE(xbase::Table::Create(table_, fields).ok());
    const std::string csv = dir_ + "/people.csv";
    std::ofstream(csv) << "FNAME,LNAME,STREET,CITY,STATE,ZIP\n"
                          "Ann,Lee,123 Main St,Springfield,IL,62701-1234\n"
                          "Bob,Quist,9 Elm Rd,Portland,OR,97201\n";
    std::ostringstream out, err;
    ASSERT_EQ(AppendCommand({table_, csv}, out, err), 0) << err.str();
  }

  // A greeting, the address block and a POSTNET barcode.
  void WriteDesign(const std::string& path) {
    TGLabelPanel page(dir_);
    page.SetSize(QSize(252, 96));
    auto text = std::make_unique<TGPLabel>();
    text->Caption = "Greetings";
    page.PlaceObject(std::move(text), QRect(0, 0, 10, 10))->SetBounds(QRect(6, 2, 140, 18));
    page.PlaceObject(std::make_unique<TGDMultiLineAddressLabel>(), QRect(0, 0, 10, 10))
        ->SetBounds(QRect(6, 20, 240, 56));
    auto postnet = std::make_unique<TGPostNetBarCode>();
    postnet->Postal.zip_field = "ZIP";
    page.PlaceObject(std::move(postnet), QRect(0, 0, 10, 10))->SetBounds(QRect(6, 78, 240, 12));
    ASSERT_TRUE(page.SaveToFile(path).ok());
  }

  // A home whose catalogue holds one stock of 3 × 1.25 inches.
  std::string HomeWithStock(const std::string& name) {
    const std::string home = dir_ + "/home";
    std::filesystem::create_directories(home + "/sysdata");
    std::unique_ptr<xbase::Table> catalogue;
    EXPECT_TRUE(xbase::Table::Create(home + "/sysdata/LBLTPL.DBF", vellumo::StockCatalogueFields()).ok());
    EXPECT_TRUE(xbase::Table::Open(home + "/sysdata/LBLTPL.DBF", {}, &catalogue).ok());
    vellumo::Stock stock;
    stock.description = name;
    stock.geometry.label_width = 3;
    stock.geometry.label_height = 1.25;
    stock.geometry.across = stock.geometry.down = 1;
    stock.geometry.shape = "SR";
    EXPECT_TRUE(catalogue->AppendBlank().ok());
    EXPECT_TRUE(vellumo::WriteStock(*catalogue, stock).ok());
    EXPECT_TRUE(catalogue->Commit().ok());
    return home;
  }

  int Render(Words args) {
    err_.str("");
    std::ostringstream out;
    args.insert(args.begin(), "render");
    return DesignCommand(args, out, err_);
  }

  std::string dir_;
  std::string table_;
  std::ostringstream err_;
};

TEST_F(DesignRender, PdfOfADeliveredStockHoldsTheRecordsAddressOnTheLabelsSize) {
  const std::string pdf = dir_ + "/label.pdf";
  ASSERT_EQ(Render({dir_ + "/BIN00001.L", "--stock", "Avery 5160  Address", "--table", table_, "--pdf", pdf}), 0)
      << err_.str();
  const QSizeF size = vellumo::PageSizeOf(QString::fromStdString(pdf));
  EXPECT_NEAR(size.width(), 2.625 * 72, 0.5);
  EXPECT_NEAR(size.height(), 72, 0.5);
  const std::vector<vellumo::PdfWord> words = vellumo::WordsOf(QString::fromStdString(pdf));
  for (const char* word : {"Greetings", "Ann", "Lee", "Springfield", "62701-1234"}) {
    EXPECT_NE(vellumo::FindWord(words, QString::fromLatin1(word)), nullptr) << word;
  }
}

TEST_F(DesignRender, RecordAndSizeAreTakenAsGiven) {
  const std::string pdf = dir_ + "/second.pdf";
  ASSERT_EQ(Render({dir_ + "/BIN00001.L", "--size", "4x1.5", "--table", table_, "--record", "2", "--pdf", pdf}), 0)
      << err_.str();
  const QSizeF size = vellumo::PageSizeOf(QString::fromStdString(pdf));
  EXPECT_NEAR(size.width(), 4 * 72, 0.5);
  EXPECT_NEAR(size.height(), 1.5 * 72, 0.5);
  const std::vector<vellumo::PdfWord> words = vellumo::WordsOf(QString::fromStdString(pdf));
  EXPECT_NE(vellumo::FindWord(words, QStringLiteral("Portland")), nullptr);
  EXPECT_EQ(vellumo::FindWord(words, QStringLiteral("Springfield")), nullptr);
}

TEST_F(DesignRender, StockIsFoundInTheHomesCatalogueWithoutRegardToCase) {
  const std::string home = HomeWithStock("Test 100  Address");
  const std::string pdf = dir_ + "/home.pdf";
  ASSERT_EQ(Render({dir_ + "/BIN00001.L", "--home", home, "--stock", "test 100  address", "--table", table_, "--pdf",
                    pdf}),
            0)
      << err_.str();
  const QSizeF size = vellumo::PageSizeOf(QString::fromStdString(pdf));
  EXPECT_NEAR(size.width(), 3 * 72, 0.5);
  EXPECT_NEAR(size.height(), 1.25 * 72, 0.5);
}

// A page removes its work files when it goes; the render's page must not
// take the user's object clipboard with it.
TEST_F(DesignRender, TheHomesObjectClipboardStays) {
  const std::string home = HomeWithStock("Test 100  Address");
  std::ofstream(home + "/Clipbrd.tmp") << "objects the user copied";
  std::ofstream(dir_ + "/Clipbrd.tmp") << "objects the user copied";
  ASSERT_EQ(Render({dir_ + "/BIN00001.L", "--home", home, "--stock", "Test 100  Address", "--table", table_, "--pdf",
                    dir_ + "/out.pdf"}),
            0)
      << err_.str();
  EXPECT_TRUE(std::filesystem::exists(home + "/Clipbrd.tmp"));
  EXPECT_TRUE(std::filesystem::exists(dir_ + "/Clipbrd.tmp"));
}

TEST_F(DesignRender, PngHasThePageAtTheResolutionAndInkOfTheDesign) {
  const std::string png = dir_ + "/label.png";
  ASSERT_EQ(Render({dir_ + "/BIN00001.L", "--size", "2.625x1", "--table", table_, "--png", png, "--dpi", "200"}), 0)
      << err_.str();
  const QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.size(), QSize(525, 200));
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  EXPECT_GT(dark, 500);  // text and bars
}

TEST_F(DesignRender, FailuresSayWhatIsWrongAndWriteNothing) {
  const std::string design = dir_ + "/BIN00001.L";
  const std::string pdf = dir_ + "/out.pdf";
  struct Case {
    Words args;
    const char* message;
  };
  const Case cases[] = {
      {{dir_ + "/BIN09999.L", "--size", "4x1", "--table", table_, "--pdf", pdf}, "no design file"},
      {{design, "--stock", "No Such Stock", "--table", table_, "--pdf", pdf}, "no stock named \"No Such Stock\""},
      {{design, "--size", "4x1", "--table", table_, "--record", "3", "--pdf", pdf}, "record 3 does not exist"},
      {{design, "--size", "4x1", "--table", table_, "--record", "0", "--pdf", pdf}, "bad --record"},
      {{design, "--size", "4by1", "--table", table_, "--pdf", pdf}, "bad --size"},
      {{design, "--size", "4x1", "--stock", "x", "--table", table_, "--pdf", pdf}, "one of --stock and --size"},
      {{design, "--size", "4x1", "--table", dir_ + "/NONE.DBF", "--pdf", pdf}, "cannot open the table"},
      {{design, "--size", "4x1", "--table", table_}, "one of --pdf and --png"},
      {{dir_ + "/BIN00001.R", "--size", "4x1", "--table", table_, "--pdf", pdf}, "report designs"},
      {{dir_ + "/design.bin", "--size", "4x1", "--table", table_, "--pdf", pdf}, "--kind"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Render(c.args), 2) << c.message;
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
  }
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(DesignRender, UnwritableOutputIsAnError) {
  const std::string design = dir_ + "/BIN00001.L";
  const std::string missing_folder = dir_ + "/no/such/folder/";
  EXPECT_EQ(Render({design, "--size", "4x1", "--table", table_, "--pdf", missing_folder + "out.pdf"}), 2);
  EXPECT_FALSE(err_.str().empty());
  EXPECT_EQ(Render({design, "--size", "4x1", "--table", table_, "--png", missing_folder + "out.png"}), 2);
  EXPECT_NE(err_.str().find("cannot write"), std::string::npos) << err_.str();
}

TEST_F(DesignRender, KindOptionReadsAnyFileNameAsAnEnvelopeOrLabel) {
  std::filesystem::copy_file(dir_ + "/BIN00001.L", dir_ + "/design.bin");
  const std::string pdf = dir_ + "/envelope.pdf";
  ASSERT_EQ(Render({dir_ + "/design.bin", "--kind", "envelope", "--size", "9.5x4.125", "--table", table_, "--pdf",
                    pdf}),
            0)
      << err_.str();
  EXPECT_NE(vellumo::FindWord(vellumo::WordsOf(QString::fromStdString(pdf)), QStringLiteral("Springfield")), nullptr);
  EXPECT_EQ(Render({dir_ + "/design.bin", "--kind", "letter", "--size", "4x1", "--table", table_, "--pdf", pdf}), 2);
}

}  // namespace
}  // namespace cli
