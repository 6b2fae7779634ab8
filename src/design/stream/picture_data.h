// The contents of a picture's binary block (`Picture.Data`): the picture's
// class name as a short string, then the picture. A bitmap ("TBitmap") and
// a metafile ("TMetafile") follow as a four-byte length and that many
// bytes (a complete Windows bitmap file; an enhanced or a placeable
// Windows metafile); an icon ("TIcon") is the rest of the block.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "design/stream/result.h"

namespace vellumo::design {

inline constexpr std::string_view kBitmapClass = "TBitmap";
inline constexpr std::string_view kMetafileClass = "TMetafile";
inline constexpr std::string_view kIconClass = "TIcon";

// The first four bytes of a placeable Windows metafile, little-endian.
inline constexpr uint32_t kPlaceableMetafileKey = 0x9AC6CDD7;

struct StoredPicture {
  std::string class_name;  // one of the three above
  std::string data;        // the picture file's bytes

  bool operator==(const StoredPicture&) const = default;
};

// Fails for another class name, a length beyond the block, or bytes after
// the picture.
Result<StoredPicture> DecodePictureData(std::string_view block);
// Fails for another class name.
Result<std::string> EncodePictureData(const StoredPicture& picture);

// Whether metafile bytes start with the placeable header's key (otherwise
// they are taken as an enhanced metafile).
bool IsPlaceableMetafile(std::string_view data);

}  // namespace vellumo::design
