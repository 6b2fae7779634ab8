// Editing a page through its view: drawing with every tool, selecting by
// band and Shift-click, moving and resizing from every handle with and
// without snapping, nudging, the clipboard keys, the menu and failure
// hooks, the marks drawn over the page and the pointer's shapes.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "design/stream/design_file.h"
#include "editor_fixture.h"

namespace vellumo::design {
namespace {

using Editor = testing::EditorTest;
using Objects = std::vector<TGGraphicControl*>;

TEST_F(Editor, EveryToolDrawsItsObjectFromABandOnTheSurface) {
  const std::vector<std::pair<TLPanelState, std::string_view>> tools = {
      {TLPanelState::psLabel, "TGPLabel"},
      {TLPanelState::psCounterLabel, "TGCounterLabel"},
      {TLPanelState::psSymbolLabel, "TGSymbolLabel"},
      {TLPanelState::psDataLabel, "TGPDLabel"},
      {TLPanelState::psMultiLineLabel, "TGMultiLineLabel"},
      {TLPanelState::psMultiLineDataLabel, "TGDMultiLineLabel"},
      {TLPanelState::psAddressLabel, "TGDMultiLineAddressLabel"},
      {TLPanelState::psRectangle, "TGLabelShapes"},
      {TLPanelState::psEllipse, "TGLabelShapes"},
      {TLPanelState::psRoundRectangle, "TGLabelShapes"},
      {TLPanelState::psLine, "TGLineShape"},
      {TLPanelState::psPostNetBarCode, "TGPostNetBarCode"},
  };
  // The label window goes back to the pointer after every drawing.
  page_.DroppedObjectEvent = [this](const QRect&) { page_.SetPanelState(TLPanelState::psPointing); };
  for (const auto& [tool, class_name] : tools) {
    page_.ClearObjects();
    page_.SetPanelState(tool);
    MoveHeld({5, 5});
    EXPECT_EQ(Surface()->cursor().shape(), Qt::CrossCursor);
    Drag({20, 10}, {120, 60});
    ASSERT_EQ(page_.Objects().size(), 1u) << class_name;
    const TGGraphicControl& drawn = *page_.Objects()[0];
    EXPECT_EQ(drawn.ClassName(), class_name);
    EXPECT_EQ(drawn.Bounds().topLeft(), QPoint(20, 10)) << class_name;
    EXPECT_TRUE(page_.Pointing);
  }
}

TEST_F(Editor, BandAndShiftClickSelectAtTheViewsZoom) {
  view_.SetZoom(2.0f);
  TGGraphicControl* a = AddShape(10, 10, 20, 20);
  TGGraphicControl* b = AddShape(60, 10, 20, 20);
  TGGraphicControl* c = AddShape(150, 50, 20, 20);
  Drag({180, 100}, {10, 10});  // units 90, 50 to 5, 5
  EXPECT_EQ(page_.Selection(), Objects({a, b}));
  Click({320, 120}, Qt::ShiftModifier);  // c at units 160, 60
  EXPECT_EQ(page_.Selection(), Objects({a, b, c}));
  Click({140, 40}, Qt::ShiftModifier);  // b, under the frame
  EXPECT_EQ(page_.Selection(), Objects({a, c}));
}

TEST_F(Editor, SelectingTakesTheKeyboardFocus) {
  view_.show();
  view_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view_));
  AddShape(10, 10, 20, 20);
  Click({15, 15});
  EXPECT_TRUE(Surface()->hasFocus());
}

struct HandleCase {
  QPoint handle;
  QRect unsnapped;
  QRect snapped;
};

TEST_F(Editor, EveryHandleResizesWithAndWithoutSnapping) {
  // One object at 40, 30, 100 × 40 (frame 38, 28, 105 × 45); each handle
  // dragged 10 right and 6 down; snapping on an 8 grid.
  const std::vector<HandleCase> cases = {
      {{39, 29}, QRect(50, 36, 90, 34), QRect(50, 34, 90, 36)},     // top-left
      {{141, 29}, QRect(40, 36, 109, 34), QRect(40, 34, 106, 36)},  // top-right
      {{39, 71}, QRect(50, 30, 90, 45), QRect(50, 30, 90, 42)},     // bottom-left
      {{141, 71}, QRect(40, 30, 109, 45), QRect(40, 30, 106, 42)},  // bottom-right
      {{90, 29}, QRect(40, 36, 100, 34), QRect(40, 34, 100, 36)},   // top
      {{39, 50}, QRect(50, 30, 90, 40), QRect(50, 30, 90, 40)},     // left
      {{90, 71}, QRect(40, 30, 100, 45), QRect(40, 30, 100, 42)},   // bottom
      {{141, 50}, QRect(40, 30, 109, 40), QRect(40, 30, 106, 40)},  // right
      {{90, 50}, QRect(50, 36, 100, 40), QRect(50, 34, 100, 40)},   // the middle moves
  };
  page_.GridSize = TGridSize::gs8x8;
  for (const bool snap : {false, true}) {
    page_.SnapToGrid = snap;
    for (const HandleCase& c : cases) {
      page_.ClearObjects();
      TGGraphicControl* object = AddShape(40, 30, 100, 40);
      Click({60, 40});
      Drag(c.handle, c.handle + QPoint(10, 6));
      EXPECT_EQ(object->Bounds(), snap ? c.snapped : c.unsnapped)
          << (snap ? "snapped " : "") << c.handle.x() << "," << c.handle.y();
    }
  }
}

