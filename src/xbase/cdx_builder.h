// Bulk building of CDX tag trees: sorted keys are encoded into a
// self-contained image of pages numbered from 0 (leaves left to right, then
// each interior level bottom-up), which is later placed in the file.
#pragma once

#include "cdx_index.h"
#include "cdx_pager.h"

namespace xbase::cdx {

// Places `image` in the file behind `pager`: on free pages when enough are
// free, else as one run at the end of the file. Its page pointers are
// relocated and its pages written at once (nothing refers to them until the
// tag's header does). *root receives the root's offset.
Status WriteTagImage(Pager* pager, TagImage* image, uint32_t* root);

}  // namespace xbase::cdx
