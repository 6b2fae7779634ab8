// Generated address tables for the benchmarks: the address-book record
// layout (core/address_layout.h), filled with realistic names, streets,
// cities and ZIP codes from a seeded generator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xbase/field.h"
#include "xbase/status.h"
#include "xbase/table.h"

namespace bench {

// Fills a new table at `path` with `count` records; every 50th is deleted.
xbase::Status GenerateAddressTable(const std::string& path, uint32_t count, uint32_t seed);

// A record's field values, for appending one by one.
struct AddressValues {
  std::vector<std::pair<std::string, std::string>> fields;
};
AddressValues RandomAddress(uint64_t* state);

}  // namespace bench
