// A label page over an in-memory file layer, bound to a record held in
// maps, with its undo history and a command context whose font and colour
// choosers answer as a test tells them; and a way to let the event loop
// run the history's deferred checks.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "design/commands/command_context.h"
#include "design/commands/design_history.h"
#include "design/model/data_panel.h"
#include "design/model/label_shapes.h"
#include "design/model/record_source.h"
#include "xbase/env.h"

namespace vellumo::design::testing {

class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() {
    page_.SetSize(QSize(252, 96));
    page_.SetRecord(&record_);
    page_.LabelChangedEvent = [this] { ++changes_; };
    history_ = std::make_unique<DesignHistory>(page_);
    context_.history = history_.get();
    context_.choose_font = [this](const QFont& initial, QWidget*) {
      offered_font_ = initial;
      return font_answer_;
    };
    context_.choose_colour = [this](const QColor& initial, QWidget*) {
      offered_colour_ = initial;
      return colour_answer_;
    };
  }

  // Runs what the event loop has waiting, as returning to it would.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  // An object of class T at exactly these bounds, placed as a drawing is.
  template <typename T = TGLabelShapes>
  T* Add(const QRect& bounds) {
    auto* object = static_cast<T*>(page_.PlaceObject(std::make_unique<T>(), bounds));
    object->SetBounds(bounds);
    return object;
  }

  // Objects added and settled, the history starts from here.
  void Baseline() {
    Settle();
    history_->Reset();
  }

  std::vector<std::string> NamesInZOrder() const {
    std::vector<std::string> names;
    for (const auto& object : page_.Objects()) names.push_back(object->Name());
    return names;
  }
  std::vector<std::string> SelectedNames() const {
    std::vector<std::string> names;
    for (const TGGraphicControl* object : page_.Selection()) names.push_back(object->Name());
    return names;
  }
  TGGraphicControl& Named(const std::string& name) const {
    TGGraphicControl* object = page_.FindObject(name);
    EXPECT_NE(object, nullptr) << name;
    return *object;
  }

  std::unique_ptr<xbase::Env> env_ = xbase::NewMemEnv();
  MapRecordSource record_;
  TGLabelPanel page_{"/prog", env_.get()};
  int changes_ = 0;
  std::unique_ptr<DesignHistory> history_;
  CommandContext context_;
  std::optional<QFont> font_answer_;
  std::optional<QColor> colour_answer_;
  QFont offered_font_;
  QColor offered_colour_;
};

}  // namespace vellumo::design::testing
