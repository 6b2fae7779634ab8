// Reading and writing the INI settings file.
#include "core/settings_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "core/messages.h"
#include "core/text_codec.h"

namespace vellumo {

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QString text = DecodeTextFile(file.readAll());
  Section* current = nullptr;
  for (QString line : text.split(QLatin1Char('\n'))) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
      current = &SectionFor(line.mid(1, line.size() - 2).trimmed());
      continue;
    }
    int eq = line.indexOf(QLatin1Char('='));
    if (current == nullptr || eq <= 0) continue;
    QString key = line.left(eq).trimmed();
    if (Find(current->name, key) == nullptr) {
      current->entries.push_back(Entry{key, line.mid(eq + 1).trimmed()});
    }
  }
}

const SettingsFile::Entry* SettingsFile::Find(const QString& section, const QString& key) const {
  for (const Section& s : sections_) {
    if (s.name.compare(section, Qt::CaseInsensitive) != 0) continue;
    for (const Entry& e : s.entries) {
      if (e.key.compare(key, Qt::CaseInsensitive) == 0) return &e;
    }
  }
  return nullptr;
}

SettingsFile::Section& SettingsFile::SectionFor(const QString& name) {
  for (Section& s : sections_) {
    if (s.name.compare(name, Qt::CaseInsensitive) == 0) return s;
  }
  sections_.push_back(Section{name, {}});
  return sections_.back();
}

QString SettingsFile::ReadString(const QString& section, const QString& key,
                                 const QString& fallback) const {
  const Entry* e = Find(section, key);
  return e != nullptr ? e->value : fallback;
}

int SettingsFile::ReadInt(const QString& section, const QString& key, int fallback) const {
  const Entry* e = Find(section, key);
  if (e == nullptr) return fallback;
  const QString& v = e->value;
  int i = 0;
  if (i < v.size() && (v[i] == QLatin1Char('-') || v[i] == QLatin1Char('+'))) ++i;
  int digits_start = i;
  while (i < v.size() && v[i].isDigit() && i - digits_start < 10) ++i;
  if (i == digits_start) return fallback;
  bool ok = false;
  qlonglong n = v.left(i).toLongLong(&ok);
  if (!ok || n > INT_MAX || n < INT_MIN) return fallback;
  return static_cast<int>(n);
}

bool SettingsFile::ReadBool(const QString& section, const QString& key, bool fallback) const {
  return ReadInt(section, key, fallback ? 1 : 0) != 0;
}

bool SettingsFile::HasKey(const QString& section, const QString& key) const {
  return Find(section, key) != nullptr;
}

void SettingsFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Section& s = SectionFor(section);
  QString clean = value;
  clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  for (Entry& e : s.entries) {
    if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
      e.key = key;
      e.value = clean;
      return;
    }
  }
  s.entries.push_back(Entry{key, clean});
}

void SettingsFile::WriteInt(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void SettingsFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsFile::RemoveKey(const QString& section, const QString& key) {
  for (Section& s : sections_) {
    if (s.name.compare(section, Qt::CaseInsensitive) != 0) continue;
    std::erase_if(s.entries, [&](const Entry& e) {
      return e.key.compare(key, Qt::CaseInsensitive) == 0;
    });
  }
}

bool SettingsFile::Save() {
  QString text;
  for (const Section& s : sections_) {
    if (!text.isEmpty()) text += QStringLiteral("\r\n");
    text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
    for (const Entry& e : s.entries) text += e.key + QLatin1Char('=') + e.value + QStringLiteral("\r\n");
  }
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
    error_ = QStringLiteral("Unable to write %1: %2").arg(path_, file.errorString());
    return false;
  }
  error_.clear();
  return true;
}

void SettingsFile::SaveOrTell() {
  if (!Save()) ShowInformation(error_);
}

}  // namespace vellumo
