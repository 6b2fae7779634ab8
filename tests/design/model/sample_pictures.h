// Pictures for the tests of picture objects: a bitmap and a metafile,
// both black, as the blocks a design file holds.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "design/pictures/design_picture.h"
#include "metafile_builder.h"

namespace vellumo::design::testing {

// A black picture 40 × 20 pixels as a "TBitmap" block.
inline DesignPicture BlackBitmap() {
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::black);
  PictureRead read = DesignPicture::fromContent(QStringLiteral("TBitmap"), vellumo::testing::Encoded(image, "BMP"));
  EXPECT_TRUE(read.picture) << read.error.toStdString();
  return *read.picture;
}

// A placeable metafile of one inch square (100 units) filled black.
inline DesignPicture BlackMetafile() {
  const QByteArray wmf = vellumo::testing::WmfBuilder()
                             .brush(Qt::black)
                             .select(0)
                             .pen(Qt::black, 1)
                             .select(1)
                             .rectangle(QRect(0, 0, 100, 100))
                             .finish();
  PictureRead read = DesignPicture::fromContent(QStringLiteral("TMetafile"), wmf);
  EXPECT_TRUE(read.picture) << read.error.toStdString();
  return *read.picture;
}

}  // namespace vellumo::design::testing
