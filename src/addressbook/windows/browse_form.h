// TAddressBrowseForm ("Address Browse"): the main table as a grid in the
// current order and filter, with in-place editing, movable columns whose
// order is kept between runs, and tagging by "&Tag" or a double click.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class QTableView;

namespace vellumo {

class AddressBook;
class BrowseModel;

class TAddressBrowseForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1034;

  // The columns come in the order of the column-order file.
  TAddressBrowseForm(AddressBook& book, QWidget* parent = nullptr);
  ~TAddressBrowseForm() override;

  QTableView* grid() const { return grid_; }
  BrowseModel* model() const { return model_.get(); }

  // "&Tag": toggles the tag of the selected record.
  void TagButtonClick();

 protected:
  // Closing writes the column order, keeps the placement and makes the
  // selected record the main window's current one.
  void done(int result) override;

 private:
  // Columns as wide as their display widths, and never narrower than
  // their captions.
  void SetColumnWidths();
  void Move(int row, bool beep_when_unchanged);
  int current_row() const;

  AddressBook& book_;
  std::unique_ptr<BrowseModel> model_;
  QTableView* grid_;
  std::vector<int> caption_widths_;  // by model column
};

}  // namespace vellumo
