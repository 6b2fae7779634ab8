// vellumo-cli labels on real files: the PDF it writes against a label run
// of the same set-up, the choice of records, positions, copies and
// presort order, and the message and exit code of each failure.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QRegularExpression>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "core/address_database.h"
#include "core/address_layout.h"
#include "core/application_home.h"
#include "core/printer_calibrations.h"
#include "core/system_tables.h"
#include "design/model/text_label.h"
#include "labels/printing/label_records.h"
#include "labels/printing/label_run.h"
#include "labels/setup/label_setup.h"
#include "labels/setup/setup_files.h"
#include "pdf_probe.h"
#include "printing/pdf_file.h"
#include "stock_lookup.h"
#include "table_access.h"

namespace cli {
namespace {

constexpr char kSetupName[] = "Club mailing";
constexpr char kDesignFile[] = "BIN00001.L";

struct Person {
  std::string zip;
  std::string tag;
  bool deleted = false;
};

class LabelsOnFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    program_directory_ = vellumo::ProgramDirectory();
    dir_ = (std::filesystem::temp_directory_path() / ("labels_command_" + std::to_string(getpid()))).string();
    home_ = dir_ + "/home";
    std::filesystem::create_directories(home_ + "/sysdata");
    ASSERT_TRUE(FindStock(StockCataloguePath(home_), "Avery 5160  Address", &stock_).ok());
    WriteDesign(home_ + "/sysdata/" + kDesignFile);
    WriteSetup();
  }
  void TearDown() override {
    vellumo::SetProgramDirectory(program_directory_);
    std::filesystem::remove_all(dir_);
  }

  // One data field, the last name, near the label's top-left corner.
  void WriteDesign(const std::string& path) {
    vellumo::design::TGLabelPanel page(dir_);
    page.FitToStock(stock_.geometry);
    auto name = std::make_unique<vellumo::design::TGPDLabel>();
    name->DataFieldName = "LNAME";
    name->DataFieldDescript = "Last Name";
    page.PlaceObject(std::move(name), QRect(0, 0, 10, 10))->SetBounds(QRect(10, 8, 150, 20));
    ASSERT_TRUE(page.SaveToFile(path).ok());
  }

  void WriteSetup() {
    const std::string path = home_ + "/sysdata/LABEL.DBF";
    ASSERT_TRUE(xbase::Table::Create(path, vellumo::SystemTableFields(vellumo::SystemTable::kLabel)).ok());
    std::unique_ptr<xbase::Table> table;
    ASSERT_TRUE(xbase::Table::Open(path, {}, &table).ok());
    vellumo::LabelSetup setup;
    setup.description = kSetupName;
    setup.stock = stock_;
    setup.design_file = kDesignFile;
    ASSERT_TRUE(table->AppendBlank().ok());
    ASSERT_TRUE(vellumo::WriteLabelSetup(*table, setup).ok());
    setup.description = "Gone design";
    setup.design_file = "BIN00002.L";
    ASSERT_TRUE(table->AppendBlank().ok());
    ASSERT_TRUE(vellumo::WriteLabelSetup(*table, setup).ok());
    ASSERT_TRUE(table->Commit().ok());
  }

  // People "Name01", "Name02" ... in record order, with the 26 tags.
  void WriteDatabase(const std::vector<Person>& people) {
    database_ = dir_ + "/PEOPLE.DBF";
    std::filesystem::remove(database_);
    std::filesystem::remove(dir_ + "/PEOPLE.CDX");
    ASSERT_TRUE(xbase::Table::Create(database_, vellumo::AddressFieldDefs(vellumo::FieldLengths::Defaults())).ok());
    std::unique_ptr<xbase::Table> table;
    ASSERT_TRUE(xbase::Table::Open(database_, {}, &table).ok());
    for (size_t i = 0; i < people.size(); ++i) {
      ASSERT_TRUE(table->AppendBlank().ok());
      ASSERT_TRUE(table->Replace("LNAME", NameOf(i + 1)).ok());
      ASSERT_TRUE(table->Replace("ZIP", people[i].zip).ok());
      ASSERT_TRUE(table->Replace("TAG", people[i].tag).ok());
      if (people[i].deleted) {
        ASSERT_TRUE(table->ReplaceLogical("ISDEL", true).ok());
      }
    }
    ASSERT_TRUE(table->Commit().ok());
    ASSERT_TRUE(vellumo::CreateAddressIndexTags(*table));
  }
  void WritePeople(size_t count) { WriteDatabase(std::vector<Person>(count, Person{"62701", ""})); }

