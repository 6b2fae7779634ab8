// The shared printer selection.
#include "printing/windows/shared_printer.h"

#include <QPrintDialog>
#include <QPrinterInfo>
#include <algorithm>
#include <stdexcept>

#include "core/messages.h"
#include "printing/windows/printer_setup_window.h"

namespace vellumo {
namespace {

QList<QPrinterInfo> SystemPrinters() {
  QList<QPrinterInfo> printers;
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
    if (!info.printerName().contains(QStringLiteral("RENDERING SUBSYSTEM"), Qt::CaseInsensitive)) printers << info;
  }
  return printers;
}

QString PortOf(const QPrinterInfo& info) {
  return info.location().isEmpty() ? QStringLiteral("CUPS") : info.location();
}

// Names of the paper sources in the order of QPrinter::PaperSource;
// driver-specific sources go by their number.
QString BinName(int source) {
  static const char* const kNames[] = {"Upper",           "Lower",     "Middle",     "Manual",       "Envelope",
                                       "Envelope manual", "Automatic", "Tractor",    "Small format", "Large format",
                                       "Large capacity",  "Cassette",  "Form source"};
  if (source >= 0 && source < static_cast<int>(std::size(kNames))) return QLatin1String(kNames[source]);
  return QStringLiteral("Source %1").arg(source);
}

}  // namespace

SharedPrinter::SharedPrinter() { Reset(); }

void SharedPrinter::RequireNoJob(const char* operation) const {
  if (JobRunning()) throw std::logic_error(std::string(operation) + " called while a print job runs");
}

QStringList SharedPrinter::PrinterNames() const {
  QStringList names;
  for (const QPrinterInfo& info : SystemPrinters()) names << info.printerName() + QStringLiteral(" on ") + PortOf(info);
  names << PdfPrinterName() + QStringLiteral(" on FILE:");
  return names;
}

void SharedPrinter::Select(int index) {
  const QList<QPrinterInfo> system = SystemPrinters();
  pdf_file_name_.clear();
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (index >= 0 && index < system.size()) {
    printer_->setPrinterName(system.at(index).printerName());
  } else {
    index = static_cast<int>(system.size());
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setPageSize(QPageSize(QPageSize::Letter));
    printer_->setFullPage(true);
    printer_->setPageMargins(QMarginsF(), QPageLayout::Inch);
  }
  printer_->setDocName(QStringLiteral("Vellumo"));
  index_ = index;
}

bool SharedPrinter::SetPrinterIndex(int index) {
  RequireNoJob("SetPrinterIndex");
  if (index < 0 || index >= PrinterNames().size()) return false;
  Select(index);
  return true;
}

bool SharedPrinter::SelectPrinterByName(const QString& text, bool exact) {
  const QStringList names = PrinterNames();
  for (int i = 0; i < names.size(); ++i) {
    const QString printer = names.at(i).section(QStringLiteral(" on "), 0, 0);
    if (exact ? printer == text : names.at(i).contains(text, Qt::CaseInsensitive)) return SetPrinterIndex(i);
  }
  return false;
}

QString SharedPrinter::PrinterName() const { return IsPdfPrinter() ? PdfPrinterName() : printer_->printerName(); }
QString SharedPrinter::DriverName() const { return IsPdfPrinter() ? QStringLiteral("PDF") : QStringLiteral("CUPS"); }
QString SharedPrinter::Port() const { return PrinterNames().value(index_).section(QStringLiteral(" on "), 1); }
bool SharedPrinter::IsPdfPrinter() const { return printer_->outputFormat() == QPrinter::PdfFormat; }

bool SharedPrinter::SetPaperSize(int code, Length width, Length height) {
  RequireNoJob("SetPaperSize");
  if (code == kCustomPaper) requested_tenths_mm_ = QSize(TenthsOfMillimetre(width), TenthsOfMillimetre(height));
  const QPageSize size = PaperSize(code, width, height);
  return size.isValid() && printer_->setPageSize(size);
}

QList<QPageSize> SharedPrinter::PaperSizesOf(int printer_index) const {
  const QList<QPrinterInfo> system = SystemPrinters();
  if (printer_index >= 0 && printer_index < system.size()) return system.at(printer_index).supportedPageSizes();
  QList<QPageSize> sizes;
  for (int code : {1, 5, 9, 11, 19, 20, 21, 22, 23, 27, 28, 30, 31, 32, 33, 34, 35, 36, 37, 38}) {
    sizes << PaperSize(code, Length(), Length());
  }
  return sizes;
}

QStringList SharedPrinter::PaperNamesOf(int printer_index) const {
  QStringList names;
  for (const QPageSize& size : PaperSizesOf(printer_index)) names << size.name();
  return names;
}

QStringList SharedPrinter::PaperNames() const { return PaperNamesOf(index_); }

QList<int> SharedPrinter::PaperNumbers() const {
  QList<int> numbers;
  for (const QPageSize& size : PaperSizesOf(index_)) numbers << size.windowsId();
  return numbers;
}

bool SharedPrinter::SetPaperIndex(int index) {
  RequireNoJob("SetPaperIndex");
  const QList<QPageSize> sizes = PaperSizesOf(index_);
  return index >= 0 && index < sizes.size() && printer_->setPageSize(sizes.at(index));
}

QString SharedPrinter::CurrentPaperName() const { return printer_->pageLayout().pageSize().name(); }
int SharedPrinter::CurrentPaperNumber() const { return printer_->pageLayout().pageSize().windowsId(); }

