// The "Print Labels" window: its panels, the list of set-ups and the four
// commands that change them. Printing is in label_setup_print.cpp.
#include "labels/windows/label_setup_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

#include "core/application_home.h"
#include "core/messages.h"
#include "core/text_codec.h"
#include "core/windows/help.h"
#include "design/model/data_panel.h"
#include "labels/setup/design_file_names.h"
#include "labels/setup/setup_files.h"
#include "labels/windows/label_design_screen.h"
#include "labels/windows/printer_list.h"
#include "postal/presort_file.h"

namespace vellumo {
namespace {

QPushButton* NewButton(const QString& caption, QBoxLayout* row) {
  auto* button = new QPushButton(caption);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

// "\"" + description + "\"?", as the questions end.
QString Quoted(const std::string& description) { return "\"" + FromTable(description) + "\"?"; }

}  // namespace

TLabelSetupScreen::TLabelSetupScreen(xbase::Table* setups, xbase::Table* addresses, bool filter_set,
                                     QWidget* parent, LabelSetupActions actions)
    : QDialog(parent),
      setups_(*setups),
      addresses_(*addresses),
      actions_(std::move(actions)),
      sysdata_(SystemDataDirectory().toStdString()),
      current_record_(addresses->RecNo()),
      what_(filter_set) {
  setWindowTitle(QStringLiteral("Print Labels"));
  // A list left from an earlier session belongs to no record choice of
  // this one.
  QFile::remove(PresortFilePath());

  auto* layout = new QVBoxLayout(this);
  BuildSetupPanel(layout);
  auto* choices = new QHBoxLayout;
  layout->addLayout(choices);
  BuildWhatToPrint(choices);
  BuildPrinterPanel(choices);
  BuildButtons(layout);

  const int order = setups_.TagArea("DESCRIPT");
  xbase::Status s = order > 0 ? setups_.SetOrder(order) : xbase::Status::OK();
  if (s.ok()) s = setups_.SetFilter("not DELETED()");
  if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to list the label set-ups"), s));
  ShowSetups(0);
  ShowWhatToPrint();
}

void TLabelSetupScreen::BuildSetupPanel(QBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  auto* list = new QGroupBox(QStringLiteral("Select Label"));
  grid_ = new QTableWidget(0, 1, list);
  grid_->setHorizontalHeaderLabels({QStringLiteral("Description")});
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  (new QVBoxLayout(list))->addWidget(grid_);
  row->addWidget(list, 1);

  auto* stock = new QFormLayout;
  const auto captions = StockReadoutCaptions();
  for (int i = 0; i < kStockReadoutCount; ++i) {
    readouts_[i] = new QLineEdit;
    readouts_[i]->setReadOnly(true);
    stock->addRow(captions[i], readouts_[i]);
  }
  row->addLayout(stock);

  auto* buttons = new QHBoxLayout;
  layout->addLayout(buttons);
  modify_ = NewButton(QStringLiteral("Modify"), buttons);
  new_ = NewButton(QStringLiteral("New"), buttons);
  delete_ = NewButton(QStringLiteral("Delete"), buttons);
  clone_ = NewButton(QStringLiteral("Clone"), buttons);
  buttons->addStretch(1);

  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) { SetupChosen(row); });
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &TLabelSetupScreen::ModifySetup);
  connect(modify_, &QPushButton::clicked, this, &TLabelSetupScreen::ModifySetup);
  connect(new_, &QPushButton::clicked, this, &TLabelSetupScreen::NewSetup);
  connect(delete_, &QPushButton::clicked, this, &TLabelSetupScreen::DeleteSetup);
  connect(clone_, &QPushButton::clicked, this, &TLabelSetupScreen::CloneSetup);
}

