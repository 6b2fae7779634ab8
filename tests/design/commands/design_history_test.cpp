// The undo history: one step per burst of changes, undo and redo of every
// kind of change, the step limit, the redo branch, changes that are not
// design changes, selections, names of steps, and drags.
#include <QAction>
#include <QSpinBox>
#include <QTest>
#include <QWidget>

#include "commands_fixture.h"
#include "design/commands/object_menu.h"
#include "design/commands/page_menu.h"
#include "design/model/counter_label.h"
#include "design/model/text_label.h"
#include "design/windows/counter_dialog.h"

namespace vellumo::design {
namespace {

using testing::CommandsTest;

class HistoryTest : public CommandsTest {};

TEST_F(HistoryTest, CreatingAnObjectIsOneStepThatUndoAndRedoTakeBackAndRestore) {
  Baseline();
  TGGraphicControl* shape = Add(QRect(10, 20, 30, 40));
  const std::string name = shape->Name();
  Settle();
  ASSERT_EQ(history_->Stack().count(), 1);
  EXPECT_EQ(history_->UndoText(), "Change");

  history_->Undo();
  EXPECT_TRUE(page_.Objects().empty());
  EXPECT_TRUE(history_->CanRedo());
  history_->Redo();
  ASSERT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(Named(name).Bounds(), QRect(10, 20, 30, 40));
  Settle();
  EXPECT_EQ(history_->Stack().count(), 1) << "undoing and redoing record nothing themselves";
}

TEST_F(HistoryTest, MovingSeveralObjectsInOneBurstIsOneStep) {
  for (int i = 0; i < 3; ++i) Add(QRect(10 * i, 5, 20, 20));
  Baseline();
  for (const auto& object : page_.Objects()) object->SetBounds(object->Bounds().translated(7, 3));
  Settle();
  ASSERT_EQ(history_->Stack().count(), 1);
  history_->Undo();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(page_.Objects()[size_t(i)]->Bounds(), QRect(10 * i, 5, 20, 20));
  history_->Redo();
  EXPECT_EQ(page_.Objects()[2]->Bounds(), QRect(27, 8, 20, 20));
}

TEST_F(HistoryTest, ResizeAlignZOrderAndLockUndoEach) {
  TGGraphicControl* a = Add(QRect(10, 10, 20, 20));
  TGGraphicControl* b = Add(QRect(50, 30, 20, 20));
  const std::string name_a = a->Name(), name_b = b->Name();
  page_.AddToSelection(a);
  page_.AddToSelection(b);
  Baseline();

  a->SetBounds(QRect(10, 10, 80, 25));
  Settle();
  RunPageCommand(page_, {MenuCommand::kAlignRight}, context_);
  Settle();
  RunObjectCommand(page_, *b, {MenuCommand::kSendToBack}, context_);
  Settle();
  RunPageCommand(page_, {MenuCommand::kLockAll}, context_);
  Settle();
  ASSERT_EQ(history_->Stack().count(), 4);
  EXPECT_EQ(history_->UndoText(), "Lock All");

  history_->Undo();
  EXPECT_FALSE(Named(name_a).Locked);
  EXPECT_EQ(history_->UndoText(), "Send To Back");
  history_->Undo();
  EXPECT_EQ(NamesInZOrder(), (std::vector<std::string>{name_a, name_b}));
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{name_a, name_b})) << "the selection before sending back";
  history_->Undo();
  EXPECT_EQ(Named(name_a).Left(), 10);
  EXPECT_EQ(Named(name_b).Left(), 50);
  history_->Undo();
  EXPECT_EQ(Named(name_a).Bounds(), QRect(10, 10, 20, 20));
  EXPECT_FALSE(history_->CanUndo());
}

TEST_F(HistoryTest, DeleteUndoneBringsTheObjectsBackSelected) {
  TGGraphicControl* a = Add(QRect(10, 10, 20, 20));
  TGGraphicControl* b = Add(QRect(50, 30, 20, 20));
  const std::string name_a = a->Name(), name_b = b->Name();
  Add(QRect(90, 30, 20, 20));
  page_.AddToSelection(a);
  page_.AddToSelection(b);
  Baseline();
  RunPageCommand(page_, {MenuCommand::kDelete}, context_);
  Settle();
  ASSERT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(history_->UndoText(), "Delete");
  history_->Undo();
  EXPECT_EQ(page_.Objects().size(), 3u);
  EXPECT_EQ(SelectedNames(), (std::vector<std::string>{name_a, name_b}));
  history_->Redo();
  EXPECT_EQ(page_.Objects().size(), 1u);
  EXPECT_TRUE(page_.Selection().empty()) << "names that no longer exist are not selected";
}

