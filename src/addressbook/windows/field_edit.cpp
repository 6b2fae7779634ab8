// Replacing typing, Enter to the next field and double clicks.
#include "addressbook/windows/field_edit.h"

#include <QKeyEvent>

namespace vellumo {
namespace {

bool insert_mode = false;

// A key that puts a character in the text: not a control, navigation or
// function key, and not a shortcut.
bool TypesCharacter(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0) != QChar(127);
}

}  // namespace

bool InsertModeOn() { return insert_mode; }
void ToggleInsertMode() { insert_mode = !insert_mode; }

void FieldEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
    ToggleInsertMode();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    focusNextChild();
    return;
  }
  if (!insert_mode && TypesCharacter(event) && !hasSelectedText() && cursorPosition() < text().size()) {
    setSelection(cursorPosition(), 1);
  }
  QLineEdit::keyPressEvent(event);
}

void FieldEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  Q_EMIT doubleClicked();
}

MemoEdit::MemoEdit(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

void MemoEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
    ToggleInsertMode();
    return;
  }
  setOverwriteMode(!insert_mode);
  QPlainTextEdit::keyPressEvent(event);
}

void MemoEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);
  Q_EMIT doubleClicked();
}

}  // namespace vellumo
