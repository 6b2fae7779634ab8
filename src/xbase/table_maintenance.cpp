// Table: pack, zap and structure copy. Pack and zap rewrite the table and
// then rebuild every tag, since record numbers change under them.
#include "table_impl.h"

namespace xbase {
namespace {

std::vector<TagSpec> SpecsOf(const std::vector<ActiveTag>& tags) {
  std::vector<TagSpec> specs;
  for (const ActiveTag& tag : tags) {
    const TagDefinition& d = tag.definition;
    specs.push_back(TagSpec{d.name, d.key_expression, d.for_expression, d.descending});
  }
  return specs;
}

// Runs `rewrite` on the table file, then builds the structural index anew
// with the tags it had.
Status RewriteAndReindex(Table* table, Table::Impl& t,
                                const std::function<Status()>& rewrite) {
  if (t.read_only) return Status::InvalidArgument(t.path + " is open read-only");
  XBASE_RETURN_IF_ERROR(table->Commit());
  std::vector<TagSpec> specs = SpecsOf(t.tags);
  bool had_index = t.cdx != nullptr;
  XBASE_RETURN_IF_ERROR(t.MarkWriting());
  XBASE_RETURN_IF_ERROR(table->CloseTemporaryIndex());
  // The order is kept by name across the rebuild.
  std::string order_tag = t.order > 0 ? t.tags[static_cast<size_t>(t.order - 1)].definition.name : "";
  XBASE_RETURN_IF_ERROR(table->SetOrder(0));
  XBASE_RETURN_IF_ERROR(rewrite());
  t.deletion_marks_known = false;
  if (had_index) {
    // IndexTags replaces the closed index file under its own name.
    t.cursor.reset();
    t.tags.clear();
    t.cdx.reset();
    XBASE_RETURN_IF_ERROR(table->IndexTags(specs));
  }
  XBASE_RETURN_IF_ERROR(table->Commit());
  if (!order_tag.empty()) XBASE_RETURN_IF_ERROR(table->SetOrder(table->TagArea(order_tag)));
  return table->GoTop();
}

}  // namespace

Status Table::Pack() {
  Impl& t = *impl_;
  return RewriteAndReindex(this, t, [&t] {
    std::function<void(int)> report;
    if (t.progress) report = [&t](int percent) { t.progress(ProgressPhase::kPacking, percent); };
    return t.dbf->Pack([](uint32_t, std::string_view record) { return record[0] != '*'; },
                       report);
  });
}

Status Table::Zap() {
  Impl& t = *impl_;
  return RewriteAndReindex(this, t, [&t] {
    XBASE_RETURN_IF_ERROR(t.dbf->Zap());
    return t.memo ? t.memo->Clear() : Status::OK();
  });
}

Status Table::CopyStructure(const std::string& target) const {
  std::vector<FieldDef> fields = schema().fields();
  CreateOptions options;
  options.env = impl_->env;
  if (impl_->progress) impl_->progress(ProgressPhase::kCopying, 0);
  XBASE_RETURN_IF_ERROR(Create(target, fields, options));
  if (impl_->progress) impl_->progress(ProgressPhase::kCopying, 100);
  return Status::OK();
}

}  // namespace xbase
