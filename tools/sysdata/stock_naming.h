// How a stock is named in the catalogue: the maker code and the
// description shown in the stock picker.
#pragma once

#include <string>
#include <string_view>

namespace sysdata {

// The brand in upper case, at most kMakerWidth characters; long brand
// names get a fixed short form. Windows-1252.
std::string MakerCode(std::string_view brand);

// "Brand Part  Kind", at most kDescriptionWidth characters, where Kind is
// the template's description without a trailing "Labels" ("Address
// Labels" gives "Address"). UTF-8 in, Windows-1252 out; the kind is cut
// when the whole would be too long.
std::string StockDescription(std::string_view brand, std::string_view part,
                             std::string_view description);

}  // namespace sysdata
