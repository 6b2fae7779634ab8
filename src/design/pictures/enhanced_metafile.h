// Enhanced metafiles (records of 32-bit type and size, the first a
// header with the signature " EMF"): reading the header and playing the
// records clip art uses onto a QPainter.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <optional>

#include "design/pictures/metafile.h"

namespace vellumo {

inline constexpr uint32_t kEnhancedMetafileSignature = 0x464D4520;  // " EMF"
inline constexpr int kEnhancedHeaderMinSize = 88;

// The header, or nullopt with `*error` saying what is wrong.
std::optional<MetafileHeader> ReadEnhancedMetafileHeader(QByteArrayView metafile, QString* error);

// Plays `metafile` stretched over `target`.
PlayReport PlayEnhancedMetafile(QByteArrayView metafile, QPainter& painter, const QRectF& target);

}  // namespace vellumo
