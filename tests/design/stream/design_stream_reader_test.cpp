// Reading damaged design streams: every fault ends the read with a message
// naming the object, keeps the objects read before it, and never crashes
// or hangs.
#include "design/stream/design_stream_reader.h"

#include <gtest/gtest.h>

#include <random>

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

const std::vector<StoredObject>& ThreeObjects() {
  static const std::vector<StoredObject> objects = {FixedText("Special1", 10, 20, 142, 33, "Hi"),
                                                    Rectangle("Shape1", kClBlue, 3),
                                                    TextBlock("Memo1", {"one", "two"})};
  return objects;
}

// The bytes of the three objects with the third object's first bytes
// replaced by `tail`.
std::string WithThirdObject(std::string_view tail) {
  const std::string two = Encode({ThreeObjects()[0], ThreeObjects()[1]});
  return two.substr(0, two.size() - 1) + std::string(tail);
}

void ExpectFailureKeepingTwo(const std::string& bytes, const std::string& expected_message) {
  DesignReadResult read = DecodeDesignStream(bytes);
  ASSERT_FALSE(read.status.ok());
  EXPECT_NE(read.status.message().find(expected_message), std::string::npos) << read.status.message();
  ASSERT_EQ(read.objects.size(), 2u);
  EXPECT_EQ(read.objects[0], ThreeObjects()[0]);
  EXPECT_EQ(read.objects[1], ThreeObjects()[1]);
}

TEST(DesignStreamReaderTest, BadSignatureNamesTheObjectByIndex) {
  ExpectFailureKeepingTwo(WithThirdObject("TPF1\x08" "TGPLabel"s),
                          "object 3: bad object signature 54 50 46 31 (\"TPF0\" expected)");
}

TEST(DesignStreamReaderTest, ShortStringPastTheEndNamesClassAndComponent) {
  ExpectFailureKeepingTwo(WithThirdObject("TPF0\x08" "TGPLabel" "\x05" "Memo1" "\x07" "Caption" "\x06\x10" "Hi"s),
                          "object 3 (TGPLabel Memo1): property Caption: the stream ends inside a string");
}

TEST(DesignStreamReaderTest, LongLengthLargerThanTheRestIsRefused) {
  ExpectFailureKeepingTwo(
      WithThirdObject("TPF0\x08" "TGPLabel" "\x05" "Memo1" "\x07" "Caption" "\x0C\x00\x00\x00\x7F" "Hi\x00\x00\x00"s),
      "object 3 (TGPLabel Memo1): property Caption: the stream ends inside a long string");
}

TEST(DesignStreamReaderTest, UnknownTagIsRefused) {
  ExpectFailureKeepingTwo(WithThirdObject("TPF0\x08" "TGPLabel" "\x05" "Memo1" "\x04" "Left" "\x1F\x00\x00\x00"s),
                          "object 3 (TGPLabel Memo1): property Left: unknown value tag 1F");
}

TEST(DesignStreamReaderTest, ListAndSetThatNeverEndAreRefused) {
  ExpectFailureKeepingTwo(WithThirdObject("TPF0\x08" "TGPLabel" "\x01" "M" "\x01" "L" "\x01\x06\x01" "a"s),
                          "object 3 (TGPLabel M): property L: the stream ends inside a list that is never ended");
  ExpectFailureKeepingTwo(WithThirdObject("TPF0\x08" "TGPLabel" "\x01" "M" "\x01" "S" "\x0B\x06" "fsBold"s),
                          "property S: the stream ends inside a set that is never ended");
}

TEST(DesignStreamReaderTest, DeepNestingIsRefused) {
  ExpectFailureKeepingTwo(WithThirdObject("TPF0\x08" "TGPLabel" "\x01" "M" "\x01" "L"s + std::string(50, '\x01')),
                          "nested more than 8 deep");
}

TEST(DesignStreamReaderTest, ChildObjectsAndEmptyClassNamesAreRefused) {
  ExpectFailureKeepingTwo(WithThirdObject("TPF0\x08" "TGPLabel" "\x01" "M" "\x00" "\x08" "TGPLabel"s),
                          "object 3 (TGPLabel M): child objects");
  ExpectFailureKeepingTwo(WithThirdObject("TPF0\x00\x00\x00\x00\x00"s), "object 3: an object without a class name");
}

