// The main window's keyboard: the key table it sees before its controls,
// button mnemonics that win over the menu bar's, the tab order and Enter
// from field to field.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

#include "addressbook/windows/address_main.h"
#include "addressbook/windows/field_edit.h"

namespace vellumo {

void TAddressMain::BuildTabOrder() {
  // Name panel, notebook tabs, each page top to bottom and left to right,
  // then the bottom bar and the top bar, from where Tab comes round to
  // the name panel again.
  std::vector<QWidget*> chain;
  auto fields = [this, &chain](std::initializer_list<const char*> names) {
    for (const char* name : names) chain.push_back(field_edit(QLatin1String(name)));
  };
  using M = MainCommand;
  auto buttons = [this, &chain](std::initializer_list<M> commands) {
    for (M command : commands) chain.push_back(button(command));
  };
  fields({"LNAME", "FNAME", "MIDDLE", "PREFIX", "TITLE", "ORG"});
  chain.push_back(notebook_);  // its tab bar takes the focus
  fields({"STREET", "STREET2", "CITY", "STATE", "ZIP", "COUNTRY"});
  buttons({M::kChooseDate});
  fields({"PHONE"});
  buttons({M::kDialPhone1});
  fields({"PHONE2"});
  buttons({M::kDialPhone2});
  fields({"FAX", "EMAIL", "CODES", "USER1", "USER2"});
  chain.push_back(tagged_);
  chain.push_back(memo_);
  buttons({M::kSearchMemo, M::kFindNext});
  buttons({M::kExit, M::kFirst, M::kPrevious, M::kNext, M::kLast, M::kAdd, M::kEdit, M::kDelete, M::kSave,
           M::kCancel, M::kClearFilter});
  buttons({M::kPrintLabels, M::kPrintLetters, M::kPrintEnvelopes, M::kPrintReports, M::kBrowse, M::kSearch,
           M::kSetFilter, M::kWhatsThisMode});
  for (size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void TAddressMain::FocusNextField(const FieldEdit* from) {
  size_t at = 0;
  while (at < fields_.size() && fields_[at].edit != from) ++at;
  if (at == fields_.size()) return;
  for (size_t step = 1; step < fields_.size(); ++step) {
    FieldEdit* next = fields_[(at + step) % fields_.size()].edit;
    // Fields the skip settings take out of the tab order are passed over.
    if (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled()) continue;
    if (!next->isVisibleTo(this)) notebook_->setCurrentIndex(0);
    next->setFocus(Qt::TabFocusReason);
    next->selectAll();
    return;
  }
}

QPushButton* TAddressMain::ButtonForMnemonic(const QKeyEvent* event) const {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (mods != Qt::AltModifier) return nullptr;
  const QKeySequence pressed(QKeyCombination(mods, static_cast<Qt::Key>(event->key())));
  for (const auto& [command, b] : buttons_) {
    if (b->isVisible() && b->isEnabled() && QKeySequence::mnemonic(b->text()) == pressed) return b;
  }
  return nullptr;
}

bool TAddressMain::eventFilter(QObject* watched, QEvent* event) {
  // The window sees keys before its controls, as long as no dialog is up.
  const QEvent::Type type = event->type();
  if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) && QApplication::activeModalWidget() == nullptr) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && (widget == this || isAncestorOf(widget))) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (type == QEvent::ShortcutOverride) {
        // Claiming the key keeps it from the menu bar ("&Save" against
        // "&Sort"); it comes back as a key press for the button.
        if (ButtonForMnemonic(key) != nullptr) {
          event->accept();
          return true;
        }
      } else if (HandleKey(key)) {
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TAddressMain::HandleKey(const QKeyEvent* event) {
  if (QPushButton* mnemonic = ButtonForMnemonic(event)) {
    mnemonic->click();
    return true;
  }
  const int key = event->key();
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (book_.editing()) {
    if (enter && mods == Qt::AltModifier) {
      // Commits the typing in progress first: the edits report as they change.
      const bool another = book_.SaveAndAskAddAnother();
      SetSkipFields(false);
      RefreshAll();
      if (another) AddRecord();
      return true;
    }
    if (enter && mods == Qt::ControlModifier) {
      SaveRecord();
      return true;
    }
    if (key == Qt::Key_PageDown) {
      if (book_.AskSaveChanges()) SetSkipFields(false);
      RefreshAll();
      return true;
    }
    if (key == Qt::Key_Escape) {
      if (book_.AskCancelChanges()) SetSkipFields(false);
      RefreshAll();
      return true;
    }
    return false;
  }
  if (!book_.is_open()) return false;
  if (key == Qt::Key_PageDown) {
    Navigate(mods == Qt::ControlModifier ? &AddressBook::Last : &AddressBook::Next);
    return true;
  }
  if (key == Qt::Key_PageUp) {
    Navigate(mods == Qt::ControlModifier ? &AddressBook::First : &AddressBook::Previous);
    return true;
  }
  // The Record menu's keys reach this point only when the focused edit
  // claimed them (Ctrl+Left and Ctrl+Right move by words); while browsing
  // they move through the records all the same.
  if (mods == Qt::ControlModifier) {
    switch (key) {
      case Qt::Key_Up:
        Navigate(&AddressBook::First);
        return true;
      case Qt::Key_Left:
        Navigate(&AddressBook::Previous);
        return true;
      case Qt::Key_Right:
        Navigate(&AddressBook::Next);
        return true;
      case Qt::Key_Down:
        Navigate(&AddressBook::Last);
        return true;
      default:
        break;
    }
  }
  return false;
}

}  // namespace vellumo
