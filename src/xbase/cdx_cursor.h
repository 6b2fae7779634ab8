// TagCursor over one CDX tag tree, in either walking direction.
#pragma once

#include <memory>

#include "cdx_index.h"
#include "cdx_tree.h"

namespace xbase::cdx {

// REQUIRES: tree outlives the cursor.
std::unique_ptr<TagCursor> NewTreeCursor(Tree* tree, bool descending);

}  // namespace xbase::cdx
