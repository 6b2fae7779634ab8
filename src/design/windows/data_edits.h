// What the field chooser and the address layout dialog offer and do: the
// fields a data object may be bound to, listed from the bound table's
// fields in their order, the binding "Ok" makes, and the address block's
// options written back.
#pragma once

#include <QStringList>
#include <vector>

#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "design/text/field_source.h"
#include "xbase/field.h"

namespace vellumo::design {

// A one-line field object offers the visible text fields, a memo object
// the memo fields.
enum class FieldChoice { kTextField, kMemoField };

// The offered fields of a table with these fields, in field order, each
// with its display label (a field without one is shown by its name).
[[nodiscard]] std::vector<BoundField> OfferedFields(const std::vector<xbase::FieldDef>& fields, FieldChoice choice);

// The display labels the chooser lists.
[[nodiscard]] QStringList OfferedLabels(const std::vector<BoundField>& offered);

// The row that starts chosen: the one whose label is the object's
// DataFieldDescript, else the first (-1 when nothing is offered).
[[nodiscard]] int PreselectedRow(const std::vector<BoundField>& offered, const QString& descript);

// Binds the object to the offered field with display label `label` (found
// again by its label, the last one holding it); false, and the object as
// it was, when no offered field has it.
bool BindToField(TGPDLabel& label, const std::vector<BoundField>& offered, const QString& chosen);
bool BindToField(TGDMultiLineLabel& memo, const std::vector<BoundField>& offered, const QString& chosen);

// Takes the flags and the ZIP place of the address block.
void ApplyAddressLayout(TGDMultiLineAddressLabel& address, const AddressBlockOptions& options);

// After a data object's dialog closed: the page hears of the change when
// it was accepted and shows every object's data afresh either way.
void FinishDataDialog(TGGraphicControl& object, bool accepted);

}  // namespace vellumo::design
