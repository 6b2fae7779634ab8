// The field-lengths dialog: edits laid out in two columns over the form rules.
#include "core/windows/field_lengths_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/windows/help.h"

namespace vellumo {

TSpecifyFieldLengths::TSpecifyFieldLengths(const FieldLengths& current, QWidget* parent)
    : QDialog(parent), form_(current), lengths_(current) {
  setWindowTitle(QStringLiteral("Specify Field Lengths"));
  auto* grid = new QGridLayout;
  const int rows = (FieldLengths::kCount + 1) / 2;
  for (int i = 0; i < FieldLengths::kCount; ++i) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(3);
    edit->setMaximumWidth(60);
    edit->installEventFilter(this);
    edits_[i] = edit;
    auto* label = new QLabel(QLatin1String(FieldLengthsForm::Edits()[i].caption), this);
    label->setBuddy(edit);
    int column = (i / rows) * 2;
    grid->addWidget(label, i % rows, column);
    grid->addWidget(edit, i % rows, column + 1);
  }
  auto* note = new QLabel(
      QStringLiteral("NOTE: Minimum size = 10 characters                  Maximum size = 80 characters"),
      this);
  use_for_all_ = new QCheckBox(QStringLiteral("Use these settings for all new databases"), this);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  QPushButton* defaults = buttons->addButton(QStringLiteral("Defaults"), QDialogButtonBox::ResetRole);
  QPushButton* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TSpecifyFieldLengths::OkButtonClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(defaults, &QPushButton::clicked, this, &TSpecifyFieldLengths::DefaultsButtonClick);
  connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(kHelpContext, this); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(note);
  layout->addWidget(use_for_all_);
  layout->addWidget(buttons);
  ShowForm();
}

void TSpecifyFieldLengths::ShowForm() {
  for (int i = 0; i < FieldLengths::kCount; ++i) edits_[i]->setText(form_.text(i));
}

bool TSpecifyFieldLengths::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (int i = 0; i < FieldLengths::kCount; ++i) {
      if (watched != edits_[i]) continue;
      form_.SetText(i, edits_[i]->text());
      form_.Leave(i);
      edits_[i]->setText(form_.text(i));
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TSpecifyFieldLengths::OkButtonClick() {
  for (int i = 0; i < FieldLengths::kCount; ++i) form_.SetText(i, edits_[i]->text());
  lengths_ = form_.Accept();
  ShowForm();
  accept();
}

void TSpecifyFieldLengths::DefaultsButtonClick() {
  form_.ResetToDefaults();
  ShowForm();
}

}  // namespace vellumo
