// The records a label design previews: the design window moves through
// them with its record buttons and the page shows the current one.
#pragma once

#include <memory>
#include <vector>

#include "design/model/record_source.h"
#include "xbase/field.h"
#include "xbase/status.h"
#include "xbase/table.h"

namespace vellumo {

class LabelRecordNavigator {
 public:
  virtual ~LabelRecordNavigator() = default;
  // Each move says why it failed; the record is then where the table left it.
  virtual xbase::Status First() = 0;
  virtual xbase::Status Prior() = 0;
  virtual xbase::Status Next() = 0;
  virtual xbase::Status Last() = 0;
  // The current record; it stays the same object while the window is open.
  [[nodiscard]] virtual const design::RecordSource& Record() const = 0;
  // The fields the field dialogs offer.
  [[nodiscard]] virtual std::vector<xbase::FieldDef> Fields() const = 0;
};

// An open address table in its current order and filter. Next on the last
// record and Prior on the first stay where they are. REQUIRES: the table
// outlives the navigator.
class TableRecordNavigator final : public LabelRecordNavigator {
 public:
  explicit TableRecordNavigator(xbase::Table& table) : table_(table), record_(table) {}

  xbase::Status First() override;
  xbase::Status Prior() override;
  xbase::Status Next() override;
  xbase::Status Last() override;
  [[nodiscard]] const design::RecordSource& Record() const override { return record_; }
  [[nodiscard]] std::vector<xbase::FieldDef> Fields() const override;

 private:
  xbase::Table& table_;
  design::TableRecordSource record_;
};

}  // namespace vellumo
