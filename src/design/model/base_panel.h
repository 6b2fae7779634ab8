// TGBasePanel: the design page. It owns the design objects (child order
// is z-order: drawing, printing and file order, back to front), the
// selection, the page's settings and its zoom (a view transform only:
// object bounds stay in design units at zoom 1.0), and carries out the
// editing operations the page and object menus offer. Every change is
// reported through LabelChangedEvent, except while Printing.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/model/graphic_control.h"
#include "design/model/object_classes.h"
#include "xbase/env.h"

namespace vellumo::design {

enum class TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };
enum class TGridSize { gs4x4, gs8x8 };

inline constexpr char kClipboardFileName[] = "Clipbrd.tmp";
inline constexpr char kSpareWorkFileName[] = "TempFile.tmp";
// Pasted objects land this far right and down of their stored place.
inline constexpr int kPasteOffset = 15;
// A paste this soon after the previous one is ignored (a held-down key).
inline constexpr int64_t kPasteIntervalMs = 1000;
// A clone lands this far below its source.
inline constexpr int kCloneOffset = 25;

class TGBasePanel {
 public:
  using Clock = std::function<int64_t()>;  // milliseconds

  // Work files live in `work_directory` (the program directory); files go
  // through `env`. REQUIRES: env outlives the page.
  TGBasePanel(PageKind kind, std::string work_directory, xbase::Env* env = xbase::Env::Default());
  // Deletes the page's two work files.
  virtual ~TGBasePanel();
  TGBasePanel(const TGBasePanel&) = delete;
  TGBasePanel& operator=(const TGBasePanel&) = delete;

  [[nodiscard]] PageKind Kind() const { return kind_; }

  // ---- Page settings. Sizes are design units at zoom 1.0.
  [[nodiscard]] QSize Size() const { return size_; }
  void SetSize(QSize size);
  TLabelShapeType Shape = TLabelShapeType::lsRoundRect;
  TGridSize GridSize = TGridSize::gs4x4;
  bool ShowGrid = false;
  bool SnapToGrid = false;
  bool DrawOutline = false;
  bool Pointing = true;
  // Set by print jobs: objects show record values and no change is reported.
  bool Printing = false;
  [[nodiscard]] int GridStep() const { return GridSize == TGridSize::gs4x4 ? 4 : 8; }
  // The page font: every text object a drawing tool makes takes it. Unset,
  // new objects keep their class's own font.
  std::optional<StoredFont> Font;
  // A picture shown behind the design, stretched over the page and
  // clipped to its shape (a label stock's pre-printed art); null for
  // none. Screen only: it is never printed.
  QImage Art;

  // The view's scale; setting it never moves or resizes anything. A zoom
  // that is not a positive number is ignored (a view divides by it).
  [[nodiscard]] float Zoom() const { return zoom_; }
  void SetZoom(float zoom);
  // The design-unit point under a view pixel.
  [[nodiscard]] QPoint UnitsAt(QPointF view) const;
  // The front-most object whose bounds hold the design-unit point, or null.
  [[nodiscard]] TGGraphicControl* ObjectAt(QPoint units) const;

  // Whether data objects show record values rather than field names:
  // always while printing; data pages add their own setting.
  [[nodiscard]] virtual bool ShowsRecordValues() const { return Printing; }

  // ---- Notifications.
  std::function<void()> LabelChangedEvent;
  // Fired after a drawing tool created an object, with the dragged rectangle.
  std::function<void(const QRect&)> DroppedObjectEvent;
  // Reports a change unless printing.
  void NotifyChanged() const;

  // ---- Objects.
  [[nodiscard]] const std::vector<std::unique_ptr<TGGraphicControl>>& Objects() const { return objects_; }
  [[nodiscard]] TGGraphicControl* FindObject(std::string_view name) const;
  // Puts a new drawing on the page: the dragged rectangle widened (width
  // below 25 becomes 50, height below 15 becomes 15), named
  // UniqueName("Special"), at least 10 × 15, in front; reports the change.
  TGGraphicControl* PlaceObject(std::unique_ptr<TGGraphicControl> object, const QRect& dragged);
  // A drawing tool's object: placed as PlaceObject does, given the page
  // font, then every object's data refreshed and the new one sized to what
  // it shows (text grows to its caption or lines); fires DroppedObjectEvent.
  TGGraphicControl* PlaceDrawnObject(std::unique_ptr<TGGraphicControl> object, const QRect& dragged);
  // The first base + n, n = 1 to 1000, that no object holds; empty when all are taken.
  [[nodiscard]] std::string UniqueName(std::string_view base) const;
  // Leaves the selection first.
  void DeleteObject(TGGraphicControl* object);
  void ClearObjects();

  // ---- Selection, in the order objects joined it.
  [[nodiscard]] const std::vector<TGGraphicControl*>& Selection() const { return selection_; }
  [[nodiscard]] bool IsSelected(const TGGraphicControl* object) const;
  // False for an unselectable object, which never joins.
  bool AddToSelection(TGGraphicControl* object);
  void RemoveFromSelection(TGGraphicControl* object);
  void ClearSelection() { selection_.clear(); }
  void SelectAll();

  // ---- Z-order.
  void BringSelectionToFront();
  // Also clears the selection.
  void SendSelectionToBack();
  void BringToFront(TGGraphicControl* object);
  // Also clears the selection.
  void SendToBack(TGGraphicControl* object);

