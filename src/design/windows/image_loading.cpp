// Picture files for the image browser.
#include "design/windows/image_loading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include "core/messages.h"
#include "design/model/design_units.h"
#include "design/pictures/picture_import.h"
#include "design/windows/page_changes.h"

namespace vellumo::design {

QStringList ImageFileMask() {
  QStringList mask;
  for (const char* extension : {"BMP", "WMF", "EMF", "PNG", "JPG", "JPEG", "SVG"}) {
    const QString pattern = QStringLiteral("*.") + QLatin1String(extension);
    mask << pattern << pattern.toLower();
  }
  return mask;
}

std::vector<Place> StartingPlaces() {
  std::vector<Place> places = {{QStringLiteral("Home"), QDir::homePath()}, {QStringLiteral("/"), QDir::rootPath()}};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady() || volume.isRoot()) continue;
    const QString path = volume.rootPath();
    // A file mounted on its own (a container's bound files) is no place to start.
    if (path == QDir::homePath() || !QFileInfo(path).isDir()) continue;
    const QString name = volume.displayName();
    places.push_back({name == path ? path : name + QStringLiteral(" (") + path + QLatin1Char(')'), path});
  }
  return places;
}

PictureRead ReadPictureFile(const QString& path, QSizeF placed_inches) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return PictureRead{std::nullopt, file.errorString()};
  if (file.size() > kMaxPictureFileBytes) return PictureRead{std::nullopt, QStringLiteral("the file is too large")};
  return LoadPictureFile(file.readAll(), placed_inches);
}

bool LoadImageInto(TGImage& image, const QString& path, bool stretch, bool auto_size) {
  image.SetStretch(stretch);
  image.SetAutoSize(auto_size);
  PictureRead read =
      ReadPictureFile(path, QSizeF(InchesFromUnits(image.Width()), InchesFromUnits(image.Height())));
  const bool loaded = read.picture.has_value();
  image.SetPicture(std::move(read.picture));
  if (!loaded) ShowInformation(QString::fromLatin1(kErrorLoadingFile));
  TellPage(image);
  return loaded;
}

}  // namespace vellumo::design
