// Expanding progress templates.
#include "printing/status_format.h"

namespace vellumo {

QString ExpandStatusFormat(const QString& format, const StatusValues& values) {
  QString out;
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format.at(i);
    if (c != QLatin1Char('%') || i + 1 == format.size()) {
      out += c;
      continue;
    }
    const QChar code = format.at(++i).toLower();
    if (code.isDigit()) {
      const int line = code.digitValue();
      out += line < values.lines.size() ? values.lines.at(line) : QString();
    } else if (code == QLatin1Char('p')) {
      out += QString::number(values.page);
    } else if (code == QLatin1Char('f')) {
      out += QString::number(values.first_page);
    } else if (code == QLatin1Char('l')) {
      out += QString::number(values.last_page);
    } else if (code == QLatin1Char('d')) {
      out += values.printer;
    } else if (code == QLatin1Char('r')) {
      out += values.driver;
    } else if (code == QLatin1Char('t')) {
      out += values.port;
    } else if (code == QLatin1Char('%')) {
      out += QLatin1Char('%');
    } else {
      out += QStringLiteral("<ERROR-%") + code.toUpper() + QLatin1Char('>');
    }
  }
  return out;
}

}  // namespace vellumo
