// Builds small metafiles and bitmaps byte by byte for the picture tests,
// so that each test states exactly the records it plays.
#pragma once

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QtEndian>
#include <cstring>
#include <initializer_list>

#include "design/pictures/enhanced_metafile.h"
#include "design/pictures/windows_metafile.h"

namespace vellumo::testing {

class Bytes {
 public:
  Bytes& u8(uint8_t v) { data_.append(static_cast<char>(v)); return *this; }
  Bytes& u16(uint16_t v) { return put(v); }
  Bytes& i16(int16_t v) { return put(static_cast<uint16_t>(v)); }
  Bytes& u32(uint32_t v) { return put(v); }
  Bytes& i32(int32_t v) { return put(static_cast<uint32_t>(v)); }
  Bytes& f32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    return put(bits);
  }
  Bytes& raw(const QByteArray& bytes) { data_.append(bytes); return *this; }
  Bytes& zeros(int count) { data_.append(count, '\0'); return *this; }
  [[nodiscard]] const QByteArray& data() const { return data_; }

 private:
  template <typename T>
  Bytes& put(T v) {
    char b[sizeof(T)];
    qToLittleEndian(v, b);
    data_.append(b, sizeof(T));
    return *this;
  }
  QByteArray data_;
};

inline uint32_t Ref(QColor c) { return c.red() | c.green() << 8 | c.blue() << 16; }

// A placeable Windows metafile: records of 16-bit words.
class WmfBuilder {
 public:
  explicit WmfBuilder(QRect bounds = QRect(0, 0, 100, 100), int units_per_inch = 100)
      : bounds_(bounds), inch_(units_per_inch) {}
  WmfBuilder& record(uint16_t function, std::initializer_list<int> words) {
    Bytes params;
    for (int w : words) params.u16(static_cast<uint16_t>(w));
    return record(function, params.data());
  }
  WmfBuilder& record(uint16_t function, const QByteArray& params) {
    QByteArray even = params;
    if (even.size() % 2) even.append('\0');
    records_.u32(static_cast<uint32_t>(3 + even.size() / 2)).u16(function).raw(even);
    return *this;
  }
  // A record as it is stored, for damaged sizes.
  WmfBuilder& rawRecord(uint32_t size_words, uint16_t function, const QByteArray& params) {
    records_.u32(size_words).u16(function).raw(params);
    return *this;
  }
  WmfBuilder& brush(QColor color, int style = 0, int hatch = 0) {
    return record(0x02FC, {style, static_cast<int>(Ref(color) & 0xFFFF), static_cast<int>(Ref(color) >> 16), hatch});
  }
  WmfBuilder& pen(QColor color, int width, int style = 0) {
    return record(0x02FA, {style, width, 0, static_cast<int>(Ref(color) & 0xFFFF), static_cast<int>(Ref(color) >> 16)});
  }
  WmfBuilder& select(int index) { return record(0x012D, {index}); }
  WmfBuilder& rectangle(QRect r) { return record(0x041B, {r.bottom(), r.right(), r.top(), r.left()}); }
  QByteArray finish(bool with_eof = true) const {
    Bytes body = records_;
    if (with_eof) body.u32(3).u16(0);
    Bytes file;
    file.u32(kPlaceableMetafileKey).u16(0);
    file.i16(static_cast<int16_t>(bounds_.left())).i16(static_cast<int16_t>(bounds_.top()));
    file.i16(static_cast<int16_t>(bounds_.left() + bounds_.width()));
    file.i16(static_cast<int16_t>(bounds_.top() + bounds_.height()));
    file.u16(static_cast<uint16_t>(inch_)).u32(0).u16(0);
    file.u16(1).u16(9).u16(0x0300).u32(static_cast<uint32_t>(9 + body.data().size() / 2)).u16(4).u32(16).u16(0);
    file.raw(body.data());
    return file.data();
  }

 private:
  QRect bounds_;
  int inch_;
  Bytes records_;
};

