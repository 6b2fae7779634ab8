// Finding a label run's set-up or stock and loading its design.
#include "label_source.h"

#include <filesystem>

#include "design/model/intelligent_mail_barcode.h"
#include "labels/printing/default_label_design.h"
#include "labels/setup/design_file_names.h"
#include "labels/setup/label_setup.h"
#include "labels/setup/setup_files.h"
#include "stock_lookup.h"
#include "table_access.h"
#include "xbase/codepage.h"

namespace cli {
namespace {

constexpr char kSetupTableName[] = "LABEL.DBF";

xbase::Status FindSetup(const std::string& sysdata, const std::string& name, vellumo::LabelSetup* setup) {
  const std::string path = sysdata + kSetupTableName;
  std::unique_ptr<xbase::Table> table;
  xbase::Status s = OpenTable(path, /*read_only=*/true, &table);
  if (!s.ok()) return xbase::Status::NotFound("cannot open the label set-ups " + path + ": " + s.message());
  table->SetDeleted(true);
  const std::string wanted = xbase::Utf8ToWindows1252(name);
  for (s = table->GoTop(); s.ok() && !table->Eof(); s = table->Skip(1)) {
    if (SameDescription(table->GetTrimString("DESCRIPT"), wanted)) return vellumo::ReadLabelSetup(*table, setup);
  }
  if (!s.ok()) return s;
  return xbase::Status::NotFound("no label set-up named \"" + name + "\" in " + path);
}

xbase::Status LoadDesign(const std::string& path, vellumo::design::TGLabelPanel& page) {
  const xbase::Status s = page.LoadFromFile(path);
  if (!s.ok()) return xbase::Status::Corruption("cannot read the design " + path + ": " + s.message());
  return s;
}

// The set-up's stock and its design file.
xbase::Status FromSetup(const LabelRequest& request, LabelSource* source) {
  const std::string sysdata = SystemDataPath(request.home);
  vellumo::LabelSetup setup;
  XBASE_RETURN_IF_ERROR(FindSetup(sysdata, request.setup, &setup));
  source->stock = setup.stock;
  XBASE_RETURN_IF_ERROR(vellumo::CheckSheetPositions(source->stock.geometry));
  if (!vellumo::DesignFileExists(xbase::Env::Default(), sysdata, setup.design_file)) {
    return xbase::Status::NotFound(vellumo::kMissingDesignFileMessage);
  }
  source->page->FitToStock(source->stock.geometry);
  return LoadDesign(vellumo::DesignFilePath(sysdata, setup.design_file), *source->page);
}

// The default design's barcodes carry the mailer identifier, with serial
// numbers counted from 1 per piece; without one they print no bars.
void GiveBarcodesMailerId(const std::string& mailer_id, vellumo::design::TGLabelPanel& page) {
  for (const auto& object : page.Objects()) {
    if (auto* barcode = dynamic_cast<vellumo::design::TGIMBarCode*>(object.get())) {
      barcode->MailerId = mailer_id;
      barcode->SerialFromCounter = true;
      barcode->SerialStart = 1;
    }
  }
}

// The catalogue stock with the given design, or the default one.
xbase::Status FromStock(const LabelRequest& request, LabelSource* source) {
  XBASE_RETURN_IF_ERROR(
      FindStock(StockCataloguePath(request.home), xbase::Utf8ToWindows1252(request.stock), &source->stock));
  XBASE_RETURN_IF_ERROR(vellumo::CheckSheetPositions(source->stock.geometry));
  source->page->FitToStock(source->stock.geometry);
  if (request.design_file.empty()) {
    vellumo::BuildDefaultLabelDesign(*source->page, source->stock.geometry);
    GiveBarcodesMailerId(request.mailer_id, *source->page);
    return xbase::Status::OK();
  }
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(request.design_file, ignored)) {
    return xbase::Status::NotFound("no design file " + request.design_file);
  }
  return LoadDesign(request.design_file, *source->page);
}

}  // namespace

xbase::Status LoadLabelSource(const LabelRequest& request, LabelSource* source) {
  source->scratch = std::make_unique<QTemporaryDir>();
  if (!source->scratch->isValid()) {
    return xbase::Status::IOError("cannot make a scratch folder: " + source->scratch->errorString().toStdString());
  }
  source->page = std::make_unique<vellumo::design::TGLabelPanel>(source->scratch->path().toStdString());
  return request.setup.empty() ? FromStock(request, source) : FromSetup(request, source);
}

}  // namespace cli
