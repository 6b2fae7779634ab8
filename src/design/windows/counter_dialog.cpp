// The settings dialog of a counter.
#include "design/windows/counter_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "core/windows/dialog_buttons.h"
#include "design/windows/run_dialog.h"

namespace vellumo::design {
namespace {

QSpinBox* NumberBox(int minimum, int maximum, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(minimum, maximum);
  box->setValue(value);
  return box;
}

}  // namespace

TGetCounter::TGetCounter(const TGCounterLabel& counter, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Counter"));
  text_before_ = new QLineEdit(QString::fromStdString(counter.TextBefore), this);
  starting_number_ = NumberBox(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                               counter.Startingnumber(), this);
  repeat_each_ = NumberBox(1, kMostRepeats, counter.RepeatEach, this);
  text_after_ = new QLineEdit(QString::fromStdString(counter.TextAfter), this);
  leading_zeros_ = NumberBox(0, kMostLeadingZeros, counter.LeadingZeros, this);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Text  before"), text_before_);
  form->addRow(QStringLiteral("Starting Number"), starting_number_);
  form->addRow(QStringLiteral("Repeat number for #of  labels?"), repeat_each_);
  form->addRow(QStringLiteral("Text after"), text_after_);
  auto* digits = new QHBoxLayout;
  digits->addWidget(leading_zeros_);
  digits->addWidget(new QLabel(QStringLiteral("digits"), this));
  digits->addStretch();
  auto* zeros_prompt = new QLabel(QStringLiteral("Leading zeros to "), this);
  zeros_prompt->setBuddy(leading_zeros_);
  form->addRow(zeros_prompt, digits);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

CounterSettings TGetCounter::Settings() const {
  CounterSettings settings;
  settings.TextBefore = text_before_->text().toStdString();
  settings.Startingnumber = starting_number_->value();
  settings.RepeatEach = repeat_each_->value();
  settings.TextAfter = text_after_->text().toStdString();
  settings.LeadingZeros = leading_zeros_->value();
  return settings;
}

void TGetCounter::Apply(TGCounterLabel& counter) const { counter.SetCounterSettings(Settings()); }

bool TGetCounter::Edit(TGCounterLabel& counter, QWidget* parent) { return RunDialog<TGetCounter>(counter, parent); }

}  // namespace vellumo::design
