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

std::string Folded(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return text;
}

}  // namespace

std::string StockCataloguePath(const std::string& home) {
  QString folder = QString::fromStdString(home);
  if (folder.isEmpty()) folder = qEnvironmentVariable("VELLUMO_HOME");
  const QString system_data =
      folder.isEmpty() ? vellumo::SystemDataDirectory() : QDir(folder).filePath(QStringLiteral("sysdata"));
  const QString own = QDir(system_data).filePath(QLatin1String(kCatalogueName));
  if (QFileInfo::exists(own)) return own.toStdString();
  return QDir(vellumo::DeliveredDataDirectory()).filePath(QLatin1String(kCatalogueName)).toStdString();
}

xbase::Status FindStock(const std::string& catalogue, const std::string& name, vellumo::Stock* stock) {
  std::unique_ptr<xbase::Table> table;
  xbase::Status s = OpenTable(catalogue, /*read_only=*/true, &table);
  if (!s.ok()) return xbase::Status::IOError("cannot open the stock catalogue " + catalogue + ": " + s.message());
  const std::string wanted = Folded(name);
  for (s = table->GoTop(); s.ok() && !table->Eof(); s = table->Skip(1)) {
    if (Folded(table->GetTrimString("DESCRIPT")) == wanted) return vellumo::ReadStock(*table, stock);
  }
  if (!s.ok()) return s;
  return xbase::Status::NotFound("no stock named \"" + name + "\" in " + catalogue);
}

}  // namespace cli
