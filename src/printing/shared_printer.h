// The application's one printer selection: the chosen printer with its
// paper, orientation and copies, shared by every print job. Besides the
// system's printers there is always the built-in PDF printer, which writes
// each job to a PDF file, so that printing works without a printer driver.
#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QStringList>
#include <memory>

namespace vellumo {

class SharedPrinter {
 public:
  static QString PdfPrinterName() { return QStringLiteral("Vellumo PDF"); }

  SharedPrinter();

  // One entry per printer, "<printer> on <port>"; the PDF printer last.
  // Printers whose name contains "RENDERING SUBSYSTEM" are left out.
  QStringList PrinterNames() const;
  // Position of the selected printer in PrinterNames.
  int PrinterIndex() const { return index_; }
  bool SetPrinterIndex(int index);
  // The printer named `text`; inexactly, the first whose entry contains
  // it, case ignored. False (selection unchanged) when none matches.
  bool SelectPrinterByName(const QString& text, bool exact);
  QString PrinterName() const;
  QString DriverName() const;
  QString Port() const;
  bool IsPdfPrinter() const;

  // The paper sizes the printer reports (for the PDF printer: letter,
  // legal, A4, A5 and the envelopes); selecting by name takes the first
  // that contains the text, case ignored, and says whether there was one.
  QStringList PaperNames() const;
  bool SelectPaperByName(const QString& text);

  // The platform's print dialog (printer, copies, page range: 1 to 9999
  // for all) and page set-up dialog for this printer; true on OK.
  bool PrintDialog(QWidget* parent, int* first_page, int* last_page);
  bool PrinterSetupDialog(QWidget* parent);

  // A paper number (1 letter, 9 A4, 11 A5, 19..38 envelopes) or, with
  // code 0, width × height inches. False when the printer refuses it.
  bool SetPaperSize(int code, double width_inches, double height_inches);
  // The last custom size asked for, in tenths of a millimetre.
  QSize requested_tenths_mm() const { return requested_tenths_mm_; }
  void SetOrientation(QPageLayout::Orientation orientation);
  QPageLayout::Orientation orientation() const;
  void SetCopies(int copies);
  int copies() const;

  // The physical paper in the current orientation, inches.
  double PageWidth() const;
  double PageHeight() const;
  // The strips the printer cannot reach, inches.
  QMarginsF Unprintable() const;

  // Forgets paper and orientation changes: the selected printer's defaults
  // are taken afresh.
  void Reset();

  QPrinter& printer() { return *printer_; }

 private:
  void Select(int index);
  QList<QPageSize> PaperSizes() const;

  std::unique_ptr<QPrinter> printer_;
  int index_ = -1;
  QSize requested_tenths_mm_;
};

SharedPrinter& TheSharedPrinter();

// Before every print command: false, after telling the user, when there is
// no printer to print on.
bool CheckPrintersPresent();

}  // namespace vellumo
