// Building the clipboard text of a record.
#include "addressbook/record_text.h"

#include <QStringList>

#include "core/text_utils.h"

namespace vellumo {
namespace {

// `text` + " " with its leading blanks removed: a word followed by one
// space, or nothing for an empty value.
QString Word(const QString& text) { return TrimLeft(text + QLatin1Char(' ')); }

void AddLabelled(QStringList* lines, const char* label, const QString& value) {
  if (!value.isEmpty()) *lines << QString::fromLatin1(label) + value;
}

}  // namespace

QString RecordAsText(const FieldReader& field, const RecordTextParts& parts) {
  QStringList lines;
  if (parts.names) {
    QString middle = field("MIDDLE");
    if (!TrimBoth(middle).isEmpty()) middle += QLatin1Char('.');
    lines << Word(field("PREFIX")) + Word(field("FNAME")) + Word(middle) + Word(field("LNAME"));
    lines << field("TITLE") << field("ORG");
  }
  if (parts.address) {
    lines << field("STREET") << field("STREET2");
    lines << Word(field("CITY")) + QLatin1Char(' ') + Word(field("STATE")) + TrimLeft(field("ZIP"));
    lines << Word(field("COUNTRY"));
  }
  if (parts.phones) {
    AddLabelled(&lines, "Phone  :", field("PHONE"));
    AddLabelled(&lines, "Phone 2:", field("PHONE2"));
  }
  if (parts.codes) AddLabelled(&lines, "Codes :", field("CODES"));
  if (parts.comments) {
    AddLabelled(&lines, "Comment 1 :", field("USER1"));
    AddLabelled(&lines, "Comment 2 :", field("USER2"));
  }
  QString text;
  for (const QString& line : lines) {
    if (!TrimBoth(line).isEmpty()) text += line + QStringLiteral("\r\n");
  }
  return text;
}

}  // namespace vellumo
