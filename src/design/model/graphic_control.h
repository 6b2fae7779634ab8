// TGGraphicControl: the base of every design object. It holds the bounds
// in design units at zoom 1.0 (a zoom never changes them), the Locked and
// Unselectable flags, the component name and the common stored properties,
// and turns itself into and out of a stored object record. Objects draw
// through PrintAt only; PaintObject runs that same drawing on a screen
// canvas, so what a view shows is what prints.
#pragma once

#include <QPainter>
#include <QRect>
#include <memory>
#include <string>
#include <string_view>

#include "design/model/record_source.h"
#include "design/stream/cursors.h"
#include "design/stream/nested_properties.h"
#include "design/stream/property_reader.h"
#include "design/stream/property_writer.h"
#include "design/stream/result.h"
#include "design/stream/stored_object.h"
#include "printing/base_report.h"

namespace vellumo::design {

class TGBasePanel;

class TGGraphicControl {
 public:
  virtual ~TGGraphicControl();
  TGGraphicControl(const TGGraphicControl&) = delete;
  TGGraphicControl& operator=(const TGGraphicControl&) = delete;

  // The class name files store ("TGLineShape").
  [[nodiscard]] virtual std::string_view ClassName() const = 0;

  [[nodiscard]] const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // ---- Bounds in design units at zoom 1.0, relative to the page.
  [[nodiscard]] const QRect& Bounds() const { return bounds_; }
  [[nodiscard]] int Left() const { return bounds_.x(); }
  [[nodiscard]] int Top() const { return bounds_.y(); }
  [[nodiscard]] int Width() const { return bounds_.width(); }
  [[nodiscard]] int Height() const { return bounds_.height(); }
  [[nodiscard]] int Right() const { return Left() + Width(); }
  [[nodiscard]] int Bottom() const { return Top() + Height(); }
  // Notifies the page when the bounds change, after BoundsChanged.
  void SetBounds(const QRect& bounds);
  void SetLeft(int left) { SetBounds(QRect(left, Top(), Width(), Height())); }
  void SetTop(int top) { SetBounds(QRect(Left(), top, Width(), Height())); }

  // ---- Stored flags and the common properties nothing in this system changes.
  bool Locked = false;
  bool Unselectable = false;
  int32_t Tag = 0;
  CursorId Cursor = kCrDefault;
  std::string Hint;

  // ---- Drawing. Prints at x0 + Left / ScreenPPI, y0 + Top / ScreenPPI inches.
  virtual void PrintAt(TBaseReport& canvas, double x0, double y0) const;
  // Draws the object on a view's painter, whose coordinates are design
  // units × zoom from the page's corner, through PrintAt and then the
  // screen-only marks of ScreenExtras.
  void PaintObject(QPainter& painter, float zoom) const;

  // ---- Record data and counters (nothing for objects without them).
  virtual void RefreshData(const RecordSource& record);
  // Drops record values, so that saving does not store them.
  virtual void ClearData();
  virtual void LabelPrinted();
  virtual void ResetCounters();
  virtual void ApplyFont(const StoredFont& font);
  // Sizes the object to what it shows, once a drawing tool has put it on
  // its page and its data are refreshed; nothing for objects that keep the
  // dragged size.
  virtual void SizeToContent();

  // ---- Stored form: the common part, then the class's own properties.
  [[nodiscard]] Result<StoredObject> Store() const;
  // Applies every stored property; the first one that fails ends it.
  Status Restore(const StoredObject& stored);

  // The page the object is on, or null.
  [[nodiscard]] TGBasePanel* Page() const { return page_; }

 protected:
  TGGraphicControl(int width, int height) : bounds_(0, 0, width, height) {}
  // The class's own properties in table order, after the common part.
  virtual void WriteOwnProperties(PropertyWriter& writer) const;
  // One stored property that is not a common one; the base refuses it.
  virtual Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property);
  // The drawing on screen; PrintAt unless the object shows something else
  // there than on paper.
  virtual void PrintOnScreen(TBaseReport& canvas, double x0, double y0) const;
  // Marks drawn on screen only (placeholders, outlines); nothing by default.
  virtual void ScreenExtras(TBaseReport& canvas, double x0, double y0) const;
  // Runs after SetBounds changed the bounds (not while reading a file).
  virtual void BoundsChanged();
  // Tells the page the design changed.
  void Changed() const;
  // Whether the page is printing.
  [[nodiscard]] bool PagePrinting() const;

  // The object's inch rectangle at the origin.
  [[nodiscard]] QRectF InchRect(double x0, double y0) const;

 private:
  friend class TGBasePanel;
  Status ReadCommonProperty(const PropertyReader& reader, const StoredProperty& property, bool* handled);

  std::string name_;
  QRect bounds_;
  TGBasePanel* page_ = nullptr;
};

// Stores a read value into a field, or passes the read's failure on.
template <typename T, typename U>
Status Take(Result<T> result, U* target) {
  if (!result.ok()) return result.status();
  *target = static_cast<U>(*result);
  return Status::OK();
}

}  // namespace vellumo::design