TEST(DesignStreamReaderTest, StreamMustStartWithAListAndEndWithIt) {
  DesignReadResult not_a_list = DecodeDesignStream("TPF0"s);
  EXPECT_NE(not_a_list.status.message().find("must start with byte 01, not 54"), std::string::npos);
  DesignReadResult empty = DecodeDesignStream(""s);
  EXPECT_FALSE(empty.status.ok());
  DesignReadResult trailing = DecodeDesignStream(Special1Bytes() + "\x01"s);
  EXPECT_NE(trailing.status.message().find("1 bytes after the end"), std::string::npos);
  DesignReadResult unended = DecodeDesignStream(Special1Bytes().substr(0, Special1Bytes().size() - 1));
  EXPECT_NE(unended.status.message().find("never ended"), std::string::npos);
  EXPECT_EQ(unended.objects.size(), 1u);
}

TEST(DesignStreamReaderTest, EveryPrefixFailsAndKeepsOnlyCompleteObjects) {
  const std::string bytes = Encode(ThreeObjects());
  for (size_t n = 0; n < bytes.size(); ++n) {
    DesignReadResult read = DecodeDesignStream(std::string_view(bytes).substr(0, n));
    ASSERT_FALSE(read.status.ok()) << "prefix of " << n << " bytes";
    ASSERT_LE(read.objects.size(), ThreeObjects().size());
    for (size_t i = 0; i < read.objects.size(); ++i) ASSERT_EQ(read.objects[i], ThreeObjects()[i]);
  }
}

TEST(DesignStreamReaderTest, EveryPrefixOfAReportFails) {
  ReportDesign report;
  report.header = {ThreeObjects()[0]};
  report.detail = {ThreeObjects()[1], ThreeObjects()[2]};
  report.settings = {Value::Integer(33), Value::String("Arial")};
  Result<std::string> bytes = EncodeReportDesign(report);
  ASSERT_TRUE(bytes.ok());
  for (size_t n = 0; n < bytes->size(); ++n) {
    ReportReadResult read = DecodeReportDesign(std::string_view(*bytes).substr(0, n));
    ASSERT_FALSE(read.status.ok()) << "prefix of " << n << " bytes";
  }
  ReportReadResult cut = DecodeReportDesign(bytes->substr(0, bytes->size() - 20));
  EXPECT_NE(cut.status.message().find("detail band: object 2 (TGMultiLineLabel Memo1)"), std::string::npos)
      << cut.status.message();
  EXPECT_EQ(cut.report.header, report.header);
  EXPECT_EQ(cut.report.detail.size(), 1u);
}

// Random damage: whatever the reader makes of it, what it accepts must
// write back (floating-point values aside) to a stream that reads the same.
TEST(DesignStreamReaderTest, RandomByteFlipsNeverCrash) {
  const std::string original = Encode(ThreeObjects());
  std::mt19937 random(20261210);
  std::uniform_int_distribution<size_t> position(0, original.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  int accepted = 0;
  for (int round = 0; round < 5000; ++round) {
    std::string damaged = original;
    const int flips = 1 + round % 3;
    for (int i = 0; i < flips; ++i) damaged[position(random)] = static_cast<char>(byte(random));
    DesignReadResult read = DecodeDesignStream(damaged);
    if (!read.status.ok()) continue;
    ++accepted;
    Result<std::string> again = EncodeDesignStream(read.objects);
    if (!again.ok()) {
      // A tag turned into the floating-point one, which is never written.
      ASSERT_NE(again.status().message().find("floating-point"), std::string::npos) << again.status().ToString();
      continue;
    }
    DesignReadResult reread = DecodeDesignStream(*again);
    ASSERT_TRUE(reread.status.ok()) << reread.status.ToString();
    ASSERT_EQ(reread.objects, read.objects);
  }
  // Flips inside texts and numbers leave valid streams: some are accepted.
  EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace vellumo::design
