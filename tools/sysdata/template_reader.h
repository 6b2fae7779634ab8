// Readers for the label-template data files: the template files
// (*-templates.xml), the paper sizes and the category list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "label_template.h"
#include "xbase/status.h"

namespace sysdata {

// Appends the templates of one template file. `source` names the file in
// messages. XML that is not well-formed is an error naming the line, and
// nothing is appended then; a template with a value that cannot be read
// (a length without a number) is appended with LabelTemplate::error set.
xbase::Status ReadTemplates(std::string_view xml, const std::string& source,
                            std::vector<LabelTemplate>* templates);

xbase::Status ReadPaperSizes(std::string_view xml, const std::string& source, PaperSizes* sizes);

// The ids of the categories the template files may use.
xbase::Status ReadCategoryIds(std::string_view xml, const std::string& source,
                              std::vector<std::string>* ids);

}  // namespace sysdata
