// The text object family's classes and drawing tools: fixed text, data
// field, counter, symbol, date and time, page number, multi-line text,
// memo field and address block. Registered once, when the first page
// kind is.
#pragma once

namespace vellumo::design {

// Makes the text classes creatable by name and gives the label page's
// text tools their objects: a fixed text "<text>", a data field bound to
// "<field>", a counter from 1000, a symbol, and multi-line, memo ("MEMO",
// labelled "Memo") and address objects that shrink their font to fit.
void RegisterTextObjects();

}  // namespace vellumo::design
