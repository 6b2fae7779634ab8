// The settings file "VELLUMO.ini": a Windows-style INI file of [Section]
// headers and Key=Value lines. Each use loads the file, reads or changes a
// group of settings and saves it again; nothing stays open in between.
// Sections and keys are found without regard to case and written exactly as
// given; every read names the default for a missing file or key.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vellumo {

class SettingsFile {
 public:
  // Loads `path`; a missing or unreadable file reads as empty.
  explicit SettingsFile(QString path);

  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
  // Leading decimal digits (with a sign), as the INI convention reads them.
  int ReadInt(const QString& section, const QString& key, int fallback) const;
  // Any non-zero number is true.
  bool ReadBool(const QString& section, const QString& key, bool fallback) const;
  bool HasKey(const QString& section, const QString& key) const;

  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInt(const QString& section, const QString& key, int value);
  // Written as 1 or 0.
  void WriteBool(const QString& section, const QString& key, bool value);
  void RemoveKey(const QString& section, const QString& key);

  // Writes the file (atomically, UTF-8); false with error() set on failure.
  [[nodiscard]] bool Save();
  // Save for writers whose callers have nothing to add: a failure is told
  // to the user, with its reason.
  void SaveOrTell();
  const QString& error() const { return error_; }

 private:
  struct Entry {
    QString key;
    QString value;
  };
  struct Section {
    QString name;
    std::vector<Entry> entries;
  };
  const Entry* Find(const QString& section, const QString& key) const;
  Section& SectionFor(const QString& name);

  QString path_;
  QString error_;
  std::vector<Section> sections_;
};

}  // namespace vellumo
