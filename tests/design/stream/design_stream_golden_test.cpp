// Design streams compared byte for byte with their expected form, and read
// back to the same bytes.
#include <gtest/gtest.h>

#include "design/stream/design_stream_reader.h"
#include "design/stream/design_stream_writer.h"
#include "sample_objects.h"

namespace vellumo::design {
namespace {

using namespace std::string_literals;
using testing::Encode;
using testing::FixedText;
using testing::Rectangle;
using testing::Special1Bytes;
using testing::TextBlock;

TEST(DesignStreamGoldenTest, EmptyPageIsListStartAndEnd) {
  EXPECT_EQ(Encode({}), "\x01\x00"s);
  DesignReadResult read = DecodeDesignStream("\x01\x00"s);
  EXPECT_TRUE(read.status.ok()) << read.status.ToString();
  EXPECT_TRUE(read.objects.empty());
}

TEST(DesignStreamGoldenTest, FixedTextObjectByteForByte) {
  EXPECT_EQ(Encode({FixedText("Special1", 10, 20, 142, 33, "Hi")}), Special1Bytes());
}

TEST(DesignStreamGoldenTest, BluePenWritesNameAndWidthAndNoBrush) {
  const std::string bytes = Encode({Rectangle("Shape1", kClBlue, 3)});
  EXPECT_NE(bytes.find("\x09" "Pen.Color" "\x07\x06" "clBlue" "\x09" "Pen.Width" "\x02\x03"s),
            std::string::npos);
  EXPECT_EQ(bytes.find("Brush"), std::string::npos);
  EXPECT_EQ(bytes.find("Pen.Mode"), std::string::npos);
}

TEST(DesignStreamGoldenTest, UnnamedColourIsA32BitInteger) {
  const std::string bytes = Encode({Rectangle("Shape1", 0x123456, 1)});
  EXPECT_NE(bytes.find("\x09" "Pen.Color" "\x04\x56\x34\x12\x00"s), std::string::npos);
}

TEST(DesignStreamGoldenTest, LongCaptionIsALongString) {
  const std::string caption(300, 'x');
  const std::string bytes = Encode({FixedText("Special1", 0, 0, 10, 10, caption)});
  EXPECT_NE(bytes.find("\x07" "Caption" "\x0C\x2C\x01\x00\x00"s + caption), std::string::npos);
  const std::string short_caption(255, 'y');
  EXPECT_NE(Encode({FixedText("Special1", 0, 0, 10, 10, short_caption)})
                .find("\x07" "Caption" "\x06\xFF"s + short_caption),
            std::string::npos);
}

TEST(DesignStreamGoldenTest, TextBlockLinesAreAListOfStrings) {
  const std::string bytes = Encode({TextBlock("Memo1", {"one", "two"})});
  EXPECT_NE(bytes.find("\x0D" "Items.Strings" "\x01\x06\x03" "one" "\x06\x03" "two" "\x00"s),
            std::string::npos);
  EXPECT_NE(bytes.find("\x08" "WordWrap" "\x09"s), std::string::npos);
  EXPECT_NE(bytes.find("\x09" "Alignment" "\x07\x08" "taCenter"s), std::string::npos);
  // Without lines nothing is written for them.
  EXPECT_EQ(Encode({TextBlock("Memo1", {})}).find("Items"), std::string::npos);
}

TEST(DesignStreamGoldenTest, AccentedTextIsStoredInTheWindowsCodePage) {
  const std::string bytes = Encode({FixedText("Special1", 0, 0, 10, 10, "Café €5")});
  EXPECT_NE(bytes.find("\x07" "Caption" "\x06\x07" "Caf\xE9 \x80" "5"s), std::string::npos);
  DesignReadResult read = DecodeDesignStream(bytes);
  ASSERT_TRUE(read.status.ok()) << read.status.ToString();
  EXPECT_EQ(read.objects[0].Find("Caption")->value.text(), "Café €5");
}

TEST(DesignStreamGoldenTest, ReadingAndWritingAgainGivesTheSameBytes) {
  const std::vector<StoredObject> objects = {
      FixedText("Special1", 10, 20, 142, 33, "Hi"), Rectangle("Shape1", 0x123456, 3),
      TextBlock("Memo1", {"a", std::string(400, 'b'), ""}), FixedText("", -40000, 70000, 1, 1, "")};
  const std::string bytes = Encode(objects);
  DesignReadResult read = DecodeDesignStream(bytes);
  ASSERT_TRUE(read.status.ok()) << read.status.ToString();
  EXPECT_EQ(read.objects, objects);
  EXPECT_EQ(Encode(read.objects), bytes);

  DesignReadResult special = DecodeDesignStream(Special1Bytes());
  ASSERT_TRUE(special.status.ok()) << special.status.ToString();
  EXPECT_EQ(Encode(special.objects), Special1Bytes());
}

TEST(DesignStreamGoldenTest, ReportIsThreeBandListsAndASettingsList) {
  ReportDesign report;
  report.header = {FixedText("Special1", 10, 20, 142, 33, "Hi")};
  report.footer = {Rectangle("Shape1", kClBlue, 3), TextBlock("Memo1", {"x"})};
  report.settings = {Value::Integer(816), Value::Boolean(true), Value::String("Arial")};
  Result<std::string> bytes = EncodeReportDesign(report);
  ASSERT_TRUE(bytes.ok()) << bytes.status().ToString();
  // The header band is the one-object list of the example, the detail band is empty.
  ASSERT_GT(bytes->size(), Special1Bytes().size() + 2);
  EXPECT_EQ(bytes->substr(0, Special1Bytes().size()), Special1Bytes());
  EXPECT_EQ(bytes->substr(Special1Bytes().size(), 3), "\x01\x00\x01"s);
  EXPECT_EQ(bytes->substr(bytes->size() - 13), "\x01\x03\x30\x03\x09\x06\x05" "Arial" "\x00"s);

  ReportReadResult read = DecodeReportDesign(*bytes);
  ASSERT_TRUE(read.status.ok()) << read.status.ToString();
  EXPECT_EQ(read.report, report);
  Result<std::string> again = EncodeReportDesign(read.report);
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(*again, *bytes);
}

}  // namespace
}  // namespace vellumo::design
