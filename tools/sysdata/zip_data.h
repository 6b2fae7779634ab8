// Reader for the public ZIP code data set (npm package "zipcodes", files
// lib/codes.js and lib/codesCanada.js): a JavaScript module whose one
// statement assigns a JSON object, code -> {"zip", "state", ...}.
#pragma once

#include <string_view>
#include <vector>

#include "xbase/status.h"
#include "zip_ranges.h"

namespace sysdata {

// Each code with its "state" (a postal abbreviation in the US file, a
// province name in the Canadian one), in ascending order of code.
xbase::Status ParseZipDataSet(std::string_view module_text, std::vector<PlacedCode>* codes);

}  // namespace sysdata
