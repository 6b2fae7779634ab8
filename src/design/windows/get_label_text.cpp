// The text dialog of a fixed text.
#include "design/windows/get_label_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"
#include "design/windows/run_dialog.h"
#include "design/windows/text_edits.h"

namespace vellumo::design {

TGetLabelText::TGetLabelText(const TGPLabel& label, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Text"));
  text_edit_ = new QLineEdit(QString::fromStdString(label.Caption), this);
  text_edit_->selectAll();
  auto* prompt = new QLabel(QStringLiteral("Enter Text"), this);
  prompt->setBuddy(text_edit_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(text_edit_);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

void TGetLabelText::Apply(TGPLabel& label) const { ReplaceCaption(label, text_edit_->text()); }

bool TGetLabelText::Edit(TGPLabel& label, QWidget* parent) { return RunDialog<TGetLabelText>(label, parent); }

}  // namespace vellumo::design
