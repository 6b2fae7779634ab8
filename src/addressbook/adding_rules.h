// What a new record starts with and where the cursor goes, under the
// adding preferences.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "core/adding_preferences.h"
#include "addressbook/address_record.h"

namespace vellumo {

// What the "New Record" dialog asked; "" for what it did not ask.
struct NewRecordRequest {
  QString last_name;
  QString first_name;
  QString zip;
};

// The values a new record starts with: the typed names and ZIP, the city
// and state found for the ZIP, then what the preferences carry forward
// from `previous` (the record current when adding began), the default
// country and today's date.
AddressRecord NewRecordValues(const AddingPreferences& prefs, const AddressRecord& previous,
                              const NewRecordRequest& request, const QString& found_city,
                              const QString& found_state, const QDate& today);

// The field that gets the focus in a new record: LNAME, FNAME, MIDDLE,
// PREFIX, TITLE, ORG or STREET.
QString FirstFocusField(const AddingPreferences& prefs, const AddressRecord& record);

// The fields that leave the tab order while a new record is filled in.
QStringList SkippedFields(const AddingPreferences& prefs);

}  // namespace vellumo
