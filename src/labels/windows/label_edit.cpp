// The user-defined stock editor.
#include "labels/windows/label_edit.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/messages.h"
#include "core/windows/dialog_buttons.h"
#include "labels/stock/stock_papers.h"

namespace vellumo {
namespace {

const char* const kFieldCaptions[kStockLengthCount] = {"Label Width",    "Label Height", "Horizontal Pitch",
                                                       "Vertical Pitch", "Left Margin",  "Top Margin",
                                                       "Paper Width",    "Paper Height"};

QSpinBox* CountBox(int value, int maximum, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(1, maximum);
  box->setValue(value);
  return box;
}

}  // namespace

TLabelEdit::TLabelEdit(const StockGeometry& current, QWidget* parent) : QDialog(parent), form_(current) {
  inches_ = new QRadioButton(QStringLiteral("Use &Inches"), this);
  millimetres_ = new QRadioButton(QStringLiteral("Use &Millimeters"), this);
  inches_->setChecked(true);
  auto* units = new QHBoxLayout;
  units->addWidget(inches_);
  units->addWidget(millimetres_);

  auto* grid = new QGridLayout;
  for (int i = 0; i < kStockLengthCount; ++i) {
    auto* field = new QDoubleSpinBox(this);
    field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    field->setMinimum(0);
    fields_[i] = field;
    auto* caption = new QLabel(QLatin1String(kFieldCaptions[i]), this);
    caption->setBuddy(field);
    grid->addWidget(caption, i / 2, (i % 2) * 2);
    grid->addWidget(field, i / 2, (i % 2) * 2 + 1);
  }
  across_ = CountBox(form_.across(), kMaxAcross, this);
  down_ = CountBox(form_.down(), kMaxDown, this);
  grid->addWidget(new QLabel(QStringLiteral("# across"), this), 4, 0);
  grid->addWidget(across_, 4, 1);
  grid->addWidget(new QLabel(QStringLiteral("# down"), this), 4, 2);
  grid->addWidget(down_, 4, 3);

  paper_ = new QComboBox(this);
  for (const StockPaper& paper : StockPapers()) paper_->addItem(QLatin1String(paper.list_entry));
  paper_->setCurrentIndex(-1);
  shape_ = new QComboBox(this);
  for (const StockShape& shape : StockShapes()) shape_->addItem(QLatin1String(shape.list_entry));
  shape_->setCurrentIndex(form_.shape());
  millimetres_->setWhatsThis(QStringLiteral("Shows and takes the lengths in millimetres."));
  inches_->setWhatsThis(QStringLiteral("Shows and takes the lengths in inches."));
  paper_->setWhatsThis(QStringLiteral("Fills in the paper width and height of a standard paper size."));
  shape_->setWhatsThis(QStringLiteral("The outline of one label, as the design window draws it."));
  auto* lists = new QFormLayout;
  lists->addRow(QStringLiteral("Paper size"), paper_);
  lists->addRow(QStringLiteral("Label Shape"), shape_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(units);
  layout->addLayout(grid);
  layout->addLayout(lists);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
  UnitChanged();

  for (int i = 0; i < kStockLengthCount; ++i) {
    const auto length = static_cast<StockLength>(i);
    connect(fields_[i], &QDoubleSpinBox::valueChanged, this, [this, length](double v) { form_.Enter(length, v); });
  }
  connect(field(StockLength::kLabelWidth), &QDoubleSpinBox::editingFinished, this, [this] {
    form_.LeaveLabelWidth();
    ShowLength(StockLength::kHorizontalPitch);
  });
  connect(field(StockLength::kLabelHeight), &QDoubleSpinBox::editingFinished, this, [this] {
    form_.LeaveLabelHeight();
    ShowLength(StockLength::kVerticalPitch);
  });
  connect(millimetres_, &QRadioButton::toggled, this, &TLabelEdit::UnitChanged);
  connect(across_, &QSpinBox::valueChanged, this, [this](int n) { form_.SetAcross(n); });
  connect(down_, &QSpinBox::valueChanged, this, [this](int n) { form_.SetDown(n); });
  connect(paper_, &QComboBox::activated, this, [this](int entry) {
    form_.ChoosePaper(entry);
    ShowLength(StockLength::kPaperWidth);
    ShowLength(StockLength::kPaperHeight);
  });
  connect(shape_, &QComboBox::activated, this, [this](int entry) { form_.ChooseShape(entry); });
}

std::optional<StockGeometry> TLabelEdit::Edit(const StockGeometry& current, const QString& caption, QWidget* parent) {
  TLabelEdit editor(current, parent);
  editor.setWindowTitle(caption);
  if (editor.exec() != QDialog::Accepted) return std::nullopt;
  return editor.result();
}

void TLabelEdit::accept() {
  const QString failed = form_.Validate();
  if (!failed.isEmpty()) {
    ShowInformation(failed);
    return;
  }
  result_ = form_.Result();
  QDialog::accept();
}

void TLabelEdit::UnitChanged() {
  form_.SetMillimetres(millimetres_->isChecked());
  for (QDoubleSpinBox* f : fields_) {
    const QSignalBlocker blocker(f);
    f->setDecimals(form_.decimals());
    f->setMaximum(form_.maximum());
  }
  ShowLengths();
}

void TLabelEdit::ShowLengths() {
  for (int i = 0; i < kStockLengthCount; ++i) ShowLength(static_cast<StockLength>(i));
}

void TLabelEdit::ShowLength(StockLength length) {
  QDoubleSpinBox* f = field(length);
  const QSignalBlocker blocker(f);
  f->setValue(form_.Shown(length));
}

}  // namespace vellumo
