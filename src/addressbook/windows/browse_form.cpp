// The browse window.
#include "addressbook/windows/browse_form.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "addressbook/address_book.h"
#include "addressbook/browse_model.h"
#include "core/messages.h"
#include "core/windows/window_placement_ops.h"
#include "core/windows/help.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

const QString kWindowClass = QStringLiteral("TAddressBrowseForm");

std::vector<BrowseColumn> ColumnsFor(AddressBook& book) {
  const xbase::Table* table = book.table();
  std::vector<BrowseColumn> columns = DefaultBrowseColumns([table](const QString& field) {
    const int index = table ? table->FieldIndex(field.toStdString()) : -1;
    return index >= 0 ? static_cast<int>(table->schema().field(static_cast<size_t>(index)).length) : 10;
  });
  ApplyColumnOrder(ReadColumnOrder(ColumnOrderFilePath()), &columns);
  return columns;
}

// Cell editors take no more characters than the field holds.
class FieldLengthDelegate : public QStyledItemDelegate {
 public:
  FieldLengthDelegate(const BrowseModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    const int length = model_.column(index.column()).field_length;
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && length > 0) line->setMaxLength(length);
    return editor;
  }

 private:
  const BrowseModel& model_;
};

}  // namespace

TAddressBrowseForm::TAddressBrowseForm(AddressBook& book, QWidget* parent)
    : QDialog(parent), book_(book), model_(std::make_unique<BrowseModel>(book, ColumnsFor(book))) {
  setWindowTitle(QStringLiteral("Address Browse"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  setSizeGripEnabled(true);
  grid_ = new QTableView(this);
  grid_->setModel(model_.get());
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                         QAbstractItemView::SelectedClicked);
  grid_->horizontalHeader()->setSectionsMovable(true);
  // Every row is one line high, so a million rows scroll without measuring.
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->setItemDelegate(new FieldLengthDelegate(*model_, grid_));
  SetColumnWidths();
  connect(grid_, &QTableView::doubleClicked, this, [this] { TagButtonClick(); });
  // Queued: an edit is posted while its cell editor commits, and the view
  // must be done with that editor before the selection moves.
  connect(model_.get(), &BrowseModel::recordRowChanged, this, [this](int row) { Move(row, false); },
          Qt::QueuedConnection);
  // Told after the paint that met the failure, not in the middle of it.
  model_->SetReadFailureHandler([this](const xbase::Status& status) {
    QTimer::singleShot(0, this, [status] {
      ShowInformation(WithReason(QStringLiteral("Unable to read the records"), status));
    });
  });

  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, QStyle::StandardPixmap> moves[] = {{"First", QStyle::SP_MediaSkipBackward},
                                                                  {"Previous", QStyle::SP_MediaSeekBackward},
                                                                  {"Next", QStyle::SP_MediaSeekForward},
                                                                  {"Last", QStyle::SP_MediaSkipForward}};
  for (const auto& [name, icon] : moves) {
    auto* button = new QPushButton(style()->standardIcon(icon), QString(), this);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(name) + QStringLiteral(" record"));
    button->setAutoDefault(false);
    buttons->addWidget(button);
    const QString move = QLatin1String(name);
    connect(button, &QPushButton::clicked, this, [this, move] {
      const int row = current_row();
      if (move == QLatin1String("First")) Move(0, false);
      if (move == QLatin1String("Previous")) Move(row - 1, true);
      if (move == QLatin1String("Next")) Move(row + 1, true);
      if (move == QLatin1String("Last")) Move(model_->rowCount() - 1, false);
    });
  }
  auto* tag = new QPushButton(QStringLiteral("&Tag"), this);
  tag->setAutoDefault(false);
  connect(tag, &QPushButton::clicked, this, &TAddressBrowseForm::TagButtonClick);
  buttons->addWidget(tag);
  buttons->addStretch();
  auto* help = new QPushButton(QStringLiteral("Help"), this);
  help->setAutoDefault(false);
  connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(kHelpContext, this); });
  buttons->addWidget(help);
  // "Ok" is both the default and the cancel button: Enter and Escape close.
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);

  resize(900, 520);
  RestoreWindowPlacement(this, kWindowClass);
  const xbase::Table* table = book_.table();
  Move(table ? model_->row_of(table->RecNo()) : -1, false);
}

TAddressBrowseForm::~TAddressBrowseForm() = default;

void TAddressBrowseForm::SetColumnWidths() {
  QHeaderView* header = grid_->horizontalHeader();
  const int char_width = grid_->fontMetrics().averageCharWidth();
  const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 8;
  for (int c = 0; c < model_->columnCount(); ++c) {
    const int caption = header->fontMetrics().horizontalAdvance(model_->column(c).label) + margins;
    caption_widths_.push_back(caption);
    grid_->setColumnWidth(c, std::max(std::max(model_->column(c).width_chars, 4) * char_width + 12, caption));
  }
  // Nor may the user make a column narrower than its caption.
  connect(header, &QHeaderView::sectionResized, this, [this, header](int logical, int, int size) {
    const int least = caption_widths_[static_cast<size_t>(logical)];
    if (size < least) header->resizeSection(logical, least);
  });
}

int TAddressBrowseForm::current_row() const { return grid_->currentIndex().isValid() ? grid_->currentIndex().row() : -1; }

void TAddressBrowseForm::Move(int row, bool beep_when_unchanged) {
  if (row < 0 || row >= model_->rowCount()) {
    if (beep_when_unchanged) QApplication::beep();
    return;
  }
  const int column = std::max(grid_->currentIndex().column(), 0);
  grid_->setCurrentIndex(model_->index(row, column));
  grid_->scrollTo(model_->index(row, column));
}

void TAddressBrowseForm::TagButtonClick() {
  const int row = current_row();
  if (row >= 0) model_->ToggleTag(row);
}

void TAddressBrowseForm::done(int result) {
  QStringList visible_order;
  const QHeaderView* header = grid_->horizontalHeader();
  for (int visual = 0; visual < header->count(); ++visual) {
    visible_order << model_->column(header->logicalIndex(visual)).field;
  }
  std::vector<BrowseColumn> columns = model_->all_columns();
  ReorderVisibleColumns(visible_order, &columns);
  WriteColumnOrder(ColumnOrderFilePath(), columns);
  SaveWindowPlacement(this, kWindowClass);
  const int row = current_row();
  if (row >= 0) book_.GoTo(model_->record_at(row));
  QDialog::done(result);
}

}  // namespace vellumo
