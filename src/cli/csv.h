// Comma-separated values as the command-line tool reads and writes them:
// fields separated by commas, optionally in double quotes (a quote inside
// doubled), records ending in LF or CR LF, line breaks allowed inside quotes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"

namespace cli {

using CsvRow = std::vector<std::string>;

// Parses a whole document. A quoted field left open at the end, or a quote
// in the middle of an unquoted field, gives InvalidArgument naming the line.
xbase::Status ParseCsv(std::string_view text, std::vector<CsvRow>* rows);

// One field, quoted when it holds a comma, quote, CR or LF, or starts or
// ends with a blank.
std::string CsvField(std::string_view value);
// A record: fields joined with commas, ending in LF.
std::string CsvLine(const CsvRow& fields);

}  // namespace cli
