// vellumo-cli labels: its arguments checked and turned into a request
// (where the stock and design come from, which records, how they are
// placed on the sheet, where the PDF goes).
#pragma once

#include <cstdint>
#include <string>

#include "commands.h"
#include "labels/setup/sheet_position_mask.h"
#include "xbase/status.h"

namespace cli {

enum class LabelRecords { kAll, kFilter, kTagged, kRecord };

struct LabelRequest {
  std::string database;
  std::string setup;        // --setup: a set-up's description; else
  std::string stock;        // --stock: a catalogue stock's name, with
  std::string design_file;  // --design, or empty for the default design
  std::string mailer_id;    // --mailer-id: the default design's barcodes carry it
  LabelRecords records = LabelRecords::kAll;
  std::string filter;       // --filter, UTF-8 as typed
  uint32_t record = 0;      // --record
  std::string order;        // --order: a tag name; empty keeps record order
  bool presort = false;
  int copies = 1;
  std::string positions;    // --positions as typed; checked once the sheet is known
  std::string pdf;
  std::string home;
};

// The usage line of the command, with what a user must know about the
// default design.
extern const char kLabelsUsage[];

// InvalidArgument naming the fault for a missing or doubled choice, an
// unknown option, or a bad --copies (1 to 99) or --record.
xbase::Status ParseLabelRequest(const Words& args, LabelRequest* request);

// "1-3,7": the listed positions of a sheet of `cell_count` labels, counted
// from 1 row by row, chosen and every other cleared. InvalidArgument for
// anything else: an empty item, a reversed range, a position outside the
// sheet.
xbase::Status ParsePositionList(const std::string& text, int cell_count, vellumo::SheetPositionMask* mask);

}  // namespace cli
