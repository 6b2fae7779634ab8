// Running an object's dialog: shown modally over a parent window, and
// applied to the object only when it closes with "Ok".
#pragma once

#include <QDialog>

namespace vellumo::design {

// REQUIRES: Dialog is constructed from (object, parent) and has Apply(object).
template <typename Dialog, typename Object>
bool RunDialog(Object& object, QWidget* parent) {
  Dialog dialog(object, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.Apply(object);
  return true;
}

}  // namespace vellumo::design
