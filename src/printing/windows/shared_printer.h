// The application's one printer selection: the chosen printer with its
// paper, orientation and copies, shared by every print job. Besides the
// system's printers there is always the built-in PDF printer, which writes
// each job to a PDF file, so that printing works without a printer driver.
#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QStringList>
#include <memory>

#include "printing/length.h"
#include "printing/paper.h"

namespace vellumo {

// poDefault leaves the printer's own setting.
enum TPrinterOrientation { poPortrait, poLandScape, poDefault };

// Changing the printer, its paper, source, orientation or copies while a
// job runs on it is a programming error: those calls throw
// std::logic_error then.
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
  // legal, A4, A5 and the envelopes) with their paper numbers (0 for a
  // size that has none); selecting by name takes the first that contains
  // the text, case ignored, and says whether there was one.
  QStringList PaperNames() const;
  QList<int> PaperNumbers() const;
  bool SelectPaperByName(const QString& text);
  // The paper sizes of the printer at `printer_index` of PrinterNames,
  // selected or not.
  QStringList PaperNamesOf(int printer_index) const;
  // Selects entry `index` of PaperNames; false when there is none.
  bool SetPaperIndex(int index);
  QString CurrentPaperName() const;
  int CurrentPaperNumber() const;

  // The paper sources (bins) the driver reports, with their numbers; none
  // where the platform's drivers do not report them (and for the PDF
  // printer). The current source's name is empty then.
  QStringList BinNames() const;
  QList<int> BinNumbers() const;
  bool SelectBinByName(const QString& text);
  QString CurrentBinName() const;

  // The platform's print dialog (printer, copies, page range: 1 to 9999
  // for all); true on OK. The printer chosen in the dialog becomes the
  // selection.
  bool PrintDialog(QWidget* parent, int* first_page, int* last_page);
  // The file the print dialog named for the PDF printer; empty when none.
  QString PdfFileName() const { return pdf_file_name_; }
  // The printer set-up window (printer, paper, orientation); its choices
  // become the selection on OK. `help_context` is the caller's help topic.
  bool PrinterSetupDialog(QWidget* parent, int help_context);

  // A paper number (1 letter, 9 A4, 11 A5, 19..38 envelopes) or, with
  // code 0, width × height. False when the printer refuses it.
  bool SetPaperSize(int code, Length width, Length height);
  // The last custom size asked for, in tenths of a millimetre.
  QSize requested_tenths_mm() const { return requested_tenths_mm_; }
  void SetOrientation(TPrinterOrientation orientation);
  // poPortrait or poLandScape.
  TPrinterOrientation Orientation() const;
  void SetCopies(int copies);
  int copies() const;

  // The physical paper in the current orientation, inches.
  double PageWidth() const;
  double PageHeight() const;
  // The strips the printer cannot reach (none on the PDF printer, which
  // draws on the whole paper), inches.
  QMarginsF Unprintable() const;
  // The page a job on this printer draws on: paper, resolution, strips.
  PageMetrics Metrics() const;

  // Forgets paper and orientation changes: the selected printer's defaults
  // are taken afresh.
  void Reset();

  // Jobs on this printer (printing, and previews measured with it) say
  // when they start and end.
  void JobStarted() { ++jobs_; }
  void JobEnded() { --jobs_; }
  bool JobRunning() const { return jobs_ > 0; }

  QPrinter& printer() { return *printer_; }

 private:
  void RequireNoJob(const char* operation) const;
  void Select(int index);
  // The selection after the platform's print dialog changed the printer.
  void AdoptDialogPrinter();
  QList<QPageSize> PaperSizesOf(int printer_index) const;

  std::unique_ptr<QPrinter> printer_;
  int index_ = -1;
  QSize requested_tenths_mm_;
  int jobs_ = 0;
  QString pdf_file_name_;
};

SharedPrinter& TheSharedPrinter();

// Before every print command: false, after telling the user, when there is
// no printer to print on.
bool CheckPrintersPresent();

}  // namespace vellumo
