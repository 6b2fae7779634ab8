// TAddressLayout ("Address Label Layout"): which lines the address block
// holds, where the ZIP or postal code goes (only while it is used),
// capitals, and whether the block shrinks its font to fit.
#pragma once

#include <QDialog>
#include <vector>

#include "design/text/address_block.h"

class QCheckBox;
class QRadioButton;

namespace vellumo::design {

class TGDMultiLineAddressLabel;

class TAddressLayout : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3302;

  // Shows the block's flags, ZIP place and shrinking.
  explicit TAddressLayout(const AddressBlockOptions& options, bool shrink_to_fit = false, QWidget* parent = nullptr);

  // The check box or radio button with this caption ("&Zip/Postal code",
  // "B&efore country"), null when there is none.
  QCheckBox* check_box(const QString& caption) const;
  QRadioButton* radio_button(const QString& caption) const;

  [[nodiscard]] AddressBlockOptions Choice() const;
  [[nodiscard]] bool ShrinkChoice() const;
  // What "Ok" does: the block takes the flags, the ZIP place and shrinking.
  void Apply(TGDMultiLineAddressLabel& address) const;

  // The page is told on "Ok" and refreshes its data in any case.
  static bool Edit(TGDMultiLineAddressLabel& address, QWidget* parent);

 private:
  void EnableZipPlaces();

  std::vector<std::pair<QCheckBox*, bool AddressBlockOptions::*>> checks_;
  std::vector<QRadioButton*> zip_places_;  // in TZipFormatOptions order
  QCheckBox* use_zip_ = nullptr;
  QCheckBox* shrink_ = nullptr;
};

}  // namespace vellumo::design