TEST_F(Editor, HandlesShowTheirSizingPointers) {
  AddShape(40, 30, 100, 40);
  Click({60, 40});
  const std::vector<std::pair<QPoint, Qt::CursorShape>> places = {
      {{39, 29}, Qt::SizeFDiagCursor}, {{141, 71}, Qt::SizeFDiagCursor}, {{141, 29}, Qt::SizeBDiagCursor},
      {{39, 71}, Qt::SizeBDiagCursor}, {{90, 29}, Qt::SizeVerCursor},    {{39, 50}, Qt::SizeHorCursor},
      {{90, 50}, Qt::OpenHandCursor},  {{200, 80}, Qt::ArrowCursor},
  };
  for (const auto& [at, shape] : places) {
    Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(Surface()->cursor().shape(), shape) << at.x() << "," << at.y();
  }
  Press({90, 50});
  EXPECT_EQ(Surface()->cursor().shape(), Qt::ClosedHandCursor);
}

TEST_F(Editor, ADragOf100ObjectsIsOneBurstOfChangesInTheReleaseOverAHeldPicture) {
  for (int i = 0; i < 100; ++i) AddShape(2 * i, 10 + (i % 5) * 10, 10, 8);
  page_.SelectAll();
  changes_ = 0;
  Press({50, 15});
  now_ += 20;
  MoveHeld({60, 20});
  EXPECT_TRUE(Surface()->HoldsPageImage());
  MoveHeld({70, 25});
  EXPECT_EQ(changes_, 0);
  now_ += 300;
  Release({70, 25});
  EXPECT_EQ(changes_, 100);
  EXPECT_FALSE(Surface()->HoldsPageImage());
  EXPECT_EQ(page_.Objects()[0]->Bounds(), QRect(20, 20, 10, 8));
}

TEST_F(Editor, ArrowKeysNudgeOnTheirRelease) {
  TGGraphicControl* object = AddShape(40, 30, 100, 40);
  Click({60, 40});
  Key(QEvent::KeyPress, Qt::Key_Left);
  Key(QEvent::KeyRelease, Qt::Key_Left, {}, true);
  Key(QEvent::KeyPress, Qt::Key_Left, {}, true);
  EXPECT_EQ(object->Left(), 40);
  Key(QEvent::KeyRelease, Qt::Key_Left);
  EXPECT_EQ(object->Left(), 38);
  KeyClick(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(object->Bounds(), QRect(38, 30, 101, 40));
}

TEST_F(Editor, CtrlVPastesOnceForPresses500MillisecondsApartAndTwiceFor1500) {
  AddShape(40, 30, 100, 40);
  Click({60, 40});
  KeyClick(Qt::Key_C, Qt::ControlModifier);
  KeyClick(Qt::Key_V, Qt::ControlModifier);
  now_ += 500;
  KeyClick(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(page_.Objects().size(), 2u);
  now_ += 1500;
  KeyClick(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(page_.Objects().size(), 3u);
  for (size_t i = 1; i < 3; ++i) EXPECT_EQ(page_.Objects()[i]->Bounds(), QRect(55, 45, 100, 40));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Editor, DeleteKeyDeletesTheSelectionAndCtrlXCutsIt) {
  AddShape(10, 10, 20, 20);
  AddShape(60, 10, 20, 20);
  TGGraphicControl* kept = AddShape(150, 50, 20, 20);
  Click({15, 15});
  KeyClick(Qt::Key_Delete);
  EXPECT_EQ(page_.Objects().size(), 2u);
  Click({65, 15});
  KeyClick(Qt::Key_X, Qt::ControlModifier);
  ASSERT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(page_.Objects()[0].get(), kept);
  EXPECT_TRUE(page_.ClipboardExists());
}

TEST_F(Editor, AFailedClipboardKeyIsReported) {
  std::unique_ptr<xbase::File> file;
  ASSERT_TRUE(env_->CreateFile(page_.ClipboardPath(), xbase::LockMode::kNone, &file).ok());
  ASSERT_TRUE(file->WriteAt(0, "damaged").ok());
  file.reset();
  KeyClick(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_FALSE(errors_[0].isEmpty());
}

TEST_F(Editor, RightClicksAskForTheMenusAtTheScreenPoint) {
  TGGraphicControl* object = AddShape(40, 30, 100, 40);
  Click({60, 40}, {}, Qt::RightButton);
  ASSERT_EQ(object_menus_.size(), 1u);
  EXPECT_EQ(object_menus_[0].first, object);
  EXPECT_EQ(object_menus_[0].second, Surface()->mapToGlobal(QPoint(60, 40)));
  Click({200, 80}, {}, Qt::RightButton);
  EXPECT_EQ(page_menus_, std::vector<QPoint>({Surface()->mapToGlobal(QPoint(200, 80))}));
  Mouse(QEvent::MouseButtonDblClick, {60, 40}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(object_menus_.size(), 2u);
}

TEST_F(Editor, SelectionSquaresAndTheBandAreDrawnOverThePage) {
  AddShape(40, 30, 100, 40);
  const auto shown = [this] { return Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
  EXPECT_EQ(QColor(shown().pixel(38, 28)), QColor(Qt::white));
  Click({60, 40});
  EXPECT_EQ(QColor(shown().pixel(38, 28)), QColor(Qt::black));
  EXPECT_EQ(QColor(shown().pixel(141, 71)), QColor(Qt::black));
  // A band from the empty page: its dotted edge shows dark dots.
  Press({160, 10});
  MoveHeld({240, 90});
  const QImage band = shown();
  int dark = 0;
  for (int x = 160; x < 240; ++x) dark += qGray(band.pixel(x, 10)) < 100;
  EXPECT_GT(dark, 20);
  now_ += 300;
  Release({240, 90});
}

TEST_F(Editor, InputStopsReachingEditingOnceTheEditorIsGone) {
  AddShape(40, 30, 100, 40);
  delete editor_;
  Click({60, 40});
  EXPECT_TRUE(page_.Selection().empty());
}

}  // namespace
}  // namespace vellumo::design
