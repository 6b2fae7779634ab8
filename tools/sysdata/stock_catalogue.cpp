// Resolution of equivalents and aliases, unique descriptions, the default stock.
#include "stock_catalogue.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <utility>

#include "file_text.h"
#include "stock_classes.h"
#include "stock_mapping.h"
#include "stock_naming.h"
#include "template_reader.h"

namespace sysdata {
namespace {

constexpr char kTemplateSuffix[] = "-templates.xml";

using PartKey = std::pair<std::string, std::string>;  // brand, part

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The application's default stock. The template file places this sheet
// slightly differently (columns 0.156 in from the edge at a 2.781 in
// pitch, rows at a 1 in pitch); every stored layout made with the
// application assumes the geometry below, so this row keeps it.
void ApplyDefaultStockGeometry(Stock* s) {
  s->geometry.label_height = 1.0;
  s->geometry.label_width = 2.625;
  s->geometry.across = 3;
  s->geometry.down = 10;
  s->geometry.top_margin = 0.5;
  s->geometry.left_margin = 0.188;
  s->geometry.horizontal_pitch = 2.765;
  s->geometry.vertical_pitch = 1.01;
  s->geometry.sheet_width = 8.5;
  s->geometry.sheet_depth = 11.0;
  s->geometry.paper_size = "LTR";
  s->geometry.shape = "RR";
  s->printer = "LJ";
  s->maker = "AVERY";
  s->product_type = "ADDRESS/SHIPPING LABELS";
  s->geometry.middle_extra_x = 0;
  s->geometry.middle_extra_y = 0;
}

// Appends " (2)", " (3)", ... to descriptions already taken, compared
// without regard to case as the DESCRIPT tag compares them.
void MakeDescriptionsUnique(std::vector<Stock>* stocks) {
  std::set<std::string> taken;
  for (Stock& s : *stocks) {
    std::string description = s.description;
    for (int n = 2; !taken.insert(Upper(description)).second; ++n) {
      std::string suffix = " (" + std::to_string(n) + ")";
      description = s.description.substr(0, kDescriptionWidth - suffix.size()) + suffix;
    }
    s.description = description;
  }
}

class CatalogueBuilder {
 public:
  CatalogueBuilder(const std::vector<LabelTemplate>& templates, const PaperSizes& papers)
      : templates_(templates), papers_(papers) {}

  StockCatalogue Build() {
    for (const LabelTemplate& t : templates_) {
      if (t.equivalent_part.empty() && !bases_.emplace(PartKey{t.brand, t.part}, &t).second) {
        Skip(t.brand, t.part, "part defined twice", t.source);
      }
    }
    for (const LabelTemplate& t : templates_) {
      if (!t.equivalent_part.empty()) {
        AddEquivalent(t);
        continue;
      }
      if (bases_.at(PartKey{t.brand, t.part}) != &t) continue;
      Add(t, t.brand, t.part);
      for (const TemplateAlias& alias : t.aliases) Add(t, alias.brand, alias.part);
    }
    MakeDescriptionsUnique(&catalogue_.stocks);
    return std::move(catalogue_);
  }

 private:
  void AddEquivalent(const LabelTemplate& t) {
    auto base = bases_.find(PartKey{t.brand, t.equivalent_part});
    if (base == bases_.end()) {
      Skip(t.brand, t.part, "equivalent of an unknown part", t.equivalent_part);
      return;
    }
    LabelTemplate resolved = *base->second;
    if (!t.product_url.empty()) resolved.product_url = t.product_url;
    Add(resolved, t.brand, t.part);
  }

  void Add(LabelTemplate t, const std::string& brand, const std::string& part) {
    const bool is_default_stock = brand == "Avery" && part == "5160";
    t.brand = brand;
    t.part = part;
    Stock stock;
    std::string detail;
    SkipReason reason = MapTemplate(t, papers_, &stock, &detail);
    if (reason != SkipReason::kNone) {
      Skip(brand, part, SkipReasonText(reason), detail);
      return;
    }
    if (is_default_stock) ApplyDefaultStockGeometry(&stock);
    catalogue_.stocks.push_back(std::move(stock));
  }

  void Skip(const std::string& brand, const std::string& part, std::string reason,
            std::string detail) {
    catalogue_.skipped.push_back(
        SkippedTemplate{brand + " " + part, std::move(reason), std::move(detail)});
  }

  const std::vector<LabelTemplate>& templates_;
  const PaperSizes& papers_;
  std::map<PartKey, const LabelTemplate*> bases_;
  StockCatalogue catalogue_;
};

}  // namespace

StockCatalogue CatalogueFromTemplates(const std::vector<LabelTemplate>& templates,
                                      const PaperSizes& papers) {
  return CatalogueBuilder(templates, papers).Build();
}

xbase::Status BuildStockCatalogue(xbase::Env* env, const std::string& template_dir,
                                  StockCatalogue* catalogue) {
  const std::string dir = template_dir + "/";
  std::string text;
  XBASE_RETURN_IF_ERROR(ReadFileText(env, dir + "paper-sizes.xml", &text));
  PaperSizes papers;
  XBASE_RETURN_IF_ERROR(ReadPaperSizes(text, "paper-sizes.xml", &papers));

  XBASE_RETURN_IF_ERROR(ReadFileText(env, dir + "categories.xml", &text));
  std::vector<std::string> categories;
  XBASE_RETURN_IF_ERROR(ReadCategoryIds(text, "categories.xml", &categories));
  for (const std::string& id : categories) {
    if (!IsKnownCategory(id)) {
      return xbase::Status::NotSupported("categories.xml: category '" + id +
                                         "' has no product type yet (see stock_classes.cpp)");
    }
  }

  std::vector<std::string> names;
  XBASE_RETURN_IF_ERROR(env->ListDirectory(template_dir, &names));
  std::sort(names.begin(), names.end());
  std::vector<LabelTemplate> templates;
  for (const std::string& name : names) {
    if (!name.ends_with(kTemplateSuffix)) continue;
    XBASE_RETURN_IF_ERROR(ReadFileText(env, dir + name, &text));
    XBASE_RETURN_IF_ERROR(ReadTemplates(text, name, &templates));
  }
  if (templates.empty()) {
    return xbase::Status::NotFound(template_dir + ": no *" + kTemplateSuffix + " files");
  }
  *catalogue = CatalogueFromTemplates(templates, papers);
  return xbase::Status::OK();
}

}  // namespace sysdata
