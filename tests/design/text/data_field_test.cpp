// Data field captions and memo lines: the field found by display label,
// values, bracketed labels and placeholders.
#include "design/text/data_field.h"

#include <gtest/gtest.h>

#include "fixed_pitch.h"

namespace vellumo {
namespace {

constexpr ShowState kDesignNames{false, false};
constexpr ShowState kDesignValues{true, false};
constexpr ShowState kPrinting{false, true};

BoundRecord Record(QMap<QString, QString> values) {
  return {{{"LNAME", "Last Name"}, {"FNAME", "First Name"}, {"MEMO", "Memo"}, {"USER1", "Comment 1"}},
          FieldsFromMap(std::move(values))};
}

TEST(FindFieldTest, LastFieldWithTheExactLabelWins) {
  const std::vector<BoundField> fields = {{"LNAME", "Last Name"}, {"DATE", "Date"}, {"DisplayDate", "Date"}};
  EXPECT_EQ(FindFieldByDisplayLabel(fields, "Date"), "DisplayDate");
  EXPECT_EQ(FindFieldByDisplayLabel(fields, "Last Name"), "LNAME");
  EXPECT_EQ(FindFieldByDisplayLabel(fields, "last name"), std::nullopt);
  EXPECT_EQ(FindFieldByDisplayLabel(fields, "LNAME"), std::nullopt);
  EXPECT_EQ(FindFieldByDisplayLabel(fields, ""), std::nullopt);
}

TEST(DataFieldCaptionTest, ShowsTheValueWithoutTrailingBlanks) {
  const BoundRecord r = Record({{"LNAME", "Jones     "}});
  EXPECT_EQ(DataFieldCaption(r, "Last Name", kDesignValues, ""), "Jones");
  EXPECT_EQ(DataFieldCaption(r, "Last Name", kPrinting, ""), "Jones");
}

TEST(DataFieldCaptionTest, LongValuesAreShownWhole) {
  const QString value(80, QLatin1Char('x'));
  EXPECT_EQ(DataFieldCaption(Record({{"LNAME", value}}), "Last Name", kPrinting, ""), value);
}

TEST(DataFieldCaptionTest, FieldNamesShownInBrackets) {
  EXPECT_EQ(DataFieldCaption(Record({{"LNAME", "Jones"}}), "Last Name", kDesignNames, ""), "[Last Name]");
}

TEST(DataFieldCaptionTest, BlankValueShowsPlaceholderOnScreenAndPrintsNothing) {
  const BoundRecord r = Record({{"LNAME", "   "}});
  EXPECT_EQ(DataFieldCaption(r, "Last Name", kDesignValues, ""), "<blank field>");
  EXPECT_EQ(DataFieldCaption(r, "Last Name", kPrinting, "old"), "");
}

TEST(DataFieldCaptionTest, UnboundObjectShowsUndefinedAndPrintsItsPreviousText) {
  const BoundRecord r = Record({{"LNAME", "Jones"}});
  EXPECT_EQ(DataFieldCaption(r, "Surname", kDesignValues, "x"), "<undefined field>");
  EXPECT_EQ(DataFieldCaption(r, "Surname", kDesignNames, "x"), "<undefined field>");
  EXPECT_EQ(DataFieldCaption(r, "", kDesignValues, "x"), "<undefined field>");
  EXPECT_EQ(DataFieldCaption(r, "Surname", kPrinting, "Smith  "), "Smith");
  EXPECT_EQ(DataFieldCaption(r, "", kPrinting, ""), "");
}

TEST(DataFieldCaptionTest, LabelOfAFieldTheRecordLacksIsUndefined) {
  // Listed by the table but with no value to read.
  EXPECT_EQ(DataFieldCaption(Record({}), "First Name", kDesignValues, ""), "<undefined field>");
}

std::optional<QString> NoMemo(const QString&) { return std::nullopt; }

TEST(MemoFieldLinesTest, SplitsAtEveryKindOfLineEnd) {
  const MemoLayout no_wrap{false, 1.0, FixedPitch()};
  auto memo = [](const QString& field) -> std::optional<QString> {
    if (field != "MEMO") return std::nullopt;
    return QString("first\r\nsecond\nthird\rfourth is a long line\r\n");
  };
  EXPECT_EQ(MemoFieldLines(Record({}), "Memo", kPrinting, memo, no_wrap),
            QStringList({"first", "second", "third", "fourth is a long line"}));
}

TEST(MemoFieldLinesTest, WrapsAtTheObjectsWidth) {
  const MemoLayout wrap{true, 1.0, FixedPitch()};
  auto memo = [](const QString&) -> std::optional<QString> { return QString("call before the visit\n\nok"); };
  EXPECT_EQ(MemoFieldLines(Record({}), "Memo", kDesignValues, memo, wrap),
            QStringList({"call", "before the", "visit", "", "ok"}));
}

TEST(MemoFieldLinesTest, EmptyOrUnreadableMemoGivesNoLines) {
  const MemoLayout wrap{true, 1.0, FixedPitch()};
  auto empty = [](const QString&) -> std::optional<QString> { return QString(); };
  EXPECT_TRUE(MemoFieldLines(Record({}), "Memo", kPrinting, empty, wrap).isEmpty());
  EXPECT_TRUE(MemoFieldLines(Record({}), "Memo", kPrinting, NoMemo, wrap).isEmpty());
  EXPECT_TRUE(MemoFieldLines(Record({}), "Memo", kDesignValues, NoMemo, wrap).isEmpty());
}

TEST(MemoFieldLinesTest, NamesAndUnboundPlaceholders) {
  const MemoLayout wrap{true, 1.0, FixedPitch()};
  EXPECT_EQ(MemoFieldLines(Record({}), "Memo", kDesignNames, NoMemo, wrap), QStringList({"[Memo]"}));
  EXPECT_EQ(MemoFieldLines(Record({}), "Notes", kDesignValues, NoMemo, wrap), QStringList({"<undefined memo>"}));
  EXPECT_EQ(MemoFieldLines(Record({}), "", kDesignNames, NoMemo, wrap), QStringList({"<undefined memo>"}));
  EXPECT_TRUE(MemoFieldLines(Record({}), "Notes", kPrinting, NoMemo, wrap).isEmpty());
}

TEST(ScreenLinesTest, PlaceholdersForEmptyObjects) {
  EXPECT_EQ(ScreenLines({}, false), QStringList({"<blank>"}));
  EXPECT_EQ(ScreenLines({}, true), QStringList({"<blank memo>"}));
  EXPECT_EQ(ScreenLines({"  "}, false), QStringList({"  ", "<blank>"}));
  EXPECT_EQ(ScreenLines({"", ""}, true), QStringList({"", ""}));
  EXPECT_EQ(ScreenLines({"text"}, true), QStringList({"text"}));
}

}  // namespace
}  // namespace vellumo
