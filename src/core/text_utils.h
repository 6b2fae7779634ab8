// Small text and file helpers shared by the windows.
#pragma once

#include <QString>

namespace vellumo {

// Blanks removed at the start, the end, or both; blanks only give "".
QString TrimLeft(const QString& text);
QString TrimRight(const QString& text);
QString TrimBoth(const QString& text);

// A printer description without its port: the text before the first " ON "
// (found without regard to case), or the whole text.
QString PrinterNameWithoutPort(const QString& description);

// Copies a whole file. False when both paths are the same text or either
// file cannot be opened or written.
[[nodiscard]] bool CopyWholeFile(const QString& source, const QString& target);

}  // namespace vellumo
