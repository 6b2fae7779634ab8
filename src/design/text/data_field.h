// What the data field and memo objects show: the value of the field they
// are bound to by display label, the bracketed label when field names are
// shown, and the placeholders for blank, empty and unbound objects.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "design/text/field_source.h"
#include "design/text/text_layout.h"

namespace vellumo {

// The record a data object reads from: the bound table's fields in order
// and the current record's values.
struct BoundRecord {
  std::vector<BoundField> fields;
  FieldText value;
};

// The caption of a one-line data field bound to `descript` (a display
// label), without trailing blanks. While printing, an unbound object keeps
// `previous`. The object's LengthOfText is stored only and never cuts the
// value.
QString DataFieldCaption(const BoundRecord& record, const QString& descript, ShowState show,
                         const QString& previous);

// Reads the memo text of the current record: nullopt when it cannot be
// read.
using MemoReader = std::function<std::optional<QString>(const QString& field)>;

// How memo text is split into lines: at its line ends, and with `wrap`
// also at blanks so that no line is wider than `width` inches.
struct MemoLayout {
  bool wrap = true;
  double width = 0;
  TextMeasure measure;
};

// The lines of a memo object bound to `descript`. A memo that is empty or
// cannot be read gives no lines; while printing an unbound object gives
// none either.
QStringList MemoFieldLines(const BoundRecord& record, const QString& descript, ShowState show,
                           const MemoReader& memo, const MemoLayout& layout);

// The lines a multi-line object shows on screen: with none, the
// placeholder "<blank memo>" (memo objects) or "<blank>"; a single blank
// line gets the placeholder as a second line. Printing uses the lines as
// they are.
QStringList ScreenLines(const QStringList& lines, bool memo_object);

}  // namespace vellumo
