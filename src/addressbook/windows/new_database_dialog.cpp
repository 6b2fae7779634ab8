// The New Address Database dialog.
#include "addressbook/windows/new_database_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "addressbook/database_names.h"
#include "core/windows/dialog_buttons.h"
#include "core/windows/field_lengths_dialog.h"

namespace vellumo {

TNewDataBaseName::TNewDataBaseName(QWidget* parent) : QDialog(parent), lengths_(ReadFieldLengths()) {
  setWindowTitle(QStringLiteral("Create new database"));
  auto* prompt = new QLabel(QStringLiteral("Enter the database name (no extension)"), this);
  name_edit_ = new QLineEdit(ProposeNewDatabaseName(), this);
  name_edit_->setMaxLength(kMaxDatabaseNameLength);
  prompt->setBuddy(name_edit_);
  invalid_ = new QLabel(InvalidDatabaseNameText(), this);
  invalid_->setWordWrap(true);
  // The message has its room from the start, shown or not, and as many
  // lines as it needs at its narrowest, so that none is cut off and the
  // buttons below never move.
  const int message_width = invalid_->fontMetrics().averageCharWidth() * 48;
  invalid_->setMinimumSize(message_width, invalid_->heightForWidth(message_width));
  QSizePolicy keep_room = invalid_->sizePolicy();
  keep_room.setRetainSizeWhenHidden(true);
  invalid_->setSizePolicy(keep_room);
  auto* specify = new QPushButton(QStringLiteral("Specify Field Lengths"), this);
  DialogButtons buttons = AddDialogButtons(this, QStringLiteral("Ok [PgDn]"), kHelpContext);
  ok_ = buttons.ok;
  ok_->setShortcut(QKeySequence(Qt::Key_PageDown));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(name_edit_);
  layout->addWidget(invalid_);
  layout->addWidget(specify, 0, Qt::AlignLeft);
  layout->addWidget(buttons.box);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(name_edit_, &QLineEdit::textChanged, this, &TNewDataBaseName::NameChanged);
  connect(specify, &QPushButton::clicked, this, &TNewDataBaseName::SpecifyFieldLengthsClick);
  NameChanged();
}

QString TNewDataBaseName::name() const { return name_edit_->text().trimmed(); }

void TNewDataBaseName::NameChanged() {
  const bool valid = IsValidDatabaseName(name());
  ok_->setEnabled(valid);
  invalid_->setVisible(!valid);
}

void TNewDataBaseName::SpecifyFieldLengthsClick() {
  TSpecifyFieldLengths dialog(lengths_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  lengths_ = dialog.lengths();
  if (dialog.UseForAllNewDatabases()) WriteFieldLengths(lengths_);
}

}  // namespace vellumo
