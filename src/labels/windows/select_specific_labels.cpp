// The sheet-position window: the miniature with its two buttons, the
// number of labels per record and the printer list.
#include "labels/windows/select_specific_labels.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/messages.h"
#include "core/windows/dialog_buttons.h"
#include "labels/windows/printer_list.h"
#include "labels/windows/sheet_miniature.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {

TSelectSpecificLabels::TSelectSpecificLabels(const StockGeometry& geometry, const SheetPositionMask& mask,
                                             bool presort, QWidget* parent)
    : QDialog(parent), cell_count_(geometry.CellCount()), presort_(presort) {
  setWindowTitle(QStringLiteral("Labels Print"));

  auto* sheet = new QGroupBox(QStringLiteral(" Select Labels To Print"));
  miniature_ = new SheetMiniature(geometry, mask, sheet);
  all_ = new QPushButton(QStringLiteral("&All"));
  none_ = new QPushButton(QStringLiteral("&None"));
  for (QPushButton* b : {all_, none_}) b->setAutoDefault(false);
  auto* sheet_buttons = new QHBoxLayout;
  sheet_buttons->addWidget(all_);
  sheet_buttons->addWidget(none_);
  auto* sheet_layout = new QVBoxLayout(sheet);
  sheet_layout->addWidget(miniature_, 1);
  sheet_layout->addLayout(sheet_buttons);

  copies_caption_ = new QLabel(QStringLiteral("Number of each label to print"));
  copies_ = new QSpinBox;
  copies_->setRange(1, kMaxCopies);
  copies_->setValue(1);
  copies_caption_->setBuddy(copies_);
  copies_caption_->setVisible(!presort);
  copies_->setVisible(!presort);

  auto* printer_box = new QGroupBox(QStringLiteral("Printer"));
  printers_ = NewPrinterList(printer_box);
  (new QVBoxLayout(printer_box))->addWidget(printers_);

  const DialogButtons buttons = AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext);
  ok_ = buttons.ok;
  ok_->setDefault(true);

  auto* side = new QVBoxLayout;
  side->addWidget(copies_caption_);
  side->addWidget(copies_);
  side->addWidget(printer_box);
  side->addStretch(1);
  side->addWidget(buttons.box);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(sheet, 1);
  layout->addLayout(side);

  connect(all_, &QPushButton::clicked, this, [this] {
    SheetPositionMask all = miniature_->mask();
    all.SelectAll();
    miniature_->SetMask(all);
  });
  connect(none_, &QPushButton::clicked, this, [this] {
    SheetPositionMask none = miniature_->mask();
    none.SelectNone();
    miniature_->SetMask(none);
  });
}

std::optional<SheetPositionChoice> TSelectSpecificLabels::Choose(const StockGeometry& geometry,
                                                                 const SheetPositionMask& mask, bool presort,
                                                                 QWidget* parent) {
  TSelectSpecificLabels window(geometry, mask, presort, parent);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.choice();
}

void TSelectSpecificLabels::accept() {
  if (!miniature_->mask().AnySelected(cell_count_)) {
    ShowInformation(QStringLiteral("You must select at least one card to print"));
    return;
  }
  choice_.mask = miniature_->mask();
  choice_.copies = presort_ ? 1 : std::clamp(copies_->value(), 1, kMaxCopies);
  choice_.printer_index = TheSharedPrinter().PrinterIndex();
  QDialog::accept();
}

}  // namespace vellumo
