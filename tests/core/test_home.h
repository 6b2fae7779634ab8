// A fresh application home in a temporary folder for each test, and a
// messenger that records what the user would have been told.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include "core/application_home.h"
#include "core/messages.h"

namespace vellumo {

class RecordingMessenger final : public Messenger {
 public:
  void ShowInformation(const QString& text) override { said << text; }
  bool AskYesNo(const QString& text, const QString&) override {
    said << text;
    return answer;
  }
  bool AskYesNoDefaultNo(const QString& text, const QString& caption) override {
    return AskYesNo(text, caption);
  }
  QStringList said;
  bool answer = false;
};

class HomeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    SetProgramDirectory(dir_.path());
    QDir().mkpath(DataDirectory());
    QDir().mkpath(SystemDataDirectory());
    SetMessenger(&messenger_);
  }
  void TearDown() override { SetMessenger(nullptr); }

  QString DataPath(const QString& name) const { return DataDirectory() + name; }

  QTemporaryDir dir_;
  RecordingMessenger messenger_;
};

}  // namespace vellumo
