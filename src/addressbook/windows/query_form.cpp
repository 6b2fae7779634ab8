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
#include "core/windows/help.h"

namespace vellumo {
namespace {

// The conditions in the places of the record form: row, column pair, caption.
struct ConditionPlace {
  const char* field_expression;
  int row;
  int column;
  const char* caption;
};

constexpr ConditionPlace kPlaces[] = {
    {"LNAME", 0, 0, "&Last"},          {"FNAME", 0, 1, "&First"},
    {"TITLE", 1, 0, "&Title"},         {"ORG", 1, 1, "&Org"},
    {"STREET", 2, 0, "Street"},        {"STREET2", 3, 0, "Address 2"},
    {"CITY+STATE", 4, 0, "City"},      {"STATE", 4, 1, "State or Prov"},
    {"ZIP", 5, 0, "Zip or Postal"},    {"COUNTRY", 5, 1, "Country"},
    {"DATE", 6, 0, "Date"},            {"PHONE", 7, 0, "Phone"},
    {"PHONE2", 8, 0, "Phone 2"},       {"FAX", 9, 0, "Fax"},
    {"EMAIL", 9, 1, "E-mail"},         {"CODES", 10, 0, "Codes"},
    {"USER1", 11, 0, "User 1"},        {"USER2", 12, 0, "User 2"},
};

int SlotOf(const QString& field_expression) {
  const auto& fields = FilterConditions::FieldExpressions();
  for (int i = 0; i < FilterConditions::kCount; ++i) {
    if (field_expression.compare(QLatin1String(fields[i]), Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

}  // namespace

TAddressQueryForm::TAddressQueryForm(AddressBook& book, QWidget* parent)
    : QDialog(parent), book_(book), kept_(book.filter_conditions()) {
  setWindowTitle(QStringLiteral("Address Filter"));
  auto* grid = new QGridLayout;
  for (const ConditionPlace& place : kPlaces) {
    auto* edit = new QLineEdit(kept_.texts[SlotOf(QLatin1String(place.field_expression))], this);
    edit->setObjectName(QLatin1String(place.field_expression));
    auto* label = new QLabel(QLatin1String(place.caption), this);
    label->setBuddy(edit);
    grid->addWidget(label, place.row, place.column * 2);
    grid->addWidget(edit, place.row, place.column * 2 + 1);
    edits_[SlotOf(QLatin1String(place.field_expression))] = edit;
  }
  QLineEdit* date = condition_edit(QStringLiteral("DATE"));
  date->setToolTip(QStringLiteral("Note: enter dates in the form: YYYYMMDD\n(i.e. 19970428 for April 28, 1997)"));
  date->installEventFilter(this);
  date_hint_ = new QLabel(QStringLiteral("(YYYYMMDD)"), this);
  date_hint_->hide();
  grid->addWidget(date_hint_, 6, 2, 1, 2);
  tagged_ = new QCheckBox(QStringLiteral("Tagged"), this);
  reverse_ = new QCheckBox(QStringLiteral("Reverse"), this);
  tagged_->setChecked(kept_.tagged);
  reverse_->setChecked(kept_.reverse);
  auto* flags = new QHBoxLayout;
  flags->setSpacing(10);
  flags->addWidget(tagged_);
  flags->addWidget(reverse_);
  flags->addStretch();
  grid->addLayout(flags, 13, 1, 1, 3);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 2);

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
  layout->addLayout(grid);
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
  count_->setText(book_.filter_set() ? QString::number(matches) + QStringLiteral(" matches")
                                     : QStringLiteral("No filter set"));
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
  // The conditions in force before the window opened, flags included.
  book_.SetFilter(kept_);
  QDialog::reject();
}

bool TAddressQueryForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) date_hint_->show();
  if (event->type() == QEvent::FocusOut) date_hint_->hide();
  return QDialog::eventFilter(watched, event);
}

}  // namespace vellumo
