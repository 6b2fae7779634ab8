// A fresh application home in a temporary folder for each test, and a
// messenger that records what the user would have been told.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

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
  // What was said without the reasons: each message up to its last line
  // break; and the reason of message i, its last line ("" for none).
  QStringList WithoutReasons() const {
    QStringList messages;
    for (const QString& text : said) messages << text.left(std::max<qsizetype>(0, text.lastIndexOf("\r\n")));
    return messages;
  }
  QString ReasonOf(int i) const {
    const qsizetype at = said.value(i).lastIndexOf("\r\n");
    return at < 0 ? QString() : said[i].mid(at + 2);
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

  // Puts a folder (with a file in it) where the settings file goes, so
  // that every save of it fails, even for a user whom permissions do not
  // stop; returns what the file held.
  QByteArray BlockSettings() {
    QFile file(SettingsFilePath());
    QByteArray held;
    if (file.open(QIODevice::ReadOnly)) held = file.readAll();
    file.close();
    EXPECT_TRUE(!file.exists() || file.remove());
    EXPECT_TRUE(QDir().mkpath(SettingsFilePath() + "/blocked"));
    return held;
  }
  // The settings file back, holding `held`.
  void UnblockSettings(const QByteArray& held) {
    EXPECT_TRUE(QDir(SettingsFilePath()).removeRecursively());
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(held);
  }

  QTemporaryDir dir_;
  RecordingMessenger messenger_;
};

}  // namespace vellumo
