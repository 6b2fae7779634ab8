// A label page over an in-memory file layer, bound to a record held in
// maps, with a count of the changes it reported; and a way to answer a
// dialog that runs modally, and the captions of its button row.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "design/model/data_panel.h"
#include "design/model/record_source.h"
#include "xbase/env.h"

namespace vellumo::design::testing {

// The captions of the dialog's "Ok" / "Cancel" / "Help" row, in order.
inline QStringList ButtonCaptions(const QDialog& dialog) {
  QStringList captions;
  for (const QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons()) captions << button->text();
  return captions;
}

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() {
    page_.SetSize(QSize(400, 200));
    page_.SetRecord(&record_);
    page_.LabelChangedEvent = [this] { ++changes_; };
  }

  // An object of class T put on the page; the changes counted from there.
  template <typename T>
  T* Place() {
    auto* object = static_cast<T*>(page_.PlaceObject(std::make_unique<T>(), QRect(10, 10, 142, 33)));
    object->SetBounds(QRect(10, 10, 142, 33));
    changes_ = 0;
    return object;
  }

  // Once the next dialog runs modally, it is accepted or rejected.
  static void AnswerNextDialog(bool accept) {
    QTimer::singleShot(0, [accept] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      accept ? dialog->accept() : dialog->reject();
    });
  }

  std::unique_ptr<xbase::Env> env_ = xbase::NewMemEnv();
  MapRecordSource record_;
  TGLabelPanel page_{"/prog", env_.get()};
  int changes_ = 0;
};

}  // namespace vellumo::design::testing
