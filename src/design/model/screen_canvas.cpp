// The canvas over a view's painter.
#include "design/model/screen_canvas.h"

namespace vellumo::design {

TScreenReport::~TScreenReport() = default;

bool TScreenReport::BeginJob() {
  painter_ = target_;
  return true;
}

void TScreenReport::Draw(const std::function<void(TBaseReport&)>& draw) {
  target_->save();
  OnPrint = draw;
  Execute();
  OnPrint = nullptr;
  target_->restore();
}

}  // namespace vellumo::design
