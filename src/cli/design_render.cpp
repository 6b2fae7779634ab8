// Rendering a design file: load it onto a page of its kind in a scratch
// folder (a page removes its work files there when it goes), bind the
// record, print onto a PDF or an image.
#include "design_render.h"

#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cctype>
#include <filesystem>
#include <memory>

#include "design/model/data_panel.h"
#include "design/model/design_units.h"
#include "design/model/record_source.h"
#include "printing/pdf_file.h"
#include "printing/report_destinations.h"
#include "table_access.h"

namespace cli {
namespace {

using vellumo::design::TGDataPanel;

char KindLetter(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  if (name.size() < 2 || name[name.size() - 2] != '.') return 0;
  return char(std::toupper(static_cast<unsigned char>(name.back())));
}

std::unique_ptr<TGDataPanel> NewPage(const RenderRequest& request, const std::string& work_directory) {
  if (request.kind == DesignPageKind::kEnvelope) {
    return std::make_unique<TGDataPanel>(vellumo::design::PageKind::kEnvelope, work_directory);
  }
  auto label = std::make_unique<vellumo::design::TGLabelPanel>(work_directory);
  if (!request.shape.empty()) {
    vellumo::StockGeometry outline;
    outline.label_width = request.page_inches.width();
    outline.label_height = request.page_inches.height();
    outline.shape = request.shape;
    label->FitToStock(outline);
  }
  return label;
}

xbase::Status OpenRecord(const RenderRequest& request, std::unique_ptr<xbase::Table>* table) {
  xbase::Status s = OpenTable(request.table, /*read_only=*/true, table);
  if (!s.ok()) return xbase::Status::IOError("cannot open the table " + request.table + ": " + s.message());
  const uint32_t count = (*table)->RecCount();
  if (request.record < 1 || request.record > count) {
    return xbase::Status::NotFound("record " + std::to_string(request.record) + " does not exist: " +
                                   request.table + " has " + std::to_string(count) + " records");
  }
  return (*table)->Go(request.record);
}

xbase::Status PrintToPdf(const RenderRequest& request, const TGDataPanel& page) {
  vellumo::PageMetrics metrics;
  metrics.width = vellumo::Length::Inches(request.page_inches.width());
  metrics.height = vellumo::Length::Inches(request.page_inches.height());
  metrics.dpi = request.dpi;
  vellumo::TReportPdf canvas(QString::fromStdString(request.output), metrics);
  canvas.OnPrint = [&page](vellumo::TBaseReport& r) { page.PrintObjects(r, 0, 0); };
  if (!canvas.Execute()) return xbase::Status::IOError(canvas.LastError().toStdString());
  return xbase::Status::OK();
}

xbase::Status PrintToPng(const RenderRequest& request, const TGDataPanel& page) {
  vellumo::TCanvasReport canvas(request.page_inches, request.dpi);
  canvas.OnPrint = [&page](vellumo::TBaseReport& r) { page.PrintObjects(r, 0, 0); };
  if (!canvas.Execute() || canvas.pages().empty()) {
    return xbase::Status::IOError("cannot draw the page: " + canvas.LastError().toStdString());
  }
  // Written beside the target and put in its place only when complete.
  QSaveFile file(QString::fromStdString(request.output));
  if (!file.open(QIODevice::WriteOnly) || !canvas.pages().front().save(&file, "PNG") || !file.commit()) {
    return xbase::Status::IOError("cannot write " + request.output + ": " + file.errorString().toStdString());
  }
  return xbase::Status::OK();
}

}  // namespace

xbase::Status PageKindOfFile(const std::string& path, DesignPageKind* kind) {
  switch (KindLetter(path)) {
    case 'L': *kind = DesignPageKind::kLabel; return xbase::Status::OK();
    case 'E': *kind = DesignPageKind::kEnvelope; return xbase::Status::OK();
    case 'R': return xbase::Status::InvalidArgument("report designs (" + path + ") cannot be rendered");
    default:
      return xbase::Status::InvalidArgument("cannot tell the page kind of " + path +
                                            " (a label design ends in .L, an envelope design in .E): give --kind");
  }
}

xbase::Status RenderDesign(const RenderRequest& request) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(request.design_file, ignored)) {
    return xbase::Status::NotFound("no design file " + request.design_file);
  }
  QTemporaryDir scratch;
  if (!scratch.isValid()) return xbase::Status::IOError("cannot make a scratch folder: " + scratch.errorString().toStdString());
  std::unique_ptr<TGDataPanel> page = NewPage(request, scratch.path().toStdString());
  page->SetSize(QSize(vellumo::design::UnitsFromInches(request.page_inches.width()),
                      vellumo::design::UnitsFromInches(request.page_inches.height())));
  xbase::Status s = page->LoadFromFile(request.design_file);
  if (!s.ok()) return xbase::Status::Corruption("cannot read the design " + request.design_file + ": " + s.message());

  std::unique_ptr<xbase::Table> table;
  s = OpenRecord(request, &table);
  if (!s.ok()) return s;
  const vellumo::design::TableRecordSource record(*table);
  page->SetRecord(&record);
  page->Printing = true;
  page->RefreshAllData();
  s = request.png ? PrintToPng(request, *page) : PrintToPdf(request, *page);
  page->SetRecord(nullptr);
  return s;
}

}  // namespace cli
