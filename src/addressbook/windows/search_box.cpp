// The search dialog.
#include "addressbook/windows/search_box.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "addressbook/sort_orders.h"
#include "core/windows/dialog_buttons.h"

namespace vellumo {

TSearchBox::TSearchBox(int checked_order, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Search"));
  // One caption over the edit, naming the chosen order; its mnemonic is the
  // edit's.
  prompt_ = new QLabel(this);
  text_ = new QLineEdit(this);
  text_->setAccessibleName(QStringLiteral("Search for"));
  QFont bold = text_->font();
  bold.setBold(true);
  text_->setFont(bold);
  prompt_->setBuddy(text_);
  auto* order_label = new QLabel(QStringLiteral("Search &Order"), this);
  order_ = new QComboBox(this);
  for (const SortOrder& order : SortOrders()) order_->addItem(order.name());
  order_->setCurrentIndex(checked_order);
  order_label->setBuddy(order_);
  DialogButtons buttons = AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(text_);
  layout->addWidget(order_label);
  layout->addWidget(order_);
  layout->addWidget(buttons.box);
  connect(order_, &QComboBox::currentIndexChanged, this, &TSearchBox::OrderChanged);
  OrderChanged();
}

QString TSearchBox::text() const { return text_->text(); }
QString TSearchBox::order_name() const { return order_->currentText(); }
int TSearchBox::order_index() const { return order_->currentIndex(); }

void TSearchBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  OrderChanged();
}

void TSearchBox::OrderChanged() {
  prompt_->setText(QStringLiteral("&Search ") + order_name() + QStringLiteral(" starting with..."));
  text_->setFocus();
}

}  // namespace vellumo
