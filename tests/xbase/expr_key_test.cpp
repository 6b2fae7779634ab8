// Index key bytes for every result type, the numeric key encoding and the
// Julian day conversions.
#include <algorithm>
#include <thread>
#include <vector>

#include "expr_test_table.h"

namespace xbase::testing {
namespace {

using KeyTest = ExpressionTest;

std::string NumericKey(double v) {
  std::string key(8, '\0');
  EncodeNumericKey(v, key.data());
  return key;
}

TEST(NumericKeyTest, BytesSortInNumericOrder) {
  std::vector<double> values = {-1e300, -12345.5, -1, -0.5, -1e-300, 0, 1e-300, 0.25, 1, 2, 10, 12345.5, 1e300};
  for (size_t i = 0; i + 1 < values.size(); ++i) {
    EXPECT_LT(NumericKey(values[i]), NumericKey(values[i + 1])) << values[i] << " vs " << values[i + 1];
  }
  for (double v : values) EXPECT_EQ(DecodeNumericKey(NumericKey(v).data()), v);
  EXPECT_EQ(NumericKey(-0.0), NumericKey(0.0));
  EXPECT_EQ(NumericKey(1), std::string("\xBF\xF0\0\0\0\0\0\0", 8));
  EXPECT_EQ(NumericKey(0), std::string("\x80\0\0\0\0\0\0\0", 8));
  EXPECT_EQ(NumericKey(-1), std::string("\x40\x0F\xFF\xFF\xFF\xFF\xFF\xFF", 8));
}

TEST(JulianDayTest, KnownDaysAndRoundTrip) {
  EXPECT_EQ(JulianDay(2000, 1, 1), 2451545);
  EXPECT_EQ(JulianDay(1970, 1, 1), 2440588);
  EXPECT_EQ(JulianDay(1582, 10, 15), 2299161);
  EXPECT_EQ(JulianDay(2024, 3, 1) - JulianDay(2024, 2, 28), 2);  // leap year
  EXPECT_EQ(JulianDay(1900, 3, 1) - JulianDay(1900, 2, 28), 1);  // not a leap year
  for (int32_t jd = JulianDay(1, 1, 1); jd < JulianDay(9999, 12, 31); jd += 97) {
    int y, m, d;
    CivilFromJulianDay(jd, &y, &m, &d);
    ASSERT_EQ(JulianDay(y, m, d), jd);
  }
  int y = 1, m = 1, d = 1;
  CivilFromJulianDay(0, &y, &m, &d);
  EXPECT_EQ(y + m + d, 0);
}

TEST_F(KeyTest, KeysOfEachType) {
  rec_.Set("LNAME", "Smith").Set("FNAME", "\xe9mile").Set("AMOUNT", "-3.25").Set("BORN", "20000101")
      .Set("ISDEL", "T").Set("CITY", "Miami").Set("STATE", "fl").Set("ZIP", "33101");
  EXPECT_EQ(Key("UPPER(LNAME)+UPPER(FNAME)"),
            "SMITH" + std::string(25, ' ') + "\xC9MILE" + std::string(25, ' '));
  EXPECT_EQ(Key("UPPER(LNAME-FNAME)"), "SMITH\xC9MILE" + std::string(50, ' '));
  EXPECT_EQ(Key("UPPER(CITY+STATE)"), "MIAMI" + std::string(15, ' ') + "FL");
  EXPECT_EQ(Key("UPPER(STATE-ZIP)"), "FL33101     ");
  EXPECT_EQ(Key("TRIM(LNAME)"), "Smith" + std::string(25, ' '));  // padded to the width
  EXPECT_EQ(Key("AMOUNT"), NumericKey(-3.25));
  EXPECT_EQ(Key("BORN"), NumericKey(2451545));
  EXPECT_EQ(Key("DTOS(BORN)"), "20000101");
  EXPECT_EQ(Key("ISDEL"), "T");
  EXPECT_EQ(Key("!ISDEL"), "F");
  EXPECT_EQ(Key("DELETED()"), "F");
  rec_.Delete();
  EXPECT_EQ(Key("DELETED()"), "T");
  rec_.Set("BORN", "");
  EXPECT_EQ(Key("BORN"), NumericKey(0));
}

TEST_F(KeyTest, ApplicationIndexKeys) {
  for (const char* text : {"UPPER(LNAME-FNAME)", "UPPER(LNAME)+UPPER(FNAME)", "UPPER(CITY+STATE)",
                           "DELETED()", "UPPER(STATE-ZIP)", "ISDEL", "!ISDEL"}) {
    auto e = CompileOrDie(text, schema_);
    ASSERT_TRUE(e) << text;
    EXPECT_GE(e->key_length(), 1u) << text;
    EXPECT_LE(e->key_length(), 240u) << text;
  }
}

// Keys of a numeric expression over records sort like the numbers themselves.
TEST_F(KeyTest, NumericFieldKeysSortByValue) {
  std::vector<std::string> texts = {"-100", "-2.5", "-0.01", "", "0", "0.01", "3", "25", "1000000"};
  std::vector<std::string> keys;
  for (const std::string& t : texts) {
    rec_.Set("AMOUNT", t);
    keys.push_back(Key("AMOUNT"));
  }
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  EXPECT_EQ(keys[3], keys[4]);  // blank reads as zero
}

// One compiled expression evaluated from several threads at once gives each
// the same keys as a single thread does.
TEST(ExpressionThreadsTest, ConcurrentEvaluationAgrees) {
  Schema schema = AddressSchema();
  auto key = CompileOrDie("UPPER(LNAME-FNAME)+STR(AMOUNT, 8, 2)+SUBSTR(CITY, 2, 3)", schema);
  auto filter = CompileOrDie("'A' $ UPPER(CODES) .AND. UPPER(LNAME) = 'S'", schema);
  ASSERT_TRUE(key && filter);
  std::vector<TestRecord> records;
  for (int i = 0; i < 50; ++i) {
    TestRecord r(schema);
    r.Set("LNAME", i % 2 ? "Smith" : "jones").Set("FNAME", std::to_string(i)).Set("CODES", i % 3 ? "xa" : "b")
        .Set("AMOUNT", std::to_string(i * 1.5)).Set("CITY", "Boston");
    records.push_back(r);
  }
  auto run = [&](std::string* out) {
    std::string k(key->key_length(), '\0');
    for (int round = 0; round < 200; ++round) {
      for (const TestRecord& r : records) {
        key->EvaluateKey(r.Ref(), k.data());
        if (round == 0) *out += k + (filter->EvaluateLogical(r.Ref()) ? "T" : "F");
      }
    }
  };
  std::string expected;
  run(&expected);
  std::vector<std::string> got(4);
  std::vector<std::thread> threads;
  for (std::string& g : got) threads.emplace_back(run, &g);
  for (std::thread& t : threads) t.join();
  for (const std::string& g : got) EXPECT_EQ(g, expected);
}

}  // namespace
}  // namespace xbase::testing
