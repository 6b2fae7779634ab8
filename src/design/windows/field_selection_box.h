// TFieldSelectionBox ("Select Field"): the display labels of the fields a
// data field or memo object may show, in field order; "Ok" binds the
// object to the chosen one.
#pragma once

#include <QDialog>
#include <vector>

#include "design/text/field_source.h"
#include "xbase/field.h"

class QListWidget;

namespace vellumo::design {

class TGPDLabel;
class TGDMultiLineLabel;

class TFieldSelectionBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3301;

  // Lists `offered` (see OfferedFields) with the entry `descript` chosen,
  // else the first.
  TFieldSelectionBox(std::vector<BoundField> offered, const QString& descript, QWidget* parent = nullptr);

  QListWidget* field_list() const { return field_list_; }
  // The chosen display label, empty when nothing is chosen.
  [[nodiscard]] QString ChosenLabel() const;
  // What "Ok" does: the object takes the chosen field's name and label.
  void Apply(TGPDLabel& label) const;
  void Apply(TGDMultiLineLabel& memo) const;

  // Run over `parent` for the object with the fields of its bound table;
  // the page is told on "Ok" and refreshes its data in any case.
  static bool Edit(TGPDLabel& label, const std::vector<xbase::FieldDef>& table_fields, QWidget* parent);
  static bool Edit(TGDMultiLineLabel& memo, const std::vector<xbase::FieldDef>& table_fields, QWidget* parent);

 private:
  std::vector<BoundField> offered_;
  QListWidget* field_list_;
};

}  // namespace vellumo::design
