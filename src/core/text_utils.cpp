// Trims, printer names and file copying.
#include "core/text_utils.h"

#include <QFile>

namespace vellumo {

QString TrimLeft(const QString& text) {
  int i = 0;
  while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
  return text.mid(i);
}

QString TrimRight(const QString& text) {
  int n = static_cast<int>(text.size());
  while (n > 0 && text[n - 1] == QLatin1Char(' ')) --n;
  return text.left(n);
}

QString TrimBoth(const QString& text) { return TrimLeft(TrimRight(text)); }

QString PrinterNameWithoutPort(const QString& description) {
  int at = description.indexOf(QLatin1String(" ON "), 0, Qt::CaseInsensitive);
  return at < 0 ? description : description.left(at);
}

bool CopyWholeFile(const QString& source, const QString& target) {
  if (source == target) return false;
  QFile in(source);
  QFile out(target);
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return false;
  }
  constexpr qint64 kBlock = 2048;
  char buffer[kBlock];
  for (;;) {
    qint64 n = in.read(buffer, kBlock);
    if (n < 0) return false;
    if (n == 0) break;
    if (out.write(buffer, n) != n) return false;
  }
  return out.flush();
}

}  // namespace vellumo
