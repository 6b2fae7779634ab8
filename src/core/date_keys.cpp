// Date-key checks and conversions.
#include "core/date_keys.h"

#include <QLocale>

namespace vellumo {
namespace {

QString short_date_format;

bool ReadNumber(const QString& text, int from, int length, int* value) {
  bool ok = false;
  // Whole numbers only: blanks or signs inside the slice do not count.
  QStringView slice = QStringView(text).mid(from, length);
  for (QChar c : slice) {
    if (!c.isDigit()) return false;
  }
  *value = slice.toInt(&ok);
  return ok;
}

}  // namespace

QDate DateFromKey(const QString& key) {
  int year = 0, month = 0, day = 0;
  if (key.size() < 8 || !ReadNumber(key, 0, 4, &year) || !ReadNumber(key, 4, 2, &month) ||
      !ReadNumber(key, 6, 2, &day)) {
    return QDate();
  }
  return QDate(year, month, day);
}

bool IsDateKey(const QString& text) { return DateFromKey(text).isValid(); }

QString DateKey(const QDate& date) {
  return date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")) : QString();
}

QString ShortDateFormat() {
  if (short_date_format.isEmpty()) {
    short_date_format = qEnvironmentVariable("VELLUMO_SHORT_DATE");
    QLocale locale = QLocale::system();
    if (short_date_format.isEmpty() && locale.language() != QLocale::C) {
      short_date_format = locale.dateFormat(QLocale::ShortFormat);
      // Years are always shown with their century.
      if (!short_date_format.contains(QStringLiteral("yyyy"))) {
        short_date_format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
      }
    }
    if (short_date_format.isEmpty()) short_date_format = QString::fromLatin1(kProgramShortDateFormat);
  }
  return short_date_format;
}

void SetShortDateFormat(const QString& format) { short_date_format = format; }

QString DisplayDateKey(const QString& key) {
  QDate date = DateFromKey(key);
  return date.isValid() ? date.toString(ShortDateFormat()) : QString();
}

QString NormaliseDateKey(const QString& text) {
  if (IsDateKey(text)) return text;
  QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return QString();
  QDate date = QDate::fromString(trimmed, ShortDateFormat());
  if (!date.isValid()) {
    // Single-digit months and days ("4/28/1997") read too.
    QString loose = ShortDateFormat();
    loose.replace(QStringLiteral("MM"), QStringLiteral("M")).replace(QStringLiteral("dd"), QStringLiteral("d"));
    date = QDate::fromString(trimmed, loose);
  }
  if (!date.isValid()) date = QDate::fromString(trimmed, Qt::ISODate);
  return DateKey(date);
}

}  // namespace vellumo
