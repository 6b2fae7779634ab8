// The field chooser of the data objects.
#include "design/windows/field_selection_box.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"
#include "design/windows/data_edits.h"

namespace vellumo::design {
namespace {

template <typename Object>
bool EditBinding(Object& object, FieldChoice choice, const std::vector<xbase::FieldDef>& table_fields,
                 QWidget* parent) {
  TFieldSelectionBox dialog(OfferedFields(table_fields, choice), QString::fromStdString(object.DataFieldDescript),
                            parent);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (accepted) dialog.Apply(object);
  FinishDataDialog(object, accepted);
  return accepted;
}

}  // namespace

TFieldSelectionBox::TFieldSelectionBox(std::vector<BoundField> offered, const QString& descript, QWidget* parent)
    : QDialog(parent), offered_(std::move(offered)) {
  setWindowTitle(QStringLiteral("Select Field"));
  field_list_ = new QListWidget(this);
  field_list_->addItems(OfferedLabels(offered_));
  field_list_->setCurrentRow(PreselectedRow(offered_, descript));
  // A double-click chooses like "Ok".
  connect(field_list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(field_list_);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

QString TFieldSelectionBox::ChosenLabel() const {
  const QListWidgetItem* item = field_list_->currentItem();
  return item ? item->text() : QString();
}

void TFieldSelectionBox::Apply(TGPDLabel& label) const { BindToField(label, offered_, ChosenLabel()); }

void TFieldSelectionBox::Apply(TGDMultiLineLabel& memo) const { BindToField(memo, offered_, ChosenLabel()); }

bool TFieldSelectionBox::Edit(TGPDLabel& label, const std::vector<xbase::FieldDef>& table_fields, QWidget* parent) {
  return EditBinding(label, FieldChoice::kTextField, table_fields, parent);
}

bool TFieldSelectionBox::Edit(TGDMultiLineLabel& memo, const std::vector<xbase::FieldDef>& table_fields,
                              QWidget* parent) {
  return EditBinding(memo, FieldChoice::kMemoField, table_fields, parent);
}

}  // namespace vellumo::design
