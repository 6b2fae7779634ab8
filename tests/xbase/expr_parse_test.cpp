// Expression parsing: precedence, word forms of the logical operators,
// literals, error messages with their columns, and hostile input.
#include <random>

#include "expr_test_table.h"

namespace xbase::testing {
namespace {

using ParseTest = ExpressionTest;

TEST_F(ParseTest, ArithmeticPrecedence) {
  EXPECT_EQ(Number("1+2*3"), 7);
  EXPECT_EQ(Number("(1+2)*3"), 9);
  EXPECT_EQ(Number("10-4-3"), 3);
  EXPECT_EQ(Number("2^3^2"), 64);  // left to right
  EXPECT_EQ(Number("2**3"), 8);
  EXPECT_EQ(Number("-2^2"), 4);    // unary minus binds tighter
  EXPECT_EQ(Number("7%3"), 1);
  EXPECT_EQ(Number("-7%3"), 2);    // the divisor's sign
  EXPECT_EQ(Number("1-+-1"), 2);
  EXPECT_EQ(Number(".5+1.5"), 2);
  EXPECT_EQ(Number("12/4"), 3);
}

TEST_F(ParseTest, LogicalPrecedence) {
  EXPECT_TRUE(Holds(".T. .OR. .T. .AND. .F."));    // AND before OR
  EXPECT_FALSE(Holds("(.T. .OR. .T.) .AND. .F."));
  EXPECT_TRUE(Holds(".NOT. .F. .AND. .T."));       // NOT before AND
  EXPECT_FALSE(Holds(".NOT. 1 = 1"));              // comparison before NOT
  EXPECT_TRUE(Holds("1+1 = 2 .AND. 2*2 = 4"));
  EXPECT_TRUE(Holds(".Y. .AND. !.N."));
}

TEST_F(ParseTest, WordFormsOfLogicalOperators) {
  rec_.Set("LNAME", "Abbot").Set("FNAME", "Bea").Set("ISDEL", "F");
  EXPECT_TRUE(Holds("UPPER(LNAME)=\"A\" and UPPER(FNAME)=\"B\""));
  EXPECT_TRUE(Holds("UPPER(LNAME)=\"X\" OR UPPER(FNAME)=\"B\""));
  EXPECT_TRUE(Holds("NOT ISDEL"));
  EXPECT_TRUE(Holds("not DELETED()"));
  EXPECT_TRUE(Holds("not(ISDEL)"));
  EXPECT_TRUE(Holds(".t..and..not..f."));
  EXPECT_TRUE(Holds("(1=1).and..not.(1=2)"));
  // "1." must not swallow the dot of .AND.
  EXPECT_EQ(Error("1.AND.(1=1)"), "\".AND.\" cannot combine numeric with logical at column 2");
  EXPECT_TRUE(Holds("! ! .T."));
  EXPECT_TRUE(Holds("NOT NOT .T."));
}

TEST_F(ParseTest, LiteralsAndCase) {
  rec_.SetInt32("COUNT", 0);
  EXPECT_EQ(Text("\"dq\"+'sq'+[br]"), "dqsqbr");
  EXPECT_EQ(Text("'it\"s'"), "it\"s");
  EXPECT_EQ(Text("upper(lname)"), std::string(30, ' '));
  EXPECT_EQ(Text("Upper( LName )"), std::string(30, ' '));
  EXPECT_EQ(Number("{^2024-03-15} - {03/14/2024}"), 1);
  EXPECT_EQ(Number("{}"), 0);
  EXPECT_EQ(Number("A->COUNT + 1"), 1);  // aliases are ignored
  EXPECT_EQ(Number("RECN()"), 7);         // four-letter abbreviations
  EXPECT_EQ(Text("SUBS('abc', 2)"), "bc");
}

TEST_F(ParseTest, ApplicationFiltersCompile) {
  const char* filters[] = {
      "UPPER(LNAME)=\"JO\"",
      "UPPER(ZIP)>=\"90000\"",
      "((\"A\"$UPPER(CODES)).and.(\"B\"$UPPER(CODES)))",
      "((\"A\"$UPPER(CODES)).and..not.(\"B\"$UPPER(CODES)))",
      "((UPPER(CITY+STATE)=\"TORONTO\").or.(UPPER(CITY+STATE)=\"MIAMI\"))",
      "(!(UPPER(LNAME)=\"A\"))",
      "UPPER(LNAME)=\"A\" and UPPER(FNAME)=\"B\"",
      "NOT ISDEL",
      "not DELETED()",
      "Recno()=5",
      "UPPER(PREFIX)<>\"DELETED\"",
      "(UPPER(TAG)=\"T57MJZ1\")",
  };
  for (const char* f : filters) {
    auto e = CompileOrDie(f, schema_);
    ASSERT_TRUE(e) << f;
    EXPECT_EQ(e->type(), ValueType::kLogical) << f;
    EXPECT_EQ(e->text(), f);
  }
  EXPECT_EQ(CompileOrDie("UPPER(descript)", schema_)->key_length(), 40u);
}

// The address table has a text field called DATE: a name followed by "("
// is a call, anything else a field.
TEST_F(ParseTest, FieldNamedLikeAFunction) {
  Schema schema({{"DATE", 'C', 15, 0}});
  TestRecord rec(schema);
  rec.Set("DATE", "spring");
  auto key = CompileOrDie("UPPER(DATE)", schema);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->key_length(), 15u);
  Value v;
  key->Evaluate(rec.Ref(), &v);
  EXPECT_EQ(v.text, "SPRING         ");
  auto today = CompileOrDie("DATE()", schema);
  ASSERT_TRUE(today);
  EXPECT_EQ(today->type(), ValueType::kDate);
}

TEST_F(ParseTest, ErrorsSayWhatAndWhere) {
  EXPECT_EQ(Error("UPPER(LNAM)"), "unknown field \"LNAM\" at column 7");
  EXPECT_EQ(Error("FOO(1)"), "unknown function \"FOO\" at column 1");
  EXPECT_EQ(Error("UPPER(1)"), "UPPER needs a character argument, not numeric at column 7");
  EXPECT_EQ(Error("SUBSTR(LNAME, 'x')"), "SUBSTR needs a numeric argument 2, not character at column 15");
  EXPECT_EQ(Error("UPPER(LNAME, FNAME)"), "UPPER needs 1 argument, not 2 at column 1");
  EXPECT_EQ(Error("SUBSTR(LNAME)"), "SUBSTR needs 2 or 3 arguments, not 1 at column 1");
  EXPECT_EQ(Error("STR(1,2,3,4)"), "STR needs 1 to 3 arguments, not 4 at column 1");
  EXPECT_EQ(Error("DELETED(1)"), "DELETED needs no arguments, not 1 at column 1");
  EXPECT_EQ(Error("(LNAME"), "missing \")\" at column 7");
  EXPECT_EQ(Error("UPPER(LNAME"), "missing \")\" at column 12");
  EXPECT_EQ(Error("LNAME)"), "unexpected \")\" at column 6");
  EXPECT_EQ(Error("LNAME FNAME"), "unexpected \"FNAME\" at column 7");
  EXPECT_EQ(Error("'abc"), "unterminated text literal at column 1");
  EXPECT_EQ(Error("LNAME = [abc"), "unterminated text literal at column 9");
  EXPECT_EQ(Error("{^2024-02-30}"), "invalid date literal at column 1");
  EXPECT_EQ(Error("{^2024"), "unterminated date literal at column 1");
  EXPECT_EQ(Error(""), "empty expression");
  EXPECT_EQ(Error("   "), "empty expression");
  EXPECT_EQ(Error("1 +"), "unexpected end of expression at column 4");
  EXPECT_EQ(Error("LNAME = 1"), "cannot compare character with numeric using \"=\" at column 7");
  EXPECT_EQ(Error("LNAME + 1"), "\"+\" cannot combine character with numeric at column 7");
  EXPECT_EQ(Error("ISDEL < .T."), "logical values cannot be ordered with \"<\" at column 7");
  EXPECT_EQ(Error("!LNAME"), ".NOT. needs a logical operand, not character at column 1");
  EXPECT_EQ(Error("-LNAME"), "unary \"-\" needs a numeric operand, not character at column 1");
  EXPECT_EQ(Error("UPPER(NOTES)"), "memo field \"NOTES\" cannot be used in an expression at column 7");
  EXPECT_EQ(Error("LNAME @ 1"), "unexpected character \"@\" at column 7");
  EXPECT_EQ(Error("ISDEL .XOR. ISDEL"), "unexpected \".\" at column 7");
  EXPECT_EQ(Error("STR(AMOUNT, COUNT)"), "STR needs a constant argument 2 at column 13");
  EXPECT_EQ(Error("STR(AMOUNT, 0)"), "STR argument 2 must be between 1 and 255 at column 13");
  EXPECT_EQ(Error("REPLICATE(LNAME, 3000)"), "REPLICATE would make a text longer than 65535 bytes at column 18");
  EXPECT_EQ(Error("IIF(ISDEL, 1, 'a')"), "IIF needs a numeric argument 3, not character at column 15");
  EXPECT_EQ(Error("MAX(ISDEL, ISDEL)"), "MAX needs numbers, dates or texts at column 5");
  EXPECT_EQ(Error("A->"), "unexpected end of expression at column 4");
}

TEST_F(ParseTest, FieldOfUnusableTypeOrLength) {
  Schema odd({{"V", 'V', 10, 0}, {"D", 'D', 6, 0}});
  std::unique_ptr<Expression> e;
  Status s = Expression::Compile("V", odd, &e);
  EXPECT_EQ(s.message(), "field \"V\" has type V, which expressions cannot use at column 1");
  s = Expression::Compile("D", odd, &e);
  EXPECT_EQ(s.message(), "field \"D\" of type D has length 6, expected 8 at column 1");
}

TEST_F(ParseTest, DeepNestingIsRefusedNotOverflowed) {
  std::string ok = std::string(150, '(') + "1" + std::string(150, ')');
  EXPECT_EQ(Number(ok), 1);
  std::string deep = std::string(20000, '(') + "1" + std::string(20000, ')');
  EXPECT_EQ(Error(deep), "expression nested more than 200 levels deep at column 201");
  EXPECT_NE(Error(std::string(60000, '-') + "1"), "");
  EXPECT_NE(Error(std::string(60000, '!') + ".T."), "");
  std::string calls;
  for (int i = 0; i < 5000; ++i) calls += "UPPER(";
  EXPECT_NE(Error(calls + "LNAME" + std::string(5000, ')')), "");
}

TEST_F(ParseTest, LongFlatChainsStayLinear) {
  rec_.SetInt32("COUNT", 0);
  std::string sum = "1";
  for (int i = 0; i < 900; ++i) sum += "+COUNT";
  EXPECT_EQ(Number(sum), 1);
  std::string too_long = "COUNT";
  for (int i = 0; i < 5000; ++i) too_long += "+COUNT";
  EXPECT_EQ(Error(too_long), "expression has more than 1000 levels of operations at column 6000");
  std::string ors = "ISDEL";
  for (int i = 0; i < 500; ++i) ors += " .OR. ISDEL";
  EXPECT_FALSE(Holds(ors));
}

TEST_F(ParseTest, SizeLimits) {
  EXPECT_EQ(Error("'" + std::string(70000, 'x') + "'"), "expression is longer than 65535 bytes");
  std::string many;
  for (int i = 0; i < 40; ++i) many += "REPLICATE('x', 60000) = LNAME .OR. ";
  EXPECT_EQ(Error(many + ".T."), "expression needs more than 1048576 bytes of memory at column 596");
  // Joined literals fold as they go; the bytes copied doing so are bounded too.
  std::string joined = "'a'";
  for (int i = 0; i < 1000; ++i) joined += "+'a'";
  EXPECT_EQ(Text(joined).size(), 1001u);
  for (int i = 0; i < 2000; ++i) joined += "+'a'";
  EXPECT_NE(Error(joined).find("bytes of memory"), std::string::npos);
}

TEST_F(ParseTest, GarbageNeverCrashes) {
  const std::string alphabet = "()+-*/%^$!=<>#,.'\"[]{}^ATFNOR0123456789 LNAMEUPERISDELCOUNT";
  std::mt19937 rng(12345);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    size_t len = rng() % 40;
    for (size_t i = 0; i < len; ++i) text += alphabet[rng() % alphabet.size()];
    std::unique_ptr<Expression> e;
    Status s = Expression::Compile(text, schema_, &e);
    if (!s.ok()) {
      EXPECT_FALSE(s.message().empty());
      continue;
    }
    Value v;
    e->Evaluate(rec_.Ref(), &v);
    std::string key(e->key_length(), '\0');
    e->EvaluateKey(rec_.Ref(), key.data());
  }
}

}  // namespace
}  // namespace xbase::testing
