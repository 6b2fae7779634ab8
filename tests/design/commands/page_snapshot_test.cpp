// Snapshots of a page: the bytes a saved design file holds, taken without
// touching what the objects show, and put back whole, names and order
// kept, or not at all.
#include "commands_fixture.h"
#include "design/model/counter_label.h"
#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "design/stream/design_file.h"

namespace vellumo::design {
namespace {

class SnapshotTest : public testing::CommandsTest {
 protected:
  SnapshotTest() {
    record_.SetLabel("Last Name", "LNAME");
    record_.SetField("LNAME", "Jones");
    field_ = Add<TGPDLabel>(QRect(5, 5, 100, 20));
    field_->DataFieldDescript = "Last Name";
    field_->DataFieldName = "LNAME";
    auto* counter = Add<TGCounterLabel>(QRect(5, 30, 100, 20));
    counter->SetStartingnumber(7);
    Add<TGDMultiLineAddressLabel>(QRect(5, 50, 150, 40));
    Add(QRect(120, 5, 30, 30));
    page_.RefreshAllData();
    page_.AdvanceAllCounters();
  }

  TGPDLabel* field_ = nullptr;
};

TEST_F(SnapshotTest, HoldsWhatASavedFileHoldsAndLeavesTheShownValues) {
  Result<std::string> snapshot = page_.DesignSnapshot();
  ASSERT_TRUE(snapshot.ok()) << snapshot.status().ToString();
  EXPECT_EQ(field_->Caption, "Jones");

  ASSERT_TRUE(page_.SaveToFile("/prog/BIN00001.L").ok());
  Result<std::string> file = ReadWholeFile(env_.get(), "/prog/BIN00001.L");
  ASSERT_TRUE(file.ok());
  EXPECT_EQ(*snapshot, *file);
}

TEST_F(SnapshotTest, RestoringKeepsNamesAndOrderAndRefreshesRecordValues) {
  const std::vector<std::string> names = NamesInZOrder();
  Result<std::string> snapshot = page_.DesignSnapshot();
  ASSERT_TRUE(snapshot.ok());
  page_.AddToSelection(field_);
  page_.ClearObjects();
  record_.SetField("LNAME", "Smith");
  changes_ = 0;

  ASSERT_TRUE(page_.RestoreSnapshot(*snapshot).ok());
  EXPECT_EQ(NamesInZOrder(), names);
  EXPECT_TRUE(page_.Selection().empty());
  EXPECT_EQ(static_cast<TGPDLabel&>(Named(names[0])).Caption, "Smith");
  EXPECT_EQ(Named(names[1]).Bounds(), QRect(5, 30, 100, 20));
  EXPECT_EQ(Named(names[0]).Page(), &page_);
  EXPECT_EQ(changes_, 0) << "the caller reports the change";
  Result<std::string> again = page_.DesignSnapshot();
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(*again, *snapshot);
}

TEST_F(SnapshotTest, ADamagedSnapshotChangesNothing) {
  Result<std::string> snapshot = page_.DesignSnapshot();
  ASSERT_TRUE(snapshot.ok());
  const std::vector<std::string> names = NamesInZOrder();
  page_.AddToSelection(field_);
  for (size_t cut : {snapshot->size() - 3, snapshot->size() / 2, size_t(1)}) {
    EXPECT_FALSE(page_.RestoreSnapshot(std::string_view(*snapshot).substr(0, cut)).ok()) << cut;
    EXPECT_EQ(NamesInZOrder(), names);
    EXPECT_EQ(page_.Selection().size(), 1u);
  }
}

}  // namespace
}  // namespace vellumo::design
