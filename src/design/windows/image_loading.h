// What the image browser lists and loads: the file mask, the places a
// user starts from (there are no drive letters, so the home folder, the
// root and the mounted volumes), and a picture file read into a picture
// object, with "Error loading file!" when it cannot be.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "design/model/image_object.h"

namespace vellumo::design {

inline constexpr char kErrorLoadingFile[] = "Error loading file!";
// A file larger than this is not read: no picture of a design needs it,
// and reading it whole could exhaust memory.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

// Bitmaps and metafiles, and the images that are converted to bitmaps
// (PNG, JPEG, SVG), each in upper and lower case.
[[nodiscard]] QStringList ImageFileMask();

struct Place {
  QString caption;
  QString path;
};
// The home folder, the root, then every other mounted volume that is ready
// and is a folder.
[[nodiscard]] std::vector<Place> StartingPlaces();

// The picture of a file for an object of `placed_inches` (converted images
// get pixels for that size), or the reason there is none (also for a
// file above kMaxPictureFileBytes).
[[nodiscard]] PictureRead ReadPictureFile(const QString& path, QSizeF placed_inches);

// "Ok" of the browser: the object takes the two flags and the file's
// picture. A file that cannot be read empties the picture, tells the user
// "Error loading file!" and gives false. The page hears of the change.
bool LoadImageInto(TGImage& image, const QString& path, bool stretch, bool auto_size);

}  // namespace vellumo::design
