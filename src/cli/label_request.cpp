// Reading the arguments of vellumo-cli labels.
#include "label_request.h"

#include <charconv>

#include "arguments.h"
#include "design/barcodes/intelligent_mail_encoder.h"

namespace cli {

const char kLabelsUsage[] =
    "usage: vellumo-cli labels DB (--setup NAME | --stock NAME [--design FILE]) "
    "[--filter EXPR | --tagged | --record N] [--order TAG] [--presort] [--copies N] [--positions LIST] "
    "[--mailer-id ID] --pdf OUT.pdf [--home DIR]\n"
    "  Without --design a stock prints the default design: the address block, and an Intelligent Mail\n"
    "  barcode of the record when the label is wide enough (a label narrower than about 2.7 inches\n"
    "  gets no barcode). The barcode needs your USPS mailer identifier (--mailer-id, 6 or 9 digits);\n"
    "  its serial numbers count up from 1 through the run. --positions counts a sheet's labels from 1, row by row: \"1-3,7\".";

namespace {

constexpr int kMostCopies = 99;

xbase::Status Invalid(const std::string& message) { return xbase::Status::InvalidArgument(message); }

// Empty when `id` can head the barcodes' tracking codes, else why not.
std::string MailerIdError(const std::string& id) {
  vellumo::IntelligentMailFields fields{"00", "700", id, std::string(id.size() == 9 ? 6 : 9, '0'), ""};
  return vellumo::IntelligentMailFieldError(fields);
}

xbase::Status ReadRecordChoice(const Arguments& a, LabelRequest* request) {
  const int choices = int(a.HasValue("filter")) + int(a.Has("tagged")) + int(a.HasValue("record"));
  if (choices > 1) return Invalid("give at most one of --filter, --tagged and --record");
  if (a.HasValue("filter")) {
    request->records = LabelRecords::kFilter;
    request->filter = a.Value("filter");
    if (request->filter.find_first_not_of(' ') == std::string::npos) return Invalid("--filter is empty");
  } else if (a.Has("tagged")) {
    request->records = LabelRecords::kTagged;
  } else if (a.HasValue("record")) {
    request->records = LabelRecords::kRecord;
    if (!ParsePositive(a.Value("record"), &request->record)) {
      return Invalid("bad --record \"" + a.Value("record") + "\": a record number from 1");
    }
  }
  return xbase::Status::OK();
}

xbase::Status ReadPlacement(const Arguments& a, LabelRequest* request) {
  request->presort = a.Has("presort");
  if (request->presort && request->records == LabelRecords::kRecord) {
    return Invalid("--presort needs more than one record: it cannot go with --record");
  }
  request->order = a.Value("order");
  if (request->presort && a.HasValue("order")) return Invalid("--presort prints in ZIP order: leave out --order");
  if (a.HasValue("copies")) {
    uint32_t copies = 0;
    if (!ParsePositive(a.Value("copies"), &copies) || copies > kMostCopies) {
      return Invalid("bad --copies \"" + a.Value("copies") + "\": 1 to 99 labels per record");
    }
    request->copies = int(copies);
  }
  request->positions = a.Value("positions");
  if (a.HasValue("positions") && request->positions.empty()) return Invalid("--positions is empty");
  return xbase::Status::OK();
}

// One item of a position list: "7" or "1-3".
bool ReadRange(std::string_view item, int* first, int* last) {
  const size_t dash = item.find('-');
  const std::string_view low = item.substr(0, dash);
  const std::string_view high = dash == std::string_view::npos ? low : item.substr(dash + 1);
  auto read = [](std::string_view text, int* value) {
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, *value);
    return !text.empty() && error == std::errc() && rest == end;
  };
  return read(low, first) && read(high, last);
}

}  // namespace

xbase::Status ParseLabelRequest(const Words& args, LabelRequest* request) {
  *request = LabelRequest{};
  Arguments a;
  XBASE_RETURN_IF_ERROR(ParseArguments(
      args, {"setup", "stock", "design", "mailer-id", "filter", "record", "order", "copies", "positions", "pdf", "home"},
      {"tagged", "presort"}, &a));
  if (a.positional.size() != 1) return Invalid("give one address database");
  request->database = a.positional[0];
  if (a.HasValue("setup") == a.HasValue("stock")) return Invalid("give one of --setup and --stock");
  request->setup = a.Value("setup");
  request->stock = a.Value("stock");
  if (a.HasValue("design") && !a.HasValue("stock")) {
    return Invalid("--design goes with --stock: a set-up names its own design");
  }
  request->design_file = a.Value("design");
  if (a.HasValue("mailer-id")) {
    if (a.HasValue("design") || a.HasValue("setup")) {
      return Invalid("--mailer-id goes with the default design: a design file keeps its own barcode identifiers");
    }
    request->mailer_id = a.Value("mailer-id");
    const std::string error = MailerIdError(request->mailer_id);
    if (!error.empty()) return Invalid("bad --mailer-id \"" + request->mailer_id + "\": " + error);
  }
  if (!a.HasValue("pdf") || a.Value("pdf").empty()) return Invalid("give the output file: --pdf OUT.pdf");
  request->pdf = a.Value("pdf");
  request->home = a.Value("home");
  XBASE_RETURN_IF_ERROR(ReadRecordChoice(a, request));
  return ReadPlacement(a, request);
}

xbase::Status ParsePositionList(const std::string& text, int cell_count, vellumo::SheetPositionMask* mask) {
  const auto bad = [&](std::string_view why) {
    return Invalid("bad --positions \"" + text + "\": " + std::string(why));
  };
  vellumo::SheetPositionMask chosen;
  chosen.SelectNone();
  std::string_view rest = text;
  while (true) {
    const size_t comma = rest.find(',');
    const std::string_view item = rest.substr(0, comma);
    int first = 0, last = 0;
    if (!ReadRange(item, &first, &last) || first > last) {
      return bad("give positions and ranges such as 1-3,7");
    }
    if (first < 1 || last > cell_count) {
      return bad("the sheet has positions 1 to " + std::to_string(cell_count));
    }
    for (int position = first; position <= last; ++position) chosen.SetSelected(position - 1, true);
    if (comma == std::string_view::npos) break;
    rest = rest.substr(comma + 1);
  }
  *mask = chosen;
  return xbase::Status::OK();
}

}  // namespace cli
