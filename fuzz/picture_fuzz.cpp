// Fuzz target: any bytes as a design's picture block. Reading must give a
// picture or an error text, and a picture that reads must draw (bitmaps,
// icons, both metafile players) without a fault.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

#include "design/pictures/design_picture.h"

// The system font library keeps its caches to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);  // fonts need a GUI application
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vellumo;
  QByteArray block(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  PictureRead read = DesignPicture::fromBlock(block);
  if (!read.picture) {
    if (read.error.isEmpty()) __builtin_trap();
    return 0;
  }
  if (read.picture->block() != block) __builtin_trap();
  QImage image(48, 48, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  read.picture->draw(painter, QRectF(0, 0, 48, 48));
  return 0;
}
