// Design file names, and cloning and deleting set-ups together with their
// design files.
#include "labels/setup/setup_files.h"

#include <gtest/gtest.h>

#include <functional>

#include "design/stream/design_file.h"
#include "labels/setup/design_file_names.h"
#include "setup_table.h"

namespace vellumo {
namespace {

std::string NextName(xbase::Env* env, const std::string& sysdata) {
  std::string name;
  const xbase::Status s = NextDesignFileName(sysdata, &name, env);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return name;
}

LabelSetup Named(const std::string& description, const std::string& design_file) {
  LabelSetup setup = NewLabelSetup();
  setup.description = description;
  setup.design_file = design_file;
  return setup;
}

class SetupFilesTest : public testing::SetupTableTest {
 protected:
  // A row as another program may leave it, naming a file outside sysdata.
  void AddSetupNamingAFileElsewhere() {
    AddSetup(Named("Elsewhere", "BIN00009.L"));
    ASSERT_TRUE(table_->Replace("BINARY", "../A.L").ok());
    ASSERT_TRUE(table_->Commit().ok());
  }
};

TEST_F(SetupFilesTest, NewDesignsTakeTheFirstFreeNameAndReuseDeletedOnes) {
  EXPECT_EQ(NextName(env_.get(), kSysdata), "BIN00001.L");
  const std::string first = NextName(env_.get(), kSysdata);
  PutFile(first, "first design");
  AddSetup(Named("First", first));
  const std::string second = NextName(env_.get(), kSysdata);
  EXPECT_EQ(second, "BIN00002.L");
  PutFile(second, "second design");
  AddSetup(Named("Second", second));

  ASSERT_TRUE(table_->Go(1).ok());
  ASSERT_TRUE(DeleteLabelSetup(*table_, kSysdata, env_.get()).ok());
  EXPECT_FALSE(Exists("BIN00001.L"));
  EXPECT_TRUE(Exists("BIN00002.L"));
  EXPECT_EQ(NextName(env_.get(), kSysdata), "BIN00001.L");
  // The directory may be named without its closing separator.
  EXPECT_EQ(NextName(env_.get(), "/prog/sysdata"), "BIN00001.L");
}

TEST_F(SetupFilesTest, NoFreeNameIsAnError) {
  for (int number = 100001; number <= 199999; ++number) {
    PutFile("BIN" + std::to_string(number).substr(1) + ".L", "");
  }
  std::string name = "unchanged";
  const xbase::Status s = NextDesignFileName(kSysdata, &name, env_.get());
  EXPECT_TRUE(s.IsInvalidArgument());
  EXPECT_NE(s.message().find("BIN99999.L"), std::string::npos) << s.message();
  EXPECT_EQ(name, "unchanged");
  ASSERT_TRUE(env_->RemoveFile(std::string(kSysdata) + "BIN99999.L").ok());
  EXPECT_EQ(NextName(env_.get(), kSysdata), "BIN99999.L");
}

TEST(DesignFileNameTest, OnlyPlainNamesInSysdataAreDesignFiles) {
  EXPECT_TRUE(IsDesignFileName("BIN00001.L"));
  EXPECT_TRUE(IsDesignFileName("ABCDEFGH.XYZ"));
  EXPECT_FALSE(IsDesignFileName(""));
  EXPECT_FALSE(IsDesignFileName("ABCDEFGHI.XYZ"));  // 13 characters
  EXPECT_FALSE(IsDesignFileName("../LABEL.DBF"));
  EXPECT_FALSE(IsDesignFileName("/etc/passwd"));
  EXPECT_FALSE(IsDesignFileName("..\\A.L"));
  EXPECT_FALSE(IsDesignFileName("C:A.L"));
  EXPECT_FALSE(IsDesignFileName(".."));
  EXPECT_EQ(DesignFilePath("/prog/sysdata", "BIN00001.L"), "/prog/sysdata/BIN00001.L");
  EXPECT_EQ(DesignFilePath("/prog/sysdata/", "BIN00001.L"), "/prog/sysdata/BIN00001.L");
}

TEST(CloneDescriptionTest, PrefixedAndCutTo50Characters) {
  EXPECT_EQ(CloneDescription("Party"), "Clone of :Party");
  const std::string long_name(45, 'x');
  EXPECT_EQ(CloneDescription(long_name), "Clone of :" + std::string(40, 'x'));
  EXPECT_EQ(CloneDescription(std::string(40, 'y')).size(), 50u);
  EXPECT_EQ(CloneDescription(""), "Clone of :");
}

TEST_F(SetupFilesTest, CloneCopiesTheRowAndTheDesignUnderNewNames) {
  PutFile("BIN00001.L", std::string("design\0bytes", 12));
  LabelSetup original = Named("Party invitations", "BIN00001.L");
  original.stock.geometry.middle_extra_x = 0.5;
  AddSetup(original);

  LabelSetup clone;
  const xbase::Status s = CloneLabelSetup(*table_, kSysdata, env_.get(), &clone);
  ASSERT_TRUE(s.ok()) << s.ToString();
  EXPECT_EQ(table_->RecCount(), 2u);
  EXPECT_EQ(table_->RecNo(), 2u);  // the clone is current
  EXPECT_EQ(Current(), clone);
  EXPECT_EQ(clone.description, "Clone of :Party invitations");
  EXPECT_EQ(clone.design_file, "BIN00002.L");
  EXPECT_EQ(clone.stock, original.stock);
  design::Result<std::string> copy = design::ReadWholeFile(env_.get(), std::string(kSysdata) + "BIN00002.L");
  ASSERT_TRUE(copy.ok());
  EXPECT_EQ(*copy, std::string("design\0bytes", 12));

  ASSERT_TRUE(table_->Go(1).ok());
  EXPECT_EQ(Current(), original);
  EXPECT_TRUE(Exists("BIN00001.L"));
}

TEST_F(SetupFilesTest, CloneWithoutItsDesignFileAddsNothing) {
  AddSetup(Named("Gone", "BIN00001.L"));
  xbase::Status s = CloneLabelSetup(*table_, kSysdata, env_.get());
  EXPECT_TRUE(s.IsNotFound());
  EXPECT_EQ(s.message(), "Label definition file has been removed from the sysdata directory");
  EXPECT_EQ(table_->RecCount(), 1u);
  EXPECT_FALSE(Exists("BIN00001.L"));

  // A row naming a file outside sysdata is taken as a missing design.
  PutFile("A.L", "x");
  AddSetupNamingAFileElsewhere();
  EXPECT_TRUE(CloneLabelSetup(*table_, kSysdata, env_.get()).IsNotFound());
  EXPECT_EQ(table_->RecCount(), 2u);
}

TEST_F(SetupFilesTest, CloneThatCannotBeStoredLeavesNoRowAndNoFile) {
  PutFile("BIN00001.L", "design");
  AddSetup(Named("Huge sheet", "BIN00001.L"));
  // A row written before sheets were limited: 300 positions.
  StockGeometry huge = Current().stock.geometry;
  huge.across = 10;
  huge.down = 30;
  Stock stock = Current().stock;
  stock.geometry = huge;
  stock.description = "Huge sheet";  // the stock writer fills DESCRIPT too
  ASSERT_TRUE(WriteStock(*table_, stock).ok());
  ASSERT_TRUE(table_->Commit().ok());

  EXPECT_TRUE(CloneLabelSetup(*table_, kSysdata, env_.get()).IsInvalidArgument());
  EXPECT_FALSE(Exists("BIN00002.L"));
  EXPECT_EQ(table_->RecCount(), 1u);
}

// Saves a design of `bytes` through the env, counting the calls.
struct DesignSaver {
  xbase::Env* env;
  std::string bytes = "the design";
  int calls = 0;
  xbase::Status operator()(const std::string& path) {
    ++calls;
    return design::ReplaceFileSafely(env, path, bytes);
  }
};

TEST_F(SetupFilesTest, NewSetupGetsARowAndItsDesignFile) {
  SetupEdit edit;
  ASSERT_TRUE(BeginNewSetup(kSysdata, &edit, env_.get()).ok());
  EXPECT_TRUE(edit.is_new);
  EXPECT_FALSE(edit.load_design);
  EXPECT_EQ(edit.setup.description, "<New Label>");
  EXPECT_EQ(edit.setup.design_file, "BIN00001.L");

  edit.setup.description = "Return address";
  DesignSaver saver{env_.get()};
  ASSERT_TRUE(StoreSetup(*table_, kSysdata, edit, std::ref(saver), env_.get()).ok());
  EXPECT_EQ(saver.calls, 1);
  EXPECT_EQ(table_->RecCount(), 1u);
  EXPECT_EQ(Current(), edit.setup);
  EXPECT_TRUE(Exists("BIN00001.L"));

  // The next new set-up takes the next name.
  ASSERT_TRUE(BeginNewSetup(kSysdata, &edit, env_.get()).ok());
  EXPECT_EQ(edit.setup.design_file, "BIN00002.L");
}

TEST_F(SetupFilesTest, ChangedSetupIsStoredInItsOwnRow) {
  PutFile("BIN00001.L", "old design");
  AddSetup(Named("Keep", "BIN00001.L"));
  PutFile("BIN00002.L", "other design");
  AddSetup(Named("Change", "BIN00002.L"));

  SetupEdit edit;
  ASSERT_TRUE(BeginSetupChange(*table_, kSysdata, &edit, env_.get()).ok());
  EXPECT_FALSE(edit.is_new);
  EXPECT_TRUE(edit.load_design);
  EXPECT_EQ(edit.setup.design_file, "BIN00002.L");
  edit.setup.description = "Changed";
  edit.setup.stock.geometry.label_width = 2.5;
  DesignSaver saver{env_.get(), "new design"};
  ASSERT_TRUE(StoreSetup(*table_, kSysdata, edit, std::ref(saver), env_.get()).ok());
  EXPECT_EQ(table_->RecCount(), 2u);
  EXPECT_EQ(Current(), edit.setup);
  design::Result<std::string> saved = design::ReadWholeFile(env_.get(), std::string(kSysdata) + "BIN00002.L");
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(*saved, "new design");
  ASSERT_TRUE(table_->Go(1).ok());
  EXPECT_EQ(Current().description, "Keep");
}

TEST_F(SetupFilesTest, ChangeOfASetupWithoutItsDesignStartsEmptyUnderANewName) {
  PutFile("BIN00001.L", "someone else's");
  AddSetup(Named("Lost", "BIN00007.L"));
  SetupEdit edit;
  ASSERT_TRUE(BeginSetupChange(*table_, kSysdata, &edit, env_.get()).ok());
  EXPECT_FALSE(edit.load_design);
  EXPECT_EQ(edit.setup.design_file, "BIN00002.L");
  EXPECT_EQ(edit.setup.description, "Lost");
}

TEST_F(SetupFilesTest, RefusedOrUnsavedSetupStoresNothing) {
  SetupEdit edit;
  ASSERT_TRUE(BeginNewSetup(kSysdata, &edit, env_.get()).ok());
  DesignSaver saver{env_.get()};
  edit.setup.stock.geometry.across = 10;
  edit.setup.stock.geometry.down = 30;  // 300 positions: refused before anything is written
  EXPECT_TRUE(StoreSetup(*table_, kSysdata, edit, std::ref(saver), env_.get()).IsInvalidArgument());
  EXPECT_EQ(saver.calls, 0);

  edit.setup.stock.geometry.down = 10;
  const auto failing = [](const std::string&) { return xbase::Status::IOError("disk full"); };
  EXPECT_TRUE(StoreSetup(*table_, kSysdata, edit, failing, env_.get()).IsIOError());
  EXPECT_EQ(table_->RecCount(), 0u);
  EXPECT_FALSE(Exists("BIN00001.L"));
}

TEST_F(SetupFilesTest, DeleteHidesTheRowAndRemovesTheDesign) {
  PutFile("BIN00001.L", "design");
  AddSetup(Named("Old", "BIN00001.L"));
  ASSERT_TRUE(DeleteLabelSetup(*table_, kSysdata, env_.get()).ok());
  EXPECT_FALSE(Exists("BIN00001.L"));
  ASSERT_TRUE(table_->GoTop().ok());
  EXPECT_TRUE(table_->Eof());
  ASSERT_TRUE(table_->Go(1).ok());
  EXPECT_TRUE(table_->Deleted());
}

TEST_F(SetupFilesTest, DeleteWithoutADesignFileStillDeletesTheRow) {
  PutFile("A.L", "not ours");
  AddSetupNamingAFileElsewhere();
  AddSetup(Named("Never designed", "BIN00004.L"));
  ASSERT_TRUE(DeleteLabelSetup(*table_, kSysdata, env_.get()).ok());
  ASSERT_TRUE(table_->Go(1).ok());
  ASSERT_TRUE(DeleteLabelSetup(*table_, kSysdata, env_.get()).ok());
  EXPECT_TRUE(Exists("A.L"));  // never removed on a row's word
  ASSERT_TRUE(table_->GoTop().ok());
  EXPECT_TRUE(table_->Eof());
}

}  // namespace
}  // namespace vellumo
