// The undo history of a design page of 200 objects (texts, shapes, lines,
// address blocks): what one recorded step costs (a snapshot of the whole
// design compared with the last), and undoing and redoing every step.
//
//   history_bench [--steps N]     (default 200 steps)
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "design/commands/design_history.h"
#include "design/model/data_panel.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "xbase/env.h"

namespace vellumo::design {
namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

std::unique_ptr<TGGraphicControl> ObjectNumber(int i) {
  switch (i % 4) {
    case 0: {
      auto text = std::make_unique<TGPLabel>();
      text->Caption = "Caption " + std::to_string(i);
      return text;
    }
    case 1: return std::make_unique<TGLabelShapes>();
    case 2: return std::make_unique<TGLineShape>();
    default: return std::make_unique<TGDMultiLineAddressLabel>();
  }
}

void Bench(int steps) {
  std::unique_ptr<xbase::Env> env = xbase::NewMemEnv();
  TGLabelPanel page("/prog", env.get());
  page.SetSize(QSize(800, 600));
  for (int i = 0; i < 200; ++i) page.PlaceObject(ObjectNumber(i), QRect((i * 37) % 700, (i * 23) % 500, 60, 20));
  DesignHistory history(page);
  std::printf("design of %zu objects, snapshot %zu bytes\n", page.Objects().size(), page.DesignSnapshot()->size());

  TGGraphicControl& moved = *page.Objects()[100];
  Clock::time_point start = Clock::now();
  for (int i = 1; i <= steps; ++i) {
    moved.SetLeft(moved.Left() % 700 + 1);
    QCoreApplication::processEvents();
  }
  const double record = MicrosecondsSince(start);
  start = Clock::now();
  while (history.CanUndo()) history.Undo();
  const double undo = MicrosecondsSince(start);
  start = Clock::now();
  while (history.CanRedo()) history.Redo();
  const double redo = MicrosecondsSince(start);
  const int kept = history.Stack().count();
  std::printf("%d changes, %d steps kept: record %.0f us a step, undo %.0f us, redo %.0f us\n", steps, kept,
              record / steps, undo / kept, redo / kept);
}

}  // namespace
}  // namespace vellumo::design

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int steps = 200;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--steps") == 0) steps = std::max(1, std::atoi(argv[i + 1]));
  }
  vellumo::design::Bench(steps);
  return 0;
}
