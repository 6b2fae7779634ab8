// The current-record print windows.
#include "addressbook/windows/current_record_print.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "addressbook/windows/address_main.h"
#include "addressbook/windows/single_record_report.h"
#include "core/date_keys.h"
#include "core/messages.h"
#include "core/windows/help.h"
#include "printing/page_store.h"
#include "printing/windows/preview_form.h"
#include "printing/windows/preview_job.h"
#include "printing/windows/printer_jobs.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {
namespace {

// Check box captions in window order.
const QStringList kBoxes = {
    QStringLiteral("Last"),      QStringLiteral("First"),          QStringLiteral("Middle"),
    QStringLiteral("Title"),     QStringLiteral("Organization"),   QStringLiteral("Address 1"),
    QStringLiteral("City"),      QStringLiteral("State/Province"), QStringLiteral("Zip/Postal Code"),
    QStringLiteral("Country"),   QStringLiteral("Prefix"),         QStringLiteral("Address 2"),
    QStringLiteral("Comment 1"), QStringLiteral("Comment 2"),      QStringLiteral("Codes"),
    QStringLiteral("Phone 2"),   QStringLiteral("Fax"),            QStringLiteral("E-mail"),
    QStringLiteral("Phone 1"),   QStringLiteral("Date"),           QStringLiteral("Memo")};

// Printed items in print order: box caption, printed label, field.
struct PrintedItem {
  const char* box;
  const char* label;
  const char* field;
};
constexpr PrintedItem kItems[] = {
    {"Prefix", "Prefix", "PREFIX"},         {"Last", "Last", "LNAME"},           {"First", "First", "FNAME"},
    {"Middle", "Middle", "MIDDLE"},         {"Title", "Title", "TITLE"},         {"Organization", "Organization", "ORG"},
    {"Address 1", "Address 1", "STREET"},   {"Address 2", "Address 2", "STREET2"}, {"City", "City", "CITY"},
    {"State/Province", "State", "STATE"},   {"Zip/Postal Code", "Zip/Postal", "ZIP"}, {"Country", "Country", "COUNTRY"},
    {"Phone 1", "Phone 1", "PHONE"},        {"Phone 2", "Phone 2", "PHONE2"},    {"Fax", "Fax", "FAX"},
    {"E-mail", "E-Mail", "EMAIL"},          {"Comment 1", "Comment 1", "USER1"}, {"Comment 2", "Comment 2", "USER2"},
    {"Codes", "Codes", "CODES"},            {"Date", "Date", "DATE"}};

QString OutcomeText(bool previewing, const PrintStatusWindow::Outcome& outcome, int page) {
  if (outcome.aborted) return previewing ? QStringLiteral("\rReport Preview Canceled!") : QStringLiteral("\rReport Print Canceled!");
  if (previewing && outcome.stopped) return QStringLiteral("\rPreview Stopped at page %1!").arg(page);
  return previewing ? QStringLiteral("\rReport Preview Ready!") : QStringLiteral("\rReport Print Completed!");
}

}  // namespace

TSingleRecordPrint::TSingleRecordPrint(TBaseReport& report, const SingleRecordReport& job, bool previewing,
                                       QWidget* parent)
    : PrintStatusWindow(
          previewing ? QStringLiteral("Preview Status") : QStringLiteral("Print Status"), report, previewing,
          [] { return AskYesNo(QStringLiteral("Cancel Report Printing?"), QStringLiteral("Cancel")); },
          [&report, previewing](const Outcome& outcome) { return OutcomeText(previewing, outcome, report.PageNumber()); },
          parent) {
  report.Title = QStringLiteral("Single Record Report");
  report.OnBeforePrint = [&job](TBaseReport& r) { job.BeforePrint(r); };
  report.OnPrint = [&job](TBaseReport& r) { job.Print(r); };
}

