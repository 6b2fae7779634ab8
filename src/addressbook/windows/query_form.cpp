// The filter window.
#include "addressbook/windows/query_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "addressbook/address_book.h"
#include "core/messages.h"
#include "core/windows/help.h"

namespace vellumo {
namespace {

// The conditions in the places of the record form's edits, under the same
// captions: the name panel (three caption-edit pairs a row) above the
// address page (two a row). The form's "MI" and "Prefix" take no condition.
struct ConditionPlace {
  const char* field_expression;
  bool on_name_panel;
  int row;
  int pair;
  const char* caption;
};

constexpr ConditionPlace kPlaces[] = {
    {"LNAME", true, 0, 0, "&Last"},          {"FNAME", true, 0, 1, "&First"},
    {"TITLE", true, 1, 1, "&Title"},         {"ORG", true, 1, 2, "&Org"},
    {"STREET", false, 0, 0, "Address 1"},    {"STREET2", false, 1, 0, "Address 2"},
    {"CITY+STATE", false, 2, 0, "City"},     {"STATE", false, 2, 1, "State or Prov"},
    {"ZIP", false, 3, 0, "Zip or Postal "},  {"COUNTRY", false, 3, 1, "Country"},
    {"DATE", false, 4, 0, "Date"},           {"PHONE", false, 5, 0, "Phone 1"},
    {"PHONE2", false, 6, 0, "Phone 2"},      {"FAX", false, 7, 0, "Fax"},
    {"EMAIL", false, 7, 1, "E-mail"},        {"CODES", false, 8, 0, "Codes"},
    {"USER1", false, 9, 0, "Comment 1"},     {"USER2", false, 10, 0, "Comment 2"},
};
// The row of the address page that holds "Tagged" in the record form.
constexpr int kFlagsRow = 11;

const QString kDateNote =
    QStringLiteral("Note: enter dates in the form: YYYYMMDD\n(i.e. 19970428 for April 28, 1997)");

// The What's This text of a condition edit: how a condition is written.
QString ConditionHelp(const ConditionPlace& place) {
  QString field = QString::fromLatin1(place.caption).remove(QLatin1Char('&')).trimmed();
  if (QLatin1String(place.field_expression) == QLatin1String("CITY+STATE")) {
    field += QStringLiteral(" (followed by the state)");
  }
  QString help = QStringLiteral(
                     "Shows only records whose %1 begins with what you type here; case does not matter. "
                     "Start with $ to find the text anywhere in the field, or with >, >=, < or <= to compare. "
                     "Separate alternatives with ; (A;B), conditions that must all hold with + ($A+$B), "
                     "and exclusions with ^ (A^AB). Leave it empty to ignore the field.")
                     .arg(field);
  if (QLatin1String(place.field_expression) == QLatin1String("DATE")) help += QLatin1Char('\n') + kDateNote;
  return help;
}

int SlotOf(const QString& field_expression) {
  const auto& fields = FilterConditions::FieldExpressions();
  for (int i = 0; i < FilterConditions::kCount; ++i) {
    if (field_expression.compare(QLatin1String(fields[i]), Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

}  // namespace

TAddressQueryForm::TAddressQueryForm(AddressBook& book, QWidget* parent)
    : QDialog(parent),
      book_(book),
      kept_(book.filter_conditions()),
      kept_record_(book.has_record() ? book.table()->RecNo() : 0) {
  setWindowTitle(QStringLiteral("Address Filter"));
  auto* name_grid = new QGridLayout;
  auto* address_grid = new QGridLayout;
  QVBoxLayout* date_cell = nullptr;
  for (const ConditionPlace& place : kPlaces) {
    const int slot = SlotOf(QLatin1String(place.field_expression));
    auto* edit = new QLineEdit(kept_.texts[slot], this);
    edit->setObjectName(QLatin1String(place.field_expression));
    edit->setWhatsThis(ConditionHelp(place));
    auto* label = new QLabel(QLatin1String(place.caption), this);
    label->setBuddy(edit);
    QGridLayout* grid = place.on_name_panel ? name_grid : address_grid;
    grid->addWidget(label, place.row, place.pair * 2);
    if (QLatin1String(place.field_expression) == QLatin1String("DATE")) {
      date_cell = new QVBoxLayout;
      date_cell->setSpacing(0);
      date_cell->addWidget(edit);
      grid->addLayout(date_cell, place.row, place.pair * 2 + 1);
    } else {
      grid->addWidget(edit, place.row, place.pair * 2 + 1);
    }
    edits_[slot] = edit;
  }
  QLineEdit* date = condition_edit(QStringLiteral("DATE"));
  date->setToolTip(kDateNote);
  date->installEventFilter(this);
  // Below the date edit; its room is kept while it is hidden so that the
  // rows under it do not jump when the date edit takes the focus.
  date_hint_ = new QLabel(QStringLiteral("(YYYYMMDD)"), this);
  QSizePolicy keep_room = date_hint_->sizePolicy();
  keep_room.setRetainSizeWhenHidden(true);
  date_hint_->setSizePolicy(keep_room);
  date_hint_->hide();
  date_cell->addWidget(date_hint_);

  tagged_ = new QCheckBox(QStringLiteral("Tagged"), this);
  reverse_ = new QCheckBox(QStringLiteral("Reverse"), this);
  tagged_->setChecked(kept_.tagged);
  reverse_->setChecked(kept_.reverse);
  tagged_->setWhatsThis(QStringLiteral("Shows only the records that are tagged."));
  reverse_->setWhatsThis(QStringLiteral("Shows the records that do not match the conditions instead."));
  auto* flags = new QHBoxLayout;
  flags->setSpacing(10);
  flags->addWidget(tagged_);
  flags->addWidget(reverse_);
  flags->addStretch();
  address_grid->addLayout(flags, kFlagsRow, 1, 1, 3);
  name_grid->setColumnStretch(1, 3);
  name_grid->setColumnStretch(3, 2);
  name_grid->setColumnStretch(5, 2);
  address_grid->setColumnStretch(1, 3);
  address_grid->setColumnStretch(3, 2);

  count_ = new QLabel(this);
  auto* hint = new QLabel(
      QStringLiteral("Hint: to look for only part of a value, first type in a $ and then the value to look for. "
                     "As an example, to find all records containing the code letter C in the Codes field, type in "
                     "$C. Right click on any field or press HELP for more helpful tips"),
      this);
  hint->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  QPushButton* test = buttons->addButton(QStringLiteral("Test"), QDialogButtonBox::ActionRole);
  QPushButton* clear = buttons->addButton(QStringLiteral("Clear"), QDialogButtonBox::ResetRole);
  QPushButton* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(test, &QPushButton::clicked, this, &TAddressQueryForm::TestButtonClick);
  connect(clear, &QPushButton::clicked, this, &TAddressQueryForm::ClearButtonClick);
  connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(kHelpContext, this); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(name_grid);
  layout->addLayout(address_grid);
  layout->addWidget(count_);
  layout->addWidget(hint);
  layout->addWidget(buttons);
  setMinimumWidth(640);
}

QLineEdit* TAddressQueryForm::condition_edit(const QString& field_expression) const {
  const int slot = SlotOf(field_expression);
  return slot < 0 ? nullptr : edits_[slot];
}

FilterConditions TAddressQueryForm::ConditionsFromEdits() const {
  FilterConditions conditions;
  for (int i = 0; i < FilterConditions::kCount; ++i) conditions.texts[i] = edits_[i]->text();
  conditions.tagged = tagged_->isChecked();
  conditions.reverse = reverse_->isChecked();
  return conditions;
}

void TAddressQueryForm::TestButtonClick() {
  count_->setText(QStringLiteral("Searching..."));
  QApplication::processEvents();
  const uint32_t matches = book_.SetFilter(ConditionsFromEdits());
  if (book_.filter_failed()) {
    count_->setText(WithReason(FilterFailedText(), book_.filter_failure()));
  } else {
    count_->setText(book_.filter_set() ? QString::number(matches) + QStringLiteral(" matches")
                                       : QStringLiteral("No filter set"));
  }
}

void TAddressQueryForm::ClearButtonClick() {
  for (QLineEdit* edit : edits_) edit->clear();
  tagged_->setChecked(false);
  reverse_->setChecked(false);
  TestButtonClick();
}

void TAddressQueryForm::accept() {
  TestButtonClick();
  QDialog::accept();
}

void TAddressQueryForm::reject() {
  book_.SetFilter(kept_);
  // Still shown when the kept filter shows it; else the first record stays.
  if (kept_record_ != 0) book_.GoTo(kept_record_);
  QDialog::reject();
}

bool TAddressQueryForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) date_hint_->show();
  if (event->type() == QEvent::FocusOut) date_hint_->hide();
  return QDialog::eventFilter(watched, event);
}

}  // namespace vellumo
