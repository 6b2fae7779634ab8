// The printer set-up window over the shared printer selection.
#include "printing/windows/printer_setup_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/windows/help.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {

PrinterSetupWindow::PrinterSetupWindow(SharedPrinter& printer, int help_context, QWidget* parent)
    : QDialog(parent), printer_(printer) {
  setWindowTitle(QStringLiteral("Printer Setup"));
  printers_ = new QComboBox(this);
  printers_->addItems(printer.PrinterNames());
  printers_->setCurrentIndex(printer.PrinterIndex());
  papers_ = new QComboBox(this);
  papers_->addItems(printer.PaperNames());
  papers_->setCurrentIndex(static_cast<int>(printer.PaperNames().indexOf(printer.CurrentPaperName())));
  connect(printers_, &QComboBox::currentIndexChanged, this, &PrinterSetupWindow::ListPapers);

  portrait_ = new QRadioButton(QStringLiteral("&Portrait"), this);
  landscape_ = new QRadioButton(QStringLiteral("&Landscape"), this);
  (printer.Orientation() == poLandScape ? landscape_ : portrait_)->setChecked(true);
  auto* orientation = new QGroupBox(QStringLiteral("Orientation"), this);
  auto* orientation_layout = new QHBoxLayout(orientation);
  orientation_layout->addWidget(portrait_);
  orientation_layout->addWidget(landscape_);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  QPushButton* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this, help_context] { ShowHelpTopic(help_context, this); });

  auto* choices = new QFormLayout;
  choices->addRow(QStringLiteral("P&rinter:"), printers_);
  choices->addRow(QStringLiteral("P&aper:"), papers_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(orientation);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}

void PrinterSetupWindow::ListPapers() {
  const QString chosen = papers_->currentText();
  papers_->clear();
  papers_->addItems(printer_.PaperNamesOf(printers_->currentIndex()));
  papers_->setCurrentIndex(std::max(0, papers_->findText(chosen)));
}

void PrinterSetupWindow::accept() {
  if (printers_->currentIndex() != printer_.PrinterIndex()) printer_.SetPrinterIndex(printers_->currentIndex());
  printer_.SetPaperIndex(papers_->currentIndex());
  printer_.SetOrientation(landscape_->isChecked() ? poLandScape : poPortrait);
  QDialog::accept();
}

}  // namespace vellumo
