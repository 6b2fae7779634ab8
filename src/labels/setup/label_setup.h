// A label set-up: a named stock with the file of the design printed on it,
// kept as one row of the set-up table LABEL.DBF.
#pragma once

#include <cstddef>
#include <string>

#include "labels/stock/stock_record.h"
#include "xbase/status.h"
#include "xbase/table.h"

namespace vellumo {

// A set-up's description holds at most this many characters (the field
// is wider).
inline constexpr size_t kSetupDescriptionLimit = 50;
// The description of a set-up that has not been named yet.
inline constexpr const char* kNewSetupDescription = "<New Label>";

// Texts as stored: Windows-1252, without trailing blanks.
struct LabelSetup {
  std::string description;  // DESCRIPT
  // The stock the labels are printed on; its description is the name of
  // the catalogue stock it came from (TPLDESCRIP), empty for a stock
  // entered by hand.
  Stock stock;
  std::string design_file;  // BINARY: a file name in sysdata, no directory

  bool operator==(const LabelSetup&) const = default;
};

// A new set-up: the catalogue's standard 30-up address sheet, described as
// "<New Label>", without a design file yet.
LabelSetup NewLabelSetup();

// Reads the set-up of the table's current record. Corruption when the
// record cannot be read, a field is missing or a number field holds no
// number; NotFound at the end of the table.
xbase::Status ReadLabelSetup(const xbase::Table& table, LabelSetup* setup);
// OK when the set-up can be stored as it is: every value fits its field,
// the description its limit, the design file is a plain file name and the
// sheet has no more positions than can be printed. InvalidArgument, naming
// what does not fit, otherwise.
xbase::Status CheckLabelSetup(const LabelSetup& setup);
// Stores the set-up into the table's current record: lengths rounded to
// thousandths of an inch, counts as integers, texts as they are. The
// caller commits. A set-up CheckLabelSetup refuses leaves the record
// untouched.
xbase::Status WriteLabelSetup(xbase::Table& table, const LabelSetup& setup);

}  // namespace vellumo
