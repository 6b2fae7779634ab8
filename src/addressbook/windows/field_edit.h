// The edits of the record form: typing replaces the character at the caret
// unless the keyboard's Insert toggle is on, Enter moves to the next field,
// and a double click asks to start editing.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

namespace vellumo {

// The Insert toggle, shared by every edit of the application: pressing
// Insert in any of them switches between replacing and inserting.
bool InsertModeOn();
void ToggleInsertMode();

class FieldEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit FieldEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

 Q_SIGNALS:
  void doubleClicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The memo: replaces as the field edits do; Enter starts a new line.
class MemoEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MemoEdit(QWidget* parent = nullptr);

 Q_SIGNALS:
  void doubleClicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace vellumo
