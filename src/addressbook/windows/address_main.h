// TAddressMain: the application's main window. It shows the open address
// database one record at a time and carries every command; what it shows
// and what the commands do live in AddressBook, of which this window is a
// view.
#pragma once

#include <QMainWindow>
#include <map>
#include <vector>

#include "addressbook/address_book.h"
#include "addressbook/windows/main_commands.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace vellumo {

class FieldEdit;
class MemoEdit;

class TAddressMain : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1029;

  explicit TAddressMain(QWidget* parent = nullptr);
  ~TAddressMain() override;

  AddressBook& book() { return book_; }
  // Start-up has run (it runs on the first activation).
  bool started() const { return started_; }

  // The record form's edit of a field ("LNAME" ...), null for others.
  FieldEdit* field_edit(const QString& field) const;
  MemoEdit* memo_edit() const { return memo_; }
  QCheckBox* tagged_box() const { return tagged_; }
  QLabel* sort_status() const { return sort_status_; }
  QLabel* filter_status() const { return filter_status_; }
  QLabel* date_display() const { return date_display_; }
  QWidget* no_database_panel() const { return no_database_; }
  QTabWidget* notebook() const { return notebook_; }
  // A command's menu item and button; null where it has none.
  QAction* action(MainCommand command) const;
  QPushButton* button(MainCommand command) const;
  // The same found by the caption a user sees ("&Add", "Labels"), for
  // tests that act as a user would; null when no item has that caption.
  QAction* action(const QString& caption) const;
  QPushButton* button(const QString& caption) const;
  QMenu* file_menu() const { return file_menu_; }
  QMenu* sort_menu() const { return sort_menu_; }

  // Opens a database as the Open command does after the file dialog.
  bool OpenVelWDBF(const QString& path);

  // Shows the table's current record and the enabled commands.
  void RefreshAll();

  // Save Filter after the file dialog: the extension rules, the overwrite
  // question, then the file. True when it was written.
  bool SaveFilterAs(const QString& chosen);
  // Restore Filter after the file dialog.
  bool RestoreFilterFromFile(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // ---- Building the window (address_main_layout.cpp).
  void BuildForm();
  QWidget* BuildNamePanel();
  QWidget* BuildAddressPage();
  QWidget* BuildMemoPage();
  QWidget* BuildTopBar();
  QWidget* BuildBottomBar();
  void BuildStatusLine();
  FieldEdit* AddField(const char* field, QWidget* parent);
  QPushButton* AddButton(MainCommand command, QWidget* parent);

  // ---- Help (address_main_help.cpp): F1 and the "What's This?" texts.
  void BuildHelp();

  // ---- Keyboard (address_main_keyboard.cpp).
  void BuildTabOrder();
  // The keyboard table; true when the key was handled.
  bool HandleKey(const QKeyEvent* event);
  // The visible, enabled button whose mnemonic the key is, else null.
  QPushButton* ButtonForMnemonic(const QKeyEvent* event) const;
  // Enter in a field edit: the next field that is a tab stop, wrapping
  // from the last to the first.
  void FocusNextField(const FieldEdit* from);

  // ---- Menus (address_main_menus.cpp).
  void BuildMenus();
  void ConnectCommands();
  // Runs `handler` on the command's menu item and button.
  template <typename Handler>
  void OnCommand(MainCommand command, Handler handler);
  void UpdateMenuMRUList();
  void CheckSortItem();

  // ---- Showing the record and the commands (address_main_form.cpp).
  void ShowRecord();
  void SetButtons();
  void ApplyFieldWidths();
  void SetSkipFields(bool on);
  void FieldEdited(const QString& field, const QString& text);
  void MemoChanged();
  void StartEditingOnRequest();
  void FocusField(const QString& field);
  bool FocusInFieldEdit() const;
  // Puts the focus on "Last" when the window's focus is nowhere usable, or
  // (while editing) outside the record's edits.
  void PlaceFocus();
  // After Save or Cancel: the focus stays in the edit it was in, else it
  // goes to "Last".
  void FocusAfterEditing();

  // ---- Commands (address_main_commands.cpp, address_main_tools.cpp).
  void FormActivate();
  void NewDatabase();
  void OpenDatabase();
  void OpenRecent(const QString& path);
  void RebuildIndexes();
  void RebuildSystemIndexes();
  void ClearFilter();
  void AddRecord();
  void EditRecord();
  void SaveRecord();
  void CancelRecord();
  void DeleteRecord();
  void Navigate(bool (AddressBook::*move)());
  void SetOrderFromMenu(QAction* item);
  void SearchRecords();
  void ChooseDate();
  void ToggleTag();
  void ClearTags();
  void TagAll();
  void CloneRecord();
  void CopyToClipboard();
  void PrintCurrentRecordCommand();
  // (address_main_labels.cpp)
  void PrintLabelsCommand();
  void SearchMemo();
  void FindNextInMemo();
  void RunMemoSearch(const QString& text, bool from_start);
  void ShowGettingStarted();
  // ---- Filter and preferences (address_main_filter.cpp).
  void SetFilterCommand();
  void SaveFilterCommand();
  void RestoreFilterCommand();
  void PreferencesCommand();
  void BrowseCommand();
  void ShowAbout();
  // Commands refused while a record is edited beep; true when it is.
  bool BeepWhileEditing();

  AddressBook book_;
  bool started_ = false;
  bool activation_pending_ = false;
  bool loading_ = false;  // the form is being filled from the record

  struct FormField {
    const char* field;
    FieldEdit* edit;
  };
  std::vector<FormField> fields_;
  MemoEdit* memo_ = nullptr;
  QLabel* date_display_ = nullptr;
  QCheckBox* tagged_ = nullptr;
  QTabWidget* notebook_ = nullptr;
  QStackedWidget* body_ = nullptr;
  QWidget* form_ = nullptr;
  QWidget* no_database_ = nullptr;
  QLabel* sort_status_ = nullptr;
  QLabel* filter_status_ = nullptr;

  QMenu* file_menu_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QMenu* record_menu_ = nullptr;
  QMenu* sort_menu_ = nullptr;
  QMenu* utilities_menu_ = nullptr;
  QMenu* print_menu_ = nullptr;
  QAction* recent_separator_ = nullptr;
  std::vector<QAction*> recent_actions_;
  std::vector<QAction*> sort_actions_;
  std::map<MainCommand, QAction*> actions_;
  std::map<MainCommand, QPushButton*> buttons_;
  // Where the filter file dialogs start: the home until the user picks
  // another folder.
  QString filter_directory_;
};

}  // namespace vellumo
