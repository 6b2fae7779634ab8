// The picker's lists and the catalogue filter they build.
#include "labels/stock/catalogue_filter.h"

#include <algorithm>
#include <set>

#include "core/filter_expression.h"
#include "core/text_codec.h"
#include "xbase/codepage.h"

namespace vellumo {
namespace {

const QString kUserMaker = QStringLiteral("USER");
const QString kCostar = QStringLiteral("COSTAR");

// The entries every picker offers, whether or not the catalogue holds
// stocks of them.
const std::vector<StockMakerEntry>& FixedEntries() {
  static const std::vector<StockMakerEntry> entries = {
      {QStringLiteral("Avery Laserjet"), QStringLiteral("AVERY"), QStringLiteral("LJ")},
      {QStringLiteral("Avery Inkjet"), QStringLiteral("AVERY"), QStringLiteral("IJ")},
      {QStringLiteral("Avery Dot Matrix"), QStringLiteral("AVERY"), QStringLiteral("DM")},
      {QStringLiteral("Costar LabelPrinter"), kCostar, QStringLiteral("LP")}};
  return entries;
}

// "ONLINE LBL" as "Online Lbl".
QString TitleCase(const QString& maker) {
  QString text = maker.toLower();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (i == 0 || text[i - 1] == QLatin1Char(' ')) text[i] = text[i].toUpper();
  }
  return text;
}

// A literal for the text as the engine's UPPER() makes it, so that it
// compares with an upper-cased field byte for byte.
QString UpperLiteral(const QString& text) {
  return QuoteLiteral(FromTable(xbase::UpperCaseWindows1252(ToTable(text))));
}

// Joins clauses as the filter does: " and " between non-empty texts.
void AddClause(QString* filter, const QString& clause) {
  if (!filter->isEmpty()) *filter += QStringLiteral(" and ");
  *filter += clause;
}

}  // namespace

QString PrinterKindName(const QString& printer) {
  if (printer == QLatin1String("LJ")) return QStringLiteral("Laserjet");
  if (printer == QLatin1String("IJ")) return QStringLiteral("Inkjet");
  if (printer == QLatin1String("DM")) return QStringLiteral("Dot Matrix");
  if (printer == QLatin1String("LP")) return QStringLiteral("LabelPrinter");
  return printer;
}

std::vector<StockMakerEntry> StockMakerEntries(const std::vector<std::pair<QString, QString>>& stocks_made) {
  std::vector<StockMakerEntry> entries = FixedEntries();
  std::set<std::pair<QString, QString>> others;
  for (const auto& [maker, printer] : stocks_made) {
    const bool fixed = std::any_of(entries.begin(), entries.end(),
                                   [&](const StockMakerEntry& e) { return e.maker == maker && e.printer == printer; });
    if (!fixed && !maker.isEmpty() && maker != kUserMaker) others.insert({maker, printer});
  }
  for (const auto& [maker, printer] : others) {
    entries.push_back({TitleCase(maker) + QLatin1Char(' ') + PrinterKindName(printer), maker, printer});
  }
  return entries;
}

int MakerEntryFor(const std::vector<StockMakerEntry>& entries, const QString& maker, const QString& printer) {
  auto find = [&entries](auto&& matches) {
    const auto at = std::find_if(entries.begin(), entries.end(), matches);
    return at == entries.end() ? -1 : static_cast<int>(at - entries.begin());
  };
  const QString wanted_maker = maker.toUpper();
  const QString wanted_printer = printer.toUpper();
  const int exact = find([&](const StockMakerEntry& e) {
    return e.maker.toUpper() == wanted_maker && e.printer.toUpper() == wanted_printer;
  });
  if (exact >= 0) return exact;
  if (wanted_maker == kCostar) {
    return find([](const StockMakerEntry& e) { return e.text == QLatin1String("Costar LabelPrinter"); });
  }
  const bool listed = find([&](const StockMakerEntry& e) { return e.maker.toUpper() == wanted_maker; }) >= 0;
  return listed ? -1 : 0;
}

const QStringList& StockProductTypeEntries() {
  static const QStringList entries = {QStringLiteral("Address/Shipping Labels"),
                                      QStringLiteral("Card Products"),
                                      QStringLiteral("Diskette Labels"),
                                      QStringLiteral("File Folder Labels"),
                                      QStringLiteral("Index Products"),
                                      QStringLiteral("Miscellaneous"),
                                      QStringLiteral("All")};
  return entries;
}

const QStringList& StockProductTypes() {
  static const QStringList types = [] {
    QStringList upper;
    for (int i = 0; i < kAllProductTypes; ++i) upper << StockProductTypeEntries()[i].toUpper();
    return upper;
  }();
  return types;
}

int ProductTypeEntryFor(const QString& product_type) {
  const qsizetype at = StockProductTypes().indexOf(product_type.toUpper());
  return at < 0 ? kAllProductTypes : static_cast<int>(at);
}

QString StockCatalogueFilter(const StockMakerEntry* maker, int product_type, bool european_only) {
  QString filter;
  if (maker != nullptr) {
    AddClause(&filter, QStringLiteral(" UPPER(manufac)=") + UpperLiteral(maker->maker) + QLatin1Char(' '));
    AddClause(&filter, QStringLiteral(" UPPER(printer)=") + UpperLiteral(maker->printer) + QLatin1Char(' '));
  }
  if (product_type >= 0 && product_type < kAllProductTypes) {
    AddClause(&filter,
              QStringLiteral(" UPPER(PRODTYPE)=\"") + StockProductTypes()[product_type] + QStringLiteral("\" "));
  }
  if (european_only) {
    AddClause(&filter, QStringLiteral(" (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))"));
  }
  return filter;
}

QString WithNameSearch(const QString& filter, const QString& search) {
  const QString wanted = search.trimmed();
  if (wanted.isEmpty()) return filter;
  QString narrowed = filter;
  AddClause(&narrowed, UpperLiteral(wanted) + QStringLiteral("$UPPER(DESCRIPT)"));
  return narrowed;
}

}  // namespace vellumo
