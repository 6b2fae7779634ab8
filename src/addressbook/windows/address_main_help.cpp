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
  const char* name;  // field name or button caption
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

constexpr Explanation kButtonTexts[] = {
    {"Labels", "Prints mailing labels for the records (Ctrl+L)."},
    {"Letters", "Prints form letters for the records (Ctrl+T)."},
    {"Envelopes", "Prints envelopes for the records (Ctrl+E)."},
    {"Reports", "Prints reports of the records (Ctrl+R)."},
    {"Browse", "Shows the records as a table (Ctrl+B)."},
    {"Search", "Finds the first record that begins with a text in a chosen sort order (Ctrl+S)."},
    {"Filter", "Shows only the records that meet the conditions you set (Ctrl+F)."},
    {"?", "Click here, then on any control, to learn what it does."},
    {"E&xit", "Closes Vellumo."},
    {"First", "Goes to the first record (Ctrl+Up or Ctrl+Page Up)."},
    {"Previous", "Goes to the previous record (Ctrl+Left or Page Up)."},
    {"Next", "Goes to the next record (Ctrl+Right or Page Down)."},
    {"Last", "Goes to the last record (Ctrl+Down or Ctrl+Page Down)."},
    {"&Add", "Adds a new record."},
    {"&Edit", "Starts editing the record shown."},
    {"&Delete", "Deletes the record shown, after asking."},
    {"&Save", "Saves the record being edited (Ctrl+Enter)."},
    {"&Cancel", "Drops the changes to the record being edited (Escape)."},
    {"Clear Filter", "Removes the filter, so that every record is shown again."},
    {"Date", "Chooses the record's date on a calendar, or removes it."},
    {"Dial Phone &1", "Dials the first telephone number."},
    {"Dial Phone &2", "Dials the second telephone number."},
    {"Search &Memo", "Finds the first record whose memo holds a text."},
    {"Find &Next", "Finds the next record whose memo holds the same text."},
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
  for (const Explanation& e : kButtonTexts) {
    QPushButton* b = button(QLatin1String(e.name));
    b->setWhatsThis(QLatin1String(e.text));
    OfferWhatsThisMenu(b);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{date_display_, tagged_, notebook_->tabBar()}) OfferWhatsThisMenu(w);
}

}  // namespace vellumo