  static std::string NameOf(size_t record) {
    char name[32];
    std::snprintf(name, sizeof name, "Name%02zu", record);
    return name;
  }

  int Labels(Words args) {
    out_.str("");
    err_.str("");
    args.insert(args.begin(), database_);
    args.insert(args.end(), {"--home", home_});
    return LabelsCommand(args, out_, err_);
  }
  int Print(Words args, const std::string& pdf) {
    args.insert(args.end(), {"--pdf", pdf});
    return Labels(args);
  }

  // What the label window's printing gives for the set-up: a run over all
  // records onto a PDF.
  void PrintWithLabelRun(const std::string& pdf) {
    const std::string scratch = dir_ + "/scratch";
    std::filesystem::create_directories(scratch);
    vellumo::design::TGLabelPanel page(scratch);
    page.FitToStock(stock_.geometry);
    ASSERT_TRUE(page.LoadFromFile(home_ + "/sysdata/" + kDesignFile).ok());
    std::unique_ptr<xbase::Table> table;
    ASSERT_TRUE(OpenTable(database_, true, &table).ok());
    vellumo::ChosenRecords chosen;
    ASSERT_TRUE(
        vellumo::ChooseLabelRecords(*table, vellumo::LabelRecordChoice::kAll, 0, false, &chosen).ok());
    vellumo::LabelRunInput input;
    input.design = &page;
    input.table = table.get();
    input.geometry = stock_.geometry;
    vellumo::TReportPdf canvas(QString::fromStdString(pdf), vellumo::PageMetrics());
    vellumo::LabelRun run(std::move(input));
    run.AttachTo(canvas, false);
    ASSERT_TRUE(canvas.Execute()) << canvas.LastError().toStdString();
  }

  // The names printed, page by page, row by row, left to right.
  static std::vector<std::string> NamesInSheetOrder(const std::string& pdf) {
    std::vector<vellumo::PdfWord> words = vellumo::WordsOf(QString::fromStdString(pdf));
    std::sort(words.begin(), words.end(), [](const vellumo::PdfWord& a, const vellumo::PdfWord& b) {
      if (a.page != b.page) return a.page < b.page;
      if (std::abs(a.y_min - b.y_min) > 2) return a.y_min < b.y_min;
      return a.x_min < b.x_min;
    });
    std::vector<std::string> names;
    for (const vellumo::PdfWord& word : words) {
      if (word.text.startsWith(QLatin1String("Name"))) names.push_back(word.text.toStdString());
    }
    return names;
  }

  QString program_directory_;
  std::string dir_;
  std::string home_;
  std::string database_;
  vellumo::Stock stock_;
  std::ostringstream out_;
  std::ostringstream err_;
};

std::string WithoutDates(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  static const QRegularExpression dates(QStringLiteral(R"(D:\d{14}[^)]*|\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[^<"]*)"));
  return QString::fromLatin1(bytes.str()).replace(dates, QString()).toLatin1().toStdString();
}

TEST_F(LabelsOnFiles, SetupPrintsWhereALabelRunOfTheSetupPrints) {
  WritePeople(35);
  const std::string pdf = dir_ + "/labels.pdf";
  ASSERT_EQ(Print({"--setup", "club MAILING"}, pdf), 0) << err_.str();
  const std::string reference = dir_ + "/reference.pdf";
  PrintWithLabelRun(reference);

  const std::vector<vellumo::PdfWord> words = vellumo::WordsOf(QString::fromStdString(pdf));
  const std::vector<vellumo::PdfWord> expected = vellumo::WordsOf(QString::fromStdString(reference));
  ASSERT_EQ(words.size(), 35u);
  ASSERT_EQ(words.size(), expected.size());
  for (size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(words[i].text, expected[i].text);
    EXPECT_EQ(words[i].page, expected[i].page);
    EXPECT_NEAR(words[i].x_min, expected[i].x_min, 0.01) << words[i].text.toStdString();
    EXPECT_NEAR(words[i].y_min, expected[i].y_min, 0.01) << words[i].text.toStdString();
  }
  // Three across, ten down: the pitches apart, the 31st on a second page.
  const auto at = [&](const char* name) {
    const vellumo::PdfWord* word = vellumo::FindWord(words, QLatin1String(name));
    EXPECT_NE(word, nullptr) << name;
    return word ? *word : vellumo::PdfWord{};
  };
  EXPECT_NEAR(at("Name02").x_min - at("Name01").x_min, stock_.geometry.horizontal_pitch * 72, 0.2);
  EXPECT_NEAR(at("Name04").y_min - at("Name01").y_min, stock_.geometry.vertical_pitch * 72, 0.2);
  EXPECT_EQ(at("Name31").page, 2);
  EXPECT_NEAR(at("Name31").x_min, at("Name01").x_min, 0.01);
  EXPECT_NEAR(at("Name31").y_min, at("Name01").y_min, 0.01);
  EXPECT_EQ(vellumo::PageCountOf(QString::fromStdString(pdf)), 2);
  EXPECT_NE(out_.str().find("35 labels of 35 records on 2 pages"), std::string::npos) << out_.str();
}

