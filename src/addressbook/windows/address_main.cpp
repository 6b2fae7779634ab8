// The main window's life: construction, start-up on the first activation,
// placement and closing.
#include "addressbook/windows/address_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "addressbook/windows/getting_started.h"
#include "core/preferences.h"
#include "core/windows/rebuild_dialogs.h"
#include "core/windows/window_placement_ops.h"
#include "printing/windows/shared_printer.h"

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

bool TAddressMain::BeepWhileEditing() {
  if (!book_.editing()) return false;
  QApplication::beep();
  return true;
}

}  // namespace vellumo
