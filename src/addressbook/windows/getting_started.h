// The getting-started screen shown at start: a short guide to the first
// steps, and "Do not show this screen at start up".
#pragma once

#include <QDialog>

class QCheckBox;

namespace vellumo {

class TGettingStarted : public QDialog {
  Q_OBJECT

 public:
  explicit TGettingStarted(QWidget* parent = nullptr);
  QCheckBox* do_not_show() const { return do_not_show_; }

 protected:
  void done(int result) override;

 private:
  QCheckBox* do_not_show_;
};

}  // namespace vellumo