  // ---- Alignment of the selection (locked objects move too).
  void AlignLeft() { AlignSelection(false, false); }
  void AlignRight() { AlignSelection(false, true); }
  void AlignTops() { AlignSelection(true, false); }
  void AlignBottoms() { AlignSelection(true, true); }
  void CenterVertically();
  void CenterHorizontally();
  void CenterObjectVertically(TGGraphicControl* object);
  void CenterObjectHorizontally(TGGraphicControl* object);

  // ---- Locking and selectability.
  void LockAll();
  void UnlockAll();
  void MarkAllSelectable();
  // Every object also leaves the selection.
  void MarkAllUnselectable();
  void SetObjectUnselectable(TGGraphicControl* object, bool unselectable);

  // ---- After the page size changed.
  virtual void ClampObjects();
  virtual void DropOutsideObjects();

  // ---- Printing and record data.
  void PrintObjects(TBaseReport& canvas, double x0, double y0) const;
  // How the text of the objects that shrink to fit was drawn since the
  // last ResetTextFit: a print job resets it before each label and reads
  // it after, to tell which labels were shrunk or did not fit at all.
  struct TextFit {
    bool shrunk = false;  // some text was drawn below its own font size
    bool unfit = false;   // some text did not fit even at the smallest size
  };
  void ResetTextFit() { text_fit_ = {}; }
  [[nodiscard]] TextFit LastTextFit() const { return text_fit_; }
  // Called by a shrinking object each time it draws its text.
  void NoteTextFit(TextFit fit) const;
  virtual void RefreshAllData();
  void PrepareForSave();
  void ResetAllCounters();
  void AdvanceAllCounters();
  void ApplyFontToSelection(const StoredFont& font);

  // ---- Screen: the background (white, art, outline, grid, clipped to
  // the shape) and then every object, on a painter in view pixels.
  void PaintPage(QPainter& painter) const;
  void Paint(QPainter& painter) const;

  // ---- Files. Objects read from a file, pasted or cloned are named
  // "Component" + n.
  Status SaveToFile(const std::string& path);
  // Nothing when the file does not exist; objects on the page stay, and
  // objects read before a damaged part of the file are kept.
  Status LoadFromFile(const std::string& path);

  // ---- Object clipboard ("Clipbrd.tmp"). `from_menu` is the object whose
  // menu gave the command, or null for the page menu and keys: a selected
  // object (or none) acts on the selection, an unselected one on itself.
  Status Copy(TGGraphicControl* from_menu = nullptr);
  Status Cut(TGGraphicControl* from_menu = nullptr);
  void Delete(TGGraphicControl* from_menu = nullptr);
  // Reads the clipboard objects 15 units right and down of their stored
  // places, unselected. Ignored when it comes less than 1000 ms after the
  // previous paste; nothing without a clipboard file.
  Status Paste();
  [[nodiscard]] bool ClipboardExists() const;
  [[nodiscard]] std::string ClipboardPath() const;
  // Milliseconds of a steady clock; tests replace it.
  Clock Now;

  // A copy of the object 25 units below it, in front, in its place in the
  // selection when it was selected.
  Result<TGGraphicControl*> Clone(TGGraphicControl* object);

  // ---- Snapshots of the design, for undo: every object's stored form as
  // a design file holds it (record values and counter progress are never
  // stored), and the objects replaced by such a snapshot.
  [[nodiscard]] Result<std::string> DesignSnapshot() const;
  // Replaces every object by the snapshot's, each keeping its stored name,
  // in the snapshot's order, with its record data refreshed. The objects
  // are new ones: pointers to the old objects are invalid afterwards, and
  // the selection is empty. A snapshot that cannot be read leaves the page
  // as it was. Reports no change (the caller does, once it is done).
  Status RestoreSnapshot(std::string_view bytes);

 protected:
  // Record data for RefreshAllData; null on pages without a bound record.
  [[nodiscard]] virtual const RecordSource* Record() const { return nullptr; }

 private:
  void AlignSelection(bool vertical, bool far_edge);
  // Adopts an object at the front of the z-order.
  TGGraphicControl* Adopt(std::unique_ptr<TGGraphicControl> object);
  // Reads stored objects onto the page, each named "Component" + n and
  // moved by `offset`; stops at the first that cannot be made.
  Status ReadObjects(const std::vector<StoredObject>& stored, QPoint offset,
                     std::vector<TGGraphicControl*>* read = nullptr);
  Result<std::vector<StoredObject>> StoreObjects(const std::vector<TGGraphicControl*>& objects) const;
  // The objects a command from `from_menu` acts on.
  std::vector<TGGraphicControl*> CommandObjects(TGGraphicControl* from_menu) const;
  void MoveInZOrder(TGGraphicControl* object, bool to_front);
  [[nodiscard]] size_t IndexOf(const TGGraphicControl* object) const;
  [[nodiscard]] std::vector<std::string> Names() const;
  template <typename Change>
  void ForEachObject(Change change) {
    for (const std::unique_ptr<TGGraphicControl>& object : objects_) change(*object);
  }

  PageKind kind_;
  std::string work_directory_;
  xbase::Env* env_;
  QSize size_;
  float zoom_ = 1.0f;
  std::vector<std::unique_ptr<TGGraphicControl>> objects_;
  std::vector<TGGraphicControl*> selection_;
  mutable TextFit text_fit_;
  bool pasted_before_ = false;
  int64_t last_paste_ms_ = 0;
};

}  // namespace vellumo::design
