// The label windows drawn over the sample records: a design on the
// default address stock with an address block, a text and a shape, the
// grid on and the text selected; and the picker on the same stock.
#include "label_shots.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <memory>
#include <optional>

#include "core/application_home.h"
#include "core/system_tables.h"
#include "design/model/data_panel.h"
#include "design/model/label_shapes.h"
#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "labels/windows/label_design_screen.h"
#include "labels/windows/label_record_navigator.h"
#include "labels/windows/select_label.h"

namespace vellumo::screenshot {
namespace {

const PickerStart kAddressStock{QStringLiteral("Avery 5160  Address"), QStringLiteral("LJ"), QStringLiteral("AVERY"),
                                QStringLiteral("ADDRESS/SHIPPING LABELS"), false};

bool Save(QWidget& window, const QString& path) {
  QApplication::processEvents();
  if (window.grab().save(path)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

std::unique_ptr<xbase::Table> OpenCatalogue() {
  std::unique_ptr<xbase::Table> catalogue;
  if (!OpenStockTable(&catalogue)) std::fprintf(stderr, "cannot open the stock catalogue\n");
  return catalogue;
}

// The default stock as the catalogue holds it.
std::optional<Stock> AddressStock(xbase::Table* catalogue) {
  const TSelectLabel picker(catalogue, kAddressStock);
  const int current = picker.picker().current();
  if (current < 0) return std::nullopt;
  return picker.picker().stocks()[size_t(current)];
}

void AddSampleDesign(design::TGLabelPanel& page) {
  // The sample design; the last object is the one shown selected.
  auto address = std::make_unique<design::TGDMultiLineAddressLabel>();
  address->ShrinkToFit = true;
  page.PlaceDrawnObject(std::move(address), QRect(5, 5, 170, 60));
  auto badge = std::make_unique<design::TGLabelShapes>();
  badge->Shape = design::TShapeType::stEllipse;
  page.PlaceObject(std::move(badge), QRect(174, 12, 74, 40));
  auto text = std::make_unique<design::TGPLabel>();
  text->Caption = "Member";
  if (page.Font) text->ApplyFont(*page.Font);
  // Placed, not drawn: a drawn text would open its dialog.
  design::TGGraphicControl* placed = page.PlaceObject(std::move(text), QRect(190, 24, 44, 15));
  placed->SizeToContent();
  placed->SetLeft(211 - placed->Width() / 2);
  placed->SetTop(32 - placed->Height() / 2);
}

}  // namespace

bool SaveLabelDesign(xbase::Table& addresses, const QString& path) {
  std::unique_ptr<xbase::Table> catalogue = OpenCatalogue();
  if (!catalogue) return false;
  const std::optional<Stock> stock = AddressStock(catalogue.get());
  if (!stock) {
    std::fprintf(stderr, "the catalogue has no %s\n", qPrintable(kAddressStock.description));
    return false;
  }
  if (!addresses.GoTop().ok()) return false;
  design::TGLabelPanel page(ProgramDirectory().toStdString());
  TableRecordNavigator records(addresses);
  TLabelDesignScreen window(&page, *stock, QStringLiteral("Club members"), false, &records);
  window.resize(900, 420);
  window.show();
  AddSampleDesign(page);
  window.show_grid()->trigger();
  for (int step = 0; step < 5; ++step) window.StepZoom(true);
  page.AddToSelection(page.Objects().back().get());  // a zoom step clears the selection
  return Save(window, path);
}

bool SaveLabelPicker(const QString& path) {
  std::unique_ptr<xbase::Table> catalogue = OpenCatalogue();
  if (!catalogue) return false;
  TSelectLabel picker(catalogue.get(), kAddressStock);
  picker.show();
  return Save(picker, path);
}

}  // namespace vellumo::screenshot
