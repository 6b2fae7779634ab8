// Text at the file boundary: tables and older text files hold
// Windows-1252; the application works in QString.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace vellumo {

// Table bytes (Windows-1252) to text, and back (characters the code page
// lacks become '?').
QString FromTable(std::string_view bytes);
std::string ToTable(const QString& text);

// A text file that may be UTF-8 or Windows-1252: valid UTF-8 (with or
// without a byte-order mark) is read as such, anything else as Windows-1252.
// Line ends are reduced to "\n".
QString DecodeTextFile(const QByteArray& bytes);

}  // namespace vellumo
