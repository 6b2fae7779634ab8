// Replacing typing, Enter to the next field, double clicks and the
// "What's This?" entry of the context menu.
#include "addressbook/windows/field_edit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QValidator>
#include <QWhatsThis>
#include <memory>

namespace vellumo {
namespace {

bool insert_mode = false;

// Accepts every text, put in upper case: the edit then shows and reports
// the upper-cased text as what was typed.
class UpperCaseValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

// A key that puts a character in the text: not a control, navigation or
// function key, and not a shortcut.
bool TypesCharacter(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0) != QChar(127);
}

}  // namespace

void AddWhatsThisEntry(QMenu* menu, QWidget* widget, const QPoint& global_pos) {
  if (widget->whatsThis().isEmpty()) return;
  if (!menu->isEmpty()) menu->addSeparator();
  // Shown once the menu has gone and the focus is back, which would
  // otherwise close the text at once.
  QObject::connect(menu->addAction(QStringLiteral("What's This?")), &QAction::triggered, widget,
                   [widget, global_pos] {
                     QTimer::singleShot(0, widget, [widget, global_pos] {
                       QWhatsThis::showText(global_pos, widget->whatsThis(), widget);
                     });
                   });
}

bool InsertModeOn() { return insert_mode; }
void ToggleInsertMode() { insert_mode = !insert_mode; }

void FieldEdit::SetUpperCaseTyping() { setValidator(new UpperCaseValidator(this)); }

void FieldEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
    ToggleInsertMode();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    Q_EMIT enterPressed();
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

void FieldEdit::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu(createStandardContextMenu());
  AddWhatsThisEntry(menu.get(), this, event->globalPos());
  menu->exec(event->globalPos());
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

void MemoEdit::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
  AddWhatsThisEntry(menu.get(), this, event->globalPos());
  menu->exec(event->globalPos());
}

}  // namespace vellumo
