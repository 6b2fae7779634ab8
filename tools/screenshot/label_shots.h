// Pictures of the label windows for the documentation: the label design
// window with a sample design, and the stock picker.
#pragma once

#include <QString>

namespace xbase {
class Table;
}

namespace vellumo::screenshot {

// Each saves a PNG to `path`; false with a message on stderr on failure.
// `addresses` is the open sample address table the design previews.
bool SaveLabelDesign(xbase::Table& addresses, const QString& path);
bool SaveLabelPicker(const QString& path);

}  // namespace vellumo::screenshot
