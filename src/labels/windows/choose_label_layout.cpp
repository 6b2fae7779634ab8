// The layout chooser.
#include "labels/windows/choose_label_layout.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"

namespace vellumo {

TChooseLabelLayout::TChooseLabelLayout(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Label Layout"));
  from_catalogue_ = new QRadioButton(QStringLiteral("&Select layout from a list of templates"), this);
  user_defined_ = new QRadioButton(QStringLiteral("&Enter the layout values manually (user defined layout)"), this);
  from_catalogue_->setChecked(true);
  from_catalogue_->setWhatsThis(QStringLiteral("Picks the stock from the catalogue of label stocks."));
  user_defined_->setWhatsThis(QStringLiteral("Enters the sizes of a stock the catalogue does not have."));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(from_catalogue_);
  layout->addWidget(user_defined_);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

LabelLayoutChoice TChooseLabelLayout::choice() const {
  if (result() != QDialog::Accepted) return LabelLayoutChoice::kCancelled;
  return from_catalogue_->isChecked() ? LabelLayoutChoice::kFromCatalogue : LabelLayoutChoice::kUserDefined;
}

LabelLayoutChoice TChooseLabelLayout::Ask(QWidget* parent) {
  TChooseLabelLayout chooser(parent);
  chooser.exec();
  return chooser.choice();
}

}  // namespace vellumo
