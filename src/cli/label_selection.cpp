// Choosing and ordering the records of a label run.
#include "label_selection.h"

#include "core/filter_expression.h"
#include "core/tag_id.h"
#include "labels/printing/label_records.h"
#include "postal/presort_file.h"
#include "postal/presort_job.h"
#include "xbase/codepage.h"

namespace cli {
namespace {

// The filter as the main window puts it in force: deleted records stay
// hidden whatever the condition says.
std::string FilterOf(const LabelRequest& request) {
  if (request.records == LabelRecords::kTagged) {
    vellumo::FilterConditions conditions;
    conditions.tagged = true;
    const QString query = vellumo::BuildQueryString(conditions, vellumo::CurrentTagId());
    return xbase::Utf8ToWindows1252(query.toStdString()) + " .and. !ISDEL";
  }
  return "(" + xbase::Utf8ToWindows1252(request.filter) + ") .and. !ISDEL";
}

xbase::Status ApplyChoice(xbase::Table& table, const LabelRequest& request) {
  vellumo::LabelRecordChoice choice = vellumo::LabelRecordChoice::kAll;
  if (request.records == LabelRecords::kFilter || request.records == LabelRecords::kTagged) {
    const std::string filter = FilterOf(request);
    xbase::Status s = table.CheckExpression(filter);
    if (s.ok()) s = table.SetFilter(filter);
    if (!s.ok()) return xbase::Status::InvalidArgument("bad filter \"" + request.filter + "\": " + s.message());
    choice = vellumo::LabelRecordChoice::kMatchingFilter;
  } else if (request.records == LabelRecords::kRecord) {
    if (request.record > table.RecCount()) {
      return xbase::Status::NotFound("record " + std::to_string(request.record) + " does not exist: the database has " +
                                     std::to_string(table.RecCount()) + " records");
    }
    // The window's current record is never a deleted one: hidden records
    // are not printed by number either.
    XBASE_RETURN_IF_ERROR(table.Go(request.record));
    if (table.Deleted() || table.GetLogical("ISDEL")) {
      return xbase::Status::NotFound("record " + std::to_string(request.record) +
                                     " is marked deleted: no records to print");
    }
    choice = vellumo::LabelRecordChoice::kCurrentOnly;
  }
  vellumo::ChosenRecords chosen;
  return vellumo::ChooseLabelRecords(table, choice, request.record, /*start_from_current=*/false, &chosen);
}

xbase::Status SetOrder(xbase::Table& table, const std::string& tag) {
  const int area = table.TagArea(tag);
  if (area == 0) return xbase::Status::InvalidArgument("the database has no tag named " + tag);
  return table.SetOrder(area);
}

// The presort over the chosen records; the run goes through the list in
// the table's ZIP order.
xbase::Status Presort(xbase::Table& table, const QString& presort_file, LabelSelection* selection) {
  const vellumo::PresortRun run = vellumo::RunPresort(table, presort_file, {});
  if (run.outcome != vellumo::PresortOutcome::kCompleted) {
    return xbase::Status::IOError("the presort failed: " + run.error.toStdString());
  }
  std::vector<vellumo::PresortGroup> groups;
  QString error;
  if (!vellumo::ReadPresortFile(presort_file, &groups, &error)) {
    return xbase::Status::IOError("cannot read the presort list back: " + error.toStdString());
  }
  for (vellumo::PresortGroup& group : groups) {
    selection->presort_lines.push_back(std::move(group.separator));
    for (std::string& key : group.keys) selection->presort_lines.push_back(std::move(key));
  }
  selection->unsorted_records = run.left_out;
  return xbase::Status::OK();
}

}  // namespace

xbase::Status SelectLabelRecords(xbase::Table& table, const LabelRequest& request, const QString& presort_file,
                                 LabelSelection* selection) {
  *selection = LabelSelection{};
  table.SetDeleted(true);
  if (!request.order.empty()) XBASE_RETURN_IF_ERROR(SetOrder(table, request.order));
  XBASE_RETURN_IF_ERROR(ApplyChoice(table, request));
  uint32_t count = 0;
  XBASE_RETURN_IF_ERROR(table.QueryRecCount(&count));
  if (count == 0) return xbase::Status::NotFound("no records to print");
  selection->chosen = count;
  if (request.presort) return Presort(table, presort_file, selection);
  return xbase::Status::OK();
}

}  // namespace cli
