// Reading and writing filter files.
#include "addressbook/filter_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/text_codec.h"

namespace vellumo {
namespace {

constexpr int kFileLines = FilterConditions::kCount + 2;
// A filter file is a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxFilterFileBytes = 64 * 1024;

}  // namespace

const std::array<const char*, FilterConditions::kCount>& FilterFileSlots() {
  static const std::array<const char*, FilterConditions::kCount> order = {
      "LNAME",   "FNAME", "TITLE",  "ORG", "STREET", "STREET2", "ZIP",  "CITY+STATE", "STATE",
      "COUNTRY", "PHONE", "PHONE2", "FAX", "EMAIL",  "DATE",    "CODES", "USER1",     "USER2"};
  return order;
}

bool IsFilterFileName(const QString& path) {
  return QFileInfo(path).fileName().toUpper().endsWith(QStringLiteral(".FLT"));
}

QString FilterSaveName(const QString& chosen, QString* error) {
  if (IsFilterFileName(chosen)) return chosen;
  if (QFileInfo(chosen).fileName().contains(QLatin1Char('.'))) {
    *error = QStringLiteral("Must have a .FLT extension");
    return QString();
  }
  return chosen + QStringLiteral(".FLT");
}

bool SaveFilterTo(const QString& path, const FilterConditions& conditions, QString* error) {
  FilterConditions copy = conditions;
  QString text;
  for (const char* slot : FilterFileSlots()) text += copy[QLatin1String(slot)] + QStringLiteral("\r\n");
  text += (conditions.tagged ? QStringLiteral("T") : QStringLiteral("F")) + QStringLiteral("\r\n");
  text += conditions.reverse ? QStringLiteral("T") : QStringLiteral("F");
  const std::string bytes = ToTable(text);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0 ||
      !file.commit()) {
    *error = QStringLiteral("Unable to write ") + path + QStringLiteral(": ") + file.errorString();
    return false;
  }
  return true;
}

bool RestoreFilterFrom(const QString& path, FilterConditions* conditions, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("Unable to read ") + path + QStringLiteral(": ") + file.errorString();
    return false;
  }
  if (file.size() > kMaxFilterFileBytes) {
    *error = path + QStringLiteral(" is not a filter file");
    return false;
  }
  QStringList lines = DecodeTextFile(file.readAll()).split(QLatin1Char('\n'));
  while (lines.size() < kFileLines) lines << QString();
  FilterConditions restored;
  for (int i = 0; i < FilterConditions::kCount; ++i) restored[QLatin1String(FilterFileSlots()[i])] = lines[i];
  restored.tagged = lines[FilterConditions::kCount] == QStringLiteral("T");
  restored.reverse = lines[FilterConditions::kCount + 1] == QStringLiteral("T");
  *conditions = restored;
  return true;
}

}  // namespace vellumo
