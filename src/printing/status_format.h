// The progress text of a print job: a template whose codes stand for the
// page number, status lines, page range and printer.
#pragma once

#include <QString>
#include <QStringList>

namespace vellumo {

struct StatusValues {
  int page = 1;
  QStringList lines;  // %0 .. %9
  int first_page = 1;
  int last_page = 9999;
  QString printer;  // %d
  QString driver;   // %r
  QString port;     // %t
};

// Replaces %p, %0..%9, %f, %l, %d, %r, %t and %% (letters in either case);
// any other code shows as "<ERROR-%" + the code upper-cased + ">". A
// trailing lone "%" stays. Inserted text is not scanned again.
QString ExpandStatusFormat(const QString& format, const StatusValues& values);

}  // namespace vellumo
