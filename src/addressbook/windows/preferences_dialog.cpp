// The preferences dialog.
#include "addressbook/windows/preferences_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"
#include "core/messages.h"

namespace vellumo {
namespace {

using Setting = bool AddingPreferences::*;

const QString kAdding = QStringLiteral(" When adding new records");
const QString kCarry = QStringLiteral("Carry forward the following fields:");
const QString kSkip = QStringLiteral("Skip through the following fields:");
constexpr int kDefaultCountryWidth = 30;

const std::vector<std::pair<const char*, Setting>> kAddingChoices = {
    {"Enter today's date in the date field", &AddingPreferences::plug_date},
    {"Automatically insert city and state/province", &AddingPreferences::plug_city_state},
    {"Automatically check for duplicate names", &AddingPreferences::auto_dup_check}};

const std::vector<std::pair<const char*, Setting>> kCarryChoices = {
    {"Organization", &AddingPreferences::carry_org},       {"Address 1", &AddingPreferences::carry_street1},
    {"Address 2", &AddingPreferences::carry_street2},       {"City", &AddingPreferences::carry_city},
    {"State/Province", &AddingPreferences::carry_state},    {"Zip/Postal Code", &AddingPreferences::carry_zip},
    {"Country", &AddingPreferences::carry_country}};

const std::vector<std::pair<const char*, Setting>> kSkipChoices = {
    {"Organization", &AddingPreferences::skip_organization}, {"Phone #1", &AddingPreferences::skip_phone1},
    {"E-Mail", &AddingPreferences::skip_email},              {"State/Province", &AddingPreferences::skip_state},
    {"Zip/Postal Code", &AddingPreferences::skip_zip},       {"Country", &AddingPreferences::skip_country},
    {"Address 2", &AddingPreferences::skip_address2},        {"Last Name", &AddingPreferences::skip_last_name},
    {"Middle Initial", &AddingPreferences::skip_middle_initial}, {"First Name", &AddingPreferences::skip_first_name},
    {"Title", &AddingPreferences::skip_title},               {"Phone #2", &AddingPreferences::skip_phone2},
    {"Fax", &AddingPreferences::skip_fax},                   {"Codes", &AddingPreferences::skip_codes},
    {"Prefix", &AddingPreferences::skip_prefix},             {"Comments #1", &AddingPreferences::skip_comments1},
    {"Date", &AddingPreferences::skip_date},                 {"Comments #2", &AddingPreferences::skip_comments2}};

}  // namespace

TPreferences::TPreferences(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Preferences"));
  const AddingPreferences stored = AddingPreferences::Load();
  auto group_of = [this, &stored](const QString& title, const std::vector<std::pair<const char*, Setting>>& list,
                                  int columns) {
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    const int rows = (static_cast<int>(list.size()) + columns - 1) / columns;
    for (size_t i = 0; i < list.size(); ++i) {
      auto* box = new QCheckBox(QLatin1String(list[i].first), group);
      box->setChecked(stored.*(list[i].second));
      grid->addWidget(box, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
      choices_.push_back({title, box, list[i].second});
    }
    return group;
  };
  QGroupBox* adding = group_of(kAdding, kAddingChoices, 1);
  default_country_ = new QLineEdit(stored.default_country, this);
  default_country_->setMaxLength(kDefaultCountryWidth);
  auto* country_row = new QFormLayout;
  country_row->addRow(QStringLiteral("Default Country Name"), default_country_);
  static_cast<QGridLayout*>(adding->layout())->addLayout(country_row, static_cast<int>(kAddingChoices.size()), 0);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(adding);
  layout->addWidget(group_of(kCarry, kCarryChoices, 2));
  layout->addWidget(group_of(kSkip, kSkipChoices, 3));
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

QCheckBox* TPreferences::box(const QString& group, const QString& caption) const {
  for (const Choice& choice : choices_) {
    if (choice.group.trimmed() == group.trimmed() && choice.box->text() == caption) return choice.box;
  }
  return nullptr;
}

void TPreferences::accept() {
  AddingPreferences prefs;
  for (const Choice& choice : choices_) prefs.*(choice.setting) = choice.box->isChecked();
  prefs.default_country = default_country_->text();
  if (!prefs.Save()) {
    ShowInformation(QStringLiteral("The preferences could not be saved."));
    return;
  }
  QDialog::accept();
}

}  // namespace vellumo
