// Inserting into a compact leaf where it lies, on the page bytes, without
// decoding the page into a node and encoding it again: the common change of
// an append, which lands a key in the middle of a leaf with room to spare.
#pragma once

#include <cstdint>
#include <string_view>

namespace xbase::cdx {

enum class InPlaceInsert {
  kInserted,
  kAlreadyPresent,
  // The page is left as it was; the caller decodes it and inserts there.
  kNotInPlace,
};

// Inserts (key, recno) into the compact leaf `page`, keeping its bit layout
// and its compression rules, when the entry fits the page's free space and
// record number width, and lands before the leaf's last entry (so that no
// separator above it changes) unless the leaf is the root. Pages that are
// not leaves, or whose header or entries do not add up, are not changed
// here. REQUIRES: key.size() == key_length <= 240.
InPlaceInsert InsertIntoLeafPage(char* page, uint16_t key_length, char pad, std::string_view key,
                                 uint32_t recno);

}  // namespace xbase::cdx