bool SharedPrinter::SelectPaperByName(const QString& text) {
  RequireNoJob("SelectPaperByName");
  for (const QPageSize& size : PaperSizesOf(index_)) {
    if (size.name().contains(text, Qt::CaseInsensitive)) return printer_->setPageSize(size);
  }
  return false;
}

QList<int> SharedPrinter::BinNumbers() const {
  QList<int> numbers;
#if defined(Q_OS_WIN)
  if (!IsPdfPrinter()) {
    for (QPrinter::PaperSource source : printer_->supportedPaperSources()) numbers << static_cast<int>(source);
  }
#endif
  return numbers;
}

QStringList SharedPrinter::BinNames() const {
  QStringList names;
  for (int number : BinNumbers()) names << BinName(number);
  return names;
}

bool SharedPrinter::SelectBinByName(const QString& text) {
  RequireNoJob("SelectBinByName");
  for (int number : BinNumbers()) {
    if (BinName(number).contains(text, Qt::CaseInsensitive)) {
      printer_->setPaperSource(static_cast<QPrinter::PaperSource>(number));
      return true;
    }
  }
  return false;
}

QString SharedPrinter::CurrentBinName() const {
  const int current = static_cast<int>(printer_->paperSource());
  return BinNumbers().contains(current) ? BinName(current) : QString();
}

void SharedPrinter::AdoptDialogPrinter() {
  if (IsPdfPrinter()) {
    index_ = static_cast<int>(SystemPrinters().size());
    pdf_file_name_ = printer_->outputFileName();
    return;
  }
  const QList<QPrinterInfo> system = SystemPrinters();
  for (int i = 0; i < system.size(); ++i) {
    if (system.at(i).printerName() == printer_->printerName()) index_ = i;
  }
}

bool SharedPrinter::PrintDialog(QWidget* parent, int* first_page, int* last_page) {
  RequireNoJob("PrintDialog");
  QPrintDialog dialog(printer_.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (dialog.exec() != QDialog::Accepted) return false;
  AdoptDialogPrinter();
  const bool range = printer_->printRange() == QPrinter::PageRange;
  *first_page = range ? printer_->fromPage() : 1;
  *last_page = range ? printer_->toPage() : 9999;
  return true;
}

bool SharedPrinter::PrinterSetupDialog(QWidget* parent, int help_context) {
  RequireNoJob("PrinterSetupDialog");
  PrinterSetupWindow window(*this, help_context, parent);
  return window.exec() == QDialog::Accepted;
}

void SharedPrinter::SetOrientation(TPrinterOrientation orientation) {
  RequireNoJob("SetOrientation");
  if (orientation == poDefault) return;
  printer_->setPageOrientation(orientation == poLandScape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

TPrinterOrientation SharedPrinter::Orientation() const {
  return printer_->pageLayout().orientation() == QPageLayout::Landscape ? poLandScape : poPortrait;
}

void SharedPrinter::SetCopies(int copies) {
  RequireNoJob("SetCopies");
  printer_->setCopyCount(std::max(1, copies));
}
int SharedPrinter::copies() const { return printer_->copyCount(); }

double SharedPrinter::PageWidth() const { return printer_->pageLayout().fullRect(QPageLayout::Inch).width(); }
double SharedPrinter::PageHeight() const { return printer_->pageLayout().fullRect(QPageLayout::Inch).height(); }

QMarginsF SharedPrinter::Unprintable() const {
  if (IsPdfPrinter()) return {};
  const QPageLayout layout = printer_->pageLayout();
  const QRectF full = layout.fullRect(QPageLayout::Inch);
  const QRectF paint = printer_->pageRect(QPrinter::Inch);
  return QMarginsF(paint.left(), paint.top(), full.width() - paint.right(), full.height() - paint.bottom());
}

PageMetrics SharedPrinter::Metrics() const {
  const QMarginsF strips = Unprintable();
  PageMetrics metrics;
  metrics.width = Length::Inches(PageWidth());
  metrics.height = Length::Inches(PageHeight());
  metrics.dpi = printer_->resolution();
  metrics.unprintable_left = Length::Inches(strips.left());
  metrics.unprintable_top = Length::Inches(strips.top());
  metrics.unprintable_right = Length::Inches(strips.right());
  metrics.unprintable_bottom = Length::Inches(strips.bottom());
  return metrics;
}

void SharedPrinter::Reset() {
  RequireNoJob("Reset");
  const QList<QPrinterInfo> system = SystemPrinters();
  const QString default_name = QPrinterInfo::defaultPrinter().printerName();
  int index = static_cast<int>(system.size());  // the PDF printer
  for (int i = 0; i < system.size(); ++i) {
    if (system.at(i).printerName() == default_name) index = i;
  }
  Select(index_ >= 0 ? index_ : index);
}

SharedPrinter& TheSharedPrinter() {
  static SharedPrinter printer;
  return printer;
}

bool CheckPrintersPresent() {
  SharedPrinter& printer = TheSharedPrinter();
  if (printer.PrinterNames().isEmpty()) {
    ShowInformation(QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"));
    return false;
  }
  if (printer.PrinterIndex() < 0) printer.Reset();
  if (printer.PrinterIndex() < 0) {
    ShowInformation(
        QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations"));
    return false;
  }
  return true;
}

}  // namespace vellumo
