// Filters typed per field, turned into one xBase expression and put in
// force on an address table.
//
// What a user types for one field is read as: a ";" list (any item holds),
// else a "+" list (all hold), else a "^" list (the first holds, no other
// does), else one condition: an optional operator (">=", ">", "<=", "<", "$"
// for "contains") and a value; without an operator the field must begin
// with the value; an operator with nothing after it is a condition on the
// empty text. Case is ignored; blanks belong to the value. Empty list
// items are ignored, and a list of nothing but empty items adds no
// condition. Values are quoted so that any typed text is matched literally.
#pragma once

#include <QString>
#include <array>

#include "xbase/table.h"

namespace vellumo {

// Longer expressions are refused ("Sorry - filter is too complex...").
inline constexpr int kMaxFilterLength = 243;

// The condition of field expression `field` (a field name, or CITY+STATE);
// "" when `condition` holds no item.
QString BuildFieldCondition(const QString& field, const QString& condition);

// A text literal of the expression language that denotes exactly `value`:
// in "…", '…' or […], whichever the value does not contain, or, for a
// value holding all three delimiters, a parenthesised join of such pieces.
QString QuoteLiteral(const QString& value);

// The conditions of the filter window.
struct FilterConditions {
  // In the order the filter joins them.
  static constexpr int kCount = 18;
  static const std::array<const char*, kCount>& FieldExpressions();

  std::array<QString, kCount> texts;
  bool tagged = false;
  bool reverse = false;

  // Text of the condition on `field_expression` ("LNAME", "CITY+STATE", ...).
  QString& operator[](const QString& field_expression);
  bool IsEmpty() const;
  void Clear();
  bool operator==(const FilterConditions&) const = default;
};

// The whole filter; "" when there is no condition.
QString BuildQueryString(const FilterConditions& conditions, const QString& tag_id);

// Puts the filter in force (with ".and. !ISDEL") and stores the number of
// visible records in *count. With no condition, a filter that is too long
// (the user is told) or one that matches nothing, the conditions are
// cleared, only "!ISDEL" is in force and the count is 0. When the engine
// fails (it refuses the expression, or cannot read the table to count),
// the user is told "Unable to apply the filter" with the engine's reason,
// the conditions are kept, "!ISDEL" is put in force and the failure is
// returned.
[[nodiscard]] xbase::Status ApplyFilter(xbase::Table& table, FilterConditions& conditions, const QString& tag_id,
                                        uint32_t* count);

}  // namespace vellumo
