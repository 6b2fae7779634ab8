// Stock look-up by name in the label-stock catalogue.
#include "stock_lookup.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <memory>

#include "core/application_home.h"
#include "table_access.h"

namespace cli {
namespace {

constexpr char kCatalogueName[] = "LBLTPL.DBF";

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::string SystemDataPath(const std::string& home) {
  QString folder = QString::fromStdString(home);
  if (folder.isEmpty()) folder = qEnvironmentVariable("VELLUMO_HOME");
  if (folder.isEmpty()) return vellumo::SystemDataDirectory().toStdString();
  return QDir(folder).filePath(QStringLiteral("sysdata/")).toStdString();
}

std::string StockCataloguePath(const std::string& home) {
  const QString own = QDir(QString::fromStdString(SystemDataPath(home))).filePath(QLatin1String(kCatalogueName));
  if (QFileInfo::exists(own)) return own.toStdString();
  return QDir(vellumo::DeliveredDataDirectory()).filePath(QLatin1String(kCatalogueName)).toStdString();
}

bool SameDescription(std::string_view a, std::string_view b) {
  a = WithoutTrailingBlanks(a);
  b = WithoutTrailingBlanks(b);
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::toupper(x) == std::toupper(y);
  });
}

xbase::Status FindStock(const std::string& catalogue, const std::string& name, vellumo::Stock* stock) {
  std::unique_ptr<xbase::Table> table;
  xbase::Status s = OpenTable(catalogue, /*read_only=*/true, &table);
  if (!s.ok()) return xbase::Status::IOError("cannot open the stock catalogue " + catalogue + ": " + s.message());
  for (s = table->GoTop(); s.ok() && !table->Eof(); s = table->Skip(1)) {
    if (SameDescription(table->GetTrimString("DESCRIPT"), name)) return vellumo::ReadStock(*table, stock);
  }
  if (!s.ok()) return s;
  return xbase::Status::NotFound("no stock named \"" + name + "\" in " + catalogue);
}

}  // namespace cli
