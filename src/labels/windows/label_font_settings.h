// The default font of new text objects on labels, kept in the settings
// file's "Label" section.
#pragma once

#include <QFont>

namespace vellumo {

// DefaultFontName ("Arial"), DefaultFontSize (10 points), DefaultFontBold
// and DefaultFontItalic (off) of the settings file.
QFont ReadLabelDefaultFont();
// A failure to write is told to the user.
void WriteLabelDefaultFont(const QFont& font);

}  // namespace vellumo
