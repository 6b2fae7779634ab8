// The main window's menus, their shortcuts, the recent-file items and the
// wiring of menu items and buttons to the commands.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWhatsThis>

#include "addressbook/sort_orders.h"
#include "addressbook/windows/address_main.h"
#include "core/recent_files.h"
#include "core/windows/help.h"

namespace vellumo {

void TAddressMain::BuildMenus() {
  file_menu_ = menuBar()->addMenu(QStringLiteral("&File"));
  // Cut, copy and paste act on the focused edit through its own shortcuts;
  // the menu, hidden, only names them.
  edit_menu_ = new QMenu(QStringLiteral("Ed&it"), this);
  record_menu_ = menuBar()->addMenu(QStringLiteral("&Record"));
  sort_menu_ = menuBar()->addMenu(QStringLiteral("&Sort"));
  utilities_menu_ = menuBar()->addMenu(QStringLiteral("&Utilities"));
  print_menu_ = menuBar()->addMenu(QStringLiteral("&Print"));
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  QMenu* import = nullptr;  // made where its first item goes
  const std::map<CommandMenu, QMenu*> menus = {
      {CommandMenu::kFile, file_menu_},         {CommandMenu::kEdit, edit_menu_},
      {CommandMenu::kRecord, record_menu_},     {CommandMenu::kUtilities, utilities_menu_},
      {CommandMenu::kPrint, print_menu_},       {CommandMenu::kHelp, help}};

  for (const MainCommandSpec& command : MainCommands()) {
    if (command.menu == CommandMenu::kNone) continue;
    QMenu* menu = nullptr;
    if (command.menu == CommandMenu::kImport) {
      if (import == nullptr) import = file_menu_->addMenu(QStringLiteral("&Import"));
      menu = import;
    } else {
      menu = menus.at(command.menu);
    }
    QAction* item = menu->addAction(QLatin1String(command.menu_caption));
    item->setObjectName(QLatin1String(command.menu_caption));
    if (command.shortcut.key() != Qt::Key_unknown) item->setShortcut(QKeySequence(command.shortcut));
    actions_[command.id] = item;
    if (MenuSeparatorAfter(command.id)) menu->addSeparator();
  }
  recent_separator_ = file_menu_->addSeparator();

  auto* sort_group = new QActionGroup(this);
  for (const SortOrder& order : SortOrders()) {
    QAction* item = sort_menu_->addAction(QLatin1String(order.menu_caption));
    item->setCheckable(true);
    sort_group->addAction(item);
    sort_actions_.push_back(item);
  }
}

QAction* TAddressMain::action(MainCommand command) const {
  const auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

QPushButton* TAddressMain::button(MainCommand command) const {
  const auto found = buttons_.find(command);
  return found == buttons_.end() ? nullptr : found->second;
}

QAction* TAddressMain::action(const QString& caption) const {
  for (const auto& [command, item] : actions_) {
    if (item->text() == caption) return item;
  }
  for (QAction* item : sort_actions_) {
    if (item->text() == caption) return item;
  }
  return nullptr;
}

QPushButton* TAddressMain::button(const QString& caption) const {
  for (const auto& [command, b] : buttons_) {
    if (b->objectName() == caption) return b;
  }
  return nullptr;
}

template <typename Handler>
void TAddressMain::OnCommand(MainCommand command, Handler handler) {
  if (QAction* item = action(command)) connect(item, &QAction::triggered, this, handler);
  if (QPushButton* b = button(command)) connect(b, &QPushButton::clicked, this, handler);
}

void TAddressMain::ConnectCommands() {
  using M = MainCommand;
  OnCommand(M::kNewDatabase, &TAddressMain::NewDatabase);
  OnCommand(M::kOpenDatabase, &TAddressMain::OpenDatabase);
  OnCommand(M::kSearch, &TAddressMain::SearchRecords);
  OnCommand(M::kClearFilter, &TAddressMain::ClearFilter);
  OnCommand(M::kBrowse, &TAddressMain::BrowseCommand);
  OnCommand(M::kSetFilter, &TAddressMain::SetFilterCommand);
  OnCommand(M::kSaveFilter, &TAddressMain::SaveFilterCommand);
  OnCommand(M::kRestoreFilter, &TAddressMain::RestoreFilterCommand);
  OnCommand(M::kPreferences, &TAddressMain::PreferencesCommand);
  OnCommand(M::kClearTags, &TAddressMain::ClearTags);
  OnCommand(M::kPrintCurrentRecord, &TAddressMain::PrintCurrentRecordCommand);
  OnCommand(M::kPrintLabels, &TAddressMain::PrintLabelsCommand);
  OnCommand(M::kTagAll, &TAddressMain::TagAll);
  OnCommand(M::kRebuildIndexes, &TAddressMain::RebuildIndexes);
  OnCommand(M::kRebuildSystemIndexes, &TAddressMain::RebuildSystemIndexes);
  OnCommand(M::kExit, &QWidget::close);
  OnCommand(M::kFirst, [this] { Navigate(&AddressBook::First); });
  OnCommand(M::kPrevious, [this] { Navigate(&AddressBook::Previous); });
  OnCommand(M::kNext, [this] { Navigate(&AddressBook::Next); });
  OnCommand(M::kLast, [this] { Navigate(&AddressBook::Last); });
  OnCommand(M::kAdd, &TAddressMain::AddRecord);
  OnCommand(M::kEdit, &TAddressMain::EditRecord);
  OnCommand(M::kDelete, &TAddressMain::DeleteRecord);
  OnCommand(M::kSave, &TAddressMain::SaveRecord);
  OnCommand(M::kCancel, &TAddressMain::CancelRecord);
  OnCommand(M::kCopyToClipboard, &TAddressMain::CopyToClipboard);
  OnCommand(M::kClone, &TAddressMain::CloneRecord);
  OnCommand(M::kChooseDate, &TAddressMain::ChooseDate);
  OnCommand(M::kSearchMemo, &TAddressMain::SearchMemo);
  OnCommand(M::kFindNext, &TAddressMain::FindNextInMemo);
  OnCommand(M::kWhatsThisMode, [] { QWhatsThis::enterWhatsThisMode(); });
  OnCommand(M::kHelpContents, [this] { ShowHelpTopic(kHelpContext, this); });
  OnCommand(M::kGettingStarted, &TAddressMain::ShowGettingStarted);
  OnCommand(M::kAbout, &TAddressMain::ShowAbout);
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