TEST_F(HistoryTest, PasteCloneAndCutAreStepsOfTheirOwn) {
  int64_t now = 0;
  page_.Now = [&now] { return now; };
  TGGraphicControl* shape = Add(QRect(10, 10, 20, 20));
  const std::string name = shape->Name();
  ASSERT_TRUE(page_.Copy(shape).ok());
  Baseline();

  RunPageCommand(page_, {MenuCommand::kPaste}, context_);
  Settle();
  RunObjectCommand(page_, Named(name), {MenuCommand::kClone}, context_);
  Settle();
  RunObjectCommand(page_, Named(name), {MenuCommand::kCut}, context_);
  Settle();
  ASSERT_EQ(history_->Stack().count(), 3);
  EXPECT_EQ(page_.Objects().size(), 2u);

  history_->Undo();
  EXPECT_EQ(page_.Objects().size(), 3u);
  EXPECT_EQ(Named(name).Bounds(), QRect(10, 10, 20, 20));
  history_->Undo();
  EXPECT_EQ(page_.Objects().size(), 2u);
  history_->Undo();
  EXPECT_EQ(NamesInZOrder(), std::vector<std::string>{name});
}

TEST_F(HistoryTest, APropertyChangedThroughADialogsApplyIsUndone) {
  auto* counter = Add<TGCounterLabel>(QRect(10, 10, 80, 20));
  const std::string name = counter->Name();
  Baseline();
  {
    TGetCounter dialog(*counter);
    dialog.starting_number()->setValue(500);
    dialog.Apply(*counter);
  }
  Settle();
  ASSERT_EQ(history_->Stack().count(), 1);
  history_->Undo();
  EXPECT_EQ(static_cast<TGCounterLabel&>(Named(name)).Startingnumber(), 1);
  history_->Redo();
  EXPECT_EQ(static_cast<TGCounterLabel&>(Named(name)).Startingnumber(), 500);
}

TEST_F(HistoryTest, OneHundredAndFiftyStepsUndoOneHundredAndTwentyDeep) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  const std::string name = shape->Name();
  Baseline();
  for (int i = 1; i <= 150; ++i) {
    Named(name).SetLeft(i);
    Settle();
  }
  ASSERT_EQ(history_->Stack().count(), 150);
  for (int i = 0; i < 120; ++i) history_->Undo();
  EXPECT_EQ(Named(name).Left(), 30);
  for (int i = 0; i < 5; ++i) history_->Redo();
  EXPECT_EQ(Named(name).Left(), 35);
}

TEST_F(HistoryTest, KeepsTheNewestTwoHundredSteps) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  const std::string name = shape->Name();
  Baseline();
  for (int i = 1; i <= 230; ++i) {
    Named(name).SetLeft(i);
    Settle();
  }
  EXPECT_EQ(history_->Stack().count(), DesignHistory::kStepLimit);
  while (history_->CanUndo()) history_->Undo();
  EXPECT_EQ(Named(name).Left(), 30);
}

TEST_F(HistoryTest, ANewChangeAfterUndoDropsTheRedoBranch) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  const std::string name = shape->Name();
  Baseline();
  Named(name).SetLeft(5);
  Settle();
  Named(name).SetLeft(9);
  Settle();
  history_->Undo();
  ASSERT_TRUE(history_->CanRedo());
  Named(name).SetTop(40);
  Settle();
  EXPECT_FALSE(history_->CanRedo());
  EXPECT_EQ(history_->Stack().count(), 2);
  history_->Undo();
  EXPECT_EQ(Named(name).Bounds(), QRect(5, 0, 20, 20));
}

TEST_F(HistoryTest, ZoomDataRefreshAndCountersMakeNoStep) {
  record_.SetLabel("Last Name", "LNAME");
  record_.SetField("LNAME", "Jones");
  auto* field = Add<TGPDLabel>(QRect(0, 0, 100, 20));
  field->DataFieldDescript = "Last Name";
  Add<TGCounterLabel>(QRect(0, 30, 100, 20));
  page_.RefreshAllData();
  Baseline();

  page_.SetZoom(2.0f);
  page_.SetDisplayDataValues(false);
  page_.SetDisplayDataValues(true);
  record_.SetField("LNAME", "Smith");
  page_.RefreshAllData();
  page_.ResetAllCounters();
  for (int i = 0; i < 3; ++i) page_.AdvanceAllCounters();
  page_.NotifyChanged();
  Settle();
  EXPECT_FALSE(history_->CanUndo());
  EXPECT_EQ(field->Caption, "Smith");
}

