// TChooseLabelLayout ("Label Layout"): whether a design's new stock comes
// from the catalogue or is entered by hand.
#pragma once

#include <QDialog>

class QRadioButton;

namespace vellumo {

enum class LabelLayoutChoice { kFromCatalogue, kUserDefined, kCancelled };

class TChooseLabelLayout : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1049;

  explicit TChooseLabelLayout(QWidget* parent = nullptr);

  // What the user chose; kCancelled until "Ok" is pressed.
  LabelLayoutChoice choice() const;

  QRadioButton* from_catalogue() const { return from_catalogue_; }
  QRadioButton* user_defined() const { return user_defined_; }

  // Shows the chooser modally and returns the choice.
  static LabelLayoutChoice Ask(QWidget* parent);

 private:
  QRadioButton* from_catalogue_;
  QRadioButton* user_defined_;
};

}  // namespace vellumo
