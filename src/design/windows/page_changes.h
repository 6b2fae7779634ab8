// How a dialog's change reaches the page the object is on.
#pragma once

#include "design/model/base_panel.h"

namespace vellumo::design {

// Reports a change of `object` to its page (nothing for an object on no page).
inline void TellPage(const TGGraphicControl& object) {
  if (TGBasePanel* page = object.Page()) page->NotifyChanged();
}

}  // namespace vellumo::design
