// data/csz/ranges.csv against the real ZIP code list it was derived from
// (installed by scripts/fetch-zip-data), and the derivation itself.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "file_text.h"
#include "postal_ranges.h"
#include "zip_data.h"
#include "zip_ranges.h"

namespace sysdata {
namespace {

const std::string kCszData = VELLUMO_CSZ_DATA_DIR;
const std::string kZipData = VELLUMO_ZIP_DATA_DIR;

std::vector<PostalRange> CommittedRanges() {
  std::string text;
  EXPECT_TRUE(ReadFileText(xbase::Env::Default(), kCszData + "/ranges.csv", &text).ok());
  std::vector<PostalRange> ranges;
  xbase::Status s = ParseRangesCsv(text, &ranges);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return ranges;
}

// The data set's codes; an empty list fails the calling test.
std::vector<PlacedCode> DataSet(const std::string& file) {
  std::string text;
  xbase::Status s = ReadFileText(xbase::Env::Default(), kZipData + "/" + file, &text);
  EXPECT_TRUE(s.ok()) << s.ToString() << " (scripts/fetch-zip-data installs the ZIP data set)";
  std::vector<PlacedCode> codes;
  if (s.ok()) s = ParseZipDataSet(text, &codes);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return codes;
}

bool Contains(const PostalRange& r, const std::string& code) {
  return r.low.size() == code.size() && r.low <= code && code <= r.high;
}

TEST(ZipRanges, EveryZipCodeLiesInItsOwnStatesRanges) {
  const std::vector<PostalRange> ranges = CommittedRanges();
  const std::vector<PlacedCode> zips = DataSet("codes.js");
  ASSERT_GT(zips.size(), 40000u);
  size_t in_enclaves = 0;
  for (const PlacedCode& z : zips) {
    const PostalRange* own = nullptr;
    for (const PostalRange& r : ranges) {
      if (r.state == z.region && Contains(r, z.code)) own = &r;
    }
    ASSERT_NE(own, nullptr) << z.code << " of " << z.region << " is in none of its ranges";
    // Another state's range may hold it only where its own range is an
    // enclave inside that one (NY's Fishers Island inside Connecticut).
    for (const PostalRange& r : ranges) {
      if (r.state == z.region || !Contains(r, z.code)) continue;
      EXPECT_TRUE(r.low <= own->low && own->high <= r.high)
          << z.code << " of " << z.region << " also lies in " << r.state << " " << r.low << ".."
          << r.high;
      ++in_enclaves;
    }
  }
  EXPECT_LT(in_enclaves, zips.size() / 200);
}

TEST(ZipRanges, EachStatesFirstRangeHoldsMostOfItsCodes) {
  const std::vector<PostalRange> ranges = CommittedRanges();
  std::map<std::string, std::vector<size_t>> codes_per_range;  // state -> counts, in file order
  std::map<std::string, std::vector<const PostalRange*>> by_state;
  for (const PostalRange& r : ranges) by_state[r.state].push_back(&r);
  for (const PlacedCode& z : DataSet("codes.js")) {
    std::vector<size_t>& counts = codes_per_range[z.region];
    counts.resize(by_state[z.region].size());
    for (size_t i = 0; i < by_state[z.region].size(); ++i) {
      if (Contains(*by_state[z.region][i], z.code)) ++counts[i];
    }
  }
  for (const auto& [state, counts] : codes_per_range) {
    ASSERT_FALSE(counts.empty()) << state;
    for (size_t i = 1; i < counts.size(); ++i) EXPECT_GE(counts[0], counts[i]) << state;
  }
  EXPECT_EQ(by_state.count("AA") + by_state.count("AE") + by_state.count("AP") +
                by_state.count("PR") + by_state.count("VI") + by_state.count("GU") +
                by_state.count("AS") + by_state.count("MP") + by_state.count("FM") +
                by_state.count("MH") + by_state.count("PW") + by_state.count("DC"),
            12u);
  EXPECT_EQ(codes_per_range.size() + 13, by_state.size());  // + the Canadian rows
}

TEST(ZipRanges, CanadianPrefixesLieInTheirProvince) {
  const std::vector<PostalRange> ranges = CommittedRanges();
  // The data set's province names; a few of its rows carry a district
  // name instead, and for those only a Canadian range is required.
  const std::map<std::string, std::string> provinces = {
      {"Newfoundland and Labrador", "NL"}, {"Nova Scotia", "NS"}, {"Prince Edward Island", "PE"},
      {"New Brunswick", "NB"}, {"Quebec", "QC"}, {"Ontario", "ON"}, {"Manitoba", "MB"},
      {"Saskatchewan", "SK"}, {"Alberta", "AB"}, {"British Columbia", "BC"},
      {"Nunavut Territory", "NU"}, {"Northwest Territory", "NT"}, {"Yukon", "YT"}};
  const std::vector<PlacedCode> prefixes = DataSet("codesCanada.js");
  ASSERT_GT(prefixes.size(), 1500u);
  for (const PlacedCode& p : prefixes) {
    ASSERT_TRUE(IsCanadianPrefix(p.code)) << p.code;
    std::vector<std::string> holders;
    for (const PostalRange& r : ranges) {
      if (Contains(r, p.code)) holders.push_back(r.state);
    }
    ASSERT_EQ(holders.size(), 1u) << p.code << " (" << p.region << ")";
    auto province = provinces.find(p.region);
    if (province != provinces.end()) {
      EXPECT_EQ(holders[0], province->second) << p.code;
    }
  }
}

TEST(ZipRanges, DerivationCutsSharedBlocksAndJoinsAroundEnclaves) {
  const std::vector<RegionName> states = {{"AA", "Alpha"}, {"BB", "Beta"}, {"CC", "Gamma"}};
  std::vector<PlacedCode> zips;
  for (const char* code : {"10001", "10050", "10102", "10105", "10290", "10480"}) {
    zips.push_back({code, "AA"});
  }
  zips.push_back({"10350", "BB"});  // one code between AA's blocks: an enclave
  for (const char* code : {"20001", "20002", "20003"}) zips.push_back({code, "BB"});
  zips.push_back({"20070", "CC"});  // shares BB's block 200: the block is cut
  zips.push_back({"20150", "BB"});
  std::vector<PostalRange> ranges;
  ASSERT_TRUE(DeriveZipRanges(zips, states, &ranges).ok());
  std::vector<std::string> rows;
  for (const PostalRange& r : ranges) rows.push_back(r.state + " " + r.low + ".." + r.high);
  EXPECT_EQ(rows, (std::vector<std::string>{"AA 10000..10499",  // across unused 104 and BB's 103
                                            "BB 20000..20069", "BB 10300..10399", "BB 20100..20199",
                                            "CC 20070..20099"}));

  zips.push_back({"30000", "ZZ"});
  EXPECT_TRUE(DeriveZipRanges(zips, states, &ranges).IsInvalidArgument());
  EXPECT_TRUE(DeriveZipRanges({{"1234", "AA"}}, states, &ranges).IsInvalidArgument());
  EXPECT_TRUE(DeriveZipRanges({{"12345", "AA"}}, states, &ranges).IsInvalidArgument());  // no BB
}

TEST(ZipRanges, MalformedRangeFilesAreRefused) {
  std::vector<PostalRange> ranges;
  const std::string header = "# comment\nstate,name,low,high\n";
  EXPECT_TRUE(ParseRangesCsv(header + "MA,Massachusetts,01000,02799\n\nON,Ontario,K0A,P9Z\n", &ranges).ok());
  EXPECT_EQ(ranges.size(), 2u);
  for (const char* bad : {"MA,Massachusetts,02799,01000", "MA,Massachusetts,0100,02799",
                          "MA,Massachusetts,01000,K0A", "ma,Massachusetts,01000,02799",
                          "MA,,01000,02799", "MA,Massachusetts,01000", "MA,A name far too long here,01000,02799"}) {
    xbase::Status s = ParseRangesCsv(header + bad + "\n", &ranges);
    EXPECT_TRUE(s.IsInvalidArgument()) << bad;
    EXPECT_NE(s.message().find("line 3"), std::string::npos) << s.message();
  }
  std::vector<PlacedCode> codes;
  EXPECT_TRUE(ParseZipDataSet("exports.codes = [1, 2];", &codes).IsInvalidArgument());
  EXPECT_TRUE(ParseZipDataSet("exports.codes = {\"1\": {}};", &codes).IsInvalidArgument());
  EXPECT_TRUE(ParseZipDataSet("nothing here", &codes).IsInvalidArgument());
  ASSERT_TRUE(ParseZipDataSet("exports.codes = {\"02134\":{\"state\":\"MA\"}};\nexports.x = {};", &codes).ok());
  ASSERT_EQ(codes.size(), 1u);
  EXPECT_EQ(codes[0].region, "MA");
}

}  // namespace
}  // namespace sysdata
