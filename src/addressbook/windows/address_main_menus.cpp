// The main window's menus, their shortcuts, the recent-file items and the
// wiring of menu items and buttons to the commands.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "addressbook/sort_orders.h"
#include "addressbook/windows/address_main.h"
#include "core/recent_files.h"
#include "core/windows/help.h"

namespace vellumo {

QAction* TAddressMain::AddAction(QMenu* menu, const QString& caption, const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(caption);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  actions_.push_back(action);
  return action;
}

void TAddressMain::BuildMenus() {
  file_menu_ = menuBar()->addMenu(QStringLiteral("&File"));
  AddAction(file_menu_, QStringLiteral("&New Address Database"));
  AddAction(file_menu_, QStringLiteral("&Open Address DataBase"));
  AddAction(file_menu_, QStringLiteral("&Browse"), QKeySequence(Qt::CTRL | Qt::Key_B));
  AddAction(file_menu_, QStringLiteral("&Search"), QKeySequence(Qt::CTRL | Qt::Key_S));
  QMenu* import = file_menu_->addMenu(QStringLiteral("&Import"));
  for (const char* caption : {"Import from &DBF File", "Import from &ASCII File", "Import from Vellumo 1.x DBF",
                              "Import from Vellumo 2.x DBF"}) {
    AddAction(import, QLatin1String(caption));
  }
  AddAction(file_menu_, QStringLiteral("&Export "));
  file_menu_->addSeparator();
  AddAction(file_menu_, QStringLiteral("Set &Filter"), QKeySequence(Qt::CTRL | Qt::Key_F));
  AddAction(file_menu_, QStringLiteral("&Clear Filter"));
  AddAction(file_menu_, QStringLiteral("&Save Filter"));
  AddAction(file_menu_, QStringLiteral("&Restore Filter"));
  file_menu_->addSeparator();
  AddAction(file_menu_, QStringLiteral("Clear &Tags"));
  AddAction(file_menu_, QStringLiteral("&Tag All Filter Matches"));
  file_menu_->addSeparator();
  AddAction(file_menu_, QStringLiteral("&Rebuild Indexes for this file"));
  AddAction(file_menu_, QStringLiteral("Rebuild S&ystem File indexes"));
  AddAction(file_menu_, QStringLiteral("Pre&ferences"));
  file_menu_->addSeparator();
  AddAction(file_menu_, QStringLiteral("E&xit "));
  recent_separator_ = file_menu_->addSeparator();

  // Cut, copy and paste act on the focused edit through its own shortcuts;
  // the menu, hidden, only names them.
  edit_menu_ = new QMenu(QStringLiteral("Ed&it"), this);
  AddAction(edit_menu_, QStringLiteral("&Undo typing"), QKeySequence(Qt::CTRL | Qt::Key_Z));
  AddAction(edit_menu_, QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
  AddAction(edit_menu_, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
  AddAction(edit_menu_, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));

  record_menu_ = menuBar()->addMenu(QStringLiteral("&Record"));
  AddAction(record_menu_, QStringLiteral("&First"), QKeySequence(Qt::CTRL | Qt::Key_Up));
  AddAction(record_menu_, QStringLiteral("&Previous"), QKeySequence(Qt::CTRL | Qt::Key_Left));
  AddAction(record_menu_, QStringLiteral("&Next"), QKeySequence(Qt::CTRL | Qt::Key_Right));
  AddAction(record_menu_, QStringLiteral("&Last"), QKeySequence(Qt::CTRL | Qt::Key_Down));
  record_menu_->addSeparator();
  AddAction(record_menu_, QStringLiteral("&Add"));
  AddAction(record_menu_, QStringLiteral("&Edit"));
  AddAction(record_menu_, QStringLiteral("&Delete"));
  record_menu_->addSeparator();
  AddAction(record_menu_, QStringLiteral("Copy To &Clipboard"));
  AddAction(record_menu_, QStringLiteral("Create a Duplicate &Record (Clone)"));

  sort_menu_ = menuBar()->addMenu(QStringLiteral("&Sort"));
  auto* sort_group = new QActionGroup(this);
  for (const SortOrder& order : SortOrders()) {
    QAction* item = sort_menu_->addAction(QLatin1String(order.menu_caption));
    item->setCheckable(true);
    sort_group->addAction(item);
    sort_actions_.push_back(item);
  }

  utilities_menu_ = menuBar()->addMenu(QStringLiteral("&Utilities"));
  for (const char* caption : {"Count &Zip Codes", "Check && Repair &State and Zip Codes", "Check && Repair &Duplicates",
                              "Con&vert Case", "Delete &Records", "&Search && Replace Field Values"}) {
    AddAction(utilities_menu_, QLatin1String(caption));
  }

  print_menu_ = menuBar()->addMenu(QStringLiteral("&Print"));
  AddAction(print_menu_, QStringLiteral("Print &Labels"), QKeySequence(Qt::CTRL | Qt::Key_L));
  AddAction(print_menu_, QStringLiteral("Print Le&tters"), QKeySequence(Qt::CTRL | Qt::Key_T));
  AddAction(print_menu_, QStringLiteral("Print &Envelopes"), QKeySequence(Qt::CTRL | Qt::Key_E));
  AddAction(print_menu_, QStringLiteral("Print &Reports"), QKeySequence(Qt::CTRL | Qt::Key_R));
  AddAction(print_menu_, QStringLiteral("Print C&urrent Record"), QKeySequence(Qt::CTRL | Qt::Key_P));

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  AddAction(help, QStringLiteral("&Contents"));
  AddAction(help, QStringLiteral("&Getting Started"));
  AddAction(help, QStringLiteral("&About..."));
  AddAction(help, QStringLiteral("Search for Help On"));
  AddAction(help, QStringLiteral("How to Use Help"));
}

QAction* TAddressMain::action(const QString& caption) const {
  for (QAction* a : actions_) {
    if (a->text() == caption) return a;
  }
  for (QAction* a : sort_actions_) {
    if (a->text() == caption) return a;
  }
  return nullptr;
}

QPushButton* TAddressMain::button(const QString& caption) const {
  for (QPushButton* b : buttons_) {
    if (b->objectName() == caption) return b;
  }
  return nullptr;
}

void TAddressMain::ConnectCommands() {
  auto on = [this](const QString& caption, auto handler) {
    if (QAction* a = action(caption)) connect(a, &QAction::triggered, this, handler);
    if (QPushButton* b = button(caption)) connect(b, &QPushButton::clicked, this, handler);
  };
  on(QStringLiteral("&New Address Database"), &TAddressMain::NewDatabase);
  on(QStringLiteral("&Open Address DataBase"), &TAddressMain::OpenDatabase);
  on(QStringLiteral("&Search"), &TAddressMain::SearchRecords);
  on(QStringLiteral("Search"), &TAddressMain::SearchRecords);
  on(QStringLiteral("&Clear Filter"), &TAddressMain::ClearFilter);
  on(QStringLiteral("Clear Filter"), &TAddressMain::ClearFilter);
  on(QStringLiteral("Browse"), &TAddressMain::BrowseCommand);
  on(QStringLiteral("&Browse"), &TAddressMain::BrowseCommand);
  on(QStringLiteral("Filter"), &TAddressMain::SetFilterCommand);
  on(QStringLiteral("Set &Filter"), &TAddressMain::SetFilterCommand);
  on(QStringLiteral("&Save Filter"), &TAddressMain::SaveFilterCommand);
  on(QStringLiteral("&Restore Filter"), &TAddressMain::RestoreFilterCommand);
  on(QStringLiteral("Pre&ferences"), &TAddressMain::PreferencesCommand);
  on(QStringLiteral("Clear &Tags"), &TAddressMain::ClearTags);
  on(QStringLiteral("Print C&urrent Record"), &TAddressMain::PrintCurrentRecordCommand);
  on(QStringLiteral("&Tag All Filter Matches"), &TAddressMain::TagAll);
  on(QStringLiteral("&Rebuild Indexes for this file"), &TAddressMain::RebuildIndexes);
  on(QStringLiteral("Rebuild S&ystem File indexes"), &TAddressMain::RebuildSystemIndexes);
  on(QStringLiteral("E&xit "), &QWidget::close);
  on(QStringLiteral("E&xit"), &QWidget::close);
  on(QStringLiteral("&First"), [this] { Navigate(&AddressBook::First); });
  on(QStringLiteral("First"), [this] { Navigate(&AddressBook::First); });
  on(QStringLiteral("&Previous"), [this] { Navigate(&AddressBook::Previous); });
  on(QStringLiteral("Previous"), [this] { Navigate(&AddressBook::Previous); });
  on(QStringLiteral("&Next"), [this] { Navigate(&AddressBook::Next); });
  on(QStringLiteral("Next"), [this] { Navigate(&AddressBook::Next); });
  on(QStringLiteral("&Last"), [this] { Navigate(&AddressBook::Last); });
  on(QStringLiteral("Last"), [this] { Navigate(&AddressBook::Last); });
  on(QStringLiteral("&Add"), &TAddressMain::AddRecord);
  on(QStringLiteral("&Edit"), &TAddressMain::EditRecord);
  on(QStringLiteral("&Delete"), &TAddressMain::DeleteRecord);
  on(QStringLiteral("&Save"), &TAddressMain::SaveRecord);
  on(QStringLiteral("&Cancel"), &TAddressMain::CancelRecord);
  on(QStringLiteral("Copy To &Clipboard"), &TAddressMain::CopyToClipboard);
  on(QStringLiteral("Create a Duplicate &Record (Clone)"), &TAddressMain::CloneRecord);
  on(QStringLiteral("&Contents"), [this] { ShowHelpTopic(kHelpContext, this); });
  on(QStringLiteral("&Getting Started"), &TAddressMain::ShowGettingStarted);
  on(QStringLiteral("&About..."), &TAddressMain::ShowAbout);
  for (QAction* item : sort_actions_) {
    connect(item, &QAction::triggered, this, [this, item] { SetOrderFromMenu(item); });
  }
}

void TAddressMain::UpdateMenuMRUList() {
  for (QAction* item : recent_actions_) delete item;
  recent_actions_.clear();
  for (const QString& path : ReadRecentFiles()) {
    QAction* item = file_menu_->addAction(path);
    connect(item, &QAction::triggered, this, [this, path] { OpenRecent(path); });
    recent_actions_.push_back(item);
  }
  recent_separator_->setVisible(!recent_actions_.empty());
}

void TAddressMain::CheckSortItem() {
  const int checked = book_.checked_sort_item();
  for (size_t i = 0; i < sort_actions_.size(); ++i) sort_actions_[i]->setChecked(static_cast<int>(i) == checked);
}

}  // namespace vellumo
