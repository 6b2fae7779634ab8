// An address book over a fresh application home, with helpers to fill
// the open database.
#pragma once

#include <initializer_list>
#include <utility>

#include "addressbook/address_book.h"
#include "test_home.h"

namespace vellumo {

class BookTest : public HomeTest {
 protected:
  using Fields = std::initializer_list<std::pair<const char*, const char*>>;

  // Starts the book (creating DATA/add0001.DBF).
  void StartBook() {
    ASSERT_TRUE(book_.Start());
    messenger_.said.clear();
  }

  // Adds and saves a record with these fields, through the editor.
  void AddRecord(Fields fields, const char* memo = "") {
    ASSERT_EQ(book_.Add({}), AddressBook::AddResult::kAdding);
    for (const auto& [field, value] : fields) ASSERT_TRUE(book_.SetField(field, value));
    ASSERT_TRUE(book_.SetMemo(memo));
    ASSERT_TRUE(book_.Save());
  }

  QString Current(const char* field) { return book_.Field(field); }

  AddressBook book_;
};

}  // namespace vellumo
