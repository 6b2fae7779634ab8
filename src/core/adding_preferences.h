// The adding preferences (settings section "Adding"): what a new record
// takes from the one before, which fields the cursor skips, and the
// default country.
#pragma once

#include <QString>

namespace vellumo {

struct AddingPreferences {
  bool plug_date = false;
  bool plug_city_state = false;
  bool auto_dup_check = false;
  bool carry_org = false;
  bool carry_street1 = false;
  bool carry_street2 = false;
  bool carry_city = false;
  bool carry_state = false;
  bool carry_zip = false;
  bool carry_country = false;
  bool skip_organization = false;
  bool skip_phone1 = false;
  bool skip_email = false;
  bool skip_state = false;
  bool skip_zip = false;
  bool skip_country = false;
  bool skip_address2 = false;
  bool skip_last_name = false;
  bool skip_middle_initial = false;
  bool skip_first_name = false;
  bool skip_title = false;
  bool skip_phone2 = false;
  bool skip_fax = false;
  bool skip_codes = false;
  bool skip_prefix = false;
  bool skip_comments1 = false;
  bool skip_date = false;
  bool skip_comments2 = false;
  QString default_country;

  // From the settings file; missing keys read as false and "".
  static AddingPreferences Load();
  // False when the settings file cannot be written.
  [[nodiscard]] bool Save() const;

  // The "New Record" dialog is shown before adding.
  bool asks_before_adding() const { return plug_city_state || auto_dup_check; }

  bool operator==(const AddingPreferences&) const = default;
};

}  // namespace vellumo
