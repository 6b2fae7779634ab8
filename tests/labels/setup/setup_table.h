// A set-up table with the system's LABEL.DBF layout on an in-memory file
// system, for the set-up tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/system_tables.h"
#include "labels/setup/label_setup.h"
#include "xbase/env.h"
#include "xbase/table.h"

namespace vellumo::testing {

class SetupTableTest : public ::testing::Test {
 protected:
  static constexpr const char* kSysdata = "/prog/sysdata/";

  void SetUp() override {
    const std::string path = std::string(kSysdata) + "LABEL.DBF";
    ASSERT_TRUE(xbase::Table::Create(path, SystemTableFields(SystemTable::kLabel), {env_.get()}).ok());
    xbase::OpenOptions options;
    options.env = env_.get();
    ASSERT_TRUE(xbase::Table::Open(path, options, &table_).ok());
  }

  // Appends `setup` as a new committed row, left current.
  void AddSetup(const LabelSetup& setup) {
    ASSERT_TRUE(table_->AppendBlank().ok());
    const xbase::Status s = WriteLabelSetup(*table_, setup);
    ASSERT_TRUE(s.ok()) << s.ToString();
    ASSERT_TRUE(table_->Commit().ok());
  }

  LabelSetup Current() const {
    LabelSetup setup;
    const xbase::Status s = ReadLabelSetup(*table_, &setup);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return setup;
  }

  // Creates a file in sysdata holding `bytes`.
  void PutFile(const std::string& name, const std::string& bytes) {
    std::unique_ptr<xbase::File> file;
    ASSERT_TRUE(env_->CreateFile(kSysdata + name, xbase::LockMode::kNone, &file).ok());
    ASSERT_TRUE(file->WriteAt(0, bytes).ok());
  }

  bool Exists(const std::string& name) { return env_->FileExists(kSysdata + name); }

  std::unique_ptr<xbase::Env> env_ = xbase::NewMemEnv();
  std::unique_ptr<xbase::Table> table_;
};

}  // namespace vellumo::testing
