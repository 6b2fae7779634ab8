// The getting-started screen.
#include "addressbook/windows/getting_started.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/preferences.h"

namespace vellumo {

TGettingStarted::TGettingStarted(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Getting Started"));
  auto* text = new QLabel(
      QStringLiteral("<h3>Welcome to Vellumo</h3>"
                     "<p>Your addresses are kept in an address database. The first one, "
                     "<b>add0001</b>, is open now; <b>File &gt; New Address Database</b> creates more.</p>"
                     "<ul><li><b>Add</b> starts a new record; <b>Save</b> (Ctrl+Enter) stores it.</li>"
                     "<li>The <b>Sort</b> menu and <b>Search</b> find records by name, city, ZIP and more.</li>"
                     "<li>Tick <b>Tagged</b> to mark records, then set a filter on the tag to print "
                     "labels, envelopes and letters for just those records.</li>"
                     "<li>Enter moves to the next field; <b>F1</b> opens help, and <b>Shift+F1</b> "
                     "explains the field or button you are on.</li></ul>"),
      this);
  text->setWordWrap(true);
  do_not_show_ = new QCheckBox(QStringLiteral("Do not show this screen at start up"), this);
  do_not_show_->setChecked(ReadGettingStartedSuppressed());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(do_not_show_);
  layout->addWidget(buttons);
  setMinimumWidth(420);
}

void TGettingStarted::done(int result) {
  WriteGettingStartedSuppressed(do_not_show_->isChecked());
  QDialog::done(result);
}

}  // namespace vellumo