TEST_F(LabelsOnFiles, StockWithoutDesignPrintsTheAddressBlockInsideEachLabel) {
  WriteDatabase({{"62701-1234", ""}, {"97201", ""}});
  const std::string pdf = dir_ + "/default.pdf";
  ASSERT_EQ(Print({"--stock", "avery 5160  ADDRESS"}, pdf), 0) << err_.str();
  const std::vector<vellumo::PdfWord> words = vellumo::WordsOf(QString::fromStdString(pdf));
  const vellumo::StockGeometry& g = stock_.geometry;
  for (const auto& [text, column] : {std::pair{"Name01", 0}, {"62701-1234", 0}, {"Name02", 1}, {"97201", 1}}) {
    const vellumo::PdfWord* word = vellumo::FindWord(words, QLatin1String(text));
    ASSERT_NE(word, nullptr) << text;
    const double left = (g.left_margin + column * g.horizontal_pitch) * 72;
    EXPECT_GE(word->x_min, left) << text;
    EXPECT_LE(word->x_max, left + g.label_width * 72) << text;
    EXPECT_GE(word->y_min, g.top_margin * 72) << text;
    EXPECT_LE(word->y_max, (g.top_margin + g.label_height) * 72) << text;
  }
}

TEST_F(LabelsOnFiles, ThePdfPrintersCalibrationMovesEveryLabel) {
  WritePeople(4);
  const std::string plain = dir_ + "/plain.pdf", calibrated = dir_ + "/calibrated.pdf";
  ASSERT_EQ(Print({"--setup", kSetupName}, plain), 0) << err_.str();
  vellumo::SetProgramDirectory(QString::fromStdString(home_));
  vellumo::PrinterCalibration calibration;
  calibration.offset_x = 0.25;
  calibration.offset_y = -0.125;
  ASSERT_TRUE(vellumo::WritePrinterCalibration(QStringLiteral("Vellumo PDF"), calibration));
  ASSERT_EQ(Print({"--setup", kSetupName}, calibrated), 0) << err_.str();
  const std::vector<vellumo::PdfWord> before = vellumo::WordsOf(QString::fromStdString(plain));
  const std::vector<vellumo::PdfWord> after = vellumo::WordsOf(QString::fromStdString(calibrated));
  ASSERT_EQ(before.size(), 4u);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_NEAR(after[i].x_min - before[i].x_min, 0.25 * 72, 0.2) << before[i].text.toStdString();
    EXPECT_NEAR(after[i].y_min - before[i].y_min, -0.125 * 72, 0.2) << before[i].text.toStdString();
  }
}

TEST_F(LabelsOnFiles, TwoRunsDifferOnlyInTheirDates) {
  WritePeople(12);
  const std::string first = dir_ + "/first.pdf", second = dir_ + "/second.pdf";
  ASSERT_EQ(Print({"--setup", kSetupName}, first), 0) << err_.str();
  ASSERT_EQ(Print({"--setup", kSetupName}, second), 0) << err_.str();
  EXPECT_EQ(std::filesystem::file_size(first), std::filesystem::file_size(second));
  EXPECT_TRUE(WithoutDates(first) == WithoutDates(second));
}

