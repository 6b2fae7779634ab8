// TGetLabelText ("Text"): the caption of a fixed text in one edit line.
#pragma once

#include <QDialog>

#include "design/model/text_label.h"

class QLineEdit;

namespace vellumo::design {

class TGetLabelText : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3201;

  // Shows the object's caption.
  explicit TGetLabelText(const TGPLabel& label, QWidget* parent = nullptr);

  QLineEdit* text_edit() const { return text_edit_; }
  // What "Ok" does: the caption replaced, the object grown to it.
  void Apply(TGPLabel& label) const;

  // Runs the dialog over `parent` and applies it on "Ok"; true then.
  static bool Edit(TGPLabel& label, QWidget* parent);

 private:
  QLineEdit* text_edit_;
};

}  // namespace vellumo::design
