// TMultiLineTextEditor ("Multi-line Text Editor"): the lines of a
// multi-line text in one edit box, in the object's font. Typing stops at
// 254 characters; a longer text read from a design file is shown whole
// and kept, it only cannot grow.
#pragma once

#include <QDialog>

#include "design/model/multi_line_label.h"

class QPlainTextEdit;

namespace vellumo::design {

class TMultiLineTextEditor : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3203;

  explicit TMultiLineTextEditor(const TGMultiLineBaseLabel& label, QWidget* parent = nullptr);

  QPlainTextEdit* text_edit() const { return text_edit_; }
  // What "Ok" does: the object's lines replaced by the edit's.
  void Apply(TGMultiLineBaseLabel& label) const;

  static bool Edit(TGMultiLineBaseLabel& label, QWidget* parent);

 private:
  // Takes back what was typed or pasted beyond the limit.
  void KeepWithinLimit(int position, int added);

  QPlainTextEdit* text_edit_;
  int limit_;
};

}  // namespace vellumo::design
