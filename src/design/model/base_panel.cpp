// The design page: objects, names, selection, z-order, clamping and the
// page-wide operations on every object.
#include "design/model/base_panel.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <set>

#include "design/stream/component_names.h"

namespace vellumo::design {
namespace {

constexpr int kMinimumDragWidth = 25;
constexpr int kWidenedDragWidth = 50;
constexpr int kMinimumDragHeight = 15;
constexpr int kMinimumObjectWidth = 10;
constexpr int kMinimumObjectHeight = 15;
constexpr int kMaxUniqueNumber = 1000;

int64_t SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

TGBasePanel::TGBasePanel(PageKind kind, std::string work_directory, xbase::Env* env)
    : Now(SteadyMilliseconds), kind_(kind), work_directory_(std::move(work_directory)), env_(env) {
  RegisterPageKind(kind);
}

TGBasePanel::~TGBasePanel() {
  for (const char* name : {kClipboardFileName, kSpareWorkFileName}) {
    const std::string path = work_directory_ + "/" + name;
    // A work file that cannot be removed is left for the next session to replace.
    if (env_->FileExists(path)) static_cast<void>(env_->RemoveFile(path));
  }
}

void TGBasePanel::SetSize(QSize size) {
  if (size == size_) return;
  size_ = size;
  NotifyChanged();
}

void TGBasePanel::SetZoom(float zoom) {
  if (std::isfinite(zoom) && zoom > 0) zoom_ = zoom;
}

QPoint TGBasePanel::UnitsAt(QPointF view) const {
  return QPoint(int(std::floor(view.x() / double(zoom_))), int(std::floor(view.y() / double(zoom_))));
}

TGGraphicControl* TGBasePanel::ObjectAt(QPoint units) const {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    if ((*it)->Bounds().contains(units)) return it->get();
  }
  return nullptr;
}

void TGBasePanel::NotifyChanged() const {
  if (!Printing && LabelChangedEvent) LabelChangedEvent();
}

// ---- Objects and names.

TGGraphicControl* TGBasePanel::FindObject(std::string_view name) const {
  for (const std::unique_ptr<TGGraphicControl>& object : objects_) {
    if (object->Name() == name) return object.get();
  }
  return nullptr;
}

TGGraphicControl* TGBasePanel::Adopt(std::unique_ptr<TGGraphicControl> object) {
  object->page_ = this;
  objects_.push_back(std::move(object));
  return objects_.back().get();
}

TGGraphicControl* TGBasePanel::PlaceObject(std::unique_ptr<TGGraphicControl> object, const QRect& dragged) {
  QRect rect = dragged;
  if (rect.width() < kMinimumDragWidth) rect.setWidth(kWidenedDragWidth);
  if (rect.height() < kMinimumDragHeight) rect.setHeight(kMinimumDragHeight);
  rect.setWidth(std::max(rect.width(), kMinimumObjectWidth));
  rect.setHeight(std::max(rect.height(), kMinimumObjectHeight));
  object->SetName(UniqueName("Special"));
  object->bounds_ = rect;
  TGGraphicControl* placed = Adopt(std::move(object));
  NotifyChanged();
  return placed;
}

TGGraphicControl* TGBasePanel::PlaceDrawnObject(std::unique_ptr<TGGraphicControl> object, const QRect& dragged) {
  TGGraphicControl* placed = PlaceObject(std::move(object), dragged);
  if (Font) placed->ApplyFont(*Font);
  RefreshAllData();
  placed->SizeToContent();
  if (DroppedObjectEvent) DroppedObjectEvent(dragged);
  return placed;
}

std::vector<std::string> TGBasePanel::Names() const {
  std::vector<std::string> names;
  for (const std::unique_ptr<TGGraphicControl>& object : objects_) names.push_back(object->Name());
  return names;
}

std::string TGBasePanel::UniqueName(std::string_view base) const {
  const std::vector<std::string> list = Names();
  const std::set<std::string, std::less<>> names(list.begin(), list.end());
  for (int n = 1; n <= kMaxUniqueNumber; ++n) {
    std::string candidate = std::string(base) + std::to_string(n);
    if (!names.contains(candidate)) return candidate;
  }
  return {};
}

size_t TGBasePanel::IndexOf(const TGGraphicControl* object) const {
  const auto it = std::find_if(objects_.begin(), objects_.end(),
                               [object](const std::unique_ptr<TGGraphicControl>& o) { return o.get() == object; });
  return size_t(it - objects_.begin());
}

void TGBasePanel::DeleteObject(TGGraphicControl* object) {
  RemoveFromSelection(object);
  const size_t index = IndexOf(object);
  if (index == objects_.size()) return;
  objects_.erase(objects_.begin() + std::ptrdiff_t(index));
  NotifyChanged();
}

void TGBasePanel::ClearObjects() {
  selection_.clear();
  if (objects_.empty()) return;
  objects_.clear();
  NotifyChanged();
}

// ---- Selection.

bool TGBasePanel::IsSelected(const TGGraphicControl* object) const {
  return std::find(selection_.begin(), selection_.end(), object) != selection_.end();
}

bool TGBasePanel::AddToSelection(TGGraphicControl* object) {
  if (object->Unselectable || IndexOf(object) == objects_.size()) return false;
  if (!IsSelected(object)) selection_.push_back(object);
  return true;
}

void TGBasePanel::RemoveFromSelection(TGGraphicControl* object) { std::erase(selection_, object); }

void TGBasePanel::SelectAll() {
  selection_.clear();
  ForEachObject([this](TGGraphicControl& object) { AddToSelection(&object); });
}

// ---- Z-order.

void TGBasePanel::MoveInZOrder(TGGraphicControl* object, bool to_front) {
  const size_t index = IndexOf(object);
  if (index == objects_.size()) return;
  std::unique_ptr<TGGraphicControl> moved = std::move(objects_[index]);
  objects_.erase(objects_.begin() + std::ptrdiff_t(index));
  objects_.insert(to_front ? objects_.end() : objects_.begin(), std::move(moved));
}

void TGBasePanel::BringSelectionToFront() {
  for (TGGraphicControl* object : selection_) MoveInZOrder(object, true);
  NotifyChanged();
}

void TGBasePanel::SendSelectionToBack() {
  // Front-most first, each to the very back, so that the selected objects
  // keep their order among themselves.
  std::vector<TGGraphicControl*> moving = selection_;
  std::stable_sort(moving.begin(), moving.end(),
                   [this](auto* a, auto* b) { return IndexOf(a) > IndexOf(b); });
  for (TGGraphicControl* object : moving) MoveInZOrder(object, false);
  selection_.clear();
  NotifyChanged();
}

void TGBasePanel::BringToFront(TGGraphicControl* object) {
  MoveInZOrder(object, true);
  NotifyChanged();
}

void TGBasePanel::SendToBack(TGGraphicControl* object) {
  MoveInZOrder(object, false);
  selection_.clear();
  NotifyChanged();
}

// ---- Clamping.

void TGBasePanel::ClampObjects() {
  ForEachObject([this](TGGraphicControl& object) {
    if (object.Top() > size_.height() - 10) object.SetTop(size_.height() - 10);
    if (object.Left() > size_.width() - 20) object.SetLeft(size_.width() - 20);
  });
}

void TGBasePanel::DropOutsideObjects() {
  selection_.clear();
  const size_t before = objects_.size();
  std::erase_if(objects_, [this](const std::unique_ptr<TGGraphicControl>& object) {
    return object->Top() > size_.height() - 10 || object->Left() > size_.width() - 10 || object->Width() < 1 ||
           object->Height() < 1;
  });
  if (objects_.size() != before) NotifyChanged();
}

// ---- Printing and record data.

void TGBasePanel::PrintObjects(TBaseReport& canvas, double x0, double y0) const {
  for (const std::unique_ptr<TGGraphicControl>& object : objects_) object->PrintAt(canvas, x0, y0);
}

void TGBasePanel::NoteTextFit(TextFit fit) const {
  text_fit_.shrunk = text_fit_.shrunk || fit.shrunk;
  text_fit_.unfit = text_fit_.unfit || fit.unfit;
}

void TGBasePanel::RefreshAllData() {
  const RecordSource* record = Record();
  if (!record) return;
  ForEachObject([record](TGGraphicControl& object) { object.RefreshData(*record); });
}

void TGBasePanel::PrepareForSave() {
  ForEachObject([](TGGraphicControl& object) { object.ClearData(); });
}

void TGBasePanel::ResetAllCounters() {
  ForEachObject([](TGGraphicControl& object) { object.ResetCounters(); });
}

void TGBasePanel::AdvanceAllCounters() {
  ForEachObject([](TGGraphicControl& object) { object.LabelPrinted(); });
}

void TGBasePanel::ApplyFontToSelection(const StoredFont& font) {
  for (TGGraphicControl* object : selection_) object->ApplyFont(font);
  NotifyChanged();
}

}  // namespace vellumo::design