// An enhanced metafile on a reference device of one pixel a millimetre,
// its frame `frame_px` pixels from the origin.
class EmfBuilder {
 public:
  explicit EmfBuilder(QSize frame_px = QSize(100, 100)) : frame_(frame_px) {}
  EmfBuilder& record(uint32_t type, const QByteArray& params) {
    records_.u32(type).u32(static_cast<uint32_t>(8 + params.size())).raw(params);
    ++count_;
    return *this;
  }
  EmfBuilder& record(uint32_t type, std::initializer_list<int32_t> values) {
    Bytes params;
    for (int32_t v : values) params.i32(v);
    return record(type, params.data());
  }
  EmfBuilder& rawRecord(uint32_t type, uint32_t size, const QByteArray& params) {
    records_.u32(type).u32(size).raw(params);
    return *this;
  }
  EmfBuilder& brush(uint32_t index, QColor color) { return record(39, {static_cast<int32_t>(index), 0, static_cast<int32_t>(Ref(color)), 0}); }
  EmfBuilder& select(uint32_t index) { return record(37, {static_cast<int32_t>(index)}); }
  QByteArray finish(bool with_eof = true) const {
    Bytes body = records_;
    if (with_eof) body.u32(14).u32(20).u32(0).u32(16).u32(20);
    Bytes file;
    file.u32(1).u32(kEnhancedHeaderMinSize);
    file.i32(0).i32(0).i32(frame_.width() - 1).i32(frame_.height() - 1);        // bounds, pixels
    file.i32(0).i32(0).i32(frame_.width() * 100).i32(frame_.height() * 100);    // frame, 0.01 mm
    file.u32(kEnhancedMetafileSignature).u32(0x10000);
    file.u32(static_cast<uint32_t>(kEnhancedHeaderMinSize + body.data().size())).u32(count_ + 2);
    file.u16(8).u16(0).u32(0).u32(0).u32(0);
    file.i32(1000).i32(1000).i32(1000).i32(1000);  // device pixels and millimetres
    file.raw(body.data());
    return file.data();
  }

 private:
  QSize frame_;
  Bytes records_;
  uint32_t count_ = 0;
};

// A bottom-up 24-bit device-independent bitmap (header and pixels, no
// file header); `rows` lists pixels from the top row down.
inline QByteArray Dib24(const std::vector<std::vector<QColor>>& rows) {
  const int height = static_cast<int>(rows.size());
  const int width = static_cast<int>(rows.front().size());
  const int row_bytes = (width * 3 + 3) & ~3;
  Bytes dib;
  dib.u32(40).i32(width).i32(height).u16(1).u16(24).u32(0).u32(static_cast<uint32_t>(row_bytes * height));
  dib.u32(0).u32(0).u32(0).u32(0);
  for (int y = height - 1; y >= 0; --y) {
    for (QColor c : rows[y]) dib.u8(static_cast<uint8_t>(c.blue())).u8(static_cast<uint8_t>(c.green())).u8(static_cast<uint8_t>(c.red()));
    dib.zeros(row_bytes - width * 3);
  }
  return dib.data();
}

// Renders onto a white image of `size`, the picture stretched over all of it.
template <typename Draw>
QImage Render(QSize size, Draw draw) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  draw(painter, QRectF(QPointF(), QSizeF(size)));
  return image;
}

inline QImage RenderWmf(const QByteArray& wmf, PlayReport* report, QSize size = QSize(100, 100)) {
  return Render(size, [&](QPainter& p, const QRectF& r) { *report = PlayPlaceableMetafile(wmf, p, r); });
}

inline QImage RenderEmf(const QByteArray& emf, PlayReport* report, QSize size = QSize(100, 100)) {
  return Render(size, [&](QPainter& p, const QRectF& r) { *report = PlayEnhancedMetafile(emf, p, r); });
}

// The bounding box of the pixels darker than `darker_than`.
inline QRect DarkBox(const QImage& image, int darker_than = 128) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < darker_than) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// An image as a file of `format` ("PNG", "BMP", "ICO").
inline QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray file;
  QBuffer buffer(&file);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return file;
}

inline bool Near(QColor a, QColor b, int tolerance = 40) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace vellumo::testing

namespace vellumo::testing {

// A 2 × 2 bitmap: red, green on top; blue, black below.
inline QByteArray TestBitmap() { return Dib24({{Qt::red, Qt::green}, {Qt::blue, Qt::black}}); }

// Whether a 100 × 100 image shows the test bitmap stretched over it.
inline ::testing::AssertionResult ShowsTestBitmap(const QImage& image) {
  const struct {
    QPoint at;
    QColor colour;
  } quadrants[] = {{{25, 25}, Qt::red}, {{75, 25}, Qt::green}, {{25, 75}, Qt::blue}, {{75, 75}, Qt::black}};
  for (const auto& q : quadrants) {
    if (!Near(image.pixelColor(q.at), q.colour)) {
      return ::testing::AssertionFailure() << "at " << q.at.x() << "," << q.at.y() << " found "
                                           << image.pixelColor(q.at).name().toStdString() << " instead of "
                                           << q.colour.name().toStdString();
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace vellumo::testing
