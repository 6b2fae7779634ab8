// Filter expressions: the builder's output for typed conditions, and their
// effect on a real address table.
#include "core/address_database.h"
#include "core/filter_expression.h"
#include "core/text_codec.h"
#include "test_home.h"

namespace vellumo {
namespace {

TEST(BuildFieldConditionTest, TheBuildersOutput) {
  EXPECT_EQ(BuildFieldCondition("LNAME", "jo"), "UPPER(LNAME)=\"JO\"");
  EXPECT_EQ(BuildFieldCondition("ZIP", ">=90000"), "UPPER(ZIP)>=\"90000\"");
  EXPECT_EQ(BuildFieldCondition("ZIP", ">9"), "UPPER(ZIP)>\"9\"");
  EXPECT_EQ(BuildFieldCondition("ZIP", "<=9"), "UPPER(ZIP)<=\"9\"");
  EXPECT_EQ(BuildFieldCondition("CODES", "$A+$B"),
            "((\"A\"$UPPER(CODES)).and.(\"B\"$UPPER(CODES)))");
  EXPECT_EQ(BuildFieldCondition("CODES", "$A^$B"),
            "((\"A\"$UPPER(CODES)).and..not.(\"B\"$UPPER(CODES)))");
  EXPECT_EQ(BuildFieldCondition("CITY+STATE", "TORONTO;MIAMI"),
            "((UPPER(CITY+STATE)=\"TORONTO\").or.(UPPER(CITY+STATE)=\"MIAMI\"))");
  EXPECT_EQ(BuildFieldCondition("LNAME", "A+B;C"),
            "((((UPPER(LNAME)=\"A\").and.(UPPER(LNAME)=\"B\"))).or.(UPPER(LNAME)=\"C\"))");
  EXPECT_EQ(BuildFieldCondition("LNAME", " van"), "UPPER(LNAME)=\" VAN\"");  // blanks kept
  EXPECT_EQ(BuildFieldCondition("LNAME", QString(120, 'x')),
            "UPPER(LNAME)=\"" + QString(99, 'X') + "\"");
  EXPECT_EQ(BuildFieldCondition("LNAME", QString::fromUtf8("müller")),
            QString::fromUtf8("UPPER(LNAME)=\"MÜLLER\""));
}

TEST(BuildFieldConditionTest, EmptyListItemsAreIgnored) {
  EXPECT_EQ(BuildFieldCondition("LNAME", "A;;B;"),
            "((UPPER(LNAME)=\"A\").or.(UPPER(LNAME)=\"B\"))");
  EXPECT_EQ(BuildFieldCondition("LNAME", ";A"), "((UPPER(LNAME)=\"A\"))");
  EXPECT_EQ(BuildFieldCondition("LNAME", ";;"), "");
  EXPECT_EQ(BuildFieldCondition("LNAME", "+;^"), "");
}

TEST(BuildFieldConditionTest, ABareContainsIsAConditionEveryTextMeets) {
  EXPECT_EQ(BuildFieldCondition("LNAME", "$"), "UPPER(LNAME)=\"\"");
  EXPECT_EQ(BuildFieldCondition("LNAME", ">="), "UPPER(LNAME)>=\"\"");
  EXPECT_EQ(BuildFieldCondition("CODES", "$;$B"), "((UPPER(CODES)=\"\").or.(\"B\"$UPPER(CODES)))");
}

TEST(BuildFieldConditionTest, QuotesCannotEndTheLiteralEarly) {
  EXPECT_EQ(BuildFieldCondition("LNAME", "O\"Hara"), "UPPER(LNAME)='O\"HARA'");
  EXPECT_EQ(BuildFieldCondition("LNAME", "a\"b'c"), "UPPER(LNAME)=[A\"B'C]");
  EXPECT_EQ(QuoteLiteral("x\"y'z]w"), "([x\"y'z]+\"]w\")");
  EXPECT_EQ(QuoteLiteral(""), "\"\"");
}

TEST(BuildQueryStringTest, JoinsTagsAndReverses) {
  FilterConditions c;
  c["LNAME"] = "jo";
  c["CITY+STATE"] = "  ";  // blanks only: no condition
  c["DATE"] = ">=19970101";
  EXPECT_EQ(BuildQueryString(c, "T1"), "UPPER(LNAME)=\"JO\" and UPPER(DATE)>=\"19970101\"");
  c.tagged = true;
  c.reverse = true;
  EXPECT_EQ(BuildQueryString(c, "T1"),
            "(!(UPPER(LNAME)=\"JO\" and UPPER(DATE)>=\"19970101\" and (UPPER(TAG)=\"T1\")))");
  FilterConditions none;
  none.reverse = true;
  EXPECT_EQ(BuildQueryString(none, "T1"), "");
}

class ApplyFilterTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    ASSERT_TRUE(CreateAddressDatabase(DataPath("f.DBF"), FieldLengths::Defaults()));
    ASSERT_TRUE(OpenTableFile(DataPath("f.DBF"), &table_));
    struct Row {
      const char* last;
      const char* codes;
      const char* date;
    };
    for (Row r : {Row{"Lee", "AX", "19970101"}, Row{"Leeds", "BX", "19961231"},
                  Row{"Ashlee", "CA", ""}, Row{"O\"Hara", "B", "20010505"},
                  Row{"Gone", "A", "19990101"}}) {
      ASSERT_TRUE(table_->AppendBlank().ok());
      ASSERT_TRUE(table_->Replace("LNAME", r.last).ok());
      ASSERT_TRUE(table_->Replace("CODES", r.codes).ok());
      ASSERT_TRUE(table_->Replace("DATE", r.date).ok());
    }
    ASSERT_TRUE(table_->ReplaceLogical("ISDEL", true).ok());  // "Gone" is deleted
    ASSERT_TRUE(table_->Delete().ok());
    ASSERT_TRUE(table_->Commit().ok());
  }

