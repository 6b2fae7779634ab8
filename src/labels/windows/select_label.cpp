// The stock picker window.
#include "labels/windows/select_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/messages.h"
#include "core/system_tables.h"
#include "core/text_codec.h"
#include "core/windows/dialog_buttons.h"

namespace vellumo {
namespace {

const char* const kViewCaptions[TSelectLabel::kViewCount] = {"Label Height", "Label Width", "# Across",
                                                             "# Down",       "Paper Width", "Paper Height"};

// The values of the views for `stock`, in their order.
std::array<QString, TSelectLabel::kViewCount> ViewTexts(const Stock& stock) {
  const StockGeometry& g = stock.geometry;
  auto length = [](double inches) { return QString::fromStdString(FormatStockLength(inches)); };
  return {length(g.label_height),  length(g.label_width), QString::number(g.across),
          QString::number(g.down), length(g.sheet_width), length(g.sheet_depth)};
}

}  // namespace

TSelectLabel::TSelectLabel(xbase::Table* catalogue, const PickerStart& start, QWidget* parent)
    : QDialog(parent), picker_(catalogue) {
  setWindowTitle(QStringLiteral("Select Label Template"));
  manufacturers_ = new QComboBox(this);
  product_types_ = new QComboBox(this);
  product_types_->addItems(StockProductTypeEntries());
  european_only_ = new QCheckBox(QStringLiteral("European paper sizes only (A4, A5)"), this);
  search_ = new QLineEdit(this);
  search_->setMaxLength(kStockDescriptionWidth);
  search_->setClearButtonEnabled(true);
  grid_ = new QTableWidget(0, 1, this);
  grid_->setHorizontalHeaderLabels({QStringLiteral("Description")});
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  manufacturers_->setWhatsThis(QStringLiteral("Lists the stocks of this maker made for this kind of printer."));
  product_types_->setWhatsThis(QStringLiteral("Lists the stocks of this kind of product only, or all of them."));
  european_only_->setWhatsThis(QStringLiteral("Lists only stocks on A4 or A5 paper."));
  search_->setWhatsThis(
      QStringLiteral("Lists only the stocks whose name contains this text, such as a product "
                     "number; case does not matter."));
  grid_->setWhatsThis(
      QStringLiteral("The stocks that match your choices. The one selected becomes the "
                     "design's stock when you press Ok."));

  auto* lists = new QFormLayout;
  lists->addRow(QStringLiteral("&Manufacturer"), manufacturers_);
  lists->addRow(QStringLiteral("&Product Type"), product_types_);
  lists->addRow(QString(), european_only_);
  lists->addRow(QStringLiteral("&Name contains"), search_);
  auto* views = new QFormLayout;
  for (int i = 0; i < kViewCount; ++i) {
    views_[i] = new QLineEdit(this);
    views_[i]->setReadOnly(true);
    views->addRow(QLatin1String(kViewCaptions[i]), views_[i]);
  }
  auto* body = new QHBoxLayout;
  body->addWidget(grid_, 1);
  body->addLayout(views);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addLayout(body, 1);
  ok_ = AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).ok;
  layout->addWidget(ok_->parentWidget());
  resize(640, 420);

  xbase::Status s = picker_.Load();
  for (const StockMakerEntry& entry : picker_.maker_entries()) manufacturers_->addItem(entry.text);
  if (s.ok()) s = picker_.Position(start);
  manufacturers_->setCurrentIndex(picker_.maker());
  product_types_->setCurrentIndex(picker_.product_type());
  Apply(s);

  connect(manufacturers_, &QComboBox::currentIndexChanged, this, [this](int i) { Apply(picker_.SetMaker(i)); });
  connect(product_types_, &QComboBox::currentIndexChanged, this, [this](int i) { Apply(picker_.SetProductType(i)); });
  connect(european_only_, &QCheckBox::toggled, this, [this](bool on) { Apply(picker_.SetEuropeanOnly(on)); });
  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { Apply(picker_.SetSearch(text)); });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
    picker_.SetCurrent(row);
    ShowCurrent();
  });
  connect(grid_, &QTableWidget::cellDoubleClicked, this, &TSelectLabel::accept);
}

std::optional<Stock> TSelectLabel::Pick(const PickerStart& start, QWidget* parent) {
  std::unique_ptr<xbase::Table> catalogue;
  if (!OpenStockTable(&catalogue)) return std::nullopt;
  TSelectLabel picker(catalogue.get(), start, parent);
  if (picker.exec() != QDialog::Accepted) return std::nullopt;
  return picker.chosen();
}

void TSelectLabel::accept() {
  if (picker_.current() < 0) return;
  chosen_ = picker_.stocks()[picker_.current()];
  QDialog::accept();
}

void TSelectLabel::Apply(const xbase::Status& status) {
  if (!status.ok()) ShowInformation(WithReason(QStringLiteral("Unable to read LBLTPL.DBF"), status));
  ShowStocks();
}

void TSelectLabel::ShowStocks() {
  const QSignalBlocker blocker(grid_);
  const std::vector<Stock>& stocks = picker_.stocks();
  grid_->setRowCount(static_cast<int>(stocks.size()));
  for (size_t row = 0; row < stocks.size(); ++row) {
    grid_->setItem(static_cast<int>(row), 0, new QTableWidgetItem(FromTable(stocks[row].description)));
  }
  grid_->setCurrentCell(picker_.current(), 0);
  if (picker_.current() >= 0) grid_->scrollToItem(grid_->item(picker_.current(), 0));
  grid_->setEnabled(!stocks.empty());
  ok_->setEnabled(!stocks.empty());
  ShowCurrent();
}

void TSelectLabel::ShowCurrent() {
  const int current = picker_.current();
  const std::array<QString, kViewCount> texts =
      current < 0 ? std::array<QString, kViewCount>{} : ViewTexts(picker_.stocks()[current]);
  for (int i = 0; i < kViewCount; ++i) views_[i]->setText(texts[i]);
}

}  // namespace vellumo
