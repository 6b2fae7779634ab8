// A label page over an in-memory file layer, with a count of the change
// notifications it raised and helpers to put objects on it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "design/model/data_panel.h"
#include "design/model/label_shapes.h"
#include "xbase/env.h"

namespace vellumo::design::testing {

class PageTest : public ::testing::Test {
 protected:
  PageTest() {
    page_.SetSize(QSize(252, 96));
    page_.LabelChangedEvent = [this] { ++changes_; };
    changes_ = 0;
  }

  // A rectangle at exactly these bounds, named UniqueName("Special").
  TGGraphicControl* AddShape(int left, int top, int width, int height) {
    TGGraphicControl* shape = page_.PlaceObject(std::make_unique<TGLabelShapes>(), QRect(0, 0, 100, 100));
    shape->SetBounds(QRect(left, top, width, height));
    return shape;
  }

  std::vector<std::string> NamesInZOrder() const {
    std::vector<std::string> names;
    for (const auto& object : page_.Objects()) names.push_back(object->Name());
    return names;
  }

  std::unique_ptr<xbase::Env> env_ = xbase::NewMemEnv();
  TGLabelPanel page_{"/prog", env_.get()};
  int changes_ = 0;
};

}  // namespace vellumo::design::testing