void TLabelSetupScreen::BuildWhatToPrint(QBoxLayout* layout) {
  what_panel_ = new QGroupBox(QStringLiteral("What to Print"));
  all_records_ = new QRadioButton(QStringLiteral("All records"));
  matching_filter_ = new QRadioButton(QStringLiteral("Records matching filter"));
  current_only_ = new QRadioButton(QStringLiteral("Only current record"));
  start_from_current_ = new QCheckBox(QStringLiteral("Start from current record"));
  presort_ = new QCheckBox(QStringLiteral("Presort for Bulk Mail"));
  auto* panel = new QVBoxLayout(what_panel_);
  for (QWidget* w : std::initializer_list<QWidget*>{all_records_, matching_filter_, current_only_,
                                                    start_from_current_, presort_}) {
    panel->addWidget(w);
  }
  layout->addWidget(what_panel_, 1);

  connect(all_records_, &QRadioButton::clicked, this, [this] { ChoiceClicked(LabelRecordChoice::kAll); });
  connect(matching_filter_, &QRadioButton::clicked, this,
          [this] { ChoiceClicked(LabelRecordChoice::kMatchingFilter); });
  connect(current_only_, &QRadioButton::clicked, this, [this] { ChoiceClicked(LabelRecordChoice::kCurrentOnly); });
  connect(start_from_current_, &QCheckBox::clicked, this, [this](bool on) {
    what_.SetStartFromCurrent(on);
    ShowWhatToPrint();
  });
  connect(presort_, &QCheckBox::clicked, this, [this](bool on) {
    what_.SetPresort(on);
    ShowWhatToPrint();
  });
}

void TLabelSetupScreen::BuildPrinterPanel(QBoxLayout* layout) {
  printer_panel_ = new QGroupBox(QStringLiteral("Printer"));
  printers_ = NewPrinterList(printer_panel_);
  calibrate_ = new QPushButton(QStringLiteral("Calibrate Printer"));
  calibrate_->setAutoDefault(false);
  auto* panel = new QVBoxLayout(printer_panel_);
  panel->addWidget(printers_);
  panel->addWidget(calibrate_);
  panel->addStretch(1);
  layout->addWidget(printer_panel_, 1);

  connect(calibrate_, &QPushButton::clicked, this, [this] {
    LabelSetup setup;
    if (ReadCurrent(&setup)) actions_.calibrate(setup.stock, this);
  });
}

void TLabelSetupScreen::BuildButtons(QBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  row->addStretch(1);
  ok_ = NewButton(QStringLiteral("Ok"), row);
  print_ = NewButton(QStringLiteral("Print"), row);
  preview_ = NewButton(QStringLiteral("Preview"), row);
  help_ = NewButton(QStringLiteral("Help"), row);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(print_, &QPushButton::clicked, this, [this] { PrintLabels(false); });
  connect(preview_, &QPushButton::clicked, this, [this] { PrintLabels(true); });
  connect(help_, &QPushButton::clicked, this, [this] { ShowHelpTopic(kHelpContext, this); });
}

void TLabelSetupScreen::ShowSetups(uint32_t recno) {
  const QSignalBlocker quiet(grid_);
  grid_->setRowCount(0);
  int chosen = 0;
  xbase::Status s = setups_.GoTop();
  for (; s.ok() && !setups_.Eof(); s = setups_.Skip()) {
    const int row = grid_->rowCount();
    grid_->insertRow(row);
    auto* item = new QTableWidgetItem(FromTable(setups_.GetTrimString("DESCRIPT")));
    item->setData(Qt::UserRole, setups_.RecNo());
    grid_->setItem(row, 0, item);
    if (setups_.RecNo() == recno) chosen = row;
  }
  if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to list the label set-ups"), s));
  if (grid_->rowCount() > 0) grid_->setCurrentCell(chosen, 0);
  SetupChosen(grid_->rowCount() > 0 ? chosen : -1);
}

uint32_t TLabelSetupScreen::RecnoOfRow(int row) const {
  if (row < 0 || row >= grid_->rowCount()) return 0;
  return grid_->item(row, 0)->data(Qt::UserRole).toUInt();
}

void TLabelSetupScreen::SetupChosen(int row) {
  if (row >= 0 && row < grid_->rowCount()) {
    const xbase::Status s = setups_.Go(RecnoOfRow(row));
    if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to read the label set-up"), s));
  }
  ShowCurrentSetup();
  SetButtons();
}

void TLabelSetupScreen::ShowCurrentSetup() {
  LabelSetup setup;
  const bool shown = grid_->rowCount() > 0 && ReadLabelSetup(setups_, &setup).ok();
  const auto texts = StockReadouts(setup.stock);
  for (int i = 0; i < kStockReadoutCount; ++i) readouts_[i]->setText(shown ? texts[i] : QString());
}

