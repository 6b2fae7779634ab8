// vellumo-cli design render: the arguments of the command turned into a
// render request (page kind, page size from a stock or given inches, the
// record, the output file and its resolution).
#include <charconv>
#include <ostream>

#include "arguments.h"
#include "commands.h"
#include "design_render.h"
#include "stock_lookup.h"
#include "table_access.h"

namespace cli {
namespace {

constexpr char kRenderUsage[] =
    "usage: vellumo-cli design render FILE (--stock NAME | --size WxH) --table DB [--record N] "
    "(--pdf OUT.pdf | --png OUT.png) [--dpi N] [--kind label|envelope] [--home DIR]";

// "4x1.5" (inches), both sides above 0.
bool ParseSize(const std::string& text, QSizeF* size) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  double width = 0, height = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  auto [width_end, width_error] = std::from_chars(begin, begin + x, width);
  auto [height_end, height_error] = std::from_chars(begin + x + 1, end, height);
  if (width_error != std::errc() || height_error != std::errc() || width_end != begin + x || height_end != end) {
    return false;
  }
  if (!(width > 0 && height > 0 && width < 100 && height < 100)) return false;
  *size = QSizeF(width, height);
  return true;
}

xbase::Status PageFromArguments(const Arguments& a, RenderRequest* request) {
  if (a.HasValue("stock") == a.HasValue("size")) return xbase::Status::InvalidArgument("give one of --stock and --size");
  if (a.HasValue("size")) {
    if (!ParseSize(a.Value("size"), &request->page_inches)) {
      return xbase::Status::InvalidArgument("bad --size \"" + a.Value("size") + "\": give inches as WxH, e.g. 4x1.5");
    }
    return xbase::Status::OK();
  }
  vellumo::Stock stock;
  xbase::Status s = FindStock(StockCataloguePath(a.Value("home")), a.Value("stock"), &stock);
  if (!s.ok()) return s;
  request->page_inches = QSizeF(stock.geometry.label_width, stock.geometry.label_height);
  request->shape = stock.geometry.shape;
  if (request->page_inches.isEmpty()) {
    return xbase::Status::Corruption("the stock \"" + a.Value("stock") + "\" has no label size");
  }
  return xbase::Status::OK();
}

xbase::Status RequestFromArguments(const Arguments& a, RenderRequest* request) {
  request->design_file = a.positional[1];
  if (a.HasValue("kind")) {
    const std::string kind = a.Value("kind");
    if (kind != "label" && kind != "envelope") {
      return xbase::Status::InvalidArgument("bad --kind \"" + kind + "\": label or envelope");
    }
    request->kind = kind == "label" ? DesignPageKind::kLabel : DesignPageKind::kEnvelope;
  } else {
    xbase::Status s = PageKindOfFile(request->design_file, &request->kind);
    if (!s.ok()) return s;
  }
  if (!a.HasValue("table")) return xbase::Status::InvalidArgument("give the table to take the record from: --table DB");
  request->table = a.Value("table");
  if (a.HasValue("record") && !ParsePositive(a.Value("record"), &request->record)) {
    return xbase::Status::InvalidArgument("bad --record \"" + a.Value("record") + "\": a record number from 1");
  }
  if (a.HasValue("pdf") == a.HasValue("png")) return xbase::Status::InvalidArgument("give one of --pdf and --png");
  request->png = a.HasValue("png");
  request->output = a.Value(request->png ? "png" : "pdf");
  uint32_t dpi = 300;
  if (a.HasValue("dpi") && (!ParsePositive(a.Value("dpi"), &dpi) || dpi > 2400)) {
    return xbase::Status::InvalidArgument("bad --dpi \"" + a.Value("dpi") + "\": 1 to 2400 dots per inch");
  }
  request->dpi = dpi;
  return PageFromArguments(a, request);
}

}  // namespace

int DesignRenderCommand(const Words& args, std::ostream& err) {
  Arguments a;
  xbase::Status s =
      ParseArguments(args, {"stock", "size", "table", "record", "pdf", "png", "dpi", "kind", "home"}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 2) return Fail(err, kRenderUsage);
  RenderRequest request;
  s = RequestFromArguments(a, &request);
  if (!s.ok()) return Fail(err, s);
  s = RenderDesign(request);
  return s.ok() ? kExitOk : Fail(err, s);
}

}  // namespace cli
