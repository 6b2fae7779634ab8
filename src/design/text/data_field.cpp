// Captions of data fields and lines of memo objects.
#include "design/text/data_field.h"

#include <QRegularExpression>

#include "core/text_utils.h"

namespace vellumo {
namespace {

QString Bracketed(const QString& descript) { return QLatin1Char('[') + descript + QLatin1Char(']'); }

}  // namespace

QString DataFieldCaption(const BoundRecord& record, const QString& descript, ShowState show,
                         const QString& previous) {
  const std::optional<QString> name = FindFieldByDisplayLabel(record.fields, descript);
  const std::optional<QString> value = name ? record.value(*name) : std::nullopt;
  QString caption;
  if (!value) {
    caption = show.printing ? previous : QStringLiteral("<undefined field>");
  } else if (!show.ShowsValues()) {
    caption = Bracketed(descript);
  } else if (TrimBoth(*value).isEmpty() && !show.printing) {
    caption = QStringLiteral("<blank field>");
  } else {
    caption = *value;
  }
  return TrimRight(caption);
}

QStringList MemoFieldLines(const BoundRecord& record, const QString& descript, ShowState show,
                           const MemoReader& memo, const MemoLayout& layout) {
  const std::optional<QString> name = FindFieldByDisplayLabel(record.fields, descript);
  if (!name) {
    if (show.printing) return {};
    return {QStringLiteral("<undefined memo>")};
  }
  if (!show.ShowsValues()) return {Bracketed(descript)};
  const std::optional<QString> text = memo(*name);
  if (!text || text->isEmpty()) return {};
  static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = text->split(kLineEnd);
  // A memo ending in a line end has no further, empty line.
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
  if (!layout.wrap) return lines;
  return WrapLines(lines, layout.width, layout.measure);
}

QStringList ScreenLines(const QStringList& lines, bool memo_object) {
  const QString placeholder = memo_object ? QStringLiteral("<blank memo>") : QStringLiteral("<blank>");
  if (lines.isEmpty()) return {placeholder};
  if (lines.size() == 1 && TrimBoth(lines.first()).isEmpty()) return {lines.first(), placeholder};
  return lines;
}

}  // namespace vellumo
