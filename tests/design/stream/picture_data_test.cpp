// Picture blocks: class name, length and picture bytes.
#include "design/stream/picture_data.h"

#include <gtest/gtest.h>

namespace vellumo::design {
namespace {

using namespace std::string_literals;

TEST(PictureDataTest, BitmapAndMetafileCarryTheirLength) {
  const StoredPicture bitmap{"TBitmap", "BM\x06\x00\x00\x00"s};
  Result<std::string> block = EncodePictureData(bitmap);
  ASSERT_TRUE(block.ok());
  EXPECT_EQ(*block, "\x07" "TBitmap" "\x06\x00\x00\x00" "BM\x06\x00\x00\x00"s);
  EXPECT_EQ(*DecodePictureData(*block), bitmap);

  const StoredPicture metafile{"TMetafile", "\xD7\xCD\xC6\x9A\x00\x00"s};
  Result<std::string> meta_block = EncodePictureData(metafile);
  ASSERT_TRUE(meta_block.ok());
  EXPECT_EQ(meta_block->substr(0, 14), "\x09" "TMetafile" "\x06\x00\x00\x00"s);
  EXPECT_EQ(*DecodePictureData(*meta_block), metafile);
}

TEST(PictureDataTest, IconRunsToTheEndOfTheBlock) {
  const StoredPicture icon{"TIcon", "\x00\x00\x01\x00"s};
  Result<std::string> block = EncodePictureData(icon);
  ASSERT_TRUE(block.ok());
  EXPECT_EQ(*block, "\x05" "TIcon" "\x00\x00\x01\x00"s);
  EXPECT_EQ(*DecodePictureData(*block), icon);
}

TEST(PictureDataTest, DamagedBlocksAreRefused) {
  EXPECT_TRUE(DecodePictureData("\x07" "TBitmap" "\xFF\xFF\xFF\x7F" "BM"s).status().IsCorruption());
  EXPECT_TRUE(DecodePictureData("\x07" "TBitmap" "\x01\x00"s).status().IsCorruption());
  EXPECT_TRUE(DecodePictureData("\x07" "TBitmap" "\x01\x00\x00\x00" "BMx"s).status().IsCorruption());
  EXPECT_TRUE(DecodePictureData("\x09" "TJPEGImag"s).status().IsNotSupported());
  EXPECT_TRUE(DecodePictureData("\x0A" "TBit"s).status().IsCorruption());
  EXPECT_TRUE(DecodePictureData(""s).status().IsCorruption());
  EXPECT_TRUE(EncodePictureData({"TPicture", "x"}).status().IsNotSupported());
}

TEST(PictureDataTest, PlaceableMetafilesAreToldByTheirKey) {
  EXPECT_TRUE(IsPlaceableMetafile("\xD7\xCD\xC6\x9A\x00\x00"s));
  EXPECT_FALSE(IsPlaceableMetafile("\x01\x00\x00\x00\x6C\x00"s));  // an enhanced metafile record
  EXPECT_FALSE(IsPlaceableMetafile("\xD7\xCD"s));
}

}  // namespace
}  // namespace vellumo::design
