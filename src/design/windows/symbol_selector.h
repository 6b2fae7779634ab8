// TGetSymbol ("Symbol Selector"): the characters 32 to 255 of a symbol's
// font, several to a row, with the symbol's own character chosen, and a
// "&Font" button that changes the font of the symbol and of the list.
#pragma once

#include <QDialog>

#include "design/model/symbol_label.h"

class QPushButton;
class QTableWidget;

namespace vellumo::design {

class TGetSymbol : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3503;
  // The list shows its characters at this size whatever the symbol's.
  static constexpr int kListPoints = 20;

  // Shows the object's font with its character chosen.
  explicit TGetSymbol(const TGSymbolLabel& symbol, QWidget* parent = nullptr);

  QTableWidget* list() const { return list_; }
  QPushButton* font_button() const { return font_button_; }

  [[nodiscard]] const StoredFont& ChosenFont() const { return font_; }
  // The chosen list position; -1 when none is.
  [[nodiscard]] int Position() const;
  void SetPosition(int position);
  // As choosing `font` in the font dialog: the symbol's font and the list's.
  void TakeFont(const QFont& font);

  // What "Ok" does: the object takes the font and the chosen character
  // (with none chosen it keeps its own) and resizes to it.
  void Apply(TGSymbolLabel& symbol) const;

  static bool Edit(TGSymbolLabel& symbol, QWidget* parent);

 private:
  void ChooseFont();
  void ShowFont();
  void FitListToRows();

  StoredFont font_;
  QTableWidget* list_;
  QPushButton* font_button_;
};

}  // namespace vellumo::design
