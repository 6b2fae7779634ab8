// The main window's widgets: the name panel, the two-page notebook, the
// button bars, the status line and the no-database panel.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "addressbook/windows/address_main.h"
#include "addressbook/windows/field_edit.h"

namespace vellumo {
namespace {

// A captioned row of field edits: caption, edit, caption, edit ...
void AddRow(QGridLayout* grid, int row, const std::vector<std::pair<QString, QWidget*>>& cells) {
  int column = 0;
  for (const auto& [caption, widget] : cells) {
    auto* label = new QLabel(caption, widget->parentWidget());
    label->setBuddy(widget);
    grid->addWidget(label, row, column++);
    grid->addWidget(widget, row, column++);
  }
}

}  // namespace

FieldEdit* TAddressMain::AddField(const char* field, QWidget* parent) {
  auto* edit = new FieldEdit(parent);
  edit->setObjectName(QLatin1String(field));
  fields_.push_back({field, edit});
  const QString name = QLatin1String(field);
  connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) { FieldEdited(name, text); });
  connect(edit, &FieldEdit::doubleClicked, this, &TAddressMain::StartEditingOnRequest);
  connect(edit, &FieldEdit::enterPressed, this, [this, edit] { FocusNextField(edit); });
  return edit;
}

QPushButton* TAddressMain::AddButton(MainCommand command, QWidget* parent) {
  const QString caption = QLatin1String(MainCommandFor(command).button_caption);
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(caption);
  button->setAutoDefault(false);
  buttons_[command] = button;
  return button;
}

void TAddressMain::BuildForm() {
  form_ = new QWidget(this);
  // The name panel first, so that the form's fields are listed in the order
  // they are shown.
  QWidget* names = BuildNamePanel();
  notebook_ = new QTabWidget(form_);
  notebook_->addTab(BuildAddressPage(), QStringLiteral("Address &Information"));
  notebook_->addTab(BuildMemoPage(), QStringLiteral("&Memo"));
  auto* layout = new QVBoxLayout(form_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(names);
  layout->addWidget(notebook_, 1);

  no_database_ = new QLabel(AddressBook::NoDatabaseText(), this);
  static_cast<QLabel*>(no_database_)->setAlignment(Qt::AlignCenter);
  no_database_->setObjectName(QStringLiteral("NoDatabasePanel"));

  body_ = new QStackedWidget(this);
  body_->addWidget(form_);
  body_->addWidget(no_database_);

  auto* central = new QWidget(this);
  auto* main_layout = new QVBoxLayout(central);
  main_layout->addWidget(BuildTopBar());
  main_layout->addWidget(body_, 1);
  main_layout->addWidget(BuildBottomBar());
  setCentralWidget(central);
  BuildStatusLine();
  BuildTabOrder();
  BuildHelp();
}

QWidget* TAddressMain::BuildNamePanel() {
  auto* panel = new QWidget(form_);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  // "First" and "Prefix" have no mnemonic: Alt+F and Alt+P open the File
  // and Print menus.
  AddRow(grid, 0, {{QStringLiteral("&Last"), AddField("LNAME", panel)},
                   {QStringLiteral("First"), AddField("FNAME", panel)},
                   {QStringLiteral("MI"), AddField("MIDDLE", panel)}});
  field_edit(QStringLiteral("MIDDLE"))->SetUpperCaseTyping();
  AddRow(grid, 1, {{QStringLiteral("Prefix"), AddField("PREFIX", panel)},
                   {QStringLiteral("&Title"), AddField("TITLE", panel)},
                   {QStringLiteral("&Org"), AddField("ORG", panel)}});
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 2);
  grid->setColumnStretch(5, 2);
  return panel;
}

