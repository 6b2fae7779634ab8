// The whole label-stock catalogue from a folder of template files:
// equivalents and aliases resolved to rows of their own, descriptions made
// unique, and the record of what was left out and why.
#pragma once

#include <string>
#include <vector>

#include "label_template.h"
#include "stock.h"
#include "xbase/env.h"
#include "xbase/status.h"

namespace sysdata {

struct SkippedTemplate {
  std::string name;    // "Brand Part", UTF-8
  std::string reason;  // a short phrase shared by like cases
  std::string detail;
};

struct StockCatalogue {
  std::vector<Stock> stocks;  // in template-file order, aliases after their base
  std::vector<SkippedTemplate> skipped;
};

// Builds the catalogue from templates already read. Templates naming an
// equivalent take its geometry, description and categories under their own
// brand and part; so do aliases.
StockCatalogue CatalogueFromTemplates(const std::vector<LabelTemplate>& templates,
                                      const PaperSizes& papers);

// Reads paper-sizes.xml, categories.xml and every *-templates.xml of
// `template_dir` (in name order) and builds the catalogue. Fails on an
// unreadable or malformed file and on a category it does not know.
xbase::Status BuildStockCatalogue(xbase::Env* env, const std::string& template_dir,
                                  StockCatalogue* catalogue);

}  // namespace sysdata