TPrintCurrentRecord::TPrintCurrentRecord(const AddressRecord& record, QWidget* parent)
    : QDialog(parent), record_(record) {
  setWindowTitle(QStringLiteral("Print Current Record"));
  auto* grid = new QGridLayout;
  for (qsizetype i = 0; i < kBoxes.size(); ++i) {
    auto* box = new QCheckBox(kBoxes.at(i), this);
    box->setChecked(true);
    grid->addWidget(box, static_cast<int>(i % 7), static_cast<int>(i / 7));
    boxes_.push_back(box);
  }
  all_ = new QCheckBox(QStringLiteral("All"), this);
  all_->setChecked(true);
  grid->addWidget(all_, 7, 0);
  connect(all_, &QCheckBox::clicked, this, &TPrintCurrentRecord::AllClick);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* print = buttons->addButton(QStringLiteral("&Print"), QDialogButtonBox::ActionRole);
  QPushButton* preview = buttons->addButton(QStringLiteral("Pre&view"), QDialogButtonBox::ActionRole);
  QPushButton* setup = buttons->addButton(QStringLiteral("Printer &Setup"), QDialogButtonBox::ActionRole);
  buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  QPushButton* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(print, &QPushButton::clicked, this, &TPrintCurrentRecord::PrintClick);
  connect(preview, &QPushButton::clicked, this, [this] { PreviewClick(); });
  connect(setup, &QPushButton::clicked, this, [this] { TheSharedPrinter().PrinterSetupDialog(this, TAddressMain::kHelpContext); });
  connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(TAddressMain::kHelpContext, this); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
}

TPrintCurrentRecord::~TPrintCurrentRecord() = default;

QCheckBox* TPrintCurrentRecord::box(const QString& caption) const {
  if (caption == QLatin1String("All")) return all_;
  const qsizetype i = kBoxes.indexOf(caption);
  return i < 0 ? nullptr : boxes_[static_cast<size_t>(i)];
}

void TPrintCurrentRecord::AllClick(bool checked) {
  for (QCheckBox* b : boxes_) b->setChecked(checked);
}

std::vector<std::pair<QString, QString>> TPrintCurrentRecord::ChosenItems() const {
  std::vector<std::pair<QString, QString>> items;
  for (const PrintedItem& item : kItems) {
    if (!box(QLatin1String(item.box))->isChecked()) continue;
    const QString field = QLatin1String(item.field);
    const QString value = field == QLatin1String("DATE") ? DisplayDateKey(record_.Get(field)) : record_.Get(field);
    items.emplace_back(QLatin1String(item.label), value);
  }
  return items;
}

bool TPrintCurrentRecord::memo_chosen() const { return box(QStringLiteral("Memo"))->isChecked(); }

std::unique_ptr<SingleRecordReport> TPrintCurrentRecord::MakeJob(const std::function<bool()>& stop_requested) const {
  return std::make_unique<SingleRecordReport>(ChosenItems(), memo_chosen(), record_.memo, stop_requested);
}

void TPrintCurrentRecord::PrintClick() {
  if (!CheckPrintersPresent()) return;
  TReportPrinter printer;
  std::unique_ptr<SingleRecordReport> job = MakeJob(nullptr);
  TSingleRecordPrint status(printer, *job, false, this);
  status.exec();
}

void TPrintCurrentRecord::PreviewClick(bool show_preview) {
  pages_ = std::make_unique<PageStore>();
  TPreviewFiler filer(pages_.get());
  TSingleRecordPrint* status_window = nullptr;
  std::unique_ptr<SingleRecordReport> job =
      MakeJob([&status_window] { return status_window && status_window->stop_requested(); });
  TSingleRecordPrint status(filer, *job, true, this);
  status_window = &status;
  if (!show_preview) {
    status.exec();
    return;
  }
  RunPreviewJob(status, *pages_, QStringLiteral("Preview Report"), TPreviewForm::kPageWidth, this);
}

}  // namespace vellumo
