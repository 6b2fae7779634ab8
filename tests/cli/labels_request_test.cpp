// vellumo-cli labels: its arguments and the sheet positions it is given.
#include <gtest/gtest.h>

#include "label_request.h"

namespace cli {
namespace {

const Words kBase = {"DB.DBF", "--stock", "Avery 5160  Address", "--pdf", "out.pdf"};

Words With(Words extra) {
  Words args = kBase;
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

TEST(LabelsRequest, ReadsEveryChoice) {
  LabelRequest request;
  ASSERT_TRUE(ParseLabelRequest(With({"--design", "x.L", "--tagged", "--presort", "--copies", "99", "--positions",
                                      "1-3,7", "--home", "/h"}),
                                &request)
                  .ok());
  EXPECT_EQ(request.database, "DB.DBF");
  EXPECT_EQ(request.stock, "Avery 5160  Address");
  EXPECT_EQ(request.design_file, "x.L");
  EXPECT_EQ(request.records, LabelRecords::kTagged);
  EXPECT_TRUE(request.presort);
  EXPECT_EQ(request.copies, 99);
  EXPECT_EQ(request.positions, "1-3,7");
  EXPECT_EQ(request.home, "/h");

  ASSERT_TRUE(ParseLabelRequest(With({"--record", "12", "--order", "LNAME"}), &request).ok());
  EXPECT_EQ(request.records, LabelRecords::kRecord);
  EXPECT_EQ(request.record, 12u);
  EXPECT_EQ(request.order, "LNAME");
  EXPECT_EQ(request.copies, 1);
}

TEST(LabelsRequest, RefusesWhatCannotBePrinted) {
  const std::pair<Words, const char*> cases[] = {
      {{"DB.DBF", "--pdf", "out.pdf"}, "one of --setup and --stock"},
      {{"DB.DBF", "--setup", "A", "--stock", "B", "--pdf", "out.pdf"}, "one of --setup and --stock"},
      {{"DB.DBF", "--setup", "A", "--design", "x.L", "--pdf", "out.pdf"}, "--design goes with --stock"},
      {{"DB.DBF", "--stock", "A"}, "--pdf"},
      {{"--stock", "A", "--pdf", "out.pdf"}, "one address database"},
      {With({"--copies", "0"}), "bad --copies"},
      {With({"--copies", "100"}), "bad --copies"},
      {With({"--copies", "2x"}), "bad --copies"},
      {With({"--record", "0"}), "bad --record"},
      {With({"--record", "-4"}), "bad --record"},
      {With({"--filter", "ZIP='1'", "--tagged"}), "at most one of"},
      {With({"--filter", "  "}), "--filter is empty"},
      {With({"--record", "3", "--presort"}), "--presort"},
      {With({"--presort", "--order", "LNAME"}), "leave out --order"},
      {With({"--positions", ""}), "--positions is empty"},
      {With({"--bogus"}), "unknown option --bogus"},
  };
  for (const auto& [args, message] : cases) {
    LabelRequest request;
    const xbase::Status s = ParseLabelRequest(args, &request);
    EXPECT_FALSE(s.ok()) << message;
    EXPECT_NE(s.message().find(message), std::string::npos) << s.message();
  }
}

TEST(LabelsPositions, ListsAndRangesChooseExactlyThosePositions) {
  vellumo::SheetPositionMask mask;
  ASSERT_TRUE(ParsePositionList("1-3,7,30", 30, &mask).ok());
  for (int index = 0; index < 30; ++index) {
    EXPECT_EQ(mask.IsSelected(index), index <= 2 || index == 6 || index == 29) << index;
  }
  ASSERT_TRUE(ParsePositionList("5-5", 30, &mask).ok());
  EXPECT_TRUE(mask.IsSelected(4));
  EXPECT_FALSE(mask.AnySelected(4));
}

TEST(LabelsPositions, BadListsLeaveTheMaskAsItWas) {
  for (const char* text : {"0", "31", "3-1", "1,,2", "1-", "-3", "a", "1-3,", "2.5", "1 -3"}) {
    vellumo::SheetPositionMask mask;
    const xbase::Status s = ParsePositionList(text, 30, &mask);
    EXPECT_FALSE(s.ok()) << text;
    EXPECT_NE(s.message().find("bad --positions"), std::string::npos) << s.message();
    EXPECT_EQ(mask, vellumo::SheetPositionMask()) << text;
  }
}

}  // namespace
}  // namespace cli