  uint32_t Apply(const char* field, const char* text, bool reverse = false) {
    conditions_ = FilterConditions{};
    conditions_[field] = text;
    conditions_.reverse = reverse;
    uint32_t count = 0;
    EXPECT_TRUE(ApplyFilter(*table_, conditions_, "T1", &count).ok());
    return count;
  }

  std::unique_ptr<xbase::Table> table_;
  FilterConditions conditions_;
};

TEST_F(ApplyFilterTest, BeginsWithContainsAndLists) {
  EXPECT_EQ(Apply("LNAME", "lee"), 2u);
  EXPECT_EQ(Apply("LNAME", "$lee"), 3u);
  EXPECT_EQ(Apply("CODES", "A;B"), 3u);       // AX, BX, B ("A" is deleted)
  EXPECT_EQ(Apply("CODES", "$A;$B"), 4u);
  EXPECT_EQ(Apply("DATE", ">=19970101"), 2u);  // not the empty date
  EXPECT_EQ(Apply("LNAME", "lee", true), 2u);  // Ashlee, O"Hara; never the deleted one
  EXPECT_EQ(Apply("LNAME", "o\"h"), 1u);
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(ApplyFilterTest, NoMatchOrTooLongLeavesNoFilter) {
  EXPECT_EQ(Apply("LNAME", "zzz"), 0u);
  EXPECT_TRUE(conditions_.IsEmpty());
  EXPECT_EQ(QString::fromStdString(table_->filter()), "!ISDEL");
  EXPECT_EQ(Apply("LNAME", "aaaaaaaaa;bbbbbbbbb;ccccccccc;ddddddddd;eeeeeeeee;fffffffff;"
                           "ggggggggg;hhhhhhhhh;iiiiiiiii;jjjjjjjjj"),
            0u);
  EXPECT_EQ(messenger_.said, QStringList{"Sorry - filter is too complex.Please simplify it."});
  EXPECT_TRUE(conditions_.IsEmpty());
  EXPECT_EQ(QString::fromStdString(table_->filter()), "!ISDEL");
}

TEST_F(ApplyFilterTest, QuoteInValueCannotInjectTerms) {
  // Without quoting, this text would close the literal and add ".or. .T.".
  EXPECT_EQ(Apply("LNAME", "x\").or.(\"\"=\""), 0u);
  EXPECT_EQ(Apply("LNAME", "x\" .or. \"\"=\"\" .or. \""), 0u);
}

TEST_F(ApplyFilterTest, ABareOperatorIsAConditionOnTheEmptyText) {
  // Every text begins with, is at least, is at most and contains the empty
  // text; none is greater or less than it.
  for (const char* every : {">=", "<=", "$"}) {
    EXPECT_EQ(Apply("LNAME", every), 4u) << every;
    EXPECT_FALSE(conditions_.IsEmpty()) << every << " is a filter, not \"no filter\"";
  }
  for (const char* none : {">", "<"}) EXPECT_EQ(Apply("LNAME", none), 0u) << none;
  EXPECT_TRUE(messenger_.said.isEmpty());
}

}  // namespace
}  // namespace vellumo
