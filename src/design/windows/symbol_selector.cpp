// The character chooser of a symbol.
#include "design/windows/symbol_selector.h"

#include <algorithm>

#include <QFontDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"
#include "design/pictures/symbol_font.h"
#include "design/windows/page_changes.h"
#include "design/windows/run_dialog.h"
#include "design/windows/screen_font.h"
#include "design/windows/symbol_choice.h"

namespace vellumo::design {

TGetSymbol::TGetSymbol(const TGSymbolLabel& symbol, QWidget* parent) : QDialog(parent), font_(symbol.Font) {
  setWindowTitle(QStringLiteral("Symbol Selector"));
  const int columns = SymbolColumns(kListPoints);
  list_ = new QTableWidget((kSymbolCount + columns - 1) / columns, columns, this);
  list_->horizontalHeader()->hide();
  list_->verticalHeader()->hide();
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int row = 0; row < list_->rowCount(); ++row) {
    for (int column = 0; column < columns; ++column) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      // The cells after the last character hold none and cannot be chosen.
      if (row * columns + column >= kSymbolCount) item->setFlags(Qt::NoItemFlags);
      list_->setItem(row, column, item);
    }
  }
  font_button_ = new QPushButton(this);
  font_button_->setAutoDefault(false);
  connect(font_button_, &QPushButton::clicked, this, &TGetSymbol::ChooseFont);
  ShowFont();
  SetPosition(SymbolPosition(symbol.Code()));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(font_button_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

int TGetSymbol::Position() const {
  const int row = list_->currentRow();
  const int column = list_->currentColumn();
  if (row < 0 || column < 0) return -1;
  const int position = row * list_->columnCount() + column;
  return position < kSymbolCount ? position : -1;
}

void TGetSymbol::SetPosition(int position) {
  if (position < 0 || position >= kSymbolCount) {
    list_->setCurrentCell(-1, -1);
    return;
  }
  const int columns = list_->columnCount();
  list_->setCurrentCell(position / columns, position % columns);
  list_->scrollToItem(list_->currentItem());
}

void TGetSymbol::ChooseFont() {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, ScreenFont(font_), this);
  if (chosen) TakeFont(font);
}

void TGetSymbol::TakeFont(const QFont& font) {
  font_ = StoredFontOf(font, font_);
  ShowFont();
}

void TGetSymbol::ShowFont() {
  // An ampersand in a font name is shown, not taken as a shortcut.
  font_button_->setText(SymbolFontCaption(font_).replace(QLatin1Char('&'), QStringLiteral("&&")));
  const QString name = QString::fromStdString(font_.name);
  QFont shown = ScreenFont(font_);
  shown.setPointSize(kListPoints);
  const int columns = list_->columnCount();
  for (int position = 0; position < kSymbolCount; ++position) {
    // Symbol font codes draw as the pictures they stand for.
    const SymbolGlyph glyph = SymbolFont::resolve(name, SymbolCodeAt(position));
    shown.setFamily(glyph.family);
    QTableWidgetItem* item = list_->item(position / columns, position % columns);
    item->setText(glyph.text);
    item->setFont(shown);
  }
  list_->resizeColumnsToContents();
  list_->resizeRowsToContents();
  FitListToRows();
}

void TGetSymbol::FitListToRows() {
  // Whole rows show without scrolling sideways, and several of them at once.
  constexpr int kRowsShown = 8;
  int width = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < list_->columnCount(); ++column) width += list_->columnWidth(column);
  int height = 2 * list_->frameWidth();
  for (int row = 0; row < std::min(kRowsShown, list_->rowCount()); ++row) height += list_->rowHeight(row);
  list_->setMinimumSize(width, height);
}

void TGetSymbol::Apply(TGSymbolLabel& symbol) const {
  const int position = Position();
  if (position >= 0) {
    symbol.SetSymbol(font_, SymbolCodeAt(position));
    return;
  }
  symbol.Font = font_;
  TellPage(symbol);
}

bool TGetSymbol::Edit(TGSymbolLabel& symbol, QWidget* parent) { return RunDialog<TGetSymbol>(symbol, parent); }

}  // namespace vellumo::design
