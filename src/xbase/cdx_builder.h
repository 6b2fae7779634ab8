// Writing a whole CDX tag tree in one pass from sorted keys: leaves left to
// right, then each interior level bottom-up.
#pragma once

#include "cdx_index.h"
#include "cdx_pager.h"

namespace xbase::cdx {

// Writes a tree of the entries of `keys` (which must be sorted, without
// repeated entries) through `pager` and stores its root page in *root.
Status BuildTree(Pager* pager, const KeyBatch& keys, char pad, const ProgressFn& progress, uint32_t* root);

}  // namespace xbase::cdx
