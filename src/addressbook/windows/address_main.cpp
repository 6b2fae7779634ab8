// The main window's life: construction, start-up on the first activation,
// placement, closing, and the keyboard table.
#include "addressbook/windows/address_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "addressbook/windows/getting_started.h"
#include "core/preferences.h"
#include "core/windows/rebuild_dialogs.h"
#include "core/windows/window_placement_ops.h"
#include "printing/shared_printer.h"

namespace vellumo {
namespace {

const QString kWindowClass = QStringLiteral("TAddressMain");

}  // namespace

TAddressMain::TAddressMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Vellumo"));
  QFont arial = font();
  arial.setFamily(QStringLiteral("Arial"));
  setFont(arial);
  BuildMenus();
  BuildForm();
  ConnectCommands();
  book_.SetRebuilder([this](xbase::Table& table) {
    TVelReindex rebuild(table, this);
    rebuild.exec();
    return rebuild.succeeded();
  });
  book_.SetBeeper([] { QApplication::beep(); });
  notebook_->setCurrentIndex(0);
  resize(760, 560);
  SetButtons();
  qApp->installEventFilter(this);
}

TAddressMain::~TAddressMain() { qApp->removeEventFilter(this); }

void TAddressMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (started_ || activation_pending_) return;
  activation_pending_ = true;
  // Start-up runs once the window is on screen, so that its messages have
  // a window to stand over.
  QTimer::singleShot(0, this, &TAddressMain::FormActivate);
}

void TAddressMain::FormActivate() {
  RestoreWindowPlacement(this, kWindowClass);
  book_.Start();
  ApplyFieldWidths();
  RefreshAll();
  // Tells the user now, at start, when nothing can be printed.
  CheckPrintersPresent();
  started_ = true;
  if (!ReadGettingStartedSuppressed()) QTimer::singleShot(0, this, &TAddressMain::ShowGettingStarted);
}

void TAddressMain::closeEvent(QCloseEvent* event) {
  book_.Close();
  SaveWindowPlacement(this, kWindowClass);
  QMainWindow::closeEvent(event);
}

void TAddressMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!started_ || isMaximized() || isMinimized()) return;
  // A window grown past the right or bottom edge of the screen moves to
  // that side's start.
  const QRect screen = this->screen()->availableGeometry();
  const QRect frame = frameGeometry();
  QPoint to = frame.topLeft();
  if (frame.right() > screen.right() && frame.left() != 0) to.setX(0);
  if (frame.bottom() > screen.bottom() && frame.top() != 0) to.setY(0);
  if (to != frame.topLeft()) move(to);
}

void TAddressMain::RefreshAll() {
  ShowRecord();
  SetButtons();
  CheckSortItem();
  UpdateMenuMRUList();
}

void TAddressMain::ShowGettingStarted() {
  TGettingStarted screen(this);
  screen.exec();
}

bool TAddressMain::eventFilter(QObject* watched, QEvent* event) {
  // The window sees keys before its controls, as long as no dialog is up.
  if (event->type() == QEvent::KeyPress && QApplication::activeModalWidget() == nullptr) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && (widget == this || isAncestorOf(widget)) && HandleKey(static_cast<QKeyEvent*>(event))) {
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TAddressMain::BeepWhileEditing() {
  if (!book_.editing()) return false;
  QApplication::beep();
  return true;
}

bool TAddressMain::HandleKey(const QKeyEvent* event) {
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
  return false;
}

}  // namespace vellumo
