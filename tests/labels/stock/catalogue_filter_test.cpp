// The picker's lists and the filter they build: the exact expression for
// each choice, and what it selects from the delivered catalogue.
#include "labels/stock/catalogue_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "catalogue_test.h"
#include "core/text_codec.h"

namespace vellumo {
namespace {

const QString kAvery = QStringLiteral(" UPPER(manufac)=\"AVERY\" ");
const QString kCostar = QStringLiteral(" UPPER(manufac)=\"COSTAR\" ");
const QString kLaser = QStringLiteral(" UPPER(printer)=\"LJ\" ");
const QString kInkjet = QStringLiteral(" UPPER(printer)=\"IJ\" ");
const QString kDotMatrix = QStringLiteral(" UPPER(printer)=\"DM\" ");
const QString kLabelPrinter = QStringLiteral(" UPPER(printer)=\"LP\" ");
const QString kEuropean = QStringLiteral(" (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))");
const QString kAnd = QStringLiteral(" and ");

QString TypeClause(const char* type) { return QStringLiteral(" UPPER(PRODTYPE)=\"%1\" ").arg(QLatin1String(type)); }

std::vector<StockMakerEntry> FixedEntries() { return StockMakerEntries({}); }

TEST(StockMakerList, StartsWithTheFourEntriesThenEveryOtherMakerAndKind) {
  EXPECT_EQ(FixedEntries(), (std::vector<StockMakerEntry>{{"Avery Laserjet", "AVERY", "LJ"},
                                                          {"Avery Inkjet", "AVERY", "IJ"},
                                                          {"Avery Dot Matrix", "AVERY", "DM"},
                                                          {"Costar LabelPrinter", "COSTAR", "LP"}}));
  const auto entries = StockMakerEntries({{"HERMA", "LJ"},
                                          {"AVERY", "LJ"},
                                          {"ONLINE LBL", "LJ"},
                                          {"DYMO", "LP"},
                                          {"HERMA", "LJ"},
                                          {"USER", "LJ"},
                                          {"ZWECKFORM", "IJ"},
                                          {"ZWECKFORM", "LJ"},
                                          {"", "LJ"}});
  std::vector<QString> texts;
  for (const auto& e : entries) texts.push_back(e.text);
  EXPECT_EQ(texts, (std::vector<QString>{"Avery Laserjet", "Avery Inkjet", "Avery Dot Matrix", "Costar LabelPrinter",
                                         "Dymo LabelPrinter", "Herma Laserjet", "Online Lbl Laserjet",
                                         "Zweckform Inkjet", "Zweckform Laserjet"}));
}

TEST(StockMakerList, OpensAtTheEntryOfTheStocksMakerAndKind) {
  const auto entries = StockMakerEntries({{"HERMA", "LJ"}, {"NEBS", "LJ"}, {"NEBS", "DM"}});
  auto text_of = [&entries](const char* maker, const char* printer) {
    const int at = MakerEntryFor(entries, maker, printer);
    return at < 0 ? QStringLiteral("none") : entries[at].text;
  };
  EXPECT_EQ(text_of("AVERY", "LJ"), "Avery Laserjet");
  EXPECT_EQ(text_of("avery", "ij"), "Avery Inkjet");
  EXPECT_EQ(text_of("AVERY", "DM"), "Avery Dot Matrix");
  EXPECT_EQ(text_of("NEBS", "LJ"), "Nebs Laserjet");
  EXPECT_EQ(text_of("NEBS", "DM"), "Nebs Dot Matrix");
  EXPECT_EQ(text_of("HERMA", "LJ"), "Herma Laserjet");
  EXPECT_EQ(text_of("COSTAR", "LJ"), "Costar LabelPrinter");
  EXPECT_EQ(text_of("UNHEARD", "IJ"), "Avery Laserjet");
  EXPECT_EQ(text_of("AVERY", "LP"), "none");
  EXPECT_EQ(text_of("HERMA", "IJ"), "none");
}

TEST(StockProductTypeList, EntriesAndStoredTypesMatchWithoutCase) {
  EXPECT_EQ(StockProductTypeEntries().size(), kAllProductTypes + 1);
  EXPECT_EQ(StockProductTypeEntries().last(), "All");
  EXPECT_EQ(ProductTypeEntryFor("ADDRESS/SHIPPING LABELS"), 0);
  EXPECT_EQ(ProductTypeEntryFor("index products"), 4);
  EXPECT_EQ(ProductTypeEntryFor("Miscellaneous"), 5);
  EXPECT_EQ(ProductTypeEntryFor(""), kAllProductTypes);
  EXPECT_EQ(ProductTypeEntryFor("LABELS"), kAllProductTypes);
}

TEST(StockCatalogueFilter, JoinsTheClausesInOrderWithTwoBlanksAroundEachAnd) {
  const auto entries = FixedEntries();
  EXPECT_EQ(StockCatalogueFilter(&entries[0], 0, false),
            kAvery + kAnd + kLaser + kAnd + TypeClause("ADDRESS/SHIPPING LABELS"));
  EXPECT_EQ(StockCatalogueFilter(&entries[0], 0, false),
            " UPPER(manufac)=\"AVERY\"  and  UPPER(printer)=\"LJ\"  and  "
            "UPPER(PRODTYPE)=\"ADDRESS/SHIPPING LABELS\" ");
  EXPECT_EQ(StockCatalogueFilter(&entries[1], kAllProductTypes, true), kAvery + kAnd + kInkjet + kAnd + kEuropean);
  EXPECT_EQ(StockCatalogueFilter(nullptr, kAllProductTypes, false), "");
  EXPECT_EQ(StockCatalogueFilter(nullptr, kAllProductTypes, true), kEuropean);
  EXPECT_EQ(StockCatalogueFilter(nullptr, 3, true), TypeClause("FILE FOLDER LABELS") + kAnd + kEuropean);
}

TEST(StockCatalogueFilter, EveryCombinationOfTheFixedEntries) {
  const auto entries = FixedEntries();
  const QString maker_clauses[] = {kAvery + kAnd + kLaser, kAvery + kAnd + kInkjet, kAvery + kAnd + kDotMatrix,
                                   kCostar + kAnd + kLabelPrinter, ""};
  const char* types[] = {"ADDRESS/SHIPPING LABELS", "CARD PRODUCTS",  "DISKETTE LABELS",
                         "FILE FOLDER LABELS",      "INDEX PRODUCTS", "MISCELLANEOUS"};
  for (int m = 0; m <= 4; ++m) {
    const StockMakerEntry* entry = m < 4 ? &entries[m] : nullptr;
    for (int t = 0; t <= kAllProductTypes; ++t) {
      for (bool european : {false, true}) {
        QString expected = maker_clauses[m];
        for (const QString& clause :
             {t < kAllProductTypes ? TypeClause(types[t]) : QString(), european ? kEuropean : QString()}) {
          if (clause.isEmpty()) continue;
          expected += (expected.isEmpty() ? QString() : kAnd) + clause;
        }
        EXPECT_EQ(StockCatalogueFilter(entry, t, european), expected) << m << " " << t << " " << european;
      }
    }
  }
}

TEST(StockCatalogueFilter, AMakerHoldingAQuoteIsQuotedSafely) {
  const StockMakerEntry odd{"Say \"Hi\" Laserjet", "SAY \"HI\"", "LJ"};
  EXPECT_EQ(StockCatalogueFilter(&odd, kAllProductTypes, false), " UPPER(manufac)='SAY \"HI\"'  and " + kLaser);
}

TEST(StockNameSearch, AddsASubstringTestOfTheNameWithoutCase) {
  EXPECT_EQ(WithNameSearch(kAvery, "  "), kAvery);
  EXPECT_EQ(WithNameSearch("", "5160"), "\"5160\"$UPPER(DESCRIPT)");
  EXPECT_EQ(WithNameSearch(kAvery, " addr "), kAvery + kAnd + "\"ADDR\"$UPPER(DESCRIPT)");
  EXPECT_EQ(WithNameSearch("", "a\"b"), "'A\"B'$UPPER(DESCRIPT)");
}

// Whether `stock` is one the choices stand for, decided apart from the
// expression language.
bool Chosen(const Stock& stock, const StockMakerEntry* entry, int type, bool european) {
  if (entry != nullptr && (ToTable(entry->maker) != stock.maker || ToTable(entry->printer) != stock.printer)) {
    return false;
  }
  if (type < kAllProductTypes && ToTable(StockProductTypes()[type]) != stock.product_type) return false;
  const std::string& paper = stock.geometry.paper_size;
  return !european || paper.find("A4") != std::string::npos || paper.find("A5") != std::string::npos;
}

class DeliveredCatalogueFilter : public ::testing::Test {
 protected:
  void SetUp() override {
    table_ = OpenDeliveredCatalogue();
    ASSERT_NE(table_, nullptr);
    stocks_ = AllStocks(*table_);
    std::vector<std::pair<QString, QString>> made;
    for (const Stock& s : stocks_) made.emplace_back(FromTable(s.maker), FromTable(s.printer));
    entries_ = StockMakerEntries(made);
  }
  uint32_t CountPassing(const QString& filter) {
    EXPECT_TRUE(table_->SetFilter(ToTable(filter)).ok()) << filter.toStdString();
    uint32_t count = 0;
    EXPECT_TRUE(table_->QueryRecCount(&count).ok());
    return count;
  }

