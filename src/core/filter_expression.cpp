// Building filter expressions from typed conditions and applying them.
#include "core/filter_expression.h"

#include <QStringList>

#include "core/messages.h"
#include "core/text_codec.h"
#include "xbase/codepage.h"

namespace vellumo {
namespace {

constexpr int kMaxValueLength = 99;
const QString kNotDeleted = QStringLiteral("!ISDEL");

// Upper case as the engine's UPPER() makes it, so typed values compare
// with upper-cased fields byte for byte.
QString EngineUpperCase(const QString& text) {
  return FromTable(xbase::UpperCaseWindows1252(ToTable(text)));
}

struct ListRule {
  QChar separator;
  const char* joiner;
};
constexpr ListRule kListRules[] = {{QLatin1Char(';'), ".or."},
                                   {QLatin1Char('+'), ".and."},
                                   {QLatin1Char('^'), ".and..not."}};

QString SingleCondition(const QString& field, const QString& condition) {
  QString op = QStringLiteral("=");
  QString value = condition;
  for (const char* candidate : {">=", ">", "<=", "<", "$"}) {
    if (condition.startsWith(QLatin1String(candidate))) {
      op = QLatin1String(candidate);
      value = condition.mid(op.size());
      break;
    }
  }
  QString literal = QuoteLiteral(EngineUpperCase(value.left(kMaxValueLength)));
  // Every field contains the empty text, but the engine's "$" finds it in
  // none: a bare "$" is written as beginning with the empty text, which
  // every record does, as a bare ">=" or "<=" holds for every record.
  if (op == QLatin1String("$") && value.isEmpty()) op = QStringLiteral("=");
  if (op == QLatin1String("$")) {
    return literal + QStringLiteral("$UPPER(") + field + QLatin1Char(')');
  }
  return QStringLiteral("UPPER(") + field + QLatin1Char(')') + op + literal;
}

}  // namespace

namespace {

// A delimiter pair that can enclose `value`, or none when the value holds
// all three closing characters.
bool PickDelimiters(const QString& value, QChar* open, QChar* close) {
  for (auto [o, c] : {std::pair{'"', '"'}, std::pair{'\'', '\''}, std::pair{'[', ']'}}) {
    if (!value.contains(QLatin1Char(c))) {
      *open = QLatin1Char(o);
      *close = QLatin1Char(c);
      return true;
    }
  }
  return false;
}

}  // namespace

QString QuoteLiteral(const QString& value) {
  QChar open, close;
  if (PickDelimiters(value, &open, &close)) return open + value + close;
  // Every closing character occurs: join the longest pieces that can each
  // be enclosed.
  QStringList pieces;
  QString piece;
  for (QChar c : value) {
    if (!PickDelimiters(piece + c, &open, &close)) {
      pieces << QuoteLiteral(piece);
      piece.clear();
    }
    piece += c;
  }
  pieces << QuoteLiteral(piece);
  return QLatin1Char('(') + pieces.join(QLatin1Char('+')) + QLatin1Char(')');
}

QString BuildFieldCondition(const QString& field, const QString& condition) {
  for (const ListRule& rule : kListRules) {
    if (!condition.contains(rule.separator)) continue;
    QString result;
    for (const QString& item : condition.split(rule.separator)) {
      if (item.isEmpty()) continue;
      QString part = BuildFieldCondition(field, item);
      if (part.isEmpty()) continue;
      if (!result.isEmpty()) result += QLatin1String(rule.joiner);
      result += QLatin1Char('(') + part + QLatin1Char(')');
    }
    return result.isEmpty() ? QString() : QLatin1Char('(') + result + QLatin1Char(')');
  }
  return SingleCondition(field, condition);
}

const std::array<const char*, FilterConditions::kCount>& FilterConditions::FieldExpressions() {
  static const std::array<const char*, kCount> fields = {
      "LNAME", "FNAME",   "TITLE", "ORG",    "STREET", "STREET2", "ZIP",   "CITY+STATE", "STATE",
      "COUNTRY", "PHONE", "PHONE2", "FAX",   "EMAIL",  "USER1",   "USER2", "DATE",       "CODES"};
  return fields;
}

QString& FilterConditions::operator[](const QString& field_expression) {
  const auto& fields = FieldExpressions();
  for (int i = 0; i < kCount; ++i) {
    if (field_expression.compare(QLatin1String(fields[i]), Qt::CaseInsensitive) == 0) return texts[i];
  }
  static QString unknown;
  unknown.clear();
  return unknown;
}

bool FilterConditions::IsEmpty() const {
  for (const QString& t : texts) {
    if (!t.trimmed().isEmpty()) return false;
  }
  return !tagged && !reverse;
}

void FilterConditions::Clear() { *this = FilterConditions{}; }

QString BuildQueryString(const FilterConditions& c, const QString& tag_id) {
  QString result;
  QString joiner;
  const auto& fields = FilterConditions::FieldExpressions();
  for (int i = 0; i < FilterConditions::kCount; ++i) {
    if (c.texts[i].trimmed().isEmpty()) continue;
    QString condition = BuildFieldCondition(QLatin1String(fields[i]), c.texts[i]);
    if (condition.isEmpty()) continue;
    result += joiner + condition;
    joiner = QStringLiteral(" and ");
  }
  if (c.tagged) {
    result += joiner + QStringLiteral("(UPPER(TAG)=") + QuoteLiteral(tag_id) + QLatin1Char(')');
  }
  if (!result.isEmpty() && c.reverse) result = QStringLiteral("(!(") + result + QStringLiteral("))");
  return result;
}

xbase::Status ApplyFilter(xbase::Table& table, FilterConditions& conditions, const QString& tag_id,
                          uint32_t* count) {
  *count = 0;
  auto not_deleted_only = [&] { return table.SetFilter(kNotDeleted.toStdString()); };
  auto fail = [&](const xbase::Status& failure) {
    // Only the deleted records stay hidden; the conditions stay for the
    // user to correct or try again.
    const xbase::Status fallback = not_deleted_only();
    ShowInformation(WithReason(WithReason(QStringLiteral("Unable to apply the filter"), failure), fallback));
    return failure;
  };
  auto no_filter = [&] {
    conditions.Clear();
    const xbase::Status s = not_deleted_only();
    return s.ok() ? s : fail(s);
  };
  const QString expression = BuildQueryString(conditions, tag_id);
  if (expression.isEmpty()) return no_filter();
  if (expression.size() > kMaxFilterLength) {
    ShowInformation(QStringLiteral("Sorry - filter is too complex.Please simplify it."));
    return no_filter();
  }
  xbase::Status s = table.SetFilter(ToTable(expression + QStringLiteral(".and. !ISDEL")));
  if (s.ok()) s = table.QueryRecCount(count);
  if (!s.ok()) {
    *count = 0;
    return fail(s);
  }
  if (*count == 0) return no_filter();
  return xbase::Status::OK();
}

}  // namespace vellumo
