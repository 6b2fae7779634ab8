// Text comparison with and without exact matching, the "-" join, "$", and
// the filters the application writes, evaluated on records.
#include "expr_test_table.h"

namespace xbase::testing {
namespace {

using CompareTest = ExpressionTest;

TEST_F(CompareTest, NonExactComparesOverTheRightLength) {
  EXPECT_TRUE(Holds("'Smithers' = 'Smith'"));
  EXPECT_FALSE(Holds("'Smith' = 'Smithers'"));
  EXPECT_TRUE(Holds("'abc' = ''"));            // empty right side matches everything
  EXPECT_TRUE(Holds("'' = ''"));
  EXPECT_FALSE(Holds("'' = 'a'"));
  EXPECT_TRUE(Holds("'ab' = 'ab  '"));          // a shorter left is padded with blanks
  EXPECT_TRUE(Holds("'abc' <> 'abd'"));
  EXPECT_FALSE(Holds("'abcd' <> 'abc'"));
  EXPECT_FALSE(Holds("'abcd' != 'abc'"));
  EXPECT_FALSE(Holds("'abcd' # 'abc'"));
  EXPECT_TRUE(Holds("'abcz' >= 'abc'"));
  EXPECT_TRUE(Holds("'abcz' <= 'abc'"));       // equal over the right's length
  EXPECT_FALSE(Holds("'abcz' > 'abc'"));
  EXPECT_TRUE(Holds("'ab' < 'abc'"));
  EXPECT_TRUE(Holds("'b' > 'abc'"));
  EXPECT_TRUE(Holds("'\xE9' > 'z'"));           // unsigned bytes
}

TEST_F(CompareTest, ExactPadsTheShorterSide) {
  EXPECT_FALSE(Holds("'Smithers' = 'Smith'", true));
  EXPECT_FALSE(Holds("'Smith' = 'Smithers'", true));
  EXPECT_TRUE(Holds("'Smith   ' = 'Smith'", true));
  EXPECT_TRUE(Holds("'Smith' = 'Smith   '", true));
  EXPECT_FALSE(Holds("'abc' = ''", true));
  EXPECT_TRUE(Holds("'' = '   '", true));
  EXPECT_TRUE(Holds("'abcz' > 'abc'", true));
  EXPECT_TRUE(Holds("'abc' < 'abcz'", true));
  EXPECT_TRUE(Holds("'abcd' <> 'abc'", true));
  EXPECT_TRUE(Holds("'a\x01' < 'a'", true));  // bytes below blank sort before the padding
}

TEST_F(CompareTest, DoubleEqualsIgnoresOnlyTrailingBlanks) {
  for (bool exact : {false, true}) {
    EXPECT_FALSE(Holds("'Smithers' == 'Smith'", exact));
    EXPECT_TRUE(Holds("'Smith  ' == 'Smith'", exact));
    EXPECT_TRUE(Holds("'Smith' == 'Smith  '", exact));
    EXPECT_FALSE(Holds("' Smith' == 'Smith'", exact));
    EXPECT_FALSE(Holds("'abc' == ''", exact));
    EXPECT_TRUE(Holds("1 == 1.0", exact));
  }
}

// The same comparisons through the direct field path (field or UPPER(field)
// against a literal) and through the general one must agree.
TEST_F(CompareTest, FieldAgainstLiteralMatchesGeneralPath) {
  rec_.Set("ZIP", "9021a");
  const char* ops[] = {"=", "==", "<>", "<", "<=", ">", ">="};
  const char* literals[] = {"''", "'9'", "'9021'", "'9021A'", "'9021a'", "'9021A     '",
                            "'9021A      x'", "'90210'", "'A'", "'9021A \x01'"};
  for (bool exact : {false, true}) {
    for (const char* op : ops) {
      for (const char* lit : literals) {
        for (const char* left : {"ZIP", "UPPER(ZIP)"}) {
          std::string direct = std::string(left) + op + lit;
          // Joining an empty text hides the field from the direct path.
          std::string general = std::string(left) + "+''" + op + lit;
          EXPECT_EQ(Holds(direct, exact), Holds(general, exact)) << direct << " exact=" << exact;
        }
      }
    }
  }
  EXPECT_TRUE(Holds("UPPER(ZIP) = '9021A'"));
  EXPECT_FALSE(Holds("ZIP = '9021A'"));
}

TEST_F(CompareTest, NumbersDatesAndLogicals) {
  rec_.Set("AMOUNT", "12.50").Set("BORN", "20240315").Set("ISDEL", "T");
  EXPECT_TRUE(Holds("AMOUNT = 12.5"));
  EXPECT_TRUE(Holds("AMOUNT > -1 .AND. AMOUNT < 13"));
  EXPECT_TRUE(Holds("BORN > {^2024-03-14}"));
  EXPECT_TRUE(Holds("BORN = {03/15/2024}"));
  EXPECT_TRUE(Holds("ISDEL = .T."));
  EXPECT_TRUE(Holds("ISDEL == .T."));
  EXPECT_TRUE(Holds("ISDEL <> .F."));
  EXPECT_TRUE(Holds("Recno()=7"));
  EXPECT_FALSE(Holds("Recno()=5"));
}

TEST_F(CompareTest, MinusJoinMovesTrailingBlanks) {
  EXPECT_EQ(Text("'ab  ' - 'cd '"), "abcd   ");
  EXPECT_EQ(Text("'ab  ' + 'cd '"), "ab  cd ");
  EXPECT_EQ(Text("'    ' - 'cd'"), "cd    ");
  EXPECT_EQ(Text("'' - 'cd'"), "cd");
  rec_.Set("LNAME", "Smith").Set("FNAME", "Jo");
  EXPECT_EQ(Text("LNAME-FNAME"), "SmithJo" + std::string(53, ' '));
  EXPECT_EQ(Text("UPPER(LNAME-FNAME)"), "SMITHJO" + std::string(53, ' '));
  EXPECT_EQ(Text("LNAME-FNAME-STATE"), "SmithJo" + std::string(55, ' '));
}

TEST_F(CompareTest, ContainsLooksForLeftInRight) {
  rec_.Set("CODES", "xaBy");
  EXPECT_TRUE(Holds("'A' $ UPPER(CODES)"));
  EXPECT_FALSE(Holds("'A' $ CODES"));
  EXPECT_TRUE(Holds("'aB' $ CODES"));
  EXPECT_FALSE(Holds("'' $ CODES"));           // an empty text is never contained
  EXPECT_FALSE(Holds("'xaByz' $ 'xaBy'"));
  EXPECT_TRUE(Holds("'y ' $ CODES"));          // trailing blanks of a field count
  EXPECT_FALSE(Holds("CODES $ 'xaBy'"));       // the field's blanks make it longer
  EXPECT_TRUE(Holds("TRIM(CODES) $ 'xaBy'"));
}

TEST_F(CompareTest, ApplicationFilters) {
  rec_.Set("LNAME", "Jones").Set("FNAME", "bob").Set("ZIP", "90210").Set("CODES", "ca")
      .Set("CITY", "Toronto").Set("STATE", "ON").Set("PREFIX", "Dr.").Set("TAG", "t57mjz1x")
      .Set("ISDEL", "F");
  struct Case {
    const char* filter;
    bool expected;
  } cases[] = {
      {"UPPER(LNAME)=\"JO\"", true},
      {"UPPER(LNAME)=\"JOHN\"", false},
      {"UPPER(ZIP)>=\"90000\"", true},
      {"((\"A\"$UPPER(CODES)).and.(\"B\"$UPPER(CODES)))", false},
      {"((\"A\"$UPPER(CODES)).and..not.(\"B\"$UPPER(CODES)))", true},
      {"((UPPER(CITY+STATE)=\"TORONTO\").or.(UPPER(CITY+STATE)=\"MIAMI\"))", true},
      {"(!(UPPER(LNAME)=\"A\"))", true},
      {"UPPER(LNAME)=\"J\" and UPPER(FNAME)=\"B\"", true},
      {"UPPER(LNAME)=\"A\" and UPPER(FNAME)=\"B\"", false},
      {"NOT ISDEL", true},
      {"!ISDEL", true},
      {"not DELETED()", true},
      {"Recno()=7", true},
      {"UPPER(PREFIX)<>\"DELETED\"", true},
      {"(UPPER(TAG)=\"T57MJZ1\")", true},
  };
  for (const Case& c : cases) EXPECT_EQ(Holds(c.filter), c.expected) << c.filter;
  rec_.Set("PREFIX", "deleted");
  EXPECT_FALSE(Holds("UPPER(PREFIX)<>\"DELETED\""));
  rec_.Delete();
  EXPECT_FALSE(Holds("not DELETED()"));
}

}  // namespace
}  // namespace xbase::testing
