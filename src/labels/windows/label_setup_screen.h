// TLabelSetupScreen ("Print Labels"): the named label set-ups of
// LABEL.DBF with their stocks, kept through Modify, New, Delete and Clone;
// which address records to print, the printer, and Print and Preview.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "labels/setup/label_setup.h"
#include "labels/setup/sheet_position_mask.h"
#include "labels/windows/label_setup_actions.h"
#include "labels/windows/label_setup_rules.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vellumo {

class TLabelSetupScreen : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1075;

  // `setups` is the open LABEL.DBF, `addresses` the main window's address
  // table (its current record is the one "Only current record" and
  // "Start from current record" mean); both must outlive the window.
  // `filter_set`: the main window has a filter in force. The table of
  // set-ups is put in description order, deleted rows hidden. Any
  // presort list left from before is removed.
  TLabelSetupScreen(xbase::Table* setups, xbase::Table* addresses, bool filter_set, QWidget* parent = nullptr,
                    LabelSetupActions actions = StandardLabelSetupActions());

  // ---- The user's commands.
  void NewSetup();
  void ModifySetup();
  void DeleteSetup();
  void CloneSetup();
  // Print or Preview: the whole run from the sheet-position window on.
  void PrintLabels(bool preview);

  [[nodiscard]] const WhatToPrint& what_to_print() const { return what_; }
  [[nodiscard]] const SheetPositionMask& mask() const { return mask_; }

  QTableWidget* grid() const { return grid_; }
  QLineEdit* readout(int i) const { return readouts_[i]; }
  QPushButton* modify_button() const { return modify_; }
  QPushButton* new_button() const { return new_; }
  QPushButton* delete_button() const { return delete_; }
  QPushButton* clone_button() const { return clone_; }
  QGroupBox* what_to_print_panel() const { return what_panel_; }
  QGroupBox* printer_panel() const { return printer_panel_; }
  QRadioButton* all_records() const { return all_records_; }
  QRadioButton* matching_filter() const { return matching_filter_; }
  QRadioButton* current_only() const { return current_only_; }
  QCheckBox* start_from_current() const { return start_from_current_; }
  QCheckBox* presort() const { return presort_; }
  QComboBox* printers() const { return printers_; }
  QPushButton* calibrate_button() const { return calibrate_; }
  QPushButton* ok_button() const { return ok_; }
  QPushButton* print_button() const { return print_; }
  QPushButton* preview_button() const { return preview_; }
  QPushButton* help_button() const { return help_; }

 private:
  void BuildSetupPanel(QBoxLayout* layout);
  void BuildWhatToPrint(QBoxLayout* layout);
  void BuildPrinterPanel(QBoxLayout* layout);
  void BuildButtons(QBoxLayout* layout);

  // Lists the set-ups again and makes row `recno` current (the first row
  // when it is not listed).
  void ShowSetups(uint32_t recno);
  // The set-up listed in `row`; 0 for none.
  [[nodiscard]] uint32_t RecnoOfRow(int row) const;
  // The grid's row chosen: its set-up becomes the table's current row.
  void SetupChosen(int row);
  void ShowCurrentSetup();
  void SetButtons();
  // Shows the panel's state; the choices made in it go to `what_`.
  void ShowWhatToPrint();
  void ChoiceClicked(LabelRecordChoice choice);
  // Reads the current set-up; false (the user told) when it cannot be.
  bool ReadCurrent(LabelSetup* setup);
  void EditSetup(bool is_new);
  // From the record choice on, with the design loaded.
  void RunChosenRecords(design::TGLabelPanel& design, const LabelSetup& setup, const SheetPositionChoice& positions,
                        bool preview);
  // The presort list in force as lines, with the answer on the records it
  // leaves out; false when nothing is to be printed.
  bool PresortLines(LabelJobRequest* request);

  xbase::Table& setups_;
  xbase::Table& addresses_;
  LabelSetupActions actions_;
  std::string sysdata_;
  uint32_t current_record_;
  WhatToPrint what_;
  SheetPositionMask mask_;

  QTableWidget* grid_ = nullptr;
  std::array<QLineEdit*, kStockReadoutCount> readouts_{};
  QPushButton* modify_ = nullptr;
  QPushButton* new_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* clone_ = nullptr;
  QGroupBox* what_panel_ = nullptr;
  QGroupBox* printer_panel_ = nullptr;
  QRadioButton* all_records_ = nullptr;
  QRadioButton* matching_filter_ = nullptr;
  QRadioButton* current_only_ = nullptr;
  QCheckBox* start_from_current_ = nullptr;
  QCheckBox* presort_ = nullptr;
  QComboBox* printers_ = nullptr;
  QPushButton* calibrate_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* preview_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace vellumo
