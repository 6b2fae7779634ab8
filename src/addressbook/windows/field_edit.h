// The edits of the record form: typing replaces the character at the caret
// unless the keyboard's Insert toggle is on, Enter asks to move to the next
// field, a double click asks to start editing, and the context menu offers
// the edit's "What's This?" text.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

class QMenu;

namespace vellumo {

// The Insert toggle, shared by every edit of the application: pressing
// Insert in any of them switches between replacing and inserting.
bool InsertModeOn();
void ToggleInsertMode();

// Adds a "What's This?" entry showing `widget`'s text at `global_pos` to
// `menu`; adds nothing when the widget has no such text.
void AddWhatsThisEntry(QMenu* menu, QWidget* widget, const QPoint& global_pos);

class FieldEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit FieldEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

  // What is typed or pasted appears in upper case (the middle initial).
  void SetUpperCaseTyping();

 Q_SIGNALS:
  void doubleClicked();
  // Enter without modifiers: the form moves the focus to its next field.
  void enterPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
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
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace vellumo
