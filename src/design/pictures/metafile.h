// What both metafile formats tell before playing (the picture's frame on
// its reference device and its size) and what playing one reports.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

namespace vellumo {

struct MetafileHeader {
  QRectF device_frame;         // the picture's area in reference-device units
  double device_per_mm = 0;    // reference-device units per millimetre
  QSizeF size_inches;          // the picture's own size
  qsizetype first_record = 0;  // offset of the first record after the header
};

struct PlayReport {
  int played = 0;   // records drawn or applied
  int skipped = 0;  // records of kinds the player does not know, left out
  QString error;    // why playing stopped early; empty when it played to the end
  [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

}  // namespace vellumo
