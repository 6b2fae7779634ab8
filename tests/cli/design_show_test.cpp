// vellumo-cli design show on design files written by the stream writer:
// the line of each object, objects of classes the design model does not
// know, bands of report designs, and the objects shown before a read error.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "design/stream/design_stream_writer.h"
#include "design/stream/picture_data.h"

namespace cli {
namespace {

using vellumo::design::StoredObject;
using vellumo::design::StoredProperty;
using vellumo::design::Value;

StoredObject Object(std::string class_name, std::string name, int left, int top, int width, int height,
                    std::vector<StoredProperty> more = {}) {
  StoredObject object{std::move(class_name), std::move(name),
                      {{"Left", Value::Integer(left)},
                       {"Top", Value::Integer(top)},
                       {"Width", Value::Integer(width)},
                       {"Height", Value::Integer(height)},
                       {"Locked", Value::Boolean(false)}}};
  for (StoredProperty& property : more) object.properties.push_back(std::move(property));
  return object;
}

// A bitmap file header and info header for a picture of 120 × 80 pixels;
// the pixels themselves do not matter here.
std::string BitmapBlock() {
  std::string file = "BM" + std::string(12, '\0');
  std::string info(40, '\0');
  info[0] = 40;
  info[4] = 120;
  info[8] = 80;
  auto block = vellumo::design::EncodePictureData({"TBitmap", file + info});
  EXPECT_TRUE(block.ok());
  return block.ok() ? *block : std::string();
}

class DesignShow : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = (std::filesystem::temp_directory_path() / ("design_show_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  std::string Design(const std::vector<StoredObject>& objects) {
    auto bytes = vellumo::design::EncodeDesignStream(objects);
    EXPECT_TRUE(bytes.ok()) << bytes.status().ToString();
    return bytes.ok() ? *bytes : std::string();
  }

  int Show(const std::string& path) {
    out_.str("");
    err_.str("");
    return DesignCommand({"show", path}, out_, err_);
  }

  std::string dir_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(DesignShow, EveryKindOfValueShowsInItsOwnForm) {
  const std::string path = Write(
      "BIN00001.L",
      Design({Object("TGImage", "Special1", 96, 48, 120, 80,
                     {{"Picture.Data", Value::Binary(BitmapBlock())}, {"Stretch", Value::Boolean(false)}}),
              Object("TGPLabel", "", 0, 0, 10, 10,
                     {{"Caption", Value::String("say \"hi\"")},
                      {"Alignment", Value::Identifier("taCenter")},
                      {"Font.Style", Value::Set({"fsBold", "fsItalic"})},
                      {"Items.Strings", Value::List({Value::String("a"), Value::String("b")})}})}));
  ASSERT_EQ(Show(path), 0) << err_.str();
  const std::string block_size = std::to_string(BitmapBlock().size());
  EXPECT_EQ(out_.str(),
            "TGImage Special1 bounds=96,48,120,80 (1.000in,0.500in,1.250in,0.833in) Left=96 Top=48 Width=120 "
            "Height=80 Locked=False Picture.Data=<" + block_size + " bytes, TBitmap 120x80> Stretch=False\n"
            "TGPLabel - bounds=0,0,10,10 (0.000in,0.000in,0.104in,0.104in) Left=0 Top=0 Width=10 Height=10 "
            "Locked=False Caption=\"say \\\"hi\\\"\" Alignment=taCenter Font.Style=[fsBold,fsItalic] "
            "Items.Strings=(\"a\",\"b\")\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(DesignShow, MetafileSizeIsInDesignUnits) {
  // A placeable header: key, handle, box 0,0 to 200,100 at 100 units an inch.
  const std::string header("\xD7\xCD\xC6\x9A\0\0\0\0\0\0\xC8\0\x64\0\x64\0", 16);
  auto block = vellumo::design::EncodePictureData({"TMetafile", header + std::string(6, '\0')});
  ASSERT_TRUE(block.ok());
  ASSERT_EQ(Show(Write("wmf.L", Design({Object("TGImage", "Special1", 0, 0, 1, 1,
                                                {{"Picture.Data", Value::Binary(*block)}})}))),
            0);
  EXPECT_NE(out_.str().find("Picture.Data=<" + std::to_string(block->size()) + " bytes, TMetafile 192x96>"),
            std::string::npos)
      << out_.str();
}

TEST_F(DesignShow, ClassesUnknownToTheModelShowToo) {
  const std::string path =
      Write("odd.L", Design({Object("TSomethingElse", "Other1", 1, 2, 3, 4, {{"Colour", Value::Integer(-7)}})}));
  ASSERT_EQ(Show(path), 0) << err_.str();
  EXPECT_EQ(out_.str().rfind("TSomethingElse Other1 bounds=1,2,3,4 ", 0), 0u) << out_.str();
  EXPECT_NE(out_.str().find(" Colour=-7\n"), std::string::npos) << out_.str();
}

TEST_F(DesignShow, ReportShowsEachBandAndTheSettings) {
  vellumo::design::ReportDesign report;
  report.header = {Object("TGPLabel", "Title", 0, 0, 50, 10)};
  report.footer = {Object("TGPageNumberLabel", "Page", 5, 5, 20, 10), Object("TGLineShape", "Rule", 0, 0, 100, 1)};
  report.settings = {Value::Integer(3), Value::String("x")};
  auto bytes = vellumo::design::EncodeReportDesign(report);
  ASSERT_TRUE(bytes.ok());
  ASSERT_EQ(Show(Write("BIN00002.R", *bytes)), 0) << err_.str();
  const std::string out = out_.str();
  const size_t header = out.find("header:\n  TGPLabel Title ");
  const size_t detail = out.find("detail:\nfooter:\n  TGPageNumberLabel Page ");
  const size_t rule = out.find("\n  TGLineShape Rule ");
  const size_t settings = out.find("settings: 3 \"x\"\n");
  EXPECT_EQ(header, 0u) << out;
  EXPECT_NE(detail, std::string::npos) << out;
  EXPECT_GT(rule, detail);
  EXPECT_GT(settings, rule);
}

TEST_F(DesignShow, ReadErrorShowsTheObjectsBeforeItThenFails) {
  std::string bytes = Design({Object("TGLineShape", "Line1", 0, 0, 10, 10), Object("TGLineShape", "Line2", 0, 0, 10, 10)});
  bytes.resize(bytes.size() - 10);  // cut into the second object
  ASSERT_EQ(Show(Write("cut.L", bytes)), 2);
  EXPECT_EQ(out_.str().find("TGLineShape Line1 "), 0u) << out_.str();
  EXPECT_EQ(out_.str().find("Line2"), std::string::npos) << out_.str();
  EXPECT_NE(err_.str().find("object 2"), std::string::npos) << err_.str();
}

TEST_F(DesignShow, MissingFileAndWrongUsageFail) {
  EXPECT_EQ(Show(dir_ + "/none.L"), 2);
  EXPECT_NE(err_.str(), "");
  std::ostringstream out, err;
  EXPECT_EQ(DesignCommand({"list", dir_ + "/none.L"}, out, err), 2);
  EXPECT_NE(err.str().find("usage: vellumo-cli design show FILE"), std::string::npos);
}

}  // namespace
}  // namespace cli
