// The records of a label run: the request's choice and order put in force
// on the address table, and with --presort the presort list of the chosen
// records and those it leaves out.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "label_request.h"
#include "xbase/status.h"
#include "xbase/table.h"

namespace cli {

struct LabelSelection {
  uint64_t chosen = 0;
  std::vector<std::string> presort_lines;
  // Chosen records whose ZIP gives no place in the presort list.
  std::vector<uint32_t> unsorted_records;
};

// Leaves the table on the first record to print. With --tagged the tag id
// is the current one of the settings file. The presort list is written to
// `presort_file` and read back from there. InvalidArgument for a bad
// filter or an unknown tag, NotFound for a missing record and "no records
// to print" when the choice holds none.
xbase::Status SelectLabelRecords(xbase::Table& table, const LabelRequest& request, const QString& presort_file,
                                 LabelSelection* selection);

}  // namespace cli
