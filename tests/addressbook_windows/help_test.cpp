// Help from the keyboard and the mouse: F1 opens the page of the window or
// dialog, and fields and buttons explain themselves in "What's This?"; the
// search dialog has a single caption over its edit.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QWhatsThis>

#include "addressbook/windows/search_box.h"
#include "main_window_fixture.h"

namespace vellumo {
namespace {

class HelpTest : public MainWindowTest {
 protected:
  // The "What's This?" text is up.
  static bool WhatsThisShown() {
    for (const QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && QLatin1String(w->metaObject()->className()) == QLatin1String("QWhatsThat")) return true;
    }
    return false;
  }

  // Presses F1 where the focus is and returns what the help said, which is
  // that no page is installed in the test's home.
  static QString HelpSaidOnF1() {
    QString said;
    WhenDialogOpens<QMessageBox>([&said](QMessageBox* box) {
      said = box->text();
      box->accept();
    });
    Press(Qt::Key_F1);
    return said;
  }

  // Opens `widget`'s context menu and picks `entry` from it.
  static void ChooseFromContextMenu(QWidget* widget, const QString& entry) {
    QTimer::singleShot(0, [entry] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      menu->close();  // as a click on an entry does before the entry acts
      for (QAction* action : menu->actions()) {
        if (action->text() == entry) action->trigger();
      }
    });
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    QApplication::processEvents();  // the text comes up once the menu is gone
  }
};

TEST_F(HelpTest, F1OpensTheHelpOfTheWindowOrOfTheDialogInFront) {
  StartActiveWindow();
  window_->field_edit(QStringLiteral("CITY"))->setFocus();
  EXPECT_TRUE(HelpSaidOnF1().contains(QStringLiteral("1029")));

  TSearchBox search(0, window_.get());
  search.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&search));
  EXPECT_TRUE(HelpSaidOnF1().contains(QStringLiteral("1026")));
}

TEST_F(HelpTest, FieldsAndButtonsExplainThemselves) {
  StartActiveWindow();
  AddRecord({{"LNAME", "Smith"}});
  for (const FieldEdit* edit : window_->findChildren<FieldEdit*>()) {
    EXPECT_FALSE(edit->whatsThis().isEmpty()) << edit->objectName().toStdString();
  }
  for (const QPushButton* b : window_->findChildren<QPushButton*>()) {
    EXPECT_FALSE(b->whatsThis().isEmpty()) << b->objectName().toStdString();
  }
  EXPECT_FALSE(window_->memo_edit()->whatsThis().isEmpty());
  EXPECT_FALSE(window_->tagged_box()->whatsThis().isEmpty());

  window_->field_edit(QStringLiteral("ZIP"))->setFocus();
  Press(Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_TRUE(WhatsThisShown());
  QWhatsThis::hideText();
  EXPECT_FALSE(window_->book().editing());  // asking is not typing

  ChooseFromContextMenu(window_->field_edit(QStringLiteral("CITY")), QStringLiteral("What's This?"));
  EXPECT_TRUE(WhatsThisShown());
  QWhatsThis::hideText();

  ChooseFromContextMenu(window_->button(QStringLiteral("&Add")), QStringLiteral("What's This?"));
  EXPECT_TRUE(WhatsThisShown());
  QWhatsThis::hideText();
}

TEST_F(HelpTest, SearchDialogHasOneCaptionNamingTheOrder) {
  TSearchBox search(7, nullptr);
  QStringList captions;
  for (const QLabel* label : search.findChildren<QLabel*>()) captions << label->text();
  EXPECT_EQ(captions, QStringList({"&Search Zip starting with...", "Search &Order"}));
  EXPECT_EQ(search.prompt()->buddy(), search.text_edit());
  search.order_list()->setCurrentIndex(0);
  EXPECT_EQ(search.prompt()->text(), QStringLiteral("&Search Last Name starting with..."));
}

}  // namespace
}  // namespace vellumo
