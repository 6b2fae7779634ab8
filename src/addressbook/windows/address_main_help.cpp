// The main window's help: F1 opens the window's help page, and every field
// and button explains itself in "What's This?" (Shift+F1 on the focused
// control, the control's context menu, or the "?" button).
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include "addressbook/windows/address_main.h"
#include "addressbook/windows/field_edit.h"
#include "core/windows/help.h"

namespace vellumo {
namespace {

struct Explanation {
  const char* name;  // field name
  const char* text;
};

constexpr Explanation kFieldTexts[] = {
    {"LNAME", "Last name. Records are listed by last name, then first name, unless the Sort menu says otherwise."},
    {"FNAME", "First name."},
    {"MIDDLE", "Middle initial; printed with a period after it."},
    {"PREFIX", "Prefix printed before the name, such as Mr., Ms. or Dr."},
    {"TITLE", "Job title."},
    {"ORG", "Organization or company."},
    {"STREET", "First street line of the address."},
    {"STREET2", "Second street line: suite, apartment or post office box."},
    {"CITY", "City."},
    {"STATE", "State or province; the two-letter postal abbreviation for US mail."},
    {"ZIP", "ZIP or postal code: five digits or ZIP+4 (12345-6789) for US mail."},
    {"COUNTRY", "Country."},
    {"PHONE", "First telephone number."},
    {"PHONE2", "Second telephone number."},
    {"FAX", "Fax number."},
    {"EMAIL", "E-mail address."},
    {"CODES", "Codes of your own, for sorting and filtering the records."},
    {"USER1", "First comment line."},
    {"USER2", "Second comment line."},
};

// A right click on `widget` offers its "What's This?" text.
void OfferWhatsThisMenu(QWidget* widget) {
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [widget](const QPoint& pos) {
    QMenu menu;
    AddWhatsThisEntry(&menu, widget, widget->mapToGlobal(pos));
    menu.exec(widget->mapToGlobal(pos));
  });
}

}  // namespace

void TAddressMain::BuildHelp() {
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { ShowHelpTopic(kHelpContext, this); });

  const QString editing =
      QStringLiteral(" Double-click it, or type, to edit the record; Enter moves to the next field.");
  for (const Explanation& e : kFieldTexts) {
    field_edit(QLatin1String(e.name))->setWhatsThis(QLatin1String(e.text) + editing);
  }
  memo_->setWhatsThis(
      QStringLiteral("Notes of any length about the record. Typing starts editing; Enter starts a new line."));
  date_display_->setWhatsThis(QStringLiteral("The record's date. The Date button changes it."));
  tagged_->setWhatsThis(QStringLiteral("Marks the record as tagged. Set Filter can show the tagged records; "
                                       "Clear Tags removes every mark."));
  notebook_->tabBar()->setWhatsThis(QStringLiteral("Switches between the address and the memo of the record."));
  for (const MainCommandSpec& command : MainCommands()) {
    QPushButton* b = button(command.id);
    if (b == nullptr || command.whats_this == nullptr) continue;
    b->setWhatsThis(QLatin1String(command.whats_this));
    OfferWhatsThisMenu(b);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{date_display_, tagged_, notebook_->tabBar()}) OfferWhatsThisMenu(w);
}

}  // namespace vellumo
