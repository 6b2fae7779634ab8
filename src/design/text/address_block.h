// The lines of the mailing-address block: which fields of the record go
// on it, how the name, city, state, ZIP and country lines are put
// together, and the upper-case option.
#pragma once

#include <QStringList>

#include "design/text/field_source.h"

namespace vellumo {

// Where the ZIP or postal code goes.
enum TZipFormatOptions { zoAfterState, zoBeforeCity, zoAfterCountry, zoBeforeCountry };

struct AddressBlockOptions {
  bool UseName = true;
  bool UseTitle = true;
  bool UseCompany = true;
  bool UseStreet = true;
  bool UseStreet2 = true;
  bool UseCityState = true;
  bool UseZip = true;
  bool UsePhone = false;
  bool UseCountry = true;
  TZipFormatOptions ZipOptions = zoAfterState;
  bool UpperCase = false;
};

// The composed lines of the current record. Empty lines are left out.
// Composition stops quietly at the first field the record does not have;
// the lines composed before it are returned.
QStringList ComposeAddressBlock(const FieldText& field, const AddressBlockOptions& options);

// What the block shows: the composed lines when values are shown, else
// the one line "[Address Label]".
QStringList AddressBlockLines(const FieldText& field, const AddressBlockOptions& options, ShowState show);

}  // namespace vellumo
