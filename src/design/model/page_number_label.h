// TGPageNumberLabel: a single-line text showing the number of the page
// it prints on; on screen it shows "##".
#pragma once

#include "design/model/text_label.h"

namespace vellumo::design {

inline constexpr char kPageNumberOnScreen[] = "##";

class TGPageNumberLabel : public TGBaseLabel {
 public:
  [[nodiscard]] std::string_view ClassName() const override { return "TGPageNumberLabel"; }

 protected:
  // "##" on screen, the canvas's page number in decimal on paper.
  [[nodiscard]] ShownText Shown(const TBaseReport& canvas, bool on_screen) const override;
};

}  // namespace vellumo::design
