// A text object's stored font as a widget font, and a font chosen on
// screen back in the stored form.
#pragma once

#include <QFont>

#include "design/stream/nested_properties.h"

namespace vellumo::design {

// The stored font's family, point size and style as a widget font.
[[nodiscard]] QFont ScreenFont(const StoredFont& stored);
// `chosen` in the stored form: family, height of its point size and its
// style bits; colour and pitch stay those of `base`, and so does the
// height when `chosen` has no point size.
[[nodiscard]] StoredFont StoredFontOf(const QFont& chosen, const StoredFont& base);

}  // namespace vellumo::design
