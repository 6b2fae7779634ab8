// The page number object's caption.
#include "design/model/page_number_label.h"

namespace vellumo::design {

TGBaseLabel::ShownText TGPageNumberLabel::Shown(const TBaseReport& canvas, bool on_screen) const {
  const QString text = on_screen ? QString::fromLatin1(kPageNumberOnScreen) : QString::number(canvas.PageNumber());
  return {text, StyleOfFont(Font)};
}

}  // namespace vellumo::design
