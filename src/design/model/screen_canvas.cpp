// The canvas over a view's painter, and the canvas that only measures.
#include "design/model/screen_canvas.h"

#include "design/screen_ppi.h"

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

TMeasuringReport::~TMeasuringReport() = default;

double TMeasuringReport::Dpi() const { return kScreenPpi; }

}  // namespace vellumo::design
