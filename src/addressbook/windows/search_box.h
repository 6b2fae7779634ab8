// TSearchBox ("Search"): a text and the sort order to find it in.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vellumo {

class TSearchBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1026;

  // `checked_order` is the position of the checked sort item (-1: none).
  explicit TSearchBox(int checked_order, QWidget* parent = nullptr);

  QString text() const;
  QString order_name() const;
  int order_index() const;
  QLineEdit* text_edit() const { return text_; }
  QComboBox* order_list() const { return order_; }
  QLabel* prompt() const { return prompt_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OrderChanged();

  QLabel* prompt_;
  QLineEdit* text_;
  QComboBox* order_;
};

}  // namespace vellumo