TEST_F(LabelsOnFiles, PositionsAndCopiesPlaceEachRecordOnTheChosenCells) {
  WritePeople(3);
  const std::string pdf = dir_ + "/chosen.pdf";
  // Cells 2 and 4: the middle of the first row and the start of the second.
  ASSERT_EQ(Print({"--setup", kSetupName, "--positions", "2,4", "--copies", "2"}, pdf), 0) << err_.str();
  const std::vector<vellumo::PdfWord> words = vellumo::WordsOf(QString::fromStdString(pdf));
  ASSERT_EQ(words.size(), 6u);
  EXPECT_EQ(NamesInSheetOrder(pdf),
            (std::vector<std::string>{"Name01", "Name01", "Name02", "Name02", "Name03", "Name03"}));
  EXPECT_EQ(vellumo::PageCountOf(QString::fromStdString(pdf)), 3);
  const double left = stock_.geometry.left_margin * 72;
  for (size_t i = 0; i < words.size(); i += 2) {
    EXPECT_GT(words[i].x_min, left + stock_.geometry.horizontal_pitch * 72);    // second column
    EXPECT_LT(words[i + 1].x_min, left + stock_.geometry.horizontal_pitch * 72);  // first column
    EXPECT_NEAR(words[i + 1].y_min - words[i].y_min, stock_.geometry.vertical_pitch * 72, 0.2);
  }
  EXPECT_NE(out_.str().find("6 labels of 3 records on 3 pages"), std::string::npos) << out_.str();
}

TEST_F(LabelsOnFiles, FilterRecordAndOrderChooseWhatIsPrinted) {
  WriteDatabase({{"30301", ""}, {"10001", ""}, {"20001", "", true}, {"10002", ""}});
  const std::string pdf = dir_ + "/chosen.pdf";
  ASSERT_EQ(Print({"--setup", kSetupName, "--order", "ZIP"}, pdf), 0) << err_.str();
  EXPECT_EQ(NamesInSheetOrder(pdf), (std::vector<std::string>{"Name02", "Name04", "Name01"}));
  ASSERT_EQ(Print({"--setup", kSetupName, "--filter", "ZIP='2' .or. ZIP='1'"}, pdf), 0) << err_.str();
  EXPECT_EQ(NamesInSheetOrder(pdf), (std::vector<std::string>{"Name02", "Name04"}));
  ASSERT_EQ(Print({"--setup", kSetupName, "--record", "4"}, pdf), 0) << err_.str();
  EXPECT_EQ(NamesInSheetOrder(pdf), (std::vector<std::string>{"Name04"}));
}

TEST_F(LabelsOnFiles, TaggedPrintsTheRecordsOfTheCurrentTagId) {
  std::ofstream(home_ + "/VELLUMO.ini") << "[Misc]\nGlobalTagId=T57MJZ1\n";
  WriteDatabase({{"62701", "T57MJZ1"}, {"62701", "OLDTAG"}, {"62701", "T57MJZ1", true}, {"62701", "T57MJZ1"}});
  const std::string pdf = dir_ + "/tagged.pdf";
  ASSERT_EQ(Print({"--setup", kSetupName, "--tagged"}, pdf), 0) << err_.str();
  EXPECT_EQ(NamesInSheetOrder(pdf), (std::vector<std::string>{"Name01", "Name04"}));
}

TEST_F(LabelsOnFiles, PresortPrintsGroupByGroupThenTheRecordsWithoutZip) {
  // Ten in 12345 make a 5-digit group; 12301 and 12302 a 3-digit one
  // (together ten); a Canadian and an empty ZIP have no place.
  std::vector<Person> people;
  for (int i = 0; i < 6; ++i) people.push_back({"12302", ""});
  people.push_back({"K1A 0B1", ""});
  for (int i = 0; i < 10; ++i) people.push_back({"12345-6789", ""});
  for (int i = 0; i < 4; ++i) people.push_back({"12301", ""});
  people.push_back({"", ""});
  WriteDatabase(people);
  const std::string presort_in_home = home_ + "/PRESORT.PSL";
  std::ofstream(presort_in_home) << "** 5-digit 99999\r\n99999\r\n";

  const std::string pdf = dir_ + "/presorted.pdf";
  ASSERT_EQ(Print({"--setup", kSetupName, "--presort"}, pdf), 0) << err_.str();
  std::vector<std::string> expected;
  for (int record = 8; record <= 17; ++record) expected.push_back(NameOf(record));
  for (int record = 18; record <= 21; ++record) expected.push_back(NameOf(record));
  for (int record = 1; record <= 6; ++record) expected.push_back(NameOf(record));
  expected.push_back(NameOf(7));
  expected.push_back(NameOf(22));
  EXPECT_EQ(NamesInSheetOrder(pdf), expected);
  const std::vector<vellumo::PdfWord> words = vellumo::WordsOf(QString::fromStdString(pdf));
  // The first group's separator takes the first position.
  const vellumo::PdfWord* five_digit = vellumo::FindWord(words, QStringLiteral("12345"));
  ASSERT_NE(five_digit, nullptr);
  EXPECT_EQ(five_digit->page, 1);
  EXPECT_LT(five_digit->x_min, (stock_.geometry.left_margin + stock_.geometry.horizontal_pitch) * 72);
  EXPECT_LT(five_digit->y_min, (stock_.geometry.top_margin + stock_.geometry.vertical_pitch) * 72);
  EXPECT_NE(vellumo::FindWord(words, QStringLiteral("3-digit")), nullptr);
  EXPECT_NE(err_.str().find("2 records have no ZIP code"), std::string::npos) << err_.str();
  // The window's presort list stays as it was.
  std::ifstream kept(presort_in_home);
  std::string first_line;
  std::getline(kept, first_line);
  EXPECT_EQ(first_line, "** 5-digit 99999\r");
}

