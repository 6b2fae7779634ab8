// Generated address tables for the benchmarks: the address-book record
// layout with its 26 tags, filled with realistic names, streets, cities and
// ZIP codes from a seeded generator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xbase/field.h"
#include "xbase/status.h"
#include "xbase/table.h"

namespace bench {

std::vector<xbase::FieldDef> AddressFields();
std::vector<xbase::TagSpec> AddressTags();

// Fills a new table at `path` with `count` records; every 50th is deleted.
xbase::Status GenerateAddressTable(const std::string& path, uint32_t count, uint32_t seed);

// A record's field values, for appending one by one.
struct AddressValues {
  std::vector<std::pair<std::string, std::string>> fields;
};
AddressValues RandomAddress(uint64_t* state);

}  // namespace bench
