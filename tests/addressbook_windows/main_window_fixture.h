// The main window started offscreen over a fresh application home, and a
// way to answer the modal dialogs it opens.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "addressbook/windows/address_main.h"
#include "addressbook/windows/field_edit.h"
#include "core/preferences.h"
#include "test_home.h"

namespace vellumo {

class MainWindowTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    WriteGettingStartedSuppressed(true);
  }

  // Creates and shows the window; start-up runs on its first activation.
  void StartWindow() {
    window_ = std::make_unique<TAddressMain>();
    window_->show();
    while (!window_->started()) QApplication::processEvents();
  }

  // Starts the window and waits until it is the active one, as shortcuts
  // and keyboard focus need.
  void StartActiveWindow() {
    StartWindow();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  // The focused control: its object name (field name, button caption),
  // "tabs" for the notebook's tab bar.
  QString FocusName() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return QStringLiteral("(none)");
    if (focus == window_->notebook()->tabBar()) return QStringLiteral("tabs");
    return focus->objectName();
  }

  // A key pressed where the focus is.
  static void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, mods);
  }

  // Runs `act` on the next modal dialog of type T once it is up (for
  // commands that open one and wait for it to close).
  template <typename T>
  static void WhenDialogOpens(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
      if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
        timer->stop();
        timer->deleteLater();
        act(dialog);
      }
    });
    timer->start();
  }

  // Adds and saves a record through the book the window shows.
  void AddRecord(std::initializer_list<std::pair<const char*, const char*>> fields) {
    AddressBook& book = window_->book();
    ASSERT_EQ(book.Add({}), AddressBook::AddResult::kAdding);
    for (const auto& [field, value] : fields) ASSERT_TRUE(book.SetField(QLatin1String(field), QLatin1String(value)));
    ASSERT_TRUE(book.Save());
    window_->RefreshAll();
  }

  uint32_t RecordCount() { return window_->book().VisibleRecordCount(); }
  QString Shown(const char* field) { return window_->field_edit(QLatin1String(field))->text(); }

  std::unique_ptr<TAddressMain> window_;
};

}  // namespace vellumo