void TLabelSetupScreen::SetButtons() {
  const bool any = grid_->rowCount() > 0;
  for (QWidget* w : std::initializer_list<QWidget*>{modify_, print_, preview_, delete_, clone_, grid_}) {
    w->setEnabled(any);
  }
  what_panel_->setVisible(any);
  printer_panel_->setVisible(any);
}

void TLabelSetupScreen::ChoiceClicked(LabelRecordChoice choice) {
  what_.Choose(choice);
  ShowWhatToPrint();
}

void TLabelSetupScreen::ShowWhatToPrint() {
  matching_filter_->setEnabled(what_.matching_filter_enabled());
  all_records_->setChecked(what_.choice() == LabelRecordChoice::kAll);
  matching_filter_->setChecked(what_.choice() == LabelRecordChoice::kMatchingFilter);
  current_only_->setChecked(what_.choice() == LabelRecordChoice::kCurrentOnly);
  start_from_current_->setChecked(what_.start_from_current());
  presort_->setEnabled(what_.presort_enabled());
  presort_->setChecked(what_.presort_checked());
}

bool TLabelSetupScreen::ReadCurrent(LabelSetup* setup) {
  const xbase::Status s = ReadLabelSetup(setups_, setup);
  if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to read the label set-up"), s));
  return s.ok();
}

void TLabelSetupScreen::NewSetup() { EditSetup(true); }

void TLabelSetupScreen::ModifySetup() {
  if (grid_->rowCount() > 0) EditSetup(false);
}

void TLabelSetupScreen::EditSetup(bool is_new) {
  SetupEdit edit;
  xbase::Status s = is_new ? BeginNewSetup(sysdata_, &edit) : BeginSetupChange(setups_, sysdata_, &edit);
  if (!s.ok()) {
    ShowInformation(WithReason(is_new ? QStringLiteral("Unable to make a new label set-up")
                                      : QStringLiteral("Unable to read the label set-up"),
                               s));
    return;
  }
  design::TGLabelPanel page(ProgramDirectory().toStdString());
  if (edit.load_design) {
    s = page.LoadFromFile(DesignFilePath(sysdata_, edit.setup.design_file));
    if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to read the label design"), s));
  }
  TableRecordNavigator records(addresses_);
  TLabelDesignScreen designer(&page, edit.setup.stock, FromTable(edit.setup.description), is_new, &records, this);
  designer.exec();
  if (!designer.saved()) return;

  edit.setup.description = ToTable(designer.description());
  edit.setup.stock = designer.stock();
  s = StoreSetup(setups_, sysdata_, edit, [&page](const std::string& path) { return page.SaveToFile(path); });
  if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to save the label set-up"), s));
  ShowSetups(setups_.RecNo());
  ShowSelectedPrinter(printers_);
}

void TLabelSetupScreen::CloneSetup() {
  LabelSetup setup;
  if (grid_->rowCount() == 0 || !ReadCurrent(&setup)) return;
  if (!AskYesNo("Clone " + Quoted(setup.description), QStringLiteral("CLONE"))) return;
  const uint32_t before = setups_.RecNo();
  const xbase::Status s = CloneLabelSetup(setups_, sysdata_);
  if (s.IsNotFound() && s.message() == kMissingDesignFileMessage) {
    ShowInformation(QString::fromLatin1(kMissingDesignFileMessage));
  } else if (!s.ok()) {
    ShowInformation(WithReason(QStringLiteral("Unable to clone the label set-up"), s));
  }
  ShowSetups(s.ok() ? setups_.RecNo() : before);
}

void TLabelSetupScreen::DeleteSetup() {
  LabelSetup setup;
  if (grid_->rowCount() == 0 || !ReadCurrent(&setup)) return;
  if (!AskYesNo("Delete " + Quoted(setup.description), QStringLiteral("DELETE"))) return;
  // The set-up after the deleted one (else the one before) becomes current.
  const int row = grid_->currentRow();
  const int next = row + 1 < grid_->rowCount() ? row + 1 : row - 1;
  const xbase::Status s = DeleteLabelSetup(setups_, sysdata_);
  if (!s.ok()) ShowInformation(WithReason(QStringLiteral("Unable to delete the label set-up"), s));
  const uint32_t keep = RecnoOfRow(s.ok() ? next : row);
  ShowSetups(keep);
}

}  // namespace vellumo