  std::unique_ptr<xbase::Table> table_;
  std::vector<Stock> stocks_;
  std::vector<StockMakerEntry> entries_;
};

TEST_F(DeliveredCatalogueFilter, EveryMakerOfTheCatalogueHasAnEntry) {
  std::set<std::pair<std::string, std::string>> made;
  for (const Stock& s : stocks_) made.insert({s.maker, s.printer});
  EXPECT_GT(made.size(), 40u);
  for (const auto& [maker, printer] : made) {
    const int at = MakerEntryFor(entries_, FromTable(maker), FromTable(printer));
    ASSERT_GE(at, 0) << maker;
    EXPECT_EQ(ToTable(entries_[at].maker), maker);
    EXPECT_EQ(ToTable(entries_[at].printer), printer);
  }
}

TEST_F(DeliveredCatalogueFilter, EveryCombinationSelectsExactlyTheStocksItStandsFor) {
  size_t nonempty = 0;
  for (int m = -1; m < static_cast<int>(entries_.size()); ++m) {
    const StockMakerEntry* entry = m < 0 ? nullptr : &entries_[m];
    for (int t = 0; t <= kAllProductTypes; ++t) {
      for (bool european : {false, true}) {
        const auto expected = std::count_if(stocks_.begin(), stocks_.end(),
                                            [&](const Stock& s) { return Chosen(s, entry, t, european); });
        const QString filter = StockCatalogueFilter(entry, t, european);
        ASSERT_EQ(CountPassing(filter), static_cast<uint32_t>(expected)) << filter.toStdString();
        if (expected > 0) ++nonempty;
      }
    }
  }
  EXPECT_GT(nonempty, entries_.size()) << "most makers offer stocks of more than one kind";
}

TEST_F(DeliveredCatalogueFilter, KnownCounts) {
  EXPECT_EQ(CountPassing(""), stocks_.size());
  EXPECT_GT(CountPassing(StockCatalogueFilter(&entries_[0], 0, false)), 0u) << "Avery laser address labels";
  EXPECT_EQ(CountPassing(StockCatalogueFilter(&entries_[2], kAllProductTypes, false)), 0u)
      << "the catalogue has no dot-matrix stocks of Avery";
  EXPECT_EQ(CountPassing(StockCatalogueFilter(nullptr, kAllProductTypes, true)),
            static_cast<uint32_t>(std::count_if(stocks_.begin(), stocks_.end(), [](const Stock& s) {
              return s.geometry.paper_size.starts_with("A");
            })));
}

TEST_F(DeliveredCatalogueFilter, NameSearchNarrowsTheChosenStocks) {
  const QString avery_laser = StockCatalogueFilter(&entries_[0], kAllProductTypes, false);
  EXPECT_EQ(CountPassing(WithNameSearch(avery_laser, "5160")),
            static_cast<uint32_t>(std::count_if(stocks_.begin(), stocks_.end(), [&](const Stock& s) {
              return Chosen(s, &entries_[0], kAllProductTypes, false) &&
                     s.description.find("5160") != std::string::npos;
            })));
  EXPECT_GE(CountPassing(WithNameSearch(avery_laser, "5160")), 1u);
  EXPECT_EQ(CountPassing(WithNameSearch(avery_laser, "avery 5160  ADDRESS")), 1u);
  EXPECT_EQ(CountPassing(WithNameSearch(avery_laser, "no such stock")), 0u);
}

}  // namespace
}  // namespace vellumo
