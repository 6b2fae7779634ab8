// Picture blocks.
#include "design/stream/picture_data.h"

#include "coding.h"
#include "design/stream/byte_reader.h"
#include "design/stream/value_codec.h"

namespace vellumo::design {

namespace {

Status UnknownPictureClass(std::string_view name) {
  return Status::NotSupported("picture class '" + std::string(name) + "' is not TBitmap, TMetafile or TIcon");
}

// Bitmaps and metafiles carry their length; icons run to the end of the block.
bool HasLength(std::string_view class_name) { return class_name != kIconClass; }

bool IsKnownClass(std::string_view class_name) {
  return class_name == kBitmapClass || class_name == kMetafileClass || class_name == kIconClass;
}

}  // namespace

Result<StoredPicture> DecodePictureData(std::string_view block) {
  ByteReader reader(block);
  Result<std::string> class_name = DecodeShortString(reader, "a picture class name");
  if (!class_name.ok()) return class_name.status();
  if (!IsKnownClass(*class_name)) return UnknownPictureClass(*class_name);
  StoredPicture picture{std::move(class_name).value(), {}};
  if (HasLength(picture.class_name)) {
    Result<std::string_view> data = reader.LongBlock("the picture");
    if (!data.ok()) return data.status();
    if (!reader.AtEnd()) {
      return Status::Corruption(std::to_string(reader.remaining()) + " bytes after the picture");
    }
    picture.data = std::string(*data);
  } else {
    picture.data = std::string(block.substr(reader.position()));
  }
  return picture;
}

Result<std::string> EncodePictureData(const StoredPicture& picture) {
  if (!IsKnownClass(picture.class_name)) return UnknownPictureClass(picture.class_name);
  std::string block;
  XBASE_RETURN_IF_ERROR(EncodeShortString(picture.class_name, "a picture class name", &block));
  if (HasLength(picture.class_name)) {
    if (picture.data.size() > UINT32_MAX) return Status::InvalidArgument("a picture larger than 4 GB");
    char length[4];
    xbase::EncodeLE32(length, static_cast<uint32_t>(picture.data.size()));
    block.append(length, sizeof length);
  }
  block += picture.data;
  return block;
}

bool IsPlaceableMetafile(std::string_view data) {
  return data.size() >= 4 && xbase::DecodeLE32(data.data()) == kPlaceableMetafileKey;
}

}  // namespace vellumo::design