QWidget* TAddressMain::BuildAddressPage() {
  auto* page = new QWidget(notebook_);
  auto* grid = new QGridLayout(page);
  AddRow(grid, 0, {{QStringLiteral("Address 1"), AddField("STREET", page)}});
  AddRow(grid, 1, {{QStringLiteral("Address 2"), AddField("STREET2", page)}});
  AddRow(grid, 2, {{QStringLiteral("City"), AddField("CITY", page)},
                   {QStringLiteral("State or Prov"), AddField("STATE", page)}});
  AddRow(grid, 3, {{QStringLiteral("Zip or Postal "), AddField("ZIP", page)},
                   {QStringLiteral("Country"), AddField("COUNTRY", page)}});

  QPushButton* date = AddButton(MainCommand::kChooseDate, page);
  date_display_ = new QLabel(page);
  date_display_->setFrameShape(QFrame::StyledPanel);
  grid->addWidget(date, 4, 0);
  grid->addWidget(date_display_, 4, 1);

  FieldEdit* phone1 = AddField("PHONE", page);
  FieldEdit* phone2 = AddField("PHONE2", page);
  AddRow(grid, 5, {{QStringLiteral("Phone 1"), phone1}});
  grid->addWidget(AddButton(MainCommand::kDialPhone1, page), 5, 2, 1, 2, Qt::AlignLeft);
  AddRow(grid, 6, {{QStringLiteral("Phone 2"), phone2}});
  grid->addWidget(AddButton(MainCommand::kDialPhone2, page), 6, 2, 1, 2, Qt::AlignLeft);
  AddRow(grid, 7, {{QStringLiteral("Fax"), AddField("FAX", page)},
                   {QStringLiteral("E-mail"), AddField("EMAIL", page)}});
  AddRow(grid, 8, {{QStringLiteral("Codes"), AddField("CODES", page)}});
  AddRow(grid, 9, {{QStringLiteral("Comment 1"), AddField("USER1", page)}});
  AddRow(grid, 10, {{QStringLiteral("Comment 2"), AddField("USER2", page)}});
  tagged_ = new QCheckBox(QStringLiteral("Tagged"), page);
  tagged_->setObjectName(QStringLiteral("Tagged"));
  grid->addWidget(tagged_, 11, 1);
  // The box shows the record's tag; a press toggles it through the book.
  connect(tagged_, &QCheckBox::clicked, this, &TAddressMain::ToggleTag);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 2);
  grid->setRowStretch(12, 1);
  return page;
}

QWidget* TAddressMain::BuildMemoPage() {
  auto* page = new QWidget(notebook_);
  memo_ = new MemoEdit(page);
  memo_->setObjectName(QStringLiteral("MEMO"));
  connect(memo_, &QPlainTextEdit::textChanged, this, &TAddressMain::MemoChanged);
  connect(memo_, &MemoEdit::doubleClicked, this, &TAddressMain::StartEditingOnRequest);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(AddButton(MainCommand::kSearchMemo, page));
  buttons->addWidget(AddButton(MainCommand::kFindNext, page));
  button(MainCommand::kFindNext)->hide();
  buttons->addStretch();
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(memo_, 1);
  layout->addLayout(buttons);
  return page;
}

QWidget* TAddressMain::BuildTopBar() {
  auto* bar = new QWidget(this);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  using M = MainCommand;
  for (M command : {M::kPrintLabels, M::kPrintLetters, M::kPrintEnvelopes, M::kPrintReports, M::kBrowse, M::kSearch,
                    M::kSetFilter}) {
    layout->addWidget(AddButton(command, bar));
  }
  layout->addStretch();
  QPushButton* mouse_help = AddButton(M::kWhatsThisMode, bar);
  mouse_help->setToolTip(QStringLiteral("Click here, then on a control to learn what it does"));
  layout->addWidget(mouse_help);
  return bar;
}

QWidget* TAddressMain::BuildBottomBar() {
  auto* bar = new QWidget(this);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  using M = MainCommand;
  layout->addWidget(AddButton(M::kExit, bar));
  const std::pair<M, QStyle::StandardPixmap> moves[] = {{M::kFirst, QStyle::SP_MediaSkipBackward},
                                                        {M::kPrevious, QStyle::SP_MediaSeekBackward},
                                                        {M::kNext, QStyle::SP_MediaSeekForward},
                                                        {M::kLast, QStyle::SP_MediaSkipForward}};
  for (const auto& [command, icon] : moves) {
    QPushButton* button = AddButton(command, bar);
    button->setToolTip(button->text() + QStringLiteral(" record"));
    button->setText(QString());
    button->setIcon(style()->standardIcon(icon));
    layout->addWidget(button);
  }
  for (M command : {M::kAdd, M::kEdit, M::kDelete, M::kSave, M::kCancel}) layout->addWidget(AddButton(command, bar));
  layout->addStretch();
  layout->addWidget(AddButton(M::kClearFilter, bar));
  return bar;
}

void TAddressMain::BuildStatusLine() {
  sort_status_ = new QLabel(this);
  filter_status_ = new QLabel(this);
  statusBar()->addWidget(sort_status_, 1);
  statusBar()->addPermanentWidget(filter_status_);
}

}  // namespace vellumo
