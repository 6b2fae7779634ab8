// Conversions between table bytes, text files and QString.
#include "core/text_codec.h"

#include <QStringDecoder>

#include "xbase/codepage.h"

namespace vellumo {

QString FromTable(std::string_view bytes) {
  return QString::fromStdString(xbase::Windows1252ToUtf8(bytes));
}

std::string ToTable(const QString& text) { return xbase::Utf8ToWindows1252(text.toStdString()); }

QString DecodeTextFile(const QByteArray& bytes) {
  QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(body);
  if (utf8.hasError()) text = FromTable(std::string_view(body.constData(), body.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace vellumo
