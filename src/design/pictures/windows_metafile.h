// Placeable Windows metafiles (a 22-byte header with the key 0x9AC6CDD7
// and the picture's bounds, then a standard metafile): reading the header
// and playing the records clip art uses onto a QPainter.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <optional>

#include "design/pictures/metafile.h"

namespace vellumo {

inline constexpr uint32_t kPlaceableMetafileKey = 0x9AC6CDD7;
inline constexpr int kPlaceableHeaderSize = 22;
inline constexpr int kMetafileHeaderSize = 18;

// The header, or nullopt with `*error` saying what is wrong.
std::optional<MetafileHeader> ReadPlaceableMetafileHeader(QByteArrayView metafile, QString* error);

// Plays `metafile` stretched over `target`.
PlayReport PlayPlaceableMetafile(QByteArrayView metafile, QPainter& painter, const QRectF& target);

}  // namespace vellumo