TEST_F(HistoryTest, UndoRestoresRecordValuesOfDataObjects) {
  record_.SetLabel("Last Name", "LNAME");
  record_.SetField("LNAME", "Jones");
  auto* field = Add<TGPDLabel>(QRect(0, 0, 100, 20));
  field->DataFieldDescript = "Last Name";
  page_.RefreshAllData();
  const std::string name = field->Name();
  Baseline();
  field->SetLeft(40);
  Settle();
  history_->Undo();
  EXPECT_EQ(static_cast<TGPDLabel&>(Named(name)).Caption, "Jones");
}

TEST_F(HistoryTest, KeepsCallingTheEarlierHandlerAndGivesItBack) {
  Baseline();
  changes_ = 0;
  Add(QRect(0, 0, 20, 20));
  EXPECT_GT(changes_, 0);
  Settle();
  const int before_undo = changes_;
  history_->Undo();
  EXPECT_GT(changes_, before_undo) << "views hear of an undo";

  history_.reset();
  changes_ = 0;
  page_.NotifyChanged();
  EXPECT_EQ(changes_, 1);
  Settle();
}

TEST_F(HistoryTest, ResetMakesThePageTheBaseline) {
  Add(QRect(0, 0, 20, 20));
  Settle();
  ASSERT_TRUE(history_->CanUndo());
  history_->Reset();
  EXPECT_FALSE(history_->CanUndo());
  EXPECT_FALSE(history_->UndoAction()->isEnabled());
  page_.NotifyChanged();
  Settle();
  EXPECT_FALSE(history_->CanUndo());
}

TEST_F(HistoryTest, NamedStepsAndTheActionsTexts) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  const std::string name = shape->Name();
  Baseline();
  EXPECT_EQ(history_->UndoAction()->text(), "Undo");
  EXPECT_FALSE(history_->UndoAction()->isEnabled());

  history_->SetNextText("Nudge");
  Settle();
  Named(name).SetLeft(3);
  Settle();
  EXPECT_EQ(history_->UndoText(), "Change") << "a name no change followed is dropped";

  history_->SetNextText("Move");
  Named(name).SetLeft(6);
  Settle();
  EXPECT_EQ(history_->UndoAction()->text(), "Undo Move");
  EXPECT_TRUE(history_->UndoAction()->isEnabled());
  history_->UndoAction()->trigger();
  EXPECT_EQ(Named(name).Left(), 3);
  EXPECT_EQ(history_->RedoAction()->text(), "Redo Move");
  history_->RedoAction()->trigger();
  EXPECT_EQ(Named(name).Left(), 6);

  EXPECT_EQ(history_->UndoAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(history_->RedoAction()->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
}

TEST_F(HistoryTest, UndoRecordsAChangeStillWaitingFirst) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  const std::string name = shape->Name();
  Baseline();
  Named(name).SetLeft(3);
  Settle();
  Named(name).SetLeft(8);
  history_->Undo();
  EXPECT_EQ(Named(name).Left(), 3);
  history_->Undo();
  EXPECT_EQ(Named(name).Left(), 0);
}

TEST_F(HistoryTest, ARunStepIsOneStepWhateverTheEventLoopDoesInside) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  const std::string name = shape->Name();
  Baseline();
  history_->RunStep("Twice", [&] {
    Named(name).SetLeft(4);
    Settle();  // as a dialog's own event loop would
    Named(name).SetTop(9);
  });
  Settle();
  ASSERT_EQ(history_->Stack().count(), 1);
  EXPECT_EQ(history_->UndoText(), "Twice");
  history_->Undo();
  EXPECT_EQ(Named(name).Bounds(), QRect(0, 0, 20, 20));
}

TEST_F(HistoryTest, ADragIsOneStepRecordedWhenTheButtonIsReleased) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  const std::string name = shape->Name();
  Baseline();
  QWidget view;
  view.resize(100, 100);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QTest::mousePress(view.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
  if (QGuiApplication::mouseButtons() == Qt::NoButton) GTEST_SKIP() << "the platform keeps no button state";
  for (int x = 1; x <= 5; ++x) {
    Named(name).SetLeft(x);
    Settle();
  }
  EXPECT_FALSE(history_->CanUndo()) << "still dragging";
  QTest::mouseRelease(view.windowHandle(), Qt::LeftButton, {}, QPoint(9, 5));
  Settle();
  ASSERT_EQ(history_->Stack().count(), 1);
  history_->Undo();
  EXPECT_EQ(Named(name).Left(), 0);
}

}  // namespace
}  // namespace vellumo::design
