// TSelectSpecificLabels ("Labels Print"): before a run, which positions of
// the sheet are printed, how many labels each record gets, and on which
// printer.
#pragma once

#include <QDialog>
#include <optional>

#include "labels/setup/sheet_position_mask.h"
#include "labels/stock/stock_geometry.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vellumo {

class SheetMiniature;

// What the window hands back on "Ok".
struct SheetPositionChoice {
  SheetPositionMask mask;
  int copies = 1;  // 1..99
  int printer_index = -1;
};

class TSelectSpecificLabels : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1019;
  static constexpr int kMaxCopies = 99;

  // Starts with `mask`. With `presort` every record gets one label and
  // the number is not asked. REQUIRES: CheckSheetPositions(geometry).
  TSelectSpecificLabels(const StockGeometry& geometry, const SheetPositionMask& mask, bool presort,
                        QWidget* parent = nullptr);

  // Shows the window modally; nothing on "Cancel".
  static std::optional<SheetPositionChoice> Choose(const StockGeometry& geometry, const SheetPositionMask& mask,
                                                   bool presort, QWidget* parent);

  // Valid after "Ok".
  [[nodiscard]] const SheetPositionChoice& choice() const { return choice_; }

  SheetMiniature* miniature() const { return miniature_; }
  QPushButton* all_button() const { return all_; }
  QPushButton* none_button() const { return none_; }
  QSpinBox* copies() const { return copies_; }
  QLabel* copies_caption() const { return copies_caption_; }
  QComboBox* printers() const { return printers_; }
  QPushButton* ok_button() const { return ok_; }

  // Refuses a sheet without a chosen position ("You must select at least
  // one card to print") and stays open.
  void accept() override;

 private:
  int cell_count_;
  bool presort_;
  SheetPositionChoice choice_;
  SheetMiniature* miniature_;
  QPushButton* all_;
  QPushButton* none_;
  QSpinBox* copies_;
  QLabel* copies_caption_;
  QComboBox* printers_;
  QPushButton* ok_;
};

}  // namespace vellumo