TEST_F(LabelsOnFiles, WideLabelsCarryTheirBarcodeOnlyWithAMailerId) {
  WriteDatabase({{"62701-1234", ""}, {"97201", ""}});
  const std::string bare = dir_ + "/bare.pdf", barred = dir_ + "/barred.pdf";
  ASSERT_EQ(Print({"--stock", "Avery 5161  Address"}, bare), 0) << err_.str();
  EXPECT_NE(err_.str().find("give --mailer-id"), std::string::npos) << err_.str();
  ASSERT_EQ(Print({"--stock", "Avery 5161  Address", "--mailer-id", "123456"}, barred), 0) << err_.str();
  EXPECT_EQ(err_.str().find("give --mailer-id"), std::string::npos) << err_.str();
  // 65 bars on each of the two labels.
  EXPECT_GT(std::filesystem::file_size(barred), std::filesystem::file_size(bare) + 100);
  ASSERT_EQ(Print({"--stock", "Avery 5160  Address"}, bare), 0) << err_.str();
  EXPECT_EQ(err_.str().find("give --mailer-id"), std::string::npos) << "a narrow label holds no barcode";

  EXPECT_EQ(Print({"--stock", "Avery 5161  Address", "--mailer-id", "12345"}, barred), 2);
  EXPECT_NE(err_.str().find("bad --mailer-id"), std::string::npos) << err_.str();
  EXPECT_EQ(Print({"--setup", kSetupName, "--mailer-id", "123456"}, barred), 2);
}

TEST_F(LabelsOnFiles, FailuresSayWhatIsWrongAndWriteNothing) {
  WriteDatabase({{"62701", ""}, {"62701", "", true}});
  const std::string pdf = dir_ + "/out.pdf";
  const std::pair<Words, std::string> cases[] = {
      {{"--setup", "No such set-up"}, "no label set-up named \"No such set-up\""},
      {{"--setup", "Gone design"}, vellumo::kMissingDesignFileMessage},
      {{"--stock", "No Such Stock"}, "no stock named \"No Such Stock\""},
      {{"--stock", "Avery 5160  Address", "--design", dir_ + "/NONE.L"}, "no design file"},
      {{"--setup", kSetupName, "--filter", "LNAME = = 'A'"}, "bad filter"},
      {{"--setup", kSetupName, "--filter", "NOSUCHFIELD='A'"}, "bad filter"},
      {{"--setup", kSetupName, "--filter", "LNAME='Nobody'"}, "no records to print"},
      {{"--setup", kSetupName, "--record", "2"}, "record 2 is marked deleted"},
      {{"--setup", kSetupName, "--record", "3"}, "record 3 does not exist"},
      {{"--setup", kSetupName, "--record", "x"}, "bad --record"},
      {{"--setup", kSetupName, "--copies", "0"}, "bad --copies"},
      {{"--setup", kSetupName, "--positions", "31"}, "bad --positions"},
      {{"--setup", kSetupName, "--order", "NOTAG"}, "no tag named NOTAG"},
  };
  for (const auto& [args, message] : cases) {
    EXPECT_EQ(Print(args, pdf), 2) << message;
    EXPECT_NE(err_.str().find(message), std::string::npos) << err_.str();
  }
  EXPECT_FALSE(std::filesystem::exists(pdf));

  EXPECT_EQ(Print({"--setup", kSetupName}, dir_ + "/no/such/folder/out.pdf"), 2);
  EXPECT_NE(err_.str().find("cannot write"), std::string::npos) << err_.str();
  EXPECT_EQ(Labels({"--setup", kSetupName}), 2);
  EXPECT_NE(err_.str().find("usage: vellumo-cli labels"), std::string::npos) << err_.str();
}

}  // namespace
}  // namespace cli
