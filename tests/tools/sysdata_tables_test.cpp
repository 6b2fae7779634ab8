// The tables the build generated (build/sysdata/): they open with the
// engine, carry their tag, and hold the rows the application relies on.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "xbase/table.h"

namespace {

const std::string kSysdata = VELLUMO_SYSDATA_DIR;

std::unique_ptr<xbase::Table> OpenShared(const std::string& name) {
  xbase::OpenOptions options;
  options.exclusive = false;
  options.read_only = true;
  std::unique_ptr<xbase::Table> table;
  xbase::Status s = xbase::Table::Open(kSysdata + "/" + name, options, &table);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return table;
}

std::vector<std::string> FieldLayout(const xbase::Table& t) {
  std::vector<std::string> layout;
  for (const xbase::FieldDef& f : t.schema().fields()) {
    layout.push_back(f.name + " " + f.type + std::to_string(f.length) + "," +
                     std::to_string(f.decimals));
  }
  return layout;
}

TEST(StockTable, HasTheRecordLayoutAndTag) {
  auto t = OpenShared("LBLTPL.DBF");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(FieldLayout(*t),
            (std::vector<std::string>{
                "DESCRIPT C60,0",  "PRINTER C2,0",    "LBLHEIGHT N6,3", "LBLWIDTH N6,3",
                "NBRACROSS N2,0",  "NBRDOWN N2,0",    "TOPMARG N6,3",   "LEFTMARG N6,3",
                "HORIZPITCH N6,3", "VERTPITCH N6,3",  "SHEETWIDTH N6,3", "SHEETDEPTH N6,3",
                "PAPERSIZE C5,0",  "LBLSHAPE C2,0",   "MANUFAC C10,0",  "PRODTYPE C25,0",
                "MIDEXTRAX N6,3",  "MIDEXTRAY N6,3",  "ART C12,0"}));
  ASSERT_EQ(t->TagCount(), 1u);
  EXPECT_EQ(t->Tag(1).name, "DESCRIPT");
  EXPECT_EQ(t->Tag(1).key_expression, "UPPER(descript)");
  EXPECT_TRUE(t->CheckIndexes().ok());
  EXPECT_GT(t->RecCount(), 1000u);
}

TEST(StockTable, DefaultStockHasTheApplicationsGeometry) {
  auto t = OpenShared("LBLTPL.DBF");
  ASSERT_NE(t, nullptr);
  ASSERT_TRUE(t->SetOrder(t->TagArea("DESCRIPT")).ok());
  t->SetExact(true);
  ASSERT_TRUE(t->Seek("AVERY 5160  ADDRESS").ok());
  ASSERT_TRUE(t->Found());
  const std::vector<std::pair<const char*, const char*>> expected = {
      {"DESCRIPT", "Avery 5160  Address"}, {"LBLHEIGHT", "1.000"}, {"LBLWIDTH", "2.625"},
      {"NBRACROSS", "3"},   {"NBRDOWN", "10"},   {"TOPMARG", "0.500"},   {"LEFTMARG", "0.188"},
      {"HORIZPITCH", "2.765"}, {"VERTPITCH", "1.010"}, {"SHEETWIDTH", "8.500"},
      {"SHEETDEPTH", "11.000"}, {"PAPERSIZE", "LTR"}, {"LBLSHAPE", "RR"}, {"PRINTER", "LJ"},
      {"MANUFAC", "AVERY"}, {"PRODTYPE", "ADDRESS/SHIPPING LABELS"}, {"MIDEXTRAX", "0.000"},
      {"MIDEXTRAY", "0.000"}, {"ART", ""}};
  for (const auto& [field, value] : expected) {
    std::string stored = t->GetTrimString(field);
    stored.erase(0, stored.find_first_not_of(' '));
    EXPECT_EQ(stored, value) << field;
  }
}

TEST(StockTable, RowsAreUniqueAndWithinTheApplicationsLimits) {
  auto t = OpenShared("LBLTPL.DBF");
  ASSERT_NE(t, nullptr);
  const std::set<std::string> printers = {"LJ", "IJ", "DM", "LP"};
  const std::set<std::string> papers = {"LTR", "LTRL", "A4", "A4L", "A5", "USERP", "USERL"};
  const std::set<std::string> shapes = {"RR", "SR", "EL"};
  const std::set<std::string> types = {"ADDRESS/SHIPPING LABELS", "CARD PRODUCTS",
                                       "DISKETTE LABELS",         "FILE FOLDER LABELS",
                                       "INDEX PRODUCTS",          "MISCELLANEOUS"};
  std::set<std::string> descriptions;
  xbase::Status s;
  for (s = t->GoTop(); s.ok() && !t->Eof(); s = t->Skip(1)) {
    std::string description = t->GetTrimString("DESCRIPT");
    std::string key;
    for (char c : description) key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(descriptions.insert(key).second) << description;
    int across = std::stoi(t->GetString("NBRACROSS"));
    int down = std::stoi(t->GetString("NBRDOWN"));
    EXPECT_TRUE(across >= 1 && across <= 10 && down >= 1 && down <= 30 && across * down <= 200)
        << description;
    EXPECT_GT(std::stod(t->GetString("LBLWIDTH")), 0) << description;
    EXPECT_EQ(printers.count(t->GetTrimString("PRINTER")), 1u) << description;
    EXPECT_EQ(papers.count(t->GetTrimString("PAPERSIZE")), 1u) << description;
    EXPECT_EQ(shapes.count(t->GetTrimString("LBLSHAPE")), 1u) << description;
    EXPECT_EQ(types.count(t->GetTrimString("PRODTYPE")), 1u) << description;
    EXPECT_FALSE(t->GetTrimString("MANUFAC").empty()) << description;
  }
  EXPECT_TRUE(s.ok()) << s.ToString();
}

TEST(CszTable, HasTheRecordLayoutAndFindsEachStatesMainRangeFirst) {
  auto t = OpenShared("CSZ.DBF");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(FieldLayout(*t), (std::vector<std::string>{"NAME C20,0", "STATE C4,0",
                                                       "LOW_ZIP C10,0", "HIGH_ZIP C10,0"}));
  ASSERT_EQ(t->TagCount(), 1u);
  EXPECT_EQ(t->Tag(1).name, "STATE");
  EXPECT_EQ(t->Tag(1).key_expression, "UPPER(state)");
  EXPECT_TRUE(t->CheckIndexes().ok());
  ASSERT_TRUE(t->SetOrder(1).ok());
  const struct {
    const char* state;
    const char* name;
    const char* low;
    const char* high;
  } first_rows[] = {{"MA", "Massachusetts", "01000", "02799"},
                    {"CT", "Connecticut", "06000", "06999"},
                    {"NY", "New York", "10000", "14999"},
                    {"ON", "Ontario", "K0A", "P9Z"},
                    {"NU", "Nunavut", "X0A", "X0C"}};
  for (const auto& row : first_rows) {
    ASSERT_TRUE(t->Seek(row.state).ok());
    ASSERT_TRUE(t->Found()) << row.state;
    EXPECT_EQ(t->GetTrimString("NAME"), row.name);
    EXPECT_EQ(t->GetTrimString("LOW_ZIP"), row.low) << row.state;
    EXPECT_EQ(t->GetTrimString("HIGH_ZIP"), row.high) << row.state;
  }
}

}  // namespace
