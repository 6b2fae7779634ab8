// The address block's layout dialog.
#include "design/windows/address_layout_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"
#include "design/model/multi_line_label.h"
#include "design/windows/data_edits.h"

namespace vellumo::design {
namespace {

using Flag = bool AddressBlockOptions::*;

const std::vector<std::pair<const char*, Flag>> kFlagChoices = {
    {"&Name", &AddressBlockOptions::UseName},           {"&Title", &AddressBlockOptions::UseTitle},
    {"&Organization", &AddressBlockOptions::UseCompany}, {"Address &1", &AddressBlockOptions::UseStreet},
    {"Address &2", &AddressBlockOptions::UseStreet2},   {"City + &State", &AddressBlockOptions::UseCityState},
    {"&Zip/Postal code", &AddressBlockOptions::UseZip}, {"&Phone #1", &AddressBlockOptions::UsePhone},
    {"&Country", &AddressBlockOptions::UseCountry},     {"&Uppercase", &AddressBlockOptions::UpperCase}};

// In TZipFormatOptions order.
const char* const kZipPlaces[] = {"&After state", "&Before city", "A&fter country", "B&efore country"};

}  // namespace

TAddressLayout::TAddressLayout(const AddressBlockOptions& options, bool shrink_to_fit, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Address Label Layout"));
  auto* lines = new QVBoxLayout;
  for (const auto& [caption, flag] : kFlagChoices) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), this);
    box->setChecked(options.*flag);
    lines->addWidget(box);
    checks_.push_back({box, flag});
    if (flag == &AddressBlockOptions::UseZip) use_zip_ = box;
  }
  shrink_ = new QCheckBox(QStringLiteral("Shrin&k to fit"), this);
  shrink_->setChecked(shrink_to_fit);
  lines->addWidget(shrink_);
  auto* places_group = new QGroupBox(this);
  auto* places = new QVBoxLayout(places_group);
  for (const char* caption : kZipPlaces) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), places_group);
    places->addWidget(button);
    zip_places_.push_back(button);
  }
  zip_places_[static_cast<size_t>(options.ZipOptions)]->setChecked(true);
  connect(use_zip_, &QCheckBox::toggled, this, &TAddressLayout::EnableZipPlaces);
  EnableZipPlaces();

  auto* choices = new QHBoxLayout;
  choices->addLayout(lines);
  choices->addWidget(places_group, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

void TAddressLayout::EnableZipPlaces() {
  for (QRadioButton* button : zip_places_) button->setEnabled(use_zip_->isChecked());
}

QCheckBox* TAddressLayout::check_box(const QString& caption) const {
  if (shrink_->text() == caption) return shrink_;
  for (const auto& [box, flag] : checks_) {
    if (box->text() == caption) return box;
  }
  return nullptr;
}

QRadioButton* TAddressLayout::radio_button(const QString& caption) const {
  for (QRadioButton* button : zip_places_) {
    if (button->text() == caption) return button;
  }
  return nullptr;
}

AddressBlockOptions TAddressLayout::Choice() const {
  AddressBlockOptions options;
  for (const auto& [box, flag] : checks_) options.*flag = box->isChecked();
  for (size_t i = 0; i < zip_places_.size(); ++i) {
    if (zip_places_[i]->isChecked()) options.ZipOptions = static_cast<TZipFormatOptions>(i);
  }
  return options;
}

bool TAddressLayout::ShrinkChoice() const { return shrink_->isChecked(); }

void TAddressLayout::Apply(TGDMultiLineAddressLabel& address) const {
  ApplyAddressLayout(address, Choice());
  address.ShrinkToFit = ShrinkChoice();
}

bool TAddressLayout::Edit(TGDMultiLineAddressLabel& address, QWidget* parent) {
  TAddressLayout dialog(address.Options, address.ShrinkToFit, parent);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (accepted) dialog.Apply(address);
  FinishDataDialog(address, accepted);
  return accepted;
}

}  // namespace vellumo::design
