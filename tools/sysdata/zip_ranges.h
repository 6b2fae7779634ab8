// Derives ZIP ranges per state from a list of real ZIP codes.
#pragma once

#include <string>
#include <vector>

#include "postal_ranges.h"
#include "xbase/status.h"

namespace sysdata {

// A postal code with the state or province the data set places it in.
struct PlacedCode {
  std::string code;
  std::string region;
};

// Ranges covering every ZIP code of `zips` in its own state's ranges. Each
// 3-digit prefix block (nnn00..nnn99) goes to the state of its codes; a
// block shared by several states is cut between their codes. Neighbouring
// blocks of one state, with only unused blocks between them, make one
// range. A small piece of state B between two ranges of state A (not B's
// largest range) is an enclave: A's ranges are joined across it, and the
// piece stays a range of B. So a code lies in another state's range only
// where its own range is an enclave inside that one, and a state's main
// range covers it whole (06000..06999 for CT despite NY's 06390..06399).
// A state's range with the most codes comes first, its others follow in
// ascending order; states in `states` order.
// Fails on a malformed code, a state missing from `states`, or a state of
// `states` without codes.
xbase::Status DeriveZipRanges(const std::vector<PlacedCode>& zips,
                              const std::vector<RegionName>& states,
                              std::vector<PostalRange>* ranges);

}  // namespace sysdata
