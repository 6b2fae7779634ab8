// Editing a design page on screen: the cost of one mouse move while a
// selection of 100 text objects is dragged and while a rubber band is
// drawn over 200, each with the repaint of the page surface (rendered
// into an image, offscreen), against a repaint of the whole page; and a
// whole drag of the 100 objects with its drop, which moves every object.
//
//   design_edit_bench [Google Benchmark flags]      (runs offscreen)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <memory>
#include <string>

#include "design/editor/page_editor.h"
#include "design/model/data_panel.h"
#include "design/model/text_label.h"
#include "xbase/env.h"

namespace vellumo::design {
namespace {

// An 8 × 5 inch page with `count` text objects in rows, leaving its
// top-left corner empty for a band to start from.
struct EditedPage {
  explicit EditedPage(int count) {
    page.SetSize(QSize(768, 480));
    // Each query of the clock is 100 ms on, so every release counts as a drag.
    page.Now = [this] { return now += 100; };
    for (int i = 0; i < count; ++i) {
      auto text = std::make_unique<TGPLabel>();
      text->Caption = "Text object " + std::to_string(i);
      const QRect bounds(20 + (i % 5) * 145, 20 + (i / 5) * 22 % 440, 140, 20);
      page.PlaceObject(std::move(text), QRect(0, 0, 10, 10))->SetBounds(bounds);
    }
    view = std::make_unique<TPageView>(&page);
    view->resize(800, 520);
    new TPageEditor(view.get());  // a child of the view
    image.fill(Qt::white);
  }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), view->Surface()->mapToGlobal(QPointF(at)), button, buttons, {});
    QApplication::sendEvent(view->Surface(), &event);
  }
  void Show() { view->Surface()->render(&image); }

  std::unique_ptr<xbase::Env> env = xbase::NewMemEnv();
  TGLabelPanel page{"/prog", env.get()};
  int64_t now = 0;
  std::unique_ptr<TPageView> view;
  QImage image{768, 480, QImage::Format_ARGB32_Premultiplied};
};

// Moves that go back and forth over the page.
QPoint MoveTarget(QPoint from, int step) { return from + QPoint((step % 40) * 5, (step % 20) * 3); }

void BM_DragMoveOf100TextObjects(benchmark::State& state) {
  EditedPage edited(100);
  edited.page.SelectAll();
  const QPoint grip(30, 30);
  edited.Mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    edited.Mouse(QEvent::MouseMove, MoveTarget(grip, ++step), Qt::NoButton, Qt::LeftButton);
    edited.Show();
  }
  edited.Mouse(QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_DragMoveOf100TextObjects)->Unit(benchmark::kMillisecond);

void BM_BandMoveOver200TextObjects(benchmark::State& state) {
  EditedPage edited(200);
  const QPoint corner(5, 5);
  edited.Mouse(QEvent::MouseButtonPress, corner, Qt::LeftButton, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    edited.Mouse(QEvent::MouseMove, QPoint(400, 300) + MoveTarget(QPoint(), ++step), Qt::NoButton, Qt::LeftButton);
    edited.Show();
  }
  edited.Mouse(QEvent::MouseButtonRelease, corner, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_BandMoveOver200TextObjects)->Unit(benchmark::kMillisecond);

// What every move would cost if the whole page were painted each time.
void BM_WholePageRepaintOf200TextObjects(benchmark::State& state) {
  EditedPage edited(200);
  for (auto _ : state) edited.Show();
}
BENCHMARK(BM_WholePageRepaintOf200TextObjects)->Unit(benchmark::kMillisecond);

// Press, one move and the drop of 100 selected text objects, and the
// repaint after it.
void BM_DragAndDropOf100TextObjects(benchmark::State& state) {
  EditedPage edited(100);
  edited.page.SelectAll();
  int step = 0;
  for (auto _ : state) {
    const QPoint grip(30, 30), to = grip + QPoint(step++ % 2 ? -5 : 5, 0);
    edited.Mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    edited.Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    edited.Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    edited.Show();
  }
}
BENCHMARK(BM_DragAndDropOf100TextObjects)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellumo::design

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
